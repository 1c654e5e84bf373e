#include "widgets/SpinArrows.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

SpinArrows::SpinArrows(int minimum, int maximum, int step, int value, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), step_(step), value_(value),
      up_(new QToolButton(this)), down_(new QToolButton(this)) {
    setFocusPolicy(Qt::TabFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(arrow);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &SpinArrows::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinArrows::stepDown);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    updateArrows();
}

int SpinArrows::top() const {
    return std::max(minimum_, maximum_);
}

int SpinArrows::shownValue() const {
    return std::clamp(value_, minimum_, top());
}

void SpinArrows::setValue(int value) {
    if (value == value_)
        return;
    value_ = value;
    updateArrows();
    Q_EMIT valueChanged(value_);
}

void SpinArrows::setMinimum(int minimum) {
    minimum_ = minimum;
    updateArrows();
}

void SpinArrows::setMaximum(int maximum) {
    maximum_ = maximum;
    updateArrows();
}

void SpinArrows::stepUp() {
    stepBy(step_);
}

void SpinArrows::stepDown() {
    stepBy(-step_);
}

void SpinArrows::stepBy(int delta) {
    const int from = shownValue();
    const int to = std::clamp(from + delta, minimum_, top());
    if (to != from)
        setValue(to);
}

void SpinArrows::updateArrows() {
    const int shown = shownValue();
    up_->setEnabled(shown < top());
    down_->setEnabled(shown > minimum_);
}

QSize SpinArrows::sizeHint() const {
    return {16, 22};
}

void SpinArrows::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        stepUp();
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        stepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
