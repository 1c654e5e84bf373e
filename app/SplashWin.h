#pragma once

#include <QDialog>
#include <QPixmap>

class QTimer;

// The welcome window, shown at start and as the About box. Its face is a picture; it closes
// itself after its timer runs out or at a click, and no key closes it.
class SplashWin : public QDialog {
    Q_OBJECT

public:
    explicit SplashWin(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SplashTimer_Timer();
    void Form_Click();

    QPixmap picture_;
    QTimer* SplashTimer;
};

// Shows the splash window modally, in front of the program's windows, and returns when it has
// closed itself.
void ShowSplash();

// Test seam: the time the window stays (5000 ms unless set).
void SetSplashInterval(int milliseconds);
