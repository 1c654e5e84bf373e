#include "widgets/Controls.h"

#include "platform/Numbers.h"
#include "platform/Text.h"
#include "widgets/DigitKeys.h"
#include "widgets/SpinArrows.h"

#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

QAction* NamedMenuItem(QMenu* menu, const char* name, const char* caption, const char* shortcut) {
    QAction* item = Named(menu->addAction(QString::fromLatin1(caption)), name);
    if (shortcut)
        item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return item;
}

QLabel* NamedLabel(const char* name, const char* text, QWidget* parent) {
    return Named(new QLabel(QString::fromLatin1(text), parent), name);
}

QFont GreekFont(double points) {
    QFont font(QStringLiteral("Ortholex"));
    font.setPointSizeF(points);
    return font;
}

QSlider* NamedSlider(const char* name, int minimum, int maximum, int value, int step,
                     QWidget* parent) {
    auto* slider = Named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setPageStep(step);
    slider->setTickInterval(step);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

void LayOutSliderFrame(QGroupBox* frame, QSlider* slider, QLabel* text) {
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(slider);
    layout->addWidget(text, 0, Qt::AlignHCenter);
}

void SetUpNumberField(QLineEdit* field, SpinArrows* arrows) {
    AcceptDigitKeysOnly(field);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral(" 00000")) + 12);
    arrows->setFixedHeight(field->sizeHint().height());
}

int FieldNumber(const QLineEdit* field) {
    return ClampToInt16(LeadingNumber(FromQString(field->text())));
}

void LayOutPane(QWidget* pane, QBoxLayout* frames, QPushButton* defaultButton,
                QPushButton* beginButton) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(defaultButton);
    buttons->addWidget(beginButton);

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);
}
