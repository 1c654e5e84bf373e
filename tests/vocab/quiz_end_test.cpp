#include "QuizFixture.h"
#include "support/FileSizeLimit.h"
#include "vocab/QuizWindow.h"

#include <QAction>

namespace {

const std::vector<TestWord> list{{1, "lu/w", {{"loose"}}}, {2, "a)/gw", {{"lead"}}}};
const std::string savedLines = "\" 1\"\r\n\"lu/\"\r\n\" 0\"\r\n\" 2\"\r\n\"a)/\"\r\n\" 0\"\r\n"
                               "\" 0\"\r\n\"\"\r\n\" 0\"\r\n";

// The ways a drill ends: at the save prompt, or by the close box without it.
TEST_F(QuizTest, TheDrillEndsAtTheSavePromptAndTheMainWindowComesBack) {
    writeList(list);
    prefs.PercentActive = 0;
    struct Case {
        const char* how;
        std::function<void(QWidget*)> end;
        const char* prompt; // the prompt's button pressed, or nullptr when there is none
        bool saved;
    } cases[] = {
        {"End Drill, Return saves", [](QWidget* q) { click(q, "Command1"); }, "Return", true},
        {"Drill > End Drill, Don't Save",
         [](QWidget* q) { child<QAction>(q, "mnuDrillEnd")->trigger(); }, "DontSave", false},
        {"the prompt's close box", [](QWidget* q) { click(q, "Command1"); }, "close", false},
        {"the drill window's close box", [](QWidget* q) { q->close(); }, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        std::filesystem::remove(path("Users/Maria/Athenaze.lxs"));
        main = start(QStringLiteral("Maria"));
        SetRandomScript({0.5});
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
        quiz = quizWindow();
        ASSERT_NE(quiz, nullptr);
        bool prompted = false;
        if (c.prompt)
            whenModal("SaveWin", [&](QWidget* prompt) {
                prompted = true;
                EXPECT_EQ(prompt->windowTitle(), "Save Scores");
                EXPECT_TRUE(child<QPushButton>(prompt, "SaveButton")->isDefault());
                if (std::string(c.prompt) == "Return")
                    QTest::keyClick(prompt, Qt::Key_Return);
                else if (std::string(c.prompt) == "close")
                    prompt->close();
                else
                    click(prompt, c.prompt);
            });
        c.end(quiz);
        EXPECT_EQ(prompted, c.prompt != nullptr);
        EXPECT_EQ(quizWindow(), nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(read("Users/Maria/Athenaze.lxs"), c.saved ? savedLines : "");
        delete main;
    }
}

TEST_F(QuizTest, NoItemsToAskEndsAtOnce) {
    writeList(list);
    prefs.Iterations = 0;
    bool prompted = false;
    WritePrefsFile(path("Users/Maria/Prefs.lxp"), prefs);
    main = start(QStringLiteral("Maria"));
    whenModal("SaveWin", [&](QWidget* prompt) {
        prompted = true;
        click(prompt, "DontSave");
    });
    click(main, "VocabBeginButton");
    EXPECT_TRUE(prompted);
    EXPECT_EQ(quizWindow(), nullptr);
    EXPECT_TRUE(main->isVisible());

    // A list that lost the words of the range after the main window checked it.
    Prefs.VocabChaptStart = Prefs.VocabChaptEnd = 7;
    main->hide();
    QuizWindow::StartDrill(main);
    EXPECT_EQ(messages.back(),
              (Message{"There are no vocabulary words in the selected chapter.", MsgIcon::Stop}));
    EXPECT_EQ(quizWindow(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(QuizTest, AFailedSaveSaysSoAndKeepsTheOldScores) {
    writeList(list);
    const std::string old = savedLines;
    write("Users/Maria/Athenaze.lxs", old);
    ASSERT_TRUE(startDrill({0.5}));
    whenModal("SaveWin", [](QWidget* prompt) { click(prompt, "SaveButton"); });
    {
        FileSizeLimit full(10);
        click(quiz, "Command1");
    }
    EXPECT_EQ(messages.back(),
              (Message{"There were problems with your saved scores.", MsgIcon::Stop}));
    EXPECT_EQ(read("Users/Maria/Athenaze.lxs"), old);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(QuizTest, SavedScoresAreReadWhenTheDrillStarts) {
    writeList(list);
    prefs.Review = 100;
    const std::string spare = "\" 0\"\r\n\"\"\r\n\" 0\"\r\n";
    struct Case {
        const char* what;
        std::string file;
        std::vector<Message> said;
        const char* secondWordScore;
    } cases[] = {
        {"shorter than the list",
         "\" 1\"\r\n\"lu/\"\r\n\" 4\"\r\n\" 2\"\r\n\"a)/\"\r\n\"-3\"\r\n",
         {{"There were problems with your saved scores.", MsgIcon::Stop}},
         "Item's Score: -3"},
        {"reordered",
         "\" 2\"\r\n\"a)/\"\r\n\"-3\"\r\n\" 1\"\r\n\"lu/\"\r\n\" 4\"\r\n" + spare,
         {{"There were some errors in reading your saved scores. Some words' scores may have "
           "been reset.",
           MsgIcon::Exclamation}},
         "Item's Score:  0"},
        {"one damaged value",
         "\" 99999\"\r\n\"lu/\"\r\n\" 4\"\r\n\" 2\"\r\n\"a)/\"\r\n\"-3\"\r\n" + spare,
         {{"There were some errors in reading your saved scores. Some words' scores may have "
           "been reset.",
           MsgIcon::Exclamation}},
         "Item's Score: -3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("Users/Maria/Athenaze.lxs", c.file);
        messages.clear();
        ASSERT_TRUE(startDrill({0.0, 0.0, pick(2, 2), pick(2, 2)}));
        EXPECT_EQ(messages, c.said);
        EXPECT_EQ(label("ItemScoreField"), c.secondWordScore);
        quiz->close();
        delete main;
    }
}

TEST_F(QuizTest, FileQuitOffersToSaveThenEndsTheProgram) {
    writeList(list);
    shareFolderWithDeathTest();
    EXPECT_EXIT(
        {
            startDrill({0.5});
            whenModal("SaveWin", [](QWidget* prompt) { click(prompt, "SaveButton"); });
            find<QAction>("mnuQuit")->trigger();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(read("Users/Maria/Athenaze.lxs"), savedLines);
}

TEST_F(QuizTest, AListThatCannotBeReadEndsTheProgramWithItsMessage) {
    std::string text = ListText(list);
    write("Data/Athenaze.lxv", text.substr(0, text.size() - 8));
    EXPECT_EXIT(startDrill({0.5}), testing::ExitedWithCode(0),
                testing::HasSubstr("[Stop] File error loading vocabulary.|"));
    EXPECT_EXIT(
        {
            main = start(QStringLiteral("Maria"));
            std::filesystem::remove(path("Data/Athenaze.lxv"));
            click(main, "VocabBeginButton");
        },
        testing::ExitedWithCode(0),
        testing::HasSubstr("[Stop] The vocabulary file specified in your preferences is missing. "
                           "Please choose another, or reinstall that file. |"));
}

// The main window's check: no word of the list lies in the chosen chapters.
TEST_F(QuizTest, AnEmptyChapterRangeIsSaidAndSaved) {
    writeList({{3, "a", {{"x"}}}, {5, "b", {{"y"}}}});
    prefs.VocabChaptStart = prefs.VocabChaptEnd = 4;
    EXPECT_EQ(startDrill({0.5}), nullptr);
    EXPECT_EQ(messages.back(),
              (Message{"There are no vocabulary words in the selected chapter.", MsgIcon::Stop}));
    EXPECT_TRUE(main->isVisible());
    LexivoPrefFile saved;
    ReadPrefsFile(path("Users/Maria/Prefs.lxp"), saved);
    EXPECT_EQ(saved.VocabChaptStart, 4);
}

} // namespace

namespace {

// A list whose links run in circles, lead outside it or to meanings that are not there, with a
// record of nine meanings whose seventh eight words share, and records without meanings.
std::vector<TestWord> damagedList() {
    auto nine = [](const std::string& w) {
        TestWord word{1, w, {}};
        for (int j = 0; j < 9; ++j)
            word.meanings.push_back({"m" + std::to_string(j)});
        return word;
    };
    std::vector<TestWord> words{
        {1, "a", {{"x"}, {"y"}}, 1, 1}, // entries 0 and 1 in a circle
        {1, "a", {{"x"}}, 0, 0},
        {2, "b", {{"z", 3, 0, 3, 0}}}, // meanings of 2 and 3 in a circle
        {2, "c", {{"z", 2, 0, 2, 0}}},
        {1, "d", {{"w", 500, 0, -9, 4}}, 32767, -32768},
        {1, "e", {{"v", 0, 5, 1, 1}}}, // meanings records 0 and 1 do not hold
        {1, "f", {}},
        {1, "g", {}, -1, -1, 0, "None", "", -3},
    };
    std::vector<std::pair<int, int>> shared;
    for (int i = 0; i < 8; ++i) {
        words.push_back(nine("n" + std::to_string(i)));
        shared.push_back({int(words.size()) - 1, 6});
    }
    ShareMeaning(words, shared);
    // The last of the eight leads back to the first.
    words.back().meanings[6].nextWord = int(words.size()) - 8;
    return words;
}

} // namespace

TEST_F(QuizTest, ADamagedListIsDrilledWithoutHarm) {
    writeList(damagedList());
    prefs.Iterations = 40;
    prefs.PercentActive = 50;
    ASSERT_TRUE(startDrill({0.1, 0.7, 0.3, 0.95, 0.5, 0.05, 0.85, 0.999, 0.62}));
    int items = 0, greekItems = 0;
    bool prompted = false;
    whenModal("SaveWin", [&](QWidget* prompt) {
        prompted = true;
        click(prompt, "DontSave");
    });
    for (int presses = 0; quizWindow() && presses < 40 * 9; ++presses) {
        EXPECT_LE(visibleSlots(), 6);
        if (find<QPushButton>("Enter")->text() == "Next") {
            ++items;
            greekItems += find<QLineEdit>("UserGreekField")->isVisible();
        }
        answerWith("x");
    }
    EXPECT_TRUE(prompted);
    EXPECT_EQ(items, 40);
    EXPECT_GT(greekItems, 5); // both directions were asked
    EXPECT_LT(greekItems, 35);
    EXPECT_TRUE(main->isVisible());
}
