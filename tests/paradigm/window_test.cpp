// The drill windows in parse mode, begun from the main window and driven by their controls, with
// scripted random numbers: seven per newly drawn item (the mode, then six draws of a candidate).
#include "app/SplashWin.h"
#include "platform/DefaultButton.h"
#include "support/DrillFixture.h"
#include "support/ProgressLog.h"
#include "widgets/BetaCodeWin.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <algorithm>

namespace {

// The frames of the parse layout lie within the window, none over another.
void expectFramesApart(QWidget* drill) {
    std::vector<std::pair<std::string, QRect>> placed;
    for (QGroupBox* frame : drill->findChildren<QGroupBox*>()) {
        const std::string name = frame->objectName().toStdString();
        ASSERT_TRUE(frame->isVisible()) << name;
        const QRect place(frame->mapTo(drill, QPoint()), frame->size());
        EXPECT_TRUE(drill->rect().contains(place)) << name;
        for (const auto& [other, otherPlace] : placed)
            EXPECT_FALSE(place.intersects(otherPlace)) << name << " over " << other;
        placed.emplace_back(name, place);
    }
    EXPECT_GE(placed.size(), 5u);
}

TEST_F(DrillTest, AVerbDrillAsksEachParsingOfAFormThenEndsWithItsSummary) {
    startProgram();
    checkBox("ImperBut");
    // Candidates: lu/w, lu/omen, lu/ein, lu/ete (imperative), lu/ete (indicative).
    SetRandomScript(draws({{0.99, 0.9}, {0.99, 0.5}, {0.99, 0.1}}));
    ProgressLog progress;
    beginShown(1, "4");
    // The scan of the paradigm file: the verb number of each line, of the count on its first.
    EXPECT_EQ(progress.text, " shown|Reading Verb File 1/2 2/2 0/2 hidden unloaded");
    EXPECT_EQ(drill->windowTitle(), "Lexivo Verb Drill");
    EXPECT_EQ(label("ActiveOrPassiveTab"), "Parse a Verb Form");
    picture("drill1");
    expectFramesApart(drill);
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/ete"));
    EXPECT_EQ(status(), " 5| 4|0|0|0%|");
    // Each figure stands right of its caption, top to bottom.
    int above = -1;
    for (auto [caption, name] : {std::pair{"Possible:", "FormsSelectedField"},
                                 {"To Go", "RemainingField"}, {"Given Up", "GiveUpsField"},
                                 {"Correct", "CorrectField"}, {"Score", "ScoreField"}}) {
        const QList<QLabel*> labels = drill->findChildren<QLabel*>();
        const auto found = std::ranges::find(labels, QString::fromLatin1(caption), &QLabel::text);
        ASSERT_NE(found, labels.end()) << caption;
        QLabel* figure = child<QLabel>(drill, name);
        const QPoint captionAt = (*found)->mapTo(drill, QPoint()), at = figure->mapTo(drill, QPoint());
        EXPECT_EQ(at.y(), captionAt.y()) << caption;
        EXPECT_GT(at.x(), captionAt.x() + (*found)->width()) << caption;
        EXPECT_GT(inkColumns(figure).second, figure->width() - 5) << caption; // right-aligned
        EXPECT_GT(captionAt.y(), above) << caption;
        above = captionAt.y() + (*found)->height();
    }
    EXPECT_EQ(child<QLabel>(drill, "VerbForParsingField")->font().family(), "Ortholex");
    // The form stands in the middle of its box.
    auto* form = child<QLabel>(drill, "VerbForParsingField");
    const auto [formFirst, formLast] = inkColumns(form);
    EXPECT_LT(std::abs(formFirst + formLast - form->width()), 8);
    EXPECT_GT(formFirst, 8);
    EXPECT_EQ(child<QListWidget>(drill, "VerbListField")->font().family(), "Ortholex");
    EXPECT_TRUE(child<QLabel>(drill, "ActiveOrPassiveTab")->font().bold());
    EXPECT_EQ(label("PossiblesField"),
              "Based on the forms you have chosen, there are  2 remaining answers.");

    // The indicative was drawn, but the wrong try is nearer the imperative: its parse is shown.
    // The one verb of the list is selected already.
    parse({"ActiveBut", "PresBut", "ImperBut", "SecondPersBut", "SingBut"});
    ASSERT_FALSE(messages.empty()) << "no hint";
    EXPECT_EQ(messages.back(),
              (Message{"Select a different Number and try again.", MsgIcon::Exclamation}));
    click(drill, "GiveUpButton");
    EXPECT_EQ(selected(), "ActiveBut PresBut ImperBut SecondPersBut PlBut ");
    EXPECT_EQ(DefaultButton(drill), child<QPushButton>(drill, "AgainButton"));
    EXPECT_FALSE(child<QPushButton>(drill, "GiveUpButton")->isEnabled());
    click(drill, "AgainButton");

    // The same form for the indicative, the choices kept; right.
    EXPECT_EQ(status(), " 5| 3| 1| 0| 0%|");
    EXPECT_EQ(label("PossiblesField"),
              "Based on the forms you have chosen, there is 1 remaining answer.");
    EXPECT_EQ(selected(), "ActiveBut PresBut ImperBut SecondPersBut PlBut ");
    parse({"IndicBut"});
    EXPECT_EQ(selected(), "ActiveBut PresBut IndicBut SecondPersBut PlBut ");
    auto* correct = child<QLabel>(drill, "CorrectParseField");
    EXPECT_TRUE(correct->isVisible());
    EXPECT_TRUE(correct->font().bold());
    const QImage shown = correct->grab().toImage();
    bool green = false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            green = green || (c.green() > 90 && c.red() < 60 && c.blue() < 60);
        }
    EXPECT_TRUE(green) << "\"Correct!\" is not green";
    EXPECT_FALSE(child<QLabel>(drill, "VerbForParsingField")->isVisible());
    EXPECT_FALSE(child<QPushButton>(drill, "EnterButton")->isEnabled());
    // The pause waits while the About box is up: a tick behind it would ask the next item.
    SetSplashInterval(1500);
    child<QAction>(drill, "mnuHelpAbout")->trigger();
    pause();

