#include "platform/DefaultButton.h"
#include "vocab/Markers.h"
#include "vocab/QuizWindow.h"
#include "widgets/BetaCodeWin.h"
#include "widgets/Controls.h"
#include "widgets/Named.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The window's surface, in pixels. The answer slots lie in two columns of three; each slot's
// rectangle holds its answer label and, to its right, its marker label.
constexpr int formWidth = 520;
constexpr int formHeight = 420;
constexpr int slotLefts[2] = {16, 266};
constexpr int slotTops[3] = {196, 240, 284};
constexpr int slotWidth = 238;
constexpr int slotHeight = 38;
constexpr int answerWidth = 160;
constexpr int caseWidth = 64;

QLabel* label(const char* name, const char* text, QWidget* parent, QRect at) {
    QLabel* l = Named(new QLabel(QString::fromLatin1(text), parent), name);
    l->setGeometry(at);
    return l;
}

} // namespace

void QuizWindow::buildMenus() {
    QMenu* file = Named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuQuit = NamedMenuItem(file, "mnuQuit", "&QuitLexivo");
    QMenu* drill = Named(menuBar()->addMenu(QStringLiteral("&Drill")), "mnuDrill");
    mnuDrillEnd = NamedMenuItem(drill, "mnuDrillEnd", "&End Drill");
    QMenu* help = Named(menuBar()->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuHelpAbout = NamedMenuItem(help, "mnuHelpAbout", "&About Lexivo");
    mnuSep = Named(help->addSeparator(), "mnuSep");
    mnuHelpHelp = NamedMenuItem(help, "mnuHelpHelp", "Lexivo &Help");

    connect(mnuQuit, &QAction::triggered, this, &QuizWindow::mnuQuit_Click);
    connect(mnuDrillEnd, &QAction::triggered, this, &QuizWindow::mnuDrillEnd_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &QuizWindow::mnuHelpAbout_Click);
    connect(mnuHelpHelp, &QAction::triggered, this, &QuizWindow::mnuHelpHelp_Click);
}

QLabel* QuizWindow::statusLabel(const char* name) {
    QLabel* l = Named(new QLabel(form_), name);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(11);
    l->setFont(font);
    return l;
}

void QuizWindow::buildControls() {
    form_ = new QWidget(this);
    form_->setFixedSize(formWidth, formHeight);
    setCentralWidget(form_);

    QuizField = label("QuizField", "", form_, {16, 12, formWidth - 32, 48});
    QuizField->setWordWrap(true);
    // The question and the answers are shown as written, never as markup.
    QuizField->setTextFormat(Qt::PlainText);

    Label1 = label("Label1", "Your Answer:", form_, {16, 70, 240, 20});
    UserField = Named(new QLineEdit(form_), "UserField");
    UserField->setGeometry(16, 92, 240, 28);
    UserGreekField = Named(new QLineEdit(form_), "UserGreekField");
    UserGreekField->setGeometry(16, 126, 240, 34);
    UserGreekField->setReadOnly(true);
    UserGreekField->setFocusPolicy(Qt::NoFocus);

    Label2 = label("Label2", "Followed by (case/mood/etc.):", form_, {266, 70, 180, 20});
    TypeCaseField = Named(new QComboBox(form_), "TypeCaseField");
    TypeCaseField->setGeometry(266, 92, 140, 28);
    TypeCaseField->setEditable(true);
    // Return in the box presses Enter; it never adds the typed text to the items.
    TypeCaseField->setInsertPolicy(QComboBox::NoInsert);
    TypeCaseField->setCompleter(nullptr);

    Enter = Named(new QPushButton(QStringLiteral("Enter"), form_), "Enter");
    Enter->setGeometry(420, 91, 84, 30);
    SetDefaultButton(this, Enter);

    Label3 = label("Label3", "(Click to edit answer)", form_, {16, 172, 240, 20});

    // Rectangles first, so that the labels lie over them.
    for (int i = 0; i < SlotCount; ++i) {
        const QRect box(slotLefts[i / 3], slotTops[i % 3], slotWidth, slotHeight);
        QFrame* frame = Named(new QFrame(form_), ("AnswerFrame_" + std::to_string(i)).c_str());
        frame->setFrameShape(QFrame::Box);
        frame->setGeometry(box);
        // A click on the rectangle reaches the window's surface, which finds the slot.
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        AnswerFrame[std::size_t(i)] = frame;
    }
    for (int i = 0; i < SlotCount; ++i) {
        const QRect box = AnswerFrame[std::size_t(i)]->geometry();
        const std::string n = std::to_string(i);
        QLabel* answer = Named(new QLabel(form_), ("AnswerField_" + n).c_str());
        answer->setGeometry(box.x() + 6, box.y() + 4, answerWidth, box.height() - 8);
        QLabel* marker = Named(new QLabel(form_), ("AnswerCaseField_" + n).c_str());
        marker->setGeometry(box.right() - caseWidth - 4, box.y() + 4, caseWidth, box.height() - 8);
        for (QLabel* l : {answer, marker}) {
            l->setTextFormat(Qt::PlainText);
            l->installEventFilter(this);
        }
        AnswerField[std::size_t(i)] = answer;
        AnswerCaseField[std::size_t(i)] = marker;
    }
    form_->installEventFilter(this);

    ToGoField = statusLabel("ToGoField");
    ToGoField->setGeometry(16, 336, 240, 22);
    ScoreField = statusLabel("ScoreField");
    ScoreField->setGeometry(16, 358, 240, 22);
    StatsField = statusLabel("StatsField");
    StatsField->setGeometry(16, 380, 240, 22);
    ChapterField = statusLabel("ChapterField");
    ChapterField->setGeometry(266, 336, 238, 22);
    ItemScoreField = statusLabel("ItemScoreField");
    ItemScoreField->setGeometry(266, 358, 238, 22);

    BetaButton = Named(new QPushButton(form_), "BetaButton");
    BetaCodeWin::OfferChart(BetaButton);
    BetaButton->setGeometry(266, 384, 160, 28);
    Command1 = Named(new QPushButton(QStringLiteral("End Drill"), form_), "Command1");
    Command1->setGeometry(432, 384, 72, 28);
    for (QPushButton* b : {BetaButton, Command1})
        b->setAutoDefault(false);

    connect(Enter, &QPushButton::clicked, this, &QuizWindow::EnterPressed);
    connect(Command1, &QPushButton::clicked, this, &QuizWindow::Command1_Click);
    connect(BetaButton, &QPushButton::clicked, this, &QuizWindow::BetaButton_Click);
    BetaCodeWin::FollowChart(BetaButton);
    connect(UserField, &QLineEdit::textChanged, this, &QuizWindow::UserField_Change);
    connect(TypeCaseField, &QComboBox::editTextChanged, this, &QuizWindow::TypeCaseField_Change);
}
