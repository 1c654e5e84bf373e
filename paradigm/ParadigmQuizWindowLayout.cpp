#include "paradigm/DrillSettings.h"
#include "paradigm/ParadigmQuizWindow.h"
#include "platform/DefaultButton.h"
#include "widgets/BetaCodeWin.h"
#include "widgets/Controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* button(const char* name, const char* caption) {
    return Named(new QPushButton(QString::fromLatin1(caption)), name);
}

} // namespace

void ParadigmQuizWindow::buildMenus() {
    QMenu* file = Named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    QMenu* drill = Named(menuBar()->addMenu(QStringLiteral("&Drill")), settings_.drillMenuName);
    QMenu* help = Named(menuBar()->addMenu(QStringLiteral("&Help")), "mnuHelp");
    QAction* quit = NamedMenuItem(file, "mnuFileQuit", "&Quit");
    QAction* end = NamedMenuItem(drill, "mnuDrillEnd", "&End Drill");
    QAction* about = NamedMenuItem(help, "mnuHelpAbout", settings_.aboutCaption);
    if (settings_.separatorBeforeHelp)
        Named(help->addSeparator(), "mnuSep");
    QAction* helpItem = NamedMenuItem(help, "mnuHelpHelp", "Lexivo &Help");
    connect(quit, &QAction::triggered, this, &ParadigmQuizWindow::mnuFileQuit_Click);
    connect(end, &QAction::triggered, this, &ParadigmQuizWindow::mnuDrillEnd_Click);
    connect(about, &QAction::triggered, this, &ParadigmQuizWindow::mnuHelpAbout_Click);
    connect(helpItem, &QAction::triggered, this, &ParadigmQuizWindow::mnuHelpHelp_Click);
}

void ParadigmQuizWindow::buildControls() {
    auto* content = new QWidget(this);
    ActiveOrPassiveTab = NamedLabel("ActiveOrPassiveTab", "", content);
    QFont title = ActiveOrPassiveTab->font();
    title.setPointSizeF(title.pointSizeF() * 1.4);
    title.setBold(true);
    ActiveOrPassiveTab->setFont(title);

    // The typed-answer panel lies over the parse area, in the same cell, and is drawn above it.
    auto* work = new QGridLayout;
    work->addWidget(buildParseArea(), 0, 0);
    ConjugateFrame = buildInflectPanel(content);
    work->addWidget(ConjugateFrame, 0, 0);

    auto* left = new QVBoxLayout;
    left->addWidget(ActiveOrPassiveTab);
    left->addLayout(work, 1);

    auto* layout = new QHBoxLayout(content);
    layout->setSpacing(16);
    layout->addLayout(left, 1);
    layout->addWidget(buildStatusArea(), 0, Qt::AlignTop);
    setCentralWidget(content);

    BlinkTimer = Named(new QTimer(this), "BlinkTimer");
    BlinkTimer->setInterval(1000);
    BlinkTimer->setSingleShot(true);

    connect(EnterButton, &QPushButton::clicked, this, &ParadigmQuizWindow::EnterButton_Click);
    connect(GiveUpButton, &QPushButton::clicked, this, &ParadigmQuizWindow::GiveUpButton_Click);
    connect(AgainButton, &QPushButton::clicked, this, &ParadigmQuizWindow::AgainButton_Click);
    connect(EndQuizButton, &QPushButton::clicked, this, &ParadigmQuizWindow::EndQuizButton_Click);
    connect(BetaButton, &QPushButton::clicked, this, &ParadigmQuizWindow::BetaButton_Click);
    BetaCodeWin::FollowChart(BetaButton);
    connect(BlinkTimer, &QTimer::timeout, this, &ParadigmQuizWindow::BlinkTimer_Timer);
}

