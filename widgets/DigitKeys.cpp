#include "widgets/DigitKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class DigitKeyFilter : public QObject {
public:
    explicit DigitKeyFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // A key held with Ctrl is a command: the window's shortcut of that key (Ctrl+V begins
        // the verb drill) goes before the field's own (paste).
        if (event->type() == QEvent::ShortcutOverride &&
            (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier)) {
            event->ignore();
            return true;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.isEmpty())
            return false;
        for (QChar c : text) {
            // Control characters (Backspace, Enter, Tab, Ctrl+letter) are keys, not typing.
            if (c.unicode() < 32 || c.unicode() == 127)
                continue;
            if (c < u'0' || c > u'9')
                return true;
        }
        return false;
    }
};

} // namespace

void AcceptDigitKeysOnly(QLineEdit* field) {
    field->installEventFilter(new DigitKeyFilter(field));
}
