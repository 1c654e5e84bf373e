#include "greek/GreekStuff.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/InflectMode.h"
#include "paradigm/ParadigmQuizWindow.h"
#include "platform/DefaultButton.h"
#include "platform/Text.h"
#include "widgets/BetaCodeWin.h"
#include "widgets/Controls.h"
#include "widgets/DisplayFontText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

QLabel* boldLabel(const char* name, const char* text, QWidget* parent) {
    QLabel* label = NamedLabel(name, text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A label of the correct form: hidden until a give-up, keeping its room meanwhile so that the
// panel does not move when it appears.
QLabel* correctFormLabel(QLabel* label) {
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
    return label;
}

QString greek(const std::string& dataFontForm) {
    return DisplayFontToQString(BetaToDisplayFont(DataFontToBeta(dataFontForm)));
}

} // namespace

QFrame* ParadigmQuizWindow::buildInflectPanel(QWidget* parent) {
    auto* panel = Named(new QFrame(parent), "ConjugateFrame");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(settings_.inflectColour));
    panel->setPalette(colours);

    // Read top to bottom, the prompt is a sentence: "Give the..." and the words of the parsing
    // in the second column; "...of the verb:" and the Greek word in the third. The answer and
    // its boxes stand below, in line with the words.
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(3, 1);
    grid->addWidget(boldLabel(settings_.inflectPromptLabel, "Give the...", panel), 0, 0);
    grid->addWidget(boldLabel("Label15", settings_.inflectOfCaption, panel), 0, 2, 1, 2);
    inflectWordField_ = NamedLabel(settings_.inflectWordField, "", panel);
    inflectWordField_->setFont(GreekFont(18));
    inflectWordField_->setIndent(32);
    grid->addWidget(inflectWordField_, 1, 2, 2, 2);

    int row = 0;
    inflectWordLabels_.clear();
    for (const InflectWordLabel& word : settings_.inflectWords) {
        QLabel* label = NamedLabel(word.name, "", panel);
        label->setMinimumWidth(
            label->fontMetrics().horizontalAdvance(QStringLiteral("2nd Pluperfect")));
        grid->addWidget(label, row++, 1);
        inflectWordLabels_.push_back(label);
    }
    // The correct forms stand beside the last words, right of their column.
    const int correctRow = std::max(row, 4) - 1;
    const auto correctForm = [&](QLabel*& caption, const char* captionName, const char* text,
                                 QLabel*& form, const char* formName, int at) {
        caption = correctFormLabel(NamedLabel(captionName, text, panel));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form = correctFormLabel(NamedLabel(formName, "", panel));
        form->setFont(GreekFont(12));
        QPalette red = form->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        form->setPalette(red);
        grid->addWidget(caption, at, 2);
        grid->addWidget(form, at, 3);
    };
    correctForm(CorrectLableOne, "CorrectLableOne", "Correct form:", ConjCorrectVerbOne,
                "ConjCorrectVerbOne", correctRow);
    if (settings_.variantForms)
        correctForm(CorrectLableTwo, "CorrectLableTwo", "Or:", ConjCorrectVerbTwo,
                    "ConjCorrectVerbTwo", correctRow + 1);
    // Every line of the prompt as high as a line of a correct form, so that the words stand
    // evenly spaced.
    row = correctRow + 2;
    for (int line = 0; line < row; ++line)
        grid->setRowMinimumHeight(line, QFontMetrics(GreekFont(12)).height());

    grid->setRowStretch(row++, 1);
    grid->addWidget(NamedLabel("Label21", "Type Your Answer Here:", panel), row++, 1, 1, 3);
    UserField = Named(new QLineEdit(panel), "UserField");
    grid->addWidget(UserField, row++, 1, 1, 3);
    UserGreekField = Named(new QLineEdit(panel), "UserGreekField");
    UserGreekField->setFont(GreekFont(14.25));
    UserGreekField->setReadOnly(true);
    UserGreekField->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(UserGreekField, row++, 1, 1, 3);
    ConjAccentsBut =
        Named(new QCheckBox(QStringLiteral("Ignore Accents?"), panel), "ConjAccentsBut");
    BreathingsBut =
        Named(new QCheckBox(QStringLiteral("Ignore Breathings Too?"), panel), "BreathingsBut");
    grid->addWidget(ConjAccentsBut, row, 1);
    grid->addWidget(BreathingsBut, row++, 2, 1, 2);
    grid->setRowStretch(row++, 1);
    BetaButton = Named(new QPushButton(panel), "BetaButton");
    BetaCodeWin::OfferChart(BetaButton);
    grid->addWidget(BetaButton, row, 2, 1, 2, Qt::AlignRight);

    connect(UserField, &QLineEdit::textChanged, this, &ParadigmQuizWindow::UserField_Change);
    connect(ConjAccentsBut, &QCheckBox::toggled, this, &ParadigmQuizWindow::ConjAccentsBut_Click);
    connect(BreathingsBut, &QCheckBox::toggled, this, &ParadigmQuizWindow::BreathingsBut_Click);
    return panel;
}

