#include "platform/MessageBox.h"

#include "platform/Text.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageSink& sink() {
    static MessageSink theSink;
    return theSink;
}

} // namespace

void SetMessageSink(MessageSink newSink) {
    sink() = std::move(newSink);
}

void ShowMessage(const std::string& text, MsgIcon icon) {
    if (sink()) {
        sink()(text, icon);
        return;
    }
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
