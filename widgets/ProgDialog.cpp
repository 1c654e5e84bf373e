#include "widgets/ProgDialog.h"

#include "platform/DefaultButton.h"
#include "platform/Text.h"
#include "platform/TopWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QWindow>
#include <algorithm>

namespace {

QPointer<ProgDialog>& instance() {
    static QPointer<ProgDialog> theInstance;
    return theInstance;
}

} // namespace

ProgDialog::ProgDialog() : bar_(new QProgressBar(this)) {
    setObjectName("ProgDialog");
    setWindowTitle("Progress");
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(257, 62);
    NoCancelKey(this);
    bar_->setObjectName("ProgressBar");
    bar_->setGeometry(8, 16, 241, 17);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
}

ProgDialog& ProgDialog::Get() {
    if (!instance()) {
        instance() = new ProgDialog;
        instance()->ShowNow();
    }
    return *instance();
}

void ProgDialog::Unload() {
    delete instance().data();
}

void ProgDialog::ShowNow() {
    // In front of the window it reports for, which may be another at each use.
    if (!isVisible())
        SetOwner(this, TopWindow());
    show();
    // The window system maps a new window only through events; wait briefly for that so the
    // window is on screen before the caller's loop starts. Input stays queued meanwhile.
    QElapsedTimer waited;
    waited.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    } while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 200);
    repaint();
}

void ProgDialog::SetCaption(const std::string& caption) {
    setWindowTitle(ToQString(caption));
}

void ProgDialog::SetMax(int max) {
    bar_->setMaximum(std::max(max, 0));
}

void ProgDialog::SetValue(int value) {
    bar_->setValue(std::clamp(value, bar_->minimum(), bar_->maximum()));
}

void ProgDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0xf4, 0xf7, 0xfb));
    background.setColorAt(1, QColor(0xd9, 0xe2, 0xee));
    painter.fillRect(rect(), background);
}

ProgressWindow::ProgressWindow(std::string caption) : caption_(std::move(caption)) {}

void ProgressWindow::Begin(int maximum) {
    dialog_ = &ProgDialog::Get();
    dialog_->SetCaption(caption_);
    dialog_->SetValue(0);
    dialog_->SetMax(maximum);
    if (!dialog_->isVisible())
        dialog_->ShowNow();
}

void ProgressWindow::Step(int value) {
    if (dialog_)
        dialog_->SetValue(value);
}

void ProgressWindow::SetMax(int maximum) {
    if (dialog_)
        dialog_->SetMax(maximum);
}

void ProgressWindow::End() {
    Step(0);
    ProgDialog::Unload();
}

void ProgressWindow::Hide() {
    Step(0);
    if (dialog_)
        dialog_->hide();
}
