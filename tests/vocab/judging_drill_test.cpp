#include "QuizFixture.h"

#include <QCheckBox>
#include <QSlider>
#include <cmath>
#include <map>

namespace {

// Word 5 is the second entry of word 0, with the same short second form; words 1 and 2 share
// "bring" (+ Dat.); the second forms of words 6 and 8 are one typing error apart.
std::vector<TestWord> drillList() {
    std::vector<TestWord> words{
        {1, "lu/w", {{"I loose"}, {"release"}}, -1, -1, 0, "None", "lu/w"},
        {1, "a)/gw", {{"lead"}, {"bring", -1, 0, -1, 0, 1, "Dat"}}, -1, -1, 0, "None", "a)/cw"},
        {2, "fe/rw", {{"bring", -1, 0, -1, 0, 1, "Dat"}, {"carry"}}, -1, -1, 0, "None", "oi)/sw"},
        {1, "*)aqh=nai", {{"Athens"}}, -1, -1, 0, "None", "*)aqhnw=n"},
        {1, "po/lis", {{"city"}}, -1, -1, 0, "None", "po/lews"},
        {2, "lu/w", {{"I loose"}, {"I release"}, {"I destroy"}}, -1, -1, 0, "None", "lu/w"},
        {3, "kalo/s", {{"beautiful"}, {"fine"}}, -1, -1, 0, "None", "kalh/"},
        {3, "ma/xh", {{"battle"}}, -1, -1, 0, "None", "ma/xhs"},
        {3, "h(/kw", {{"I have come"}}, -1, -1, 0, "None", "kalh="},
    };
    ChainEntries(words, {0, 5});
    ShareMeaning(words, {{1, 1}, {2, 0}});
    return words;
}

// Every file under folder with its bytes.
std::map<std::string, std::string> filesUnder(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().string()] = TempFolder::read(entry.path().string());
    return files;
}

class JudgedDrillTest : public QuizTest {
protected:
    // A drill of this many items, half of them English-to-Greek, every word choice a review
    // choice, accents counted.
    void begin(int items, std::vector<double> script) {
        prefs.Iterations = items;
        prefs.PercentActive = 50;
        prefs.Review = 100;
        ASSERT_NE(startDrill(std::move(script)), nullptr);
    }
    // Creates the user Anna at the program's start and begins a drill of this many items on the
    // main window, set up as above through its controls.
    void beginAsNewUser(int items, std::vector<double> script) {
        newUserWhenAsked(QStringLiteral("Anna"));
        ASSERT_TRUE(Main());
        main = mainWindow();
        auto* howMany = child<QLineEdit>(main, "HowManyField");
        howMany->selectAll();
        QTest::keyClicks(howMany, QString::number(items));
        child<QSlider>(main, "PercentActive")->setValue(50);
        child<QSlider>(main, "ReviewSlide")->setValue(100);
        ASSERT_TRUE(child<QCheckBox>(main, "Accents")->isChecked());
        ASSERT_NE(beginDrill(std::move(script)), nullptr);
    }
    // Enters the answers of one item (with the marker box's item for each), each into a slot of
    // its own, and judges them; returns what the slots show: "+" or "-" for green or red, the
    // answer and its marker. The test stops when the item shows fewer slots than answers.
    std::string judge(const std::vector<std::pair<const char*, int>>& answers) {
        [&] { ASSERT_TRUE(frame(int(answers.size()) - 1)->isVisible()) << "too few slots"; }();
        for (const auto& [keys, markerItem] : answers) {
            find<QComboBox>("TypeCaseField")->setCurrentIndex(markerItem);
            answerWith(keys);
        }
        pressEnter();
        std::string shown;
        for (int i = 0; i < 6 && frame(i)->isVisible(); ++i) {
            const QColor fill = frame(i)->palette().color(QPalette::Window);
            shown += !frame(i)->autoFillBackground() ? "?"
                     : fill == QColor(0, 255, 0)     ? "+"
                     : fill == QColor(255, 0, 0)     ? "-"
                                                     : "?";
            shown += find<QLineEdit>("UserGreekField")->isVisible()
                         ? DisplayFontToBeta(DisplayFontFromQString(answer(i)->text()))
                         : answer(i)->text().toStdString();
            shown += "|" + marker(i)->text().toStdString() + " ";
        }
        return shown;
    }
};

