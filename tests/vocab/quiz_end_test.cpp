#include "QuizFixture.h"
#include "support/FileSizeLimit.h"
#include "support/ProgressLog.h"
#include "vocab/QuizWindow.h"
#include "vocab/ScoreFile.h"
#include "widgets/ProgDialog.h"

#include <QAction>
#include <sstream>

namespace {

const std::vector<TestWord> list{{1, "lu/w", {{"loose"}}}, {2, "a)/gw", {{"lead"}}}};
const std::string savedLines = quoted({" 1", "lu/", " 0", " 2", "a)/", " 0", " 0", "", " 0"});

// The ways a drill ends: at the save prompt, or by the close box without it.
TEST_F(QuizTest, TheDrillEndsAtTheSavePromptAndTheMainWindowComesBack) {
    writeList(list);
    prefs.PercentActive = 0;
    const auto endDrill = [](QWidget* q) { click(q, "Command1"); };
    struct Case {
        const char* how;
        std::function<void(QWidget*)> end, prompt; // no prompt: none is expected
        bool saved;
    } cases[] = {
        {"End Drill, Return saves", endDrill,
         [](QWidget* p) { QTest::keyClick(p, Qt::Key_Return); }, true},
        {"Drill > End Drill, Don't Save",
         [](QWidget* q) { child<QAction>(q, "mnuDrillEnd")->trigger(); },
         [](QWidget* p) { click(p, "DontSave"); }, false},
        {"Escape does nothing, then Save", endDrill,
         [](QWidget* p) {
             QTest::keyClick(p, Qt::Key_Escape); // the prompt has no cancel button
             EXPECT_TRUE(p->isVisible());
             click(p, "SaveButton");
         },
         true},
        {"the prompt's close box", endDrill, [](QWidget* p) { p->close(); }, false},
        // Save is the only default: Return saves wherever the focus is in the prompt.
        {"Return with the focus on Don't Save", endDrill,
         [](QWidget* p) {
             auto* dontSave = child<QPushButton>(p, "DontSave");
             dontSave->setFocus();
             ASSERT_TRUE(dontSave->hasFocus());
             QTest::keyClick(dontSave, Qt::Key_Return);
         },
         true},
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
                picture(prompt, "savewin");
                EXPECT_EQ(prompt->windowTitle(), "Save Scores");
                EXPECT_EQ(child<QLabel>(prompt, "Label1")->text() + "|" +
                              child<QPushButton>(prompt, "SaveButton")->text() + "|" +
                              child<QPushButton>(prompt, "DontSave")->text(),
                          "Save scores for this session?|Save|Don't Save");
                // The two buttons side by side under the question, inside the prompt.
                const QRect text = child<QLabel>(prompt, "Label1")->geometry();
                const QRect save = child<QPushButton>(prompt, "SaveButton")->geometry();
                const QRect dontSave = child<QPushButton>(prompt, "DontSave")->geometry();
                EXPECT_GT(save.top(), text.bottom());
                EXPECT_EQ(dontSave.top(), save.top());
                EXPECT_GT(dontSave.left(), save.right());
                EXPECT_TRUE(prompt->rect().contains(dontSave));
                EXPECT_EQ(prompt->parentWidget(), quiz); // in front of the drill
                c.prompt(prompt);
            });
        c.end(quiz);
        EXPECT_EQ(prompted, bool(c.prompt));
        EXPECT_EQ(quizWindow(), nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(read("Users/Maria/Athenaze.lxs"), c.saved ? savedLines : "");
        delete main;
    }
}