    // New forms: the infinitive and lu/w, given up.
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/ein"));
    EXPECT_EQ(status(), " 5| 2| 1| 1| 25%|");
    EXPECT_EQ(selected(), "");
    EXPECT_EQ(DefaultButton(drill), child<QPushButton>(drill, "EnterButton"));
    click(drill, "GiveUpButton");
    EXPECT_EQ(selected(), "ActiveBut PresBut InfBut PersNABut NumberNABut ");
    click(drill, "AgainButton");
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/w"));
    click(drill, "GiveUpButton");
    click(drill, "AgainButton");

    // (4 - 3 give-ups - 1 wrong x 1/2) / 4 is 12.5%: the half goes to the even number.
    EXPECT_EQ(messages.back(), (Message{"You were drilled on 4 verb forms.\r\n"
                                        "You got 1 correct, in 2 attempts.\r\n"
                                        "You gave up on 3 forms.\r\n"
                                        "Your score for this session is 12%.",
                                        MsgIcon::Exclamation}));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(read("Users/Maria/VerbPrefs.lxp"),
              "\"01\"\r\n\"1\"\r\n\"1\"\r\n\"1,2,5\"\r\n\"false\"\r\n\"false\"\r\n");
}

TEST_F(DrillTest, ANounDrillNamesWhatIsMissingAndTakesEitherParsingOfAForm) {
    startProgram();
    checkItems("NounListBox", {1});
    SetRandomScript(draws({{0.99, 0.5}})); // xw/ras of xw/ra's three candidates
    ProgressLog progress;
    beginShown(2, "2");
    EXPECT_EQ(progress.text, " shown|Reading Noun File 1/2 2/2 0/2 hidden unloaded");
    EXPECT_EQ(drill->windowTitle(), "Lexivo Noun, Pronoun, and Adjective Drill");
    EXPECT_EQ(label("ActiveOrPassiveTab"), "Parse a Form");
    picture("drill2");
    expectFramesApart(drill);
    EXPECT_EQ(label("VerbForParsingField"), greek("xw/ras"));
    click(drill, "EnterButton");
    ASSERT_FALSE(messages.empty()) << "nothing said of the missing number";
    EXPECT_EQ(messages.back(), (Message{"You must select a Number.", MsgIcon::Exclamation}));
    // The accusative plural is the other parsing of the form drawn: right all the same.
    parse({"NounBut", "AccusativeBut", "FeminineBut", "PlBut"});
    pause();
    parse({"GenitiveBut", "SingularBut"});
    // The tick that ends the drill shows the form again behind the summary.
    bool formAtSummary = false;
    SetMessageSink([&](const std::string& text, MsgIcon icon) {
        formAtSummary = child<QLabel>(drill, "VerbForParsingField")->isVisible() &&
                        !child<QLabel>(drill, "CorrectParseField")->isVisible();
        messages.push_back({text, icon});
    });
    pause();
    RecordMessages(messages);
    EXPECT_TRUE(formAtSummary);
    EXPECT_EQ(messages.back(), (Message{"You were drilled on 2 forms.\r\n"
                                        "You got 2 correct, in 3 attempts.\r\n"
                                        "You gave up on 0 forms.\r\n"
                                        "Your score for this session is 83%.",
                                        MsgIcon::Exclamation}));
    EXPECT_EQ(read("Users/Maria/NounPrefs.lxp"), "\"02\"\r\n\"false\"\r\n\"false\"\r\n");
}

