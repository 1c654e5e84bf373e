#pragma once

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QProgressBar>
#include <QWidget>
#include <algorithm>
#include <string>

// What the shared progress window shows, as it happens: "|caption" when its caption changes,
// " value/maximum" when its bar moves, " shown", " hidden" and " unloaded". Every progress
// window is followed from its first showing on, whether it was made before the log or after.
class ProgressLog : public QObject {
public:
    ProgressLog() { qApp->installEventFilter(this); }
    ~ProgressLog() override { qApp->removeEventFilter(this); }

    std::string text;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->isWidgetType() && watched->objectName() == "ProgDialog") {
            if (event->type() == QEvent::Show) {
                follow(static_cast<QWidget*>(watched));
                text += " shown";
            } else if (event->type() == QEvent::Hide) {
                text += " hidden";
            }
        }
        return false;
    }

private:
    void follow(QWidget* dialog) {
        if (followed_ == dialog)
            return;
        followed_ = dialog;
        auto* bar = dialog->findChild<QProgressBar*>("ProgressBar");
        connect(bar, &QProgressBar::valueChanged, this, [this, bar](int value) {
            text += " " + std::to_string(value) + "/" + std::to_string(bar->maximum());
        });
        connect(dialog, &QWidget::windowTitleChanged, this,
                [this](const QString& caption) { text += "|" + caption.toStdString(); });
        connect(dialog, &QObject::destroyed, this, [this] { text += " unloaded"; });
    }

    QPointer<QWidget> followed_;
};

// Whether the shared progress window is loaded: a window of its name is among the top-level ones.
inline bool ProgressWindowLoaded() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget* window) { return window->objectName() == "ProgDialog"; });
}