void ParadigmQuizWindow::ShowInflectLayout() {
    ActiveOrPassiveTab->setText(QString::fromLatin1(settings_.inflectCaption));
    for (const char* name : settings_.parseControls)
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(name)))
            control->hide();
    ConjugateFrame->show();
    ConjugateFrame->raise();
}

void ParadigmQuizWindow::ShowInflectItem() {
    ShowInflectLayout();
    // The boxes follow the flag; where a box changes, its handler arrives at the same flag.
    ConjAccentsBut->setChecked(!drill_.AccentsCount);
    BreathingsBut->setEnabled(!drill_.AccentsCount);

    const std::string code = drill_.Current().code;
    std::vector<std::string> items;
    for (int i = 0; i < wordList_->count(); ++i)
        items.push_back(wordList_->item(i)->data(Qt::UserRole).toByteArray().toStdString());
    inflectWordField_->setText(DisplayFontToQString(InflectWordName(items, code)));
    const std::vector<std::string> words = InflectWords(settings_, code);
    for (std::size_t i = 0; i < words.size(); ++i)
        inflectWordLabels_[i]->setText(ToQString(words[i]));

    SetAnswerButtons(true);
    AgainButton->setEnabled(false);
    UserField->setFocus();
}

void ParadigmQuizWindow::CheckInflection() {
    if (drill_.CheckInflection(FromQString(UserField->text())))
        InflectAnswerCorrect();
    else
        InflectAnswerWrong();
}

void ParadigmQuizWindow::InflectAnswerCorrect() {
    UserField->setText(QStringLiteral("Correct!"));
    UserGreekField->clear();
    keepFocusInAnswer();
    SetAnswerButtons(false);
    BlinkTimer->start();
}

void ParadigmQuizWindow::InflectAnswerWrong() {
    UserField->setText(QStringLiteral("Sorry, try again."));
    UserField->selectAll();
    UserGreekField->clear();
    // The next keystroke replaces the message, also after a click on Enter.
    keepFocusInAnswer();
}

// After a click on Enter or Give Up the user types on, or presses Enter for the default button,
// in the answer box.
void ParadigmQuizWindow::keepFocusInAnswer() {
    UserField->setFocus();
}

void ParadigmQuizWindow::GiveUpInflection() {
    keepFocusInAnswer();
    SetAnswerButtons(false);
    AgainButton->setEnabled(true);
    SetDefaultButton(this, AgainButton);
    UserField->setText(QStringLiteral("See correct answers above."));
    UserGreekField->clear();
    ConjCorrectVerbOne->setText(greek(drill_.CurrentForm()));
    CorrectLableOne->show();
    ConjCorrectVerbOne->show();
    const std::string variant = drill_.VariantForm();
    if (ConjCorrectVerbTwo && !DataFontToBeta(variant).empty()) {
        ConjCorrectVerbTwo->setText(greek(variant));
        CorrectLableTwo->show();
        ConjCorrectVerbTwo->show();
    }
}

void ParadigmQuizWindow::ClearInflectAnswer() {
    UserField->clear();
    UserGreekField->clear();
}

void ParadigmQuizWindow::ConjAccentsBut_Click() {
    const bool ignored = ConjAccentsBut->isChecked();
    drill_.AccentsCount = !ignored;
    BreathingsBut->setEnabled(ignored);
    if (!ignored)
        BreathingsBut->setChecked(false);
}

void ParadigmQuizWindow::BreathingsBut_Click() {
    drill_.BreathingsCount = !BreathingsBut->isChecked();
}

void ParadigmQuizWindow::UserField_Change() {
    UserGreekField->setText(
        DisplayFontToQString(BetaToDisplayFont(FromQString(UserField->text()))));
}
