#include "mainwin/ParadigmPane.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ParadigmPane::ParadigmPane(QWidget* parent, const ParadigmPaneNames& names)
    : QWidget(parent), pickFrame_(new QGroupBox(QString::fromLatin1(names.pickCaption), this)),
      listBox_(new QListWidget(pickFrame_)),
      uncheckButton_(new QPushButton(QString::fromLatin1(names.uncheckCaption), pickFrame_)),
      selectFrame_(new QGroupBox(QString::fromLatin1(names.selectCaption), this)),
      beginButton_(new QPushButton(tr("Begin Drill"), this)),
      defaultButton_(new QPushButton(tr("Default Settings"), this)) {
    pickFrame_->setObjectName(QString::fromLatin1(names.pickFrame));
    listBox_->setObjectName(QString::fromLatin1(names.listBox));
    uncheckButton_->setObjectName(QString::fromLatin1(names.uncheckButton));
    selectFrame_->setObjectName(QString::fromLatin1(names.selectFrame));
    beginButton_->setObjectName(QString::fromLatin1(names.beginButton));
    defaultButton_->setObjectName(QString::fromLatin1(names.defaultButton));

    auto* pickLayout = new QVBoxLayout(pickFrame_);
    pickLayout->addWidget(listBox_);
    pickLayout->addWidget(uncheckButton_, 0, Qt::AlignLeft);

    auto* frames = new QHBoxLayout;
    frames->addWidget(pickFrame_, 1);
    frames->addWidget(selectFrame_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(defaultButton_);
    buttons->addWidget(beginButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);

    connect(uncheckButton_, &QPushButton::clicked, this, &ParadigmPane::UncheckAllItems);
}

void ParadigmPane::UncheckAllItems() {
    for (int i = 0; i < listBox_->count(); ++i)
        listBox_->item(i)->setCheckState(Qt::Unchecked);
}