QWidget* ParadigmQuizWindow::buildParseArea() {
    auto* area = new QWidget;

    // The form stands in a framed box; "Correct!" takes its place after a right parse.
    Label4 = Named(new QLabel, "Label4");
    Label4->setFrameShape(QFrame::Panel);
    Label4->setFrameShadow(QFrame::Sunken);
    Label4->setMinimumHeight(64);
    VerbForParsingField = Named(new QLabel(QStringLiteral("Verb Here")), "VerbForParsingField");
    VerbForParsingField->setFont(GreekFont(22));
    CorrectParseField = Named(new QLabel(QStringLiteral("Correct!")), "CorrectParseField");
    QFont correct = CorrectParseField->font();
    correct.setPointSizeF(correct.pointSizeF() * 1.8);
    correct.setBold(true);
    CorrectParseField->setFont(correct);
    CorrectParseField->setStyleSheet(QStringLiteral("color: #008000"));
    auto* box = new QGridLayout(Label4);
    for (QLabel* label : {VerbForParsingField, CorrectParseField}) {
        label->setAlignment(Qt::AlignCenter);
        box->addWidget(label, 0, 0);
    }
    PossiblesField = Named(new QLabel, "PossiblesField");

    wordFrame_ =
        Named(new QGroupBox(QString::fromLatin1(settings_.wordFrameCaption)), settings_.wordFrame);
    wordList_ = Named(new QListWidget, settings_.wordList);
    wordList_->setFont(GreekFont(11));
    wordList_->setSelectionMode(QAbstractItemView::SingleSelection);
    wordList_->setMinimumWidth(140);
    (new QVBoxLayout(wordFrame_))->addWidget(wordList_);

    auto* frames = new QGridLayout;
    frames->addWidget(wordFrame_, 0, 0, 2, 1);
    for (const OptionGroup& group : settings_.groups) {
        auto* frame = Named(new QGroupBox(QString::fromLatin1(group.caption)), group.frame);
        auto* buttons = new QButtonGroup(frame);
        auto* column = new QVBoxLayout(frame);
        column->setSpacing(2);
        for (const OptionButton& option : group.buttons) {
            auto* radio = Named(new QRadioButton(QString::fromLatin1(option.caption)), option.name);
            buttons->addButton(radio, option.digit);
            column->addWidget(radio);
            if (option.noteName) {
                QLabel* note = NamedLabel(option.noteName, option.noteCaption, frame);
                // The note stands under the button's caption, not under its circle.
                note->setIndent(radio->sizeHint().height());
                column->addWidget(note);
            }
        }
        column->addStretch(1);
        // Hidden frames keep their room, so that the panel above them keeps its size.
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        frames->addWidget(frame, group.row, group.column, group.rowSpan, 1);
        groupFrames_.push_back(frame);
        groups_.push_back(buttons);
    }

    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label4);
    layout->addWidget(PossiblesField);
    layout->addLayout(frames, 1);
    for (QWidget* part : std::initializer_list<QWidget*>{Label4, PossiblesField, wordFrame_}) {
        QSizePolicy policy = part->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        part->setSizePolicy(policy);
    }
    return area;
}

QWidget* ParadigmQuizWindow::buildStatusArea() {
    auto* area = new QWidget;
    auto* status = new QGridLayout;
    const struct {
        const char* caption;
        const char* name;
        QLabel** field;
    } fields[] = {
        {"Possible:", "FormsSelectedField", &FormsSelectedField},
        {"To Go", "RemainingField", &RemainingField},
        {"Given Up", "GiveUpsField", &GiveUpsField},
        {"Correct", "CorrectField", &CorrectField},
        {"Score", "ScoreField", &ScoreField},
    };
    int row = 0;
    for (const auto& field : fields) {
        status->addWidget(new QLabel(QString::fromLatin1(field.caption)), row, 0);
        QLabel* value = *field.field = NamedLabel(field.name, "", area);
        value->setMinimumWidth(48);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        status->addWidget(value, row++, 1);
    }

    EnterButton = button("EnterButton", "Enter");
    GiveUpButton = button("GiveUpButton", "Give Up");
    AgainButton = button("AgainButton", "Again");
    EndQuizButton = button("EndQuizButton", "End Drill");
    EnterButton->setEnabled(false);
    AgainButton->setEnabled(false);
    SetDefaultButton(this, EnterButton);

    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(status);
    layout->addSpacing(16);
    for (QPushButton* b : {EnterButton, GiveUpButton, AgainButton, EndQuizButton})
        layout->addWidget(b);
    return area;
}
