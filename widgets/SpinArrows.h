#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrows beside a number field that step the number: the up arrow adds one step, the
// down arrow takes one away. The two limits move independently of each other and of the value.
// A value set outside the limits is kept as set and reported as set; the arrows then stand at
// the nearest limit (the one beyond is disabled) and step from there. Setting the value it holds
// reports nothing.
class SpinArrows : public QWidget {
    Q_OBJECT

public:
    SpinArrows(int minimum, int maximum, int step, int value, QWidget* parent);

    int value() const { return value_; }
    // The value as the arrows stand: within the limits, or at the nearest one.
    int shownValue() const;
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    void setValue(int value);
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void stepUp();
    void stepDown();

    QSize sizeHint() const override;

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The highest value the arrows reach: the upper limit, or the lower one when that lies above.
    int top() const;
    void stepBy(int delta);
    void updateArrows();

    int minimum_;
    int maximum_;
    int step_;
    int value_;
    QToolButton* up_;
    QToolButton* down_;
};