// Two words drawn alike make the winner; an English-to-Greek item then draws its meaning.
std::vector<double> greekItem(int word) {
    return {0.99, 0.0, pick(word + 1, 9), pick(word + 1, 9)};
}
std::vector<double> englishItem(int word, double meaning = 0.0) {
    return {0.0, 0.0, pick(word + 1, 9), pick(word + 1, 9), meaning};
}

TEST_F(JudgedDrillTest, TenItemsAreJudgedAndTheirScoresSaved) {
    writeList(drillList());
    struct Item {
        std::vector<double> draws;
        std::vector<std::pair<const char*, int>> answers;
        std::string shown;
    };
    const Item items[] = {
        // Word 0 is asked by its second entry, word 5: right, right, blank.
        {greekItem(0),
         {{"loose", 0}, {"I destroy", 0}, {"", 0}},
         "+I loose| +I destroy| -I release|None "},
        // "bring (+ Dat.)": the words of the ring, marks typed in another order, brackets.
        {englishItem(1, 0.9), {{"fe/rw", 0}, {"[a/)gw]", 0}}, "+fe/rw| +a)/gw| "},
        {englishItem(3), {{"*)AQH=NAI", 0}}, "+*)aqh=nai| "}, // capitals
        // Wrong: word 8's second form is a look-alike of word 6's.
        {greekItem(6), {{"beautiful", 0}, {"good", 0}}, "+beautiful| -fine|None "},
        {englishItem(4), {{"po/lis", 3}}, "-po/lis|None "}, // the headword has no marker
        {greekItem(2), {{"carry", 0}, {"bring", 4}}, "+carry| +bring|+ Dat. "},
        {greekItem(7), {{"the battle!", 0}}, "+battle| "},
        {englishItem(8), {{"", 0}}, "-h(/kw|None "}, // blank
        // "carry" is word 2's meaning: it costs word 2.
        {greekItem(1), {{"carry", 0}, {"lead", 0}}, "-bring|+ Dat. +lead| "},
        // Another word's headword: it costs that word, and word 0's entries as the nearest.
        {englishItem(0), {{"a)/gw", 0}}, "-lu/w|None "},
    };
    std::vector<double> draws;
    for (const Item& item : items)
        draws.insert(draws.end(), item.draws.begin(), item.draws.end());
    beginAsNewUser(10, draws);
    for (const Item& item : items) {
        SCOPED_TRACE(item.shown);
        EXPECT_EQ(find<QLineEdit>("UserGreekField")->text(), ""); // nothing left from before
        EXPECT_EQ(judge(item.answers), item.shown);
        if (&item != &items[9]) {
            QTest::keyClicks(find<QLineEdit>("UserField"), "lu/w"); // typed after judging, unused
            pressEnter();
        }
    }
    whenModal("SaveWin", [](QWidget* prompt) { click(prompt, "SaveButton"); });
    pressEnter();
    ASSERT_EQ(quizWindow(), nullptr);

    // Each word's chapter, first letters and score, then the spare record's.
    EXPECT_EQ(read("Users/Anna/Athenaze.lxs"),
              quoted({" 1",  "lu/", "-4",  " 1",  "a)/", " 0",  " 2",  "fe/", " 9", " 1",
                      "*)a", " 5",  " 1",  "po/", "-8",  " 2",  "lu/", "-2",  " 3", "kal",
                      "-1",  " 3",  "ma/", " 3",  " 3",  "h(/", "-5",  " 0",  "",   " 0"}));

    // The next drill starts with the saved scores and says nothing.
    messages.clear();
    ASSERT_NE(beginDrill(greekItem(4)), nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(label("ItemScoreField"), "Item's Score: -8");
    quiz->close();
}

// A list is shown and typed in one encoding, decided by all of its bytes: UTF-8 when they are
// valid UTF-8, else Windows-1252 (its quotes and dashes at 128..159 too), also for a meaning
// whose own bytes would be valid UTF-8. Each list is asked both ways.
TEST_F(JudgedDrillTest, ListTextIsTypedAsItIsShown) {
    struct List {
        std::vector<std::string> meanings;
        const char* third; // the third meaning as it shows
    };
    const List lists[] = {
        {{"caf\xC3\xA9", "don\xE2\x80\x99t", "\xC3\xA9t\xC3\xA9"}, "été"},
        {{"caf\xE9", "don\x92t", "\xC3\xA9t\xC3\xA9"}, "Ã©tÃ©"},
    };
    prefs.Iterations = 2;
    prefs.PercentActive = 50;
    prefs.Review = 100;
    WritePrefsFile(path("Users/Maria/Prefs.lxp"), prefs);
    main = start(QStringLiteral("Maria"));
    for (const List& list : lists) {
        SCOPED_TRACE(list.third);
        const std::vector<std::string>& m = list.meanings;
        writeList({{1, "lu/w", {{m[0]}, {m[1]}, {m[2]}}}});
        // A Greek item, then an English one asking the second meaning.
        ASSERT_NE(beginDrill({0.99, 0.0, 0.5, 0.5, 0.0, 0.0, 0.5, 0.5, 0.5}), nullptr);
        EXPECT_EQ(judge({{"café", 0}, {"don’t", 0}, {list.third, 0}}),
                  std::string("+café| +don’t| +") + list.third + "| ");
        pressEnter();
        EXPECT_EQ(label("QuizField"), "don’t");
        quiz->close();
    }
}

// A list whose links run in circles, lead outside it or to meanings that are not there, with
// long and look-alike second forms, records of nine meanings whose seventh eight words share in a
// circle, and records without meanings: thirty items both ways with right, wrong and blank
// answers change nothing but the score file.
TEST_F(JudgedDrillTest, ADamagedListIsDrilledWithoutHarm) {
    std::vector<TestWord> words{
        {1, "a", {{"x"}, {"y"}}, 1, 1}, // entries 0 and 1 in a circle
        {1, "a", {{"x"}}, 0, 0},
        {1, "b", {{"x", 3, 0, 3, 0}}, -1, -1, 0, "None", std::string(1500, 'a')},
        {1, "c", {{"x", 2, 0, 2, 0}}, -1, -1, 0, "None", std::string(1498, 'a') + "bb"},
        {1, "d", {{"w", 500, 0, -9, 4}}, 32767, -32768},
        {1, "e", {{"v", 0, 5, 1, 1}}}, // meanings records 0 and 1 do not hold
        {1, "f", {}},
        {1, "g", {}, -1, -1, 0, "None", "", -3},
    };
    std::vector<std::pair<int, int>> shared;
    for (int i = 0; i < 8; ++i) {
        words.push_back({1, "n", {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}, {"x"}, {"i"}}});
        shared.push_back({int(words.size()) - 1, 6});
    }
    ShareMeaning(words, shared);
    words.back().meanings[6].nextWord = 8;
    writeList(words);
    std::vector<double> draws;
    for (int i = 1; i <= 30 * 8; ++i)
        draws.push_back(std::fmod(i * 0.6180339887, 1.0));
    begin(30, draws);
    const auto before = filesUnder(root);
    const char* answers[] = {"x", "", "a", "y", "b"};
    int pressed = 0, items = 0;
    whenModal("SaveWin", [](QWidget* prompt) { click(prompt, "SaveButton"); });
    while (quizWindow() && pressed < 30 * 9) {
        answerWith(answers[pressed++ % 5]);
        items += quizWindow() && find<QPushButton>("Enter")->text() == "Next";
    }
    EXPECT_EQ(quizWindow(), nullptr);
    EXPECT_EQ(items, 30);
    auto after = filesUnder(root);
    const std::string scores = path("Users/Maria/Athenaze.lxs");
    ASSERT_EQ(after.count(scores), 1u);
    EXPECT_EQ(std::count(after[scores].begin(), after[scores].end(), '\n'), 3 * 17);
    after.erase(scores);
    EXPECT_EQ(after, before);
}

} // namespace
