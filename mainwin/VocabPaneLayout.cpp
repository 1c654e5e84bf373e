#include "widgets/Controls.h"
#include "widgets/SpinArrows.h"
#include "mainwin/VocabPane.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

void VocabPane::buildLayout() {
    SetUpNumberField(StartField, StartArrows);
    SetUpNumberField(EndField, EndArrows);

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

    LayOutSliderFrame(ReinforceGroupBox, ReinforceSlide, ReinforceText);
    LayOutSliderFrame(ReviewGroupBox, ReviewSlide, ReviewText);
    auto* sliders = new QVBoxLayout;
    sliders->addWidget(ReinforceGroupBox);
    sliders->addWidget(ReviewGroupBox);
    sliders->addStretch(1);

    auto* frames = new QHBoxLayout;
    frames->addWidget(FilesGroupBox, 1);
    frames->addLayout(sliders, 1);
    LayOutPane(this, frames, VocabDefaultButton, VocabBeginButton);
}
