#include "platform/DefaultButton.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace {

// Sits on the window and sees the Enter keys that no child took.
class DefaultButtonFilter : public QObject {
public:
    explicit DefaultButtonFilter(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("DefaultButtonFilter"));
        window->installEventFilter(this);
    }

    QPointer<QPushButton> button;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        for (QPushButton* target :
             {qobject_cast<QPushButton*>(window_->focusWidget()), button.data()}) {
            if (target && target->isVisible() && target->isEnabled()) {
                target->click();
                return true;
            }
        }
        return false;
    }

private:
    QWidget* window_;
};

class NoCancelKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel);
    }
};

DefaultButtonFilter* filterOf(QWidget* window, bool create) {
    auto* filter = window->findChild<DefaultButtonFilter*>(QStringLiteral("DefaultButtonFilter"),
                                                           Qt::FindDirectChildrenOnly);
    if (!filter && create)
        filter = new DefaultButtonFilter(window);
    return filter;
}

} // namespace

void SetDefaultButton(QWidget* window, QPushButton* button) {
    DefaultButtonFilter* filter = filterOf(window, true);
    if (filter->button && filter->button != button)
        filter->button->setDefault(false);
    filter->button = button;
    if (button)
        button->setDefault(true);
}

void ClearDefaultButton(QWidget* window, QPushButton* button) {
    DefaultButtonFilter* filter = filterOf(window, false);
    if (!filter || filter->button != button)
        return;
    filter->button = nullptr;
    if (button)
        button->setDefault(false);
}

QPushButton* DefaultButton(QWidget* window) {
    DefaultButtonFilter* filter = filterOf(window, false);
    return filter ? filter->button.data() : nullptr;
}

void NoCancelKey(QWidget* window) {
    window->installEventFilter(new NoCancelKeyFilter(window));
}
