#include "vocab/SaveWin.h"

#include "platform/DefaultButton.h"
#include "platform/TopWindow.h"
#include "widgets/Named.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SaveWin::SaveWin(QWidget* parent)
    : QDialog(parent),
      Label1(Named(new QLabel(QStringLiteral("Save scores for this session?"), this), "Label1")),
      SaveButton(Named(new QPushButton(QStringLiteral("Save"), this), "SaveButton")),
      DontSave(Named(new QPushButton(QStringLiteral("Don't Save"), this), "DontSave")) {
    setObjectName(QStringLiteral("SaveWin"));
    setWindowTitle(QStringLiteral("Save Scores"));
    setModal(true);
    SaveButton->setDefault(true);
    SaveButton->setAutoDefault(true);
    DontSave->setAutoDefault(false);
    NoCancelKey(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveButton);
    buttons->addWidget(DontSave);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(16);
    layout->addWidget(Label1, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(SaveButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(DontSave, &QPushButton::clicked, this, &QDialog::reject);
}

bool SaveWin::AskToSave() {
    SaveWin prompt(TopWindow());
    return prompt.exec() == QDialog::Accepted;
}
