#include "platform/TopWindow.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget>& lastActive() {
    static QPointer<QWidget> window;
    return window;
}

bool canOwn(const QWidget* window) {
    return window && window->isVisible() && window->windowType() != Qt::Popup &&
           window->windowType() != Qt::ToolTip;
}

// Once another program has the focus, Qt names no active window; the one last active is then
// the program's window in front.
class ActivationTracker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            lastActive() = static_cast<QWidget*>(watched);
        return false;
    }
};

// Runs as the application object is made, before any window is shown.
void trackActivation() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new ActivationTracker(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(trackActivation)

QWidget* TopWindow() {
    for (QWidget* window :
         {QApplication::activeModalWidget(), QApplication::activeWindow(), lastActive().data()})
        if (canOwn(window))
            return window;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (canOwn(window))
            return window;
    return nullptr;
}

void SetOwner(QWidget* window, QWidget* owner) {
    if (owner != window->parentWidget())
        window->setParent(owner, window->windowFlags());
}
