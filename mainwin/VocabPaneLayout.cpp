#include "mainwin/SpinArrows.h"
#include "mainwin/VocabPane.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// A frame holding a slider with the text that tells its value.
void layOutSlider(QGroupBox* frame, QSlider* slider, QLabel* text) {
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(slider);
    layout->addWidget(text, 0, Qt::AlignHCenter);
}

} // namespace

void VocabPane::buildLayout() {
    // Room for five digits, the most a chapter field can mean.
    for (QLineEdit* field : {StartField, EndField})
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral(" 00000")) + 12);
    for (SpinArrows* arrows : {StartArrows, EndArrows})
        arrows->setFixedHeight(StartField->sizeHint().height());

    auto* chapters = new QGridLayout;
    chapters->setHorizontalSpacing(4);
    chapters->addWidget(Label5, 0, 0);
    chapters->addWidget(Label6, 0, 1);
    chapters->addWidget(StartField, 0, 2);
    chapters->addWidget(StartArrows, 0, 3);
    chapters->addWidget(Label8, 1, 0);
    chapters->addWidget(Label7, 1, 1);
    chapters->addWidget(EndField, 1, 2);
    chapters->addWidget(EndArrows, 1, 3);
    chapters->setRowStretch(2, 1);

    auto* list = new QVBoxLayout;
    list->addWidget(VocabListLable);
    list->addWidget(FileField, 1);

    auto* files = new QHBoxLayout(FilesGroupBox);
    files->addLayout(list, 1);
    files->addSpacing(8);
    files->addLayout(chapters);
    FileField->setMinimumWidth(160);

    layOutSlider(ReinforceGroupBox, ReinforceSlide, ReinforceText);
    layOutSlider(ReviewGroupBox, ReviewSlide, ReviewText);
    auto* sliders = new QVBoxLayout;
    sliders->addWidget(ReinforceGroupBox);
    sliders->addWidget(ReviewGroupBox);
    sliders->addStretch(1);

    auto* frames = new QHBoxLayout;
    frames->addWidget(FilesGroupBox, 1);
    frames->addLayout(sliders, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(VocabDefaultButton);
    buttons->addWidget(VocabBeginButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);
}