// End Drill, the close box and the Drill menu: no tick of the pause runs behind the summary or
// after the window, the Beta-Code chart goes with the window. A How Many? of none or below ends
// the drill at once; File > Quit ends the program.
TEST_F(DrillTest, EveryWayOfEndingStopsThePauseAndShowsTheMainWindow) {
    startProgram();
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        messages.clear();
        SetRandomScript(draws({{0.99, 0.1}})); // lu/w
        beginShown(1, "5");
        click(drill, "BetaButton");
        parse({"ActiveBut", "PresBut", "IndicBut", "FirstPersBut", "SingBut"});
        QPointer<QTimer> timer = child<QTimer>(drill, "BlinkTimer");
        ASSERT_TRUE(timer->isActive());
        bool pausingAtSummary = false;
        SetMessageSink([&](const std::string& text, MsgIcon icon) {
            pausingAtSummary = timer && timer->isActive();
            messages.push_back({text, icon});
        });
        if (way == 0)
            click(drill, "EndQuizButton");
        else if (way == 1)
            drill->close();
        else
            child<QAction>(drill, "mnuDrillEnd")->trigger();
        RecordMessages(messages);
        EXPECT_FALSE(pausingAtSummary);
        EXPECT_FALSE(timer && timer->isActive());
        EXPECT_FALSE(child<QPushButton>(drill, "EnterButton")->isEnabled());
        EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
        // With its timer stopped, nothing of the drill can run any more: the window goes.
        settle();
        EXPECT_EQ(messages.size(), way == 1 ? 0u : 1u); // the summary, unless closed
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(VerbQuizWindow::Loaded(), nullptr);
    }
    for (const char* howMany : {"", "0", "-3"}) {
        messages.clear();
        // Nothing can be pressed behind the summary.
        std::string pressable = "?";
        SetMessageSink([&](const std::string& text, MsgIcon icon) {
            pressable.clear();
            for (QPushButton* button : VerbQuizWindow::Loaded()->findChildren<QPushButton*>())
                if (button->isEnabled() && button->objectName() != "EndQuizButton" &&
                    button->objectName() != "BetaButton")
                    pressable += button->objectName().toStdString();
            messages.push_back({text, icon});
        });
        begin(1, howMany);
        RecordMessages(messages);
        EXPECT_EQ(pressable, "") << howMany;
        ASSERT_EQ(messages.size(), 1u) << howMany;
        EXPECT_EQ(messages[0].text.substr(0, 35), "You were drilled on 0 verb forms.\r\n");
        settle();
    }
    begin(1, "3");
    QAction* quit = child<QAction>(drill, "mnuFileQuit");
    EXPECT_EXIT(quit->trigger(), testing::ExitedWithCode(0),
                testing::HasSubstr("[Exclamation] You were drilled on 1 verb forms."));
}

