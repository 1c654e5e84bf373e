#include "mainwin/VocabPane.h"

#include "app/MyApp.h"
#include "widgets/Controls.h"
#include "widgets/SpinArrows.h"
#include "platform/EndProgram.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace {

// The number a field holds, unrounded, as the other field's handler compares it.
double fieldValue(const QLineEdit* field) {
    return LeadingNumber(FromQString(field->text()));
}

} // namespace

VocabPane::VocabPane(QWidget* parent)
    : QWidget(parent),
      FilesGroupBox(Named(new QGroupBox(QStringLiteral("Which Chapters from While File?"), this),
                          "FilesGroupBox")),
      VocabListLable(NamedLabel("VocabListLable", "Vocabulary Files:", FilesGroupBox)),
      FileField(Named(new QListWidget(FilesGroupBox), "FileField")),
      Label5(NamedLabel("Label5", "From:", FilesGroupBox)),
      Label6(NamedLabel("Label6", "Chapt:", FilesGroupBox)),
      StartField(Named(new QLineEdit(QStringLiteral("1"), FilesGroupBox), "StartField")),
      StartArrows(Named(new SpinArrows(1, 5, 1, 1, FilesGroupBox), "StartArrows")),
      Label8(NamedLabel("Label8", "To:", FilesGroupBox)),
      Label7(NamedLabel("Label7", "Chapt:", FilesGroupBox)),
      EndField(Named(new QLineEdit(QStringLiteral("5"), FilesGroupBox), "EndField")),
      EndArrows(Named(new SpinArrows(1, 3, 1, 1, FilesGroupBox), "EndArrows")),
      ReinforceGroupBox(Named(new QGroupBox(QStringLiteral("How Much Reinforcement?"), this),
                              "ReinforceGroupBox")),
      ReinforceSlide(NamedSlider("ReinforceSlide", 1, 10, 5, 1, ReinforceGroupBox)),
      ReinforceText(NamedLabel("ReinforceText", "5 Correct Answers", ReinforceGroupBox)),
      ReviewGroupBox(
          Named(new QGroupBox(QStringLiteral("How Much Review?"), this), "ReviewGroupBox")),
      ReviewSlide(NamedSlider("ReviewSlide", 0, 100, 25, 10, ReviewGroupBox)),
      ReviewText(NamedLabel("ReviewText", "25% Review", ReviewGroupBox)),
      VocabBeginButton(
          Named(new QPushButton(QStringLiteral("Begin Drill"), this), "VocabBeginButton")),
      VocabDefaultButton(
          Named(new QPushButton(QStringLiteral("Default Settings"), this), "VocabDefaultButton")) {
    FileField->setSelectionMode(QAbstractItemView::SingleSelection);
    buildLayout();

    connect(FileField, &QListWidget::currentRowChanged, this, &VocabPane::FileField_Click);
    connect(StartField, &QLineEdit::textChanged, this, &VocabPane::StartField_Change);
    connect(EndField, &QLineEdit::textChanged, this, &VocabPane::EndField_Change);
    connect(StartArrows, &SpinArrows::valueChanged, this, &VocabPane::StartArrows_Change);
    connect(EndArrows, &SpinArrows::valueChanged, this, &VocabPane::EndArrows_Change);
    connect(ReinforceSlide, &QSlider::valueChanged, this, &VocabPane::ReinforceSlide_Change);
    connect(ReviewSlide, &QSlider::valueChanged, this, &VocabPane::ReviewSlide_Change);
}

void VocabPane::FillFileList(std::vector<std::string> names) {
    FileField->clear();
    fileNames_ = std::move(names);
    const QSignalBlocker quiet(FileField); // adding entries selects nothing
    for (const std::string& name : fileNames_)
        FileField->addItem(FileNameToQString(name));
    FileField->setCurrentRow(-1);
    requireFiles();
}

void VocabPane::requireFiles() const {
    if (!fileNames_.empty())
        return;
    ShowMessage("Could not find any valid vocabulary files in the Data folder. Please reinstall at "
                "leas one .lxv file.",
                MsgIcon::Stop);
    EndProgram();
}

void VocabPane::SelectPreferredFile(const std::string& name) {
    const auto found = std::ranges::find(fileNames_, name);
    if (found != fileNames_.end()) {
        FileField->setCurrentRow(int(found - fileNames_.begin()));
        return;
    }
    ShowMessage("The vocabulary file specified in your preferences is missing. Please choose "
                "another, or reinstall that file. ",
                MsgIcon::Information);
    requireFiles();
    if (FileField->currentRow() == 0)
        FileField_Click(0);
    else
        FileField->setCurrentRow(0);
}

void VocabPane::FileField_Click(int row) {
    if (row >= 0 && row < int(fileNames_.size()))
        Prefs.VocabFileName = fileNames_[std::size_t(row)];
}

void VocabPane::StartField_Change() {
    // An empty field, or one without a chapter, leaves the range alone.
    const int n = FieldNumber(StartField);
    if (n <= 0)
        return;
    Prefs.VocabChaptStart = std::int16_t(n);
    EndArrows->setMinimum(n);
    StartArrows->setValue(n);
    if (fieldValue(EndField) < n)
        EndField->setText(ToQString(NumberText(n)));
}

void VocabPane::EndField_Change() {
    const int n = FieldNumber(EndField);
    if (n <= 0)
        return;
    Prefs.VocabChaptEnd = std::int16_t(n);
    StartArrows->setMaximum(n);
    EndArrows->setValue(n);
    if (fieldValue(StartField) > n)
        StartField->setText(ToQString(NumberText(n)));
}

void VocabPane::StartArrows_Change(int value) {
    StartField->setText(ToQString(NumberText(value)));
}

void VocabPane::EndArrows_Change(int value) {
    EndField->setText(ToQString(NumberText(value)));
}

void VocabPane::ReinforceSlide_Change(int value) {
    ReinforceText->setText(ToQString(NumberText(value) + " Correct Answers."));
    Prefs.Reinforcement = std::int16_t(value);
}

void VocabPane::ReviewSlide_Change(int value) {
    ReviewText->setText(ToQString(NumberText(value) + "% Review."));
    Prefs.Review = std::int16_t(value);
}
