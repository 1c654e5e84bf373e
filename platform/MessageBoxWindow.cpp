#include "platform/MessageBoxWindow.h"

#include "platform/Text.h"
#include "platform/TopWindow.h"

#include <QMessageBox>
#include <QPointer>

void ShowMessageBox(const std::string& text, MsgIcon icon) {
    // A box without an owner could fall behind the program's windows, and it would count as a
    // window of its own whose closing may end the program. Should the owner go while the box
    // waits, it takes the box with it.
    QPointer<QMessageBox> box = new QMessageBox(TopWindow());
    box->setWindowTitle(QStringLiteral("Lexivo"));
    box->setText(ToQString(text));
    box->setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MsgIcon::Stop:
        box->setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Exclamation:
        box->setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box->setIcon(QMessageBox::Information);
        break;
    }
    box->exec();
    delete box.data();
}