// While another program has the focus, a message box belongs to the program's window that was
// in front, the drill or the Beta-Code chart beside it, and pressing it away ends nothing.
TEST_F(DrillTest, AMessageBoxBelongsToTheWindowInFrontAndEndsNothing) {
    startProgram();
    checkItems("NounListBox", {1});
    SetRandomScript(draws({{0.99, 0.5}}));
    beginShown(2, "2");
    click(drill, "BetaButton");
    ASSERT_NE(BetaCodeWin::Loaded(), nullptr);
    SetMessageSink(nullptr); // the real message box
    for (QWidget* front :
         {static_cast<QWidget*>(BetaCodeWin::Loaded()), static_cast<QWidget*>(&*drill)}) {
        SCOPED_TRACE(front->objectName().toStdString());
        QApplication::setActiveWindow(front);
        QApplication::setActiveWindow(nullptr); // the student clicks into another program
        QWidget* owner = nullptr;
        QString said;
        QTimer running; // ends the event loop unless something else ended it first
        running.setSingleShot(true);
        QObject::connect(&running, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
        QTimer::singleShot(0, drill, [&] {
            StopTestOnFailure("asking for a message box", [&] {
                whenModal(QString(), [&](QWidget* window) { // a message box has no name
                    auto* box = qobject_cast<QMessageBox*>(window);
                    ASSERT_NE(box, nullptr);
                    owner = box->parentWidget();
                    said = box->text();
                    QAbstractButton* ok = box->button(QMessageBox::Ok);
                    ASSERT_NE(ok, nullptr);
                    QTest::mouseClick(ok, Qt::LeftButton);
                });
                click(drill, "EnterButton"); // nothing chosen
                running.start(300);
            });
        });
        EXPECT_EQ(QApplication::exec(), 7);
        EXPECT_EQ(said, "You must select a Number.");
        EXPECT_EQ(owner, front);
        ASSERT_TRUE(drill->isVisible());
    }
    RecordMessages(messages);
}

// With several words in the list none is chosen for a new form: a parse without one names the
// list, a give-up chooses the form's word. A list filled by a check that failed is filled anew.
TEST_F(DrillTest, AListOfSeveralWordsIsLeftForTheUserToChooseFrom) {
    startProgram();
    checkItems("VerbListBox", {0, 1});
    checkBox("PresBut", false);
    checkBox("FutPerfBut");
    begin(1, "3");
    ASSERT_EQ(messages.size(), 1u) << "no forms, and nothing said";
    checkBox("FutPerfBut", false);
    checkBox("PresBut");
    // Candidates lu/w, lu/omen, lu/ein, lu/ete, pe/mpw: pe/mpw, lu/w, lu/ein.
    SetRandomScript(draws({{0.99, 0.9}, {0.99, 0.1}, {0.99, 0.5}}));
    beginShown(1, "3");
    auto* words = child<QListWidget>(drill, "VerbListField");
    const auto chosenWord = [&] {
        const QList<QListWidgetItem*> chosen = words->selectedItems();
        return chosen.isEmpty() ? std::string()
                                : chosen.first()->data(Qt::UserRole).toByteArray().toStdString();
    };
    EXPECT_EQ(words->count(), 2);
    EXPECT_EQ(label("VerbForParsingField"), greek("pe/mpw"));
    EXPECT_EQ(chosenWord(), "");
    EXPECT_EQ(armed(), "*EnterButton GiveUpButton ");
    parse({"ActiveBut", "PresBut", "IndicBut", "FirstPersBut", "SingBut"});
    EXPECT_EQ(messages.back(), (Message{"You must select a Verb.", MsgIcon::Exclamation}));
    click(drill, "GiveUpButton");
    EXPECT_EQ(chosenWord().substr(0, 3), "02 ");
    EXPECT_EQ(selected(), "ActiveBut PresBut IndicBut FirstPersBut SingBut ");
    EXPECT_EQ(armed(), "*AgainButton ");
    click(drill, "AgainButton");

    // A new form: nothing chosen. The buttons of a group exclude each other; the word is chosen
    // by a click in the list. After a click on Enter the Enter key does nothing in the pause.
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/w"));
    EXPECT_EQ(chosenWord(), "");
    EXPECT_EQ(selected(), "");
    EXPECT_EQ(armed(), "*EnterButton GiveUpButton ");
    QTest::mouseClick(words->viewport(), Qt::LeftButton, {},
                      words->visualItemRect(words->item(0)).center());
    EXPECT_EQ(chosenWord().substr(0, 3), "01 ");
    parse({"ThirdPersBut", "PlBut", "ActiveBut", "PresBut", "IndicBut", "FirstPersBut", "SingBut"});
    EXPECT_EQ(selected(), "ActiveBut PresBut IndicBut FirstPersBut SingBut ");
    EXPECT_EQ(armed(), "");
    QWidget* focus = drill->focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
    ASSERT_TRUE(drill->isVisible()) << "the Enter key ended the drill";
    pause();

    // Ended while given up: nothing can be pressed behind the summary.
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/ein"));
    EXPECT_EQ(chosenWord(), "");
    click(drill, "GiveUpButton");
    EXPECT_EQ(chosenWord().substr(0, 3), "01 ");
    std::string armedAtSummary = "?";
    SetMessageSink([&](const std::string& text, MsgIcon icon) {
        armedAtSummary = armed();
        messages.push_back({text, icon});
    });
    click(drill, "EndQuizButton");
    RecordMessages(messages);
    EXPECT_EQ(armedAtSummary, "");
    EXPECT_EQ(messages.back().text, "You were drilled on 3 verb forms.\r\n"
                                    "You got 1 correct, in 2 attempts.\r\n"
                                    "You gave up on 2 forms.\r\n"
                                    "Your score for this session is 25%.");
}

// The menus of both drills, captions and access keys in their order; Help shows the help viewer
// in front of the drill.
TEST_F(DrillTest, BothDrillsHaveTheirMenusAndHelp) {
    startProgram();
    checkItems("NounListBox", {0});
    const char* const menus[] = {
        "mnuFile &File: mnuFileQuit &Quit | mnuDrill &Drill: mnuDrillEnd &End Drill | "
        "mnuHelp &Help: mnuHelpAbout About &Lexivo, mnuHelpHelp Lexivo &Help | ",
        "mnuFile &File: mnuFileQuit &Quit | mnuDruill &Drill: mnuDrillEnd &End Drill | "
        "mnuHelp &Help: mnuHelpAbout About Lexivo, mnuSep -, mnuHelpHelp Lexivo &Help | ",
    };
    for (int tab : {1, 2}) {
        SCOPED_TRACE(tab);
        SetRandomScript(draws({{0.99, 0.0}}));
        beginShown(tab, "2");
        std::string text;
        for (QAction* menu : drill->menuBar()->actions()) {
            ASSERT_NE(menu->menu(), nullptr);
            text += menu->menu()->objectName().toStdString() + " " + menu->text().toStdString();
            const char* between = ": ";
            for (QAction* item : menu->menu()->actions()) {
                text += between + item->objectName().toStdString() + " " +
                        (item->isSeparator() ? "-" : item->text().toStdString());
                between = ", ";
            }
            text += " | ";
        }
        EXPECT_EQ(text, menus[tab - 1]);
        child<QAction>(drill, "mnuHelpHelp")->trigger();
        QPointer<QWidget> viewer = drill->findChild<QWidget*>(QStringLiteral("HelpViewer"));
        ASSERT_NE(viewer, nullptr) << "no help";
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_TRUE(drill->isVisible());
        // The viewer belongs to the drill and goes with it.
        click(drill, "EndQuizButton");
        settle();
        EXPECT_TRUE(viewer.isNull() || !viewer->isVisible());
    }
}

// Damaged lines of a paradigm file and words listed from the 100th on are never candidates; a
// form beyond the lines loaded with the window is empty.
TEST_F(DrillTest, DamagedLinesAndWordsFromTheHundredthOnAreNoCandidates) {
    std::string list = "100\r\n";
    for (int i = 1; i <= 100; ++i)
        list.append(i < 10 ? "0" : "").append(std::to_string(i)).append(" x lo/gos\r\n");
    write("Data/NounList.lxd", list);
    // The first form's type, case and gender are digits that no button stands for.
    write("Data/Nouns.lxd", "100\r\n019961,lo/gos\r\n011211,lo/gou\r\n101111,de/ka\r\n");
    startProgram();
    checkItems("VerbListBox", {});
    begin(1, "1"); // no verb: the window is loaded with the file as it stands
    messages.clear();
    write("Data/Verbs.lxd", "2\r\n"
                            "0111111,lu/w\r\n" // seven digits
                            "01111111\r\n"     // no form
                            "01111131,lu/omen\r\r\n"
                            "0111x111,lu/w\r\n"
                            "01111111,x,y\r\n"
                            "02111111,pe/mpw\r\n"
                            "01111121,lu/eton\r\n"
                            "01111211,lu/eis\r\n"); // line 8, beyond the loaded seven
    checkItems("VerbListBox", {0});
    SetRandomScript(draws({{0.99, 0.99}}));
    beginShown(1, "1");
    EXPECT_EQ(label("FormsSelectedField"), " 3");
    EXPECT_EQ(label("VerbForParsingField"), "");
    click(drill, "GiveUpButton");
    EXPECT_EQ(selected(), "ActiveBut PresBut IndicBut SecondPersBut SingBut ");
    click(drill, "AgainButton");
    EXPECT_EQ(messages.size(), 1u);
    settle();

    // The word list's item "100 ..." would be read as word 10; the number matches no form.
    checkItems("NounListBox", {99});
    begin(2, "1");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text,
              "This particular combination of choices did not result in any valid forms.");
    EXPECT_EQ(child<QListWidget>(drill, "NounListField")->count(), 0);
    checkItems("NounListBox", {0, 99});
    SetRandomScript(draws({{0.99, 0.0}}));
    beginShown(2, "1");
    EXPECT_EQ(child<QListWidget>(drill, "NounListField")->count(), 1);
    EXPECT_EQ(label("FormsSelectedField"), " 2");
    // Giving up on it shows only the number: none of the user's choices stays picked.
    for (const char* name : {"PronounBut", "DativeBut", "NeuterBut", "PlBut"})
        QTest::mouseClick(child<QRadioButton>(drill, name), Qt::LeftButton);
    click(drill, "GiveUpButton");
    EXPECT_EQ(selected(), "SingularBut ");
    click(drill, "EndQuizButton");
    // The check on the hundredth word is kept for the next run.
    EXPECT_EQ(read("Users/Maria/NounPrefs.lxp"), "\"01,100\"\r\n\"false\"\r\n\"false\"\r\n");
}

} // namespace
