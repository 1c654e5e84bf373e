// The drill windows in parse mode, begun from the main window and driven by their controls, with
// scripted random numbers: seven per newly drawn item (the mode, then six draws of a candidate).
#include "app/SplashWin.h"
#include "platform/DefaultButton.h"
#include "support/DrillFixture.h"
#include "support/ProgressLog.h"
#include "widgets/BetaCodeWin.h"

#include <QAction>
#include <QMessageBox>

namespace {

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
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/ete"));
    EXPECT_EQ(status(), " 5| 4|0|0|0%|");
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
    EXPECT_TRUE(child<QLabel>(drill, "CorrectParseField")->isVisible());
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
    EXPECT_EQ(label("VerbForParsingField"), greek("xw/ras"));
    click(drill, "EnterButton");
    ASSERT_FALSE(messages.empty()) << "nothing said of the missing number";
    EXPECT_EQ(messages.back(), (Message{"You must select a Number.", MsgIcon::Exclamation}));
    // The accusative plural is the other parsing of the form drawn: right all the same.
    parse({"NounBut", "AccusativeBut", "FeminineBut", "PlBut"});
    pause();
    parse({"GenitiveBut", "SingularBut"});
    pause();
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
        begin(1, howMany);
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

// Damaged lines of a paradigm file and words listed from the 100th on are never candidates; a
// form beyond the lines loaded with the window is empty.
TEST_F(DrillTest, DamagedLinesAndWordsFromTheHundredthOnAreNoCandidates) {
    std::string list = "100\r\n";
    for (int i = 1; i <= 100; ++i)
        list += (i < 10 ? "0" : "") + std::to_string(i) + " x lo/gos\r\n";
    write("Data/NounList.lxd", list);
    write("Data/Nouns.lxd", "100\r\n011111,lo/gos\r\n011211,lo/gou\r\n101111,de/ka\r\n");
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
    click(drill, "EndQuizButton");
    // The check on the hundredth word is kept for the next run.
    EXPECT_EQ(read("Users/Maria/NounPrefs.lxp"), "\"01,100\"\r\n\"false\"\r\n\"false\"\r\n");
}

} // namespace
