#include "app/SplashWin.h"

#include "app/Pictures.h"
#include "platform/DefaultButton.h"
#include "platform/TopWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

int& splashInterval() {
    static int interval = 5000;
    return interval;
}

} // namespace

SplashWin::SplashWin(QWidget* parent)
    : QDialog(parent), picture_(SplashPicture()), SplashTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("SplashWin"));
    setWindowTitle(QStringLiteral("Welcome to Lexivo!"));
    setFixedSize(picture_.size());
    NoCancelKey(this);

    SplashTimer->setObjectName(QStringLiteral("SplashTimer"));
    SplashTimer->setInterval(splashInterval());
    connect(SplashTimer, &QTimer::timeout, this, &SplashWin::SplashTimer_Timer);
    SplashTimer->start();
}

void SplashWin::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

void SplashWin::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        Form_Click();
}

void SplashWin::SplashTimer_Timer() {
    SplashTimer->stop();
    accept();
}

void SplashWin::Form_Click() {
    SplashTimer_Timer();
}

void ShowSplash() {
    SplashWin splash(TopWindow());
    splash.exec();
}

void SetSplashInterval(int milliseconds) {
    splashInterval() = milliseconds;
}
