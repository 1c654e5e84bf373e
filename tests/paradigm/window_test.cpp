// The drill windows, begun from the main window and driven by their controls, with scripted
// random numbers: seven per newly drawn item (the mode, then six draws of a candidate).
#include "greek/GreekStuff.h"
#include "platform/DefaultButton.h"
#include "platform/Text.h"
#include "support/DrillFixture.h"
#include "widgets/BetaCodeWin.h"

#include <QAction>
#include <QMenu>

namespace {

std::vector<double> draws(double mode, double candidate) {
    return {mode, candidate, candidate, candidate, candidate, candidate, candidate};
}

template <class... More> std::vector<double> draws(double mode, double candidate, More... more) {
    std::vector<double> script = draws(mode, candidate);
    const std::vector<double> rest = draws(more...);
    script.insert(script.end(), rest.begin(), rest.end());
    return script;
}

QString greek(const char* dataFont) {
    return DisplayFontToQString(BetaToDisplayFont(DataFontToBeta(dataFont)));
}

TEST_F(DrillTest, AVerbDrillAsksEachParsingOfAFormThenEndsWithItsSummary) {
    startProgram();
    checkBox("ImperBut");
    // Candidates: lu/w, lu/omen, lu/ein, lu/ete (imperative), lu/ete (indicative).
    SetRandomScript(draws(0.99, 0.9, 0.99, 0.5));
    begin(1, "3");
    ASSERT_NE(drill, nullptr);
    EXPECT_TRUE(drill->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(drill->windowTitle(), "Lexivo Verb Drill");
    EXPECT_EQ(label("ActiveOrPassiveTab"), "Parse a Verb Form");
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/ete"));
    EXPECT_EQ(status(), " 5| 3|0|0|0%|");
    EXPECT_EQ(label("PossiblesField"),
              "Based on the forms you have chosen, there are  2 remaining answers.");

    // The one verb of the list is selected already; the indicative is right.
    parse(-1, {"ActiveBut", "PresBut", "IndicBut", "SecondPersBut", "PlBut"});
    EXPECT_TRUE(child<QLabel>(drill, "CorrectParseField")->isVisible());
    EXPECT_FALSE(child<QLabel>(drill, "VerbForParsingField")->isVisible());
    EXPECT_FALSE(child<QPushButton>(drill, "EnterButton")->isEnabled());
    pause();

    // The same form for the imperative, the choices kept; given up.
    EXPECT_EQ(status(), " 5| 2| 0| 1| 100%|");
    EXPECT_EQ(label("PossiblesField"),
              "Based on the forms you have chosen, there is 1 remaining answer.");
    EXPECT_EQ(selected(), "ActiveBut PresBut IndicBut SecondPersBut PlBut ");
    click(drill, "GiveUpButton");
    EXPECT_EQ(selected(), "ActiveBut PresBut ImperBut SecondPersBut PlBut ");
    EXPECT_EQ(DefaultButton(drill), child<QPushButton>(drill, "AgainButton"));
    EXPECT_FALSE(child<QPushButton>(drill, "GiveUpButton")->isEnabled());
    click(drill, "AgainButton");

    // A new form: the infinitive, parsed wrong, then given up.
    EXPECT_EQ(label("VerbForParsingField"), greek("lu/ein"));
    EXPECT_EQ(status(), " 5| 1| 1| 1| 50%|");
    EXPECT_EQ(selected(), "");
    EXPECT_EQ(DefaultButton(drill), child<QPushButton>(drill, "EnterButton"));
    parse(-1, {"ActiveBut", "PresBut", "InfBut", "FirstPersBut", "SingBut"});
    EXPECT_EQ(messages.back(), (Message{"Select a different Person and Number and try again.",
                                        MsgIcon::Exclamation}));
    click(drill, "GiveUpButton");
    EXPECT_EQ(selected(), "ActiveBut PresBut InfBut PersNABut NumberNABut ");
    click(drill, "AgainButton");

    EXPECT_EQ(messages.back(), (Message{"You were drilled on 3 verb forms.\r\n"
                                        "You got 1 correct, in 2 attempts.\r\n"
                                        "You gave up on 2 forms.\r\n"
                                        "Your score for this session is 17%.",
                                        MsgIcon::Exclamation}));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(VerbQuizWindow::Loaded(), nullptr);
    EXPECT_EQ(read("Users/Maria/VerbPrefs.lxp"),
              "\"01\"\r\n\"1\"\r\n\"1\"\r\n\"1,2,5\"\r\n\"false\"\r\n\"false\"\r\n");
}

TEST_F(DrillTest, ANounDrillNamesWhatIsMissingAndTakesEitherParsingOfAForm) {
    startProgram();
    checkItems("NounListBox", {1});
    SetRandomScript(draws(0.99, 0.5)); // xw/ras of xw/ra's three candidates
    begin(2, "2");
    ASSERT_NE(drill, nullptr);
    EXPECT_EQ(drill->windowTitle(), "Lexivo Noun, Pronoun, and Adjective Drill");
    EXPECT_EQ(label("ActiveOrPassiveTab"), "Parse a Form");
    EXPECT_EQ(label("VerbForParsingField"), greek("xw/ras"));
    click(drill, "EnterButton");
    EXPECT_EQ(messages.back(), (Message{"You must select a Number.", MsgIcon::Exclamation}));
    // The accusative plural is the other parsing of the form drawn: right all the same.
    parse(-1, {"NounBut", "AccusativeBut", "FeminineBut", "PlBut"});
    pause();
    EXPECT_EQ(label("PossiblesField"),
              "Based on the forms you have chosen, there is 1 remaining answer.");
    parse(-1, {"GenitiveBut", "SingularBut"});
    pause();
    EXPECT_EQ(messages.back(), (Message{"You were drilled on 2 forms.\r\n"
                                        "You got 2 correct, in 3 attempts.\r\n"
                                        "You gave up on 0 forms.\r\n"
                                        "Your score for this session is 83%.",
                                        MsgIcon::Exclamation}));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(read("Users/Maria/NounPrefs.lxp"), "\"02\"\r\n\"false\"\r\n\"false\"\r\n");
}

TEST_F(DrillTest, NoTickOfThePauseRunsBehindTheSummaryOrAfterTheWindow) {
    startProgram();
    for (bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox);
        messages.clear();
        SetRandomScript(draws(0.99, 0.1)); // lu/w
        begin(1, "5");
        parse(-1, {"ActiveBut", "PresBut", "IndicBut", "FirstPersBut", "SingBut"});
        auto* timer = drill->findChild<QTimer*>("BlinkTimer");
        ASSERT_TRUE(timer->isActive());
        if (byCloseBox)
            drill->close();
        else
            click(drill, "EndQuizButton");
        EXPECT_FALSE(timer->isActive());
        EXPECT_FALSE(child<QPushButton>(drill, "EnterButton")->isEnabled());
        QTest::qWait(1300);
        const std::vector<Message> summary{{"You were drilled on 1 verb forms.\r\n"
                                            "You got 1 correct, in 1 attempts.\r\n"
                                            "You gave up on 0 forms.\r\n"
                                            "Your score for this session is 100%.",
                                            MsgIcon::Exclamation}};
        EXPECT_EQ(messages, byCloseBox ? std::vector<Message>{} : summary);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(VerbQuizWindow::Loaded(), nullptr);
        settle();
    }
}

TEST_F(DrillTest, ThePauseWaitsWhileTheAboutBoxIsUp) {
    startProgram();
    SetRandomScript(draws(0.99, 0.1)); // lu/w
    begin(1, "1");
    parse(-1, {"ActiveBut", "PresBut", "IndicBut", "FirstPersBut", "SingBut"});
    SetSplashInterval(1500);
    child<QAction>(drill, "mnuHelpAbout")->trigger();
    EXPECT_TRUE(messages.empty());
    pause();
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(DrillTest, AHowManyOfNoneOrBelowEndsTheDrillAtOnce) {
    startProgram();
    for (const char* howMany : {"", "0", "-3"}) {
        messages.clear();
        begin(1, howMany);
        EXPECT_EQ(messages, (std::vector<Message>{{"You were drilled on 0 verb forms.\r\n"
                                                   "You got 0 correct, in 0 attempts.\r\n"
                                                   "You gave up on 0 forms.\r\n"
                                                   "Your score for this session is 100%.",
                                                   MsgIcon::Exclamation}}))
            << howMany;
        EXPECT_TRUE(main->isVisible());
        settle();
    }
}

TEST_F(DrillTest, TheMenusEndTheDrillWithItsSummaryAndQuitAfterIt) {
    startProgram();
    begin(2, "3");
    EXPECT_EQ(child<QMenu>(drill, "mnuDruill")->title(), "&Drill");
    EXPECT_EQ(child<QAction>(drill, "mnuHelpAbout")->text(), "About Lexivo");
    EXPECT_NE(drill->findChild<QAction*>("mnuSep"), nullptr);
    auto* beta = child<QPushButton>(drill, "BetaButton");
    beta->click();
    EXPECT_NE(BetaCodeWin::Loaded(), nullptr);
    EXPECT_EQ(beta->text(), "Hide Beta-Code Template");
    child<QAction>(drill, "mnuDrillEnd")->trigger();
    EXPECT_EQ(messages.back().text.substr(0, 30), "You were drilled on 1 forms.\r\n");
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr);
    EXPECT_TRUE(main->isVisible());
    settle();

    begin(1, "3");
    EXPECT_EQ(child<QMenu>(drill, "mnuDrill")->title(), "&Drill");
    EXPECT_EQ(child<QAction>(drill, "mnuHelpAbout")->text(), "About &Lexivo");
    EXPECT_EXIT(child<QAction>(drill, "mnuFileQuit")->trigger(), testing::ExitedWithCode(0),
                testing::HasSubstr("[Exclamation] You were drilled on 1 verb forms."));
}

TEST_F(DrillTest, DamagedLinesAreNoCandidatesAndAFormBeyondTheLoadedLinesIsEmpty) {
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
    SetRandomScript(draws(0.99, 0.99));
    begin(1, "1");
    EXPECT_EQ(label("FormsSelectedField"), " 3");
    EXPECT_EQ(label("VerbForParsingField"), "");
    click(drill, "GiveUpButton");
    EXPECT_EQ(selected(), "ActiveBut PresBut IndicBut SecondPersBut SingBut ");
    click(drill, "AgainButton");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(DrillTest, WordsFromTheHundredthOnAreSavedButLeftOutOfTheDrillWordList) {
    std::string list = "100\r\n";
    for (int i = 1; i <= 100; ++i)
        list += (i < 10 ? "0" : "") + std::to_string(i) + " x lo/gos\r\n";
    write("Data/NounList.lxd", list);
    write("Data/Nouns.lxd", "100\r\n011111,lo/gos\r\n011211,lo/gou\r\n101111,de/ka\r\n");
    startProgram();
    // The word list's item "100 ..." would be read as word 10; the number matches no form.
    checkItems("NounListBox", {99});
    begin(2, "1");
    EXPECT_EQ(messages.back().text,
              "This particular combination of choices did not result in any valid forms.");
    EXPECT_EQ(child<QListWidget>(drill, "NounListField")->count(), 0);

    checkItems("NounListBox", {0, 99});
    SetRandomScript(draws(0.99, 0.0));
    begin(2, "1");
    EXPECT_EQ(child<QListWidget>(drill, "NounListField")->count(), 1);
    EXPECT_EQ(label("FormsSelectedField"), " 2");
    click(drill, "EndQuizButton");
    // The check on the hundredth word is kept for the next run.
    EXPECT_EQ(read("Users/Maria/NounPrefs.lxp"), "\"01,100\"\r\n\"false\"\r\n\"false\"\r\n");
}

} // namespace

namespace {

// Saves both drill windows in parse mode as pictures when LEXIVO_PICTURES names a folder; used
// to look at the layout with the built Data folder, not to check it.
TEST_F(DrillTest, Pictures) {
    const QString target = QString::fromLocal8Bit(qgetenv("LEXIVO_PICTURES"));
    if (target.isEmpty())
        GTEST_SKIP() << "LEXIVO_PICTURES not set";
    useBuiltData();
    startProgram();
    checkItems("VerbListBox", {0, 1, 2});
    checkItems("NounListBox", {0, 4, 9});
    for (int tab : {1, 2}) {
        begin(tab, "5");
        drill->adjustSize();
        drill->grab().save(target + QStringLiteral("/drill%1.png").arg(tab));
        click(drill, "GiveUpButton");
        drill->grab().save(target + QStringLiteral("/drill%1-givenup.png").arg(tab));
        drill->close();
        settle();
    }
}

} // namespace