// No items to ask end the drill at once at the save prompt. A chapter range without words is
// said by the main window, and by the drill window too when the list lost the words after the
// main window's check.
TEST_F(QuizTest, ADrillWithNothingToAskEndsAtOnce) {
    writeList(list);
    WritePrefsFile(path("Users/Maria/Prefs.lxp"), prefs);
    main = start(QStringLiteral("Maria"));
    child<QLineEdit>(main, "HowManyField")->setText("0");
    bool prompted = false;
    whenModal("SaveWin", [&](QWidget* prompt) {
        prompted = true;
        click(prompt, "DontSave");
    });
    click(main, "VocabBeginButton");
    EXPECT_TRUE(prompted);
    EXPECT_TRUE(main->isVisible());
    LexivoPrefFile saved; // beginning a drill saves the settings
    ReadPrefsFile(path("Users/Maria/Prefs.lxp"), saved);
    EXPECT_EQ(saved.Iterations, 0);
    ASSERT_EQ(quizWindow(), nullptr) << "the drill is still up";
    delete main;

    const Message noWords{"There are no vocabulary words in the selected chapter.", MsgIcon::Stop};
    writeList({{3, "a", {{"x"}}}, {5, "b", {{"y"}}}});
    prefs.VocabChaptStart = prefs.VocabChaptEnd = 4;
    EXPECT_EQ(startDrill({0.5}), nullptr);
    EXPECT_EQ(messages, std::vector<Message>{noWords});
    main->hide();
    QuizWindow::StartDrill(main);
    EXPECT_EQ(messages, (std::vector<Message>{noWords, noWords}));
    EXPECT_EQ(quizWindow(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

// The scores are read as the drill starts and saved at once as they were read: a damaged value
// costs only its own word, a file that ends early keeps what it held, and a save that fails
// leaves the old file as it was.
TEST_F(QuizTest, SavedScoresAreReadWhenTheDrillStarts) {
    writeList({{1, "lu/w", {{"loose"}}}, {2, "a", {{"x"}}}, {2.5, "pe/mpw", {{"send"}}}});
    const Message problems{"There were problems with your saved scores.", MsgIcon::Stop};
    const Message reset{"There were some errors in reading your saved scores. Some words' scores "
                        "may have been reset.",
                        MsgIcon::Exclamation};
    // What the progress window shows (with " box" where a message came): the list read, then
    // the scores read and written, each to its end. A failure is told while the window is up.
    const std::string list = " shown|Opening File 1/3 2/3 0/3 hidden";
    const std::string loaded =
        "|Loading your saved scores... shown 1/3 2/3 3/3 0/3 hidden unloaded";
    const std::string saved = " shown|Saving Scores File 1/3 2/3 3/3 0/3 hidden unloaded";
    enum Trouble { None, DiskFull, FolderInTheWay };
    struct Case {
        const char* what;
        std::string file;
        std::vector<Message> said;
        std::string scores;
        std::string progress;
        Trouble trouble = None;
    } cases[] = {
        {"missing",
         "",
         {},
         " 0| 0| 0| 0",
         list + "|Saving Scores File shown 1/3 2/3 3/3 0/3 hidden unloaded"},
        {"shorter than the list",
         quoted({" 1", "lu/", " 4", " 2", "a", "-3"}),
         {problems},
         " 4|-3| 0| 0",
         list + "|Loading your saved scores... shown 1/3 2/3 box hidden unloaded" + saved},
        {"reordered, and letters of another word",
         quoted({" 2", "a", "-3", " 1", "lu/", " 4", " 2.5", "pe", " 2", " 0", "", " 0"}),
         {reset},
         " 0| 0| 0| 0",
         list + loaded + " box" + saved},
        {"a chapter beyond 16 bits, a score of no number, one beyond 16 bits",
         quoted({" 99999", "lu/", " 4", " 2", "a", "1e999", " 2.5", "pe/", " 1000000000", " 0", "",
                 " 0"}),
         {reset},
         " 0| 0| 1000000000| 0",
         list + loaded + " box" + saved},
        {"damaged scores read as their leading numbers",
         quoted(
             {" 1", "lu/", "x", " 2", "a", " 70000.5junk", " 2.5", "pe/", "-3.5", " 0", "", " 0"}),
         {},
         " 0| 70000|-4| 0",
         list + loaded + saved},
        // Neither down, nor up, nor half away from zero; the spare record's score is read too.
        {"fractions rounded half to even",
         quoted({" 1", "lu/", " 2.7", " 2", "a", " 3.5", " 2.5", "pe/", " 2.5", " 0", "", "-2.5"}),
         {},
         " 3| 4| 2|-2",
         list + loaded + saved},
        {"a full disk",
         quoted({" 1", "lu/", " 4", " 2", "a", "-3", " 2.5", "pe/", " 2", " 0", "", " 0"}),
         {problems},
         " 4|-3| 2| 0",
         list + loaded + " shown|Saving Scores File 1/3 2/3 3/3 box hidden unloaded",
         DiskFull},
        // The file is opened before the progress window shows: here it cannot be.
        {"a folder of the score file's name",
         "",
         {problems},
         "",
         list + " box unloaded",
         FolderInTheWay},
    };
    ProgressLog progress;
    SetMessageSink([&](const std::string& text, MsgIcon icon) {
        messages.push_back({text, icon});
        progress.text += " box";
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path("Users/Maria/Athenaze.lxs"));
        if (!c.file.empty())
            write("Users/Maria/Athenaze.lxs", c.file);
        if (c.trouble == FolderInTheWay)
            std::filesystem::create_directory(path("Users/Maria/Athenaze.lxs"));
        messages.clear();
        ProgDialog::Unload(); // as at the program's start, whatever an earlier test left
        progress.text.clear();
        ASSERT_TRUE(startDrill({0.5}));
        whenModal("SaveWin", [](QWidget* prompt) { click(prompt, "SaveButton"); });
        {
            FileSizeLimit disk(c.trouble == DiskFull ? 10 : RLIM_INFINITY);
            click(quiz, "Command1");
        }
        EXPECT_EQ(messages, c.said);
        EXPECT_EQ(progress.text, c.progress);
        const bool written = std::filesystem::is_regular_file(path("Users/Maria/Athenaze.lxs"));
        std::istringstream saved(written ? read("Users/Maria/Athenaze.lxs") : "");
        std::string scores, chapter, letters, score;
        while (std::getline(saved, chapter) && std::getline(saved, letters) &&
               std::getline(saved, score)) {
            ASSERT_GE(score.size(), 3u) << "not a quoted line: " << score;
            scores += (scores.empty() ? "" : "|") + score.substr(1, score.size() - 3);
        }
        EXPECT_EQ(scores, c.scores);
        delete main;
    }
    // The score file is named after the list without its last four characters, however short.
    EXPECT_EQ(ScoreFilePath("U", "a.lxv") + " " + ScoreFilePath("U", ".lxv") + " " +
                  ScoreFilePath("U", "lxv"),
              "U/a.lxs U/.lxs U/.lxs");
}

// File > Quit offers to save and ends the program; so does a list that cannot be read, with its
// message.
TEST_F(QuizTest, FileQuitAndAListThatCannotBeReadEndTheProgram) {
    writeList(list);
    shareFolderWithDeathTest();
    EXPECT_EXIT(
        {
            ASSERT_TRUE(startDrill({0.5}));
            whenModal("SaveWin", [](QWidget* prompt) { click(prompt, "SaveButton"); });
            find<QAction>("mnuQuit")->trigger();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(read("Users/Maria/Athenaze.lxs"), savedLines);

    write("Data/Athenaze.lxv", ListText(list).substr(0, 40)); // ends inside a record
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

} // namespace
