#include "platform/MessageBoxWindow.h"

#include "platform/Text.h"

#include <QApplication>
#include <QMessageBox>

void ShowMessageBox(const std::string& text, MsgIcon icon) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Lexivo"));
    box.setText(ToQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MsgIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    box.exec();
}
