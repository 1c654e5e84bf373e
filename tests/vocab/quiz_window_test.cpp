#include "QuizFixture.h"
#include "vocab/SaveWin.h"
#include "widgets/BetaCodeWin.h"

#include <QDir>
#include <QFile>

namespace {

std::vector<TestWord> twoWays() {
    std::vector<TestWord> words{
        {1, "lu/w", {{"I loose"}, {"release"}}},
        {2, "a)/gw", {{"lead"}, {"bring", -1, 0, -1, 0, 1, "Dat"}}},
        {2, "fe/rw", {{"bring", -1, 0, -1, 0, 1, "Dat"}, {"carry"}}},
        {3, "a)gaqo/s", {{"good"}, {"brave"}, {"noble"}, {"fine"}, {"kind"}, {"true"}, {"just"}}},
    };
    ShareMeaning(words, {{1, 1}, {2, 0}});
    return words;
}

// Saves the drill window as pictures in both directions, with one slot and with six, when
// LEXIVO_PICTURES names a folder; used to look at the layout, not to check it.
TEST_F(QuizTest, Pictures) {
    const QString target = QString::fromLocal8Bit(qgetenv("LEXIVO_PICTURES"));
    if (target.isEmpty())
        GTEST_SKIP() << "LEXIVO_PICTURES not set";
    const QDir built(QString::fromLocal8Bit(qgetenv("LEXIVO_BUILD_DIR")) + QStringLiteral("/Data"));
    QFile::copy(built.filePath("Ortholex.ttf"), QString::fromStdString(path("Data/Ortholex.ttf")));
    SetInstalledFontsForTest(std::nullopt);
    std::vector<TestWord> words{
        {1, "lu/w", {{"I loose"}}},
        {1, "a)gaqo/s", {{"good"}, {"brave"}, {"noble"}, {"fine"}, {"kind"}, {"true"}, {"just"}}},
    };
    std::vector<std::pair<int, int>> shared;
    for (const char* go : {"e)/rxomai", "ei)=mi", "bai/nw", "poreu/omai", "xwre/w", "h(/kw"}) {
        words.push_back({1, go, {{"I go", -1, 0, -1, 0, 1, "Inf"}}});
        shared.push_back({int(words.size()) - 1, 0});
    }
    ShareMeaning(words, shared);
    writeList(words);
    prefs.PercentActive = 50;
    prefs.Review = 100;
    ASSERT_TRUE(
        startDrill({0.99, 0.0, pick(2, 8), pick(2, 8), 0.99, 0.0, pick(1, 8), pick(1, 8), 0.0, 0.0,
                    pick(1, 8), pick(1, 8), 0.0, 0.0, 0.0, pick(3, 8), pick(3, 8), 0.0}));
    auto nextItem = [&] {
        while (find<QPushButton>("Enter")->text() != "Next")
            pressEnter();
        pressEnter();
    };
    answerWith("good");
    find<QComboBox>("TypeCaseField")->setCurrentIndex(3);
    answerWith("brave");
    answerWith("");
    quiz->grab().save(target + "/quiz_greek6.png");
    nextItem();
    answerWith("I loose");
    quiz->grab().save(target + "/quiz_greek1.png");
    nextItem();
    QTest::keyClicks(find<QLineEdit>("UserField"), "lu/w");
    quiz->grab().save(target + "/quiz_english1.png");
    nextItem();
    find<QComboBox>("TypeCaseField")->setCurrentIndex(8);
    answerWith("e)/rxomai");
    answerWith("*)aqh=nai");
    QTest::keyClicks(find<QLineEdit>("UserField"), "poreu/omai");
    quiz->grab().save(target + "/quiz_english6.png");
    SaveWin(quiz).grab().save(target + "/savewin.png");
}

TEST_F(QuizTest, AnItemEachWay) {
    writeList(twoWays());
    prefs.PercentActive = 50;
    prefs.Review = 100;
    prefs.Iterations = 4;
    ASSERT_TRUE(
        startDrill({0.9, 0.0, pick(1, 4), pick(1, 4), 0.0, 0.0, pick(2, 4), pick(2, 4), 0.99, 0.9,
                    0.0, pick(1, 4), pick(1, 4), 0.0, 0.0, pick(2, 4), pick(2, 4), 0.99}));
    EXPECT_FALSE(main->isVisible());
    auto* quizField = find<QLabel>("QuizField");
    EXPECT_EQ(quiz->windowTitle(), "Lexivo Vocabulary Drill");
    EXPECT_EQ(quizField->text(), greek("lu/w"));
    EXPECT_EQ(quizField->font().family(), "Ortholex");
    EXPECT_FALSE(find<QLineEdit>("UserGreekField")->isVisible());
    EXPECT_EQ(visibleSlots(), 2);
    EXPECT_EQ(QStringList({label("ToGoField"), label("ScoreField"), label("StatsField"),
                           label("ChapterField"), label("ItemScoreField")})
                  .join("|"),
              " 4 items out of  4.|Drill Score:  0%| 4/ 4 (words in drill)|Chapter:  1|"
              "Item's Score:  0");
    click(quiz, "BetaButton");
    EXPECT_EQ(find<QPushButton>("BetaButton")->text(), "Hide Beta-Code Template");
    ASSERT_NE(BetaCodeWin::Loaded(), nullptr);
    answerWith("I loose");
    answerWith("release");
    EXPECT_EQ(answer(0)->text() + "|" + answer(1)->text(), "I loose|release");
    // Clicking a hidden slot's place does nothing.
    auto* form = static_cast<QMainWindow*>(quiz)->centralWidget();
    QTest::mouseClick(form, Qt::LeftButton, {}, frame(3)->geometry().center());
    EXPECT_EQ(answer(1)->text(), "release");
    pressEnter();
    EXPECT_EQ(find<QPushButton>("Enter")->text(), "Next");

    answerWith(""); // Return on "Next" asks the next item
    EXPECT_EQ(quizField->text(), "bring (+ Dat.)");
    EXPECT_EQ(label("ToGoField"), " 3 items out of  4.");
    EXPECT_EQ(find<QPushButton>("Enter")->text(), "Okay");
    EXPECT_EQ(visibleSlots(), 2);
    auto* userGreek = find<QLineEdit>("UserGreekField");
    EXPECT_TRUE(userGreek->isVisible());
    QTest::keyClicks(find<QLineEdit>("UserField"), "a)/gw");
    EXPECT_EQ(userGreek->text(), greek("a)/gw"));
    QTest::keyClick(find<QLineEdit>("UserField"), Qt::Key_Return);
    EXPECT_EQ(answer(0)->text(), greek("a)/gw"));
    EXPECT_EQ(answer(0)->font().family(), "Ortholex");
    EXPECT_EQ(userGreek->text(), "");
    answerWith("");
    EXPECT_EQ(answer(1)->text(), "-");
    QTest::mouseClick(answer(0), Qt::LeftButton); // Greek comes back as Beta code
    EXPECT_EQ(find<QLineEdit>("UserField")->text(), "a)/gw");
    EXPECT_EQ(userGreek->text(), greek("a)/gw"));
    pressEnter();
    pressEnter();
    // Beta code left in the answer field when a Greek-to-English item follows leaves no Greek
    // behind for the next English-to-Greek item.
    QTest::keyClicks(find<QLineEdit>("UserField"), "lu/w");
    pressEnter();
    EXPECT_FALSE(userGreek->isVisible());
    answerWith("loose");
    answerWith("set free");
    pressEnter();
    pressEnter();
    EXPECT_EQ(quizField->text(), "bring (+ Dat.)");
    EXPECT_EQ(label("ToGoField"), "Last item out of  4!");
    EXPECT_EQ(userGreek->text(), "");
    pressEnter();
    pressEnter();
    pressEnter();
    whenModal("SaveWin", [](QWidget* prompt) { click(prompt, "DontSave"); });
    pressEnter();
    EXPECT_EQ(quizWindow(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr); // the chart goes with the drill
    EXPECT_FALSE(std::filesystem::exists(path("Users/Maria/Athenaze.lxs")));
}

TEST_F(QuizTest, AnswersAreTakenBackByTheirLabelsAndRectangles) {
    writeList(twoWays());
    prefs.PercentActive = 0;
    prefs.Review = 100;
    ASSERT_TRUE(startDrill({0.5, 0.0, pick(4, 4), pick(4, 4)}));
    EXPECT_EQ(visibleSlots(), 6); // seven meanings, six slots
    auto* combo = find<QComboBox>("TypeCaseField");
    auto* userField = find<QLineEdit>("UserField");
    answerWith("good");
    combo->setCurrentIndex(3);
    answerWith("brave");
    EXPECT_EQ(marker(1)->text(), "+ Gen.");
    EXPECT_EQ(combo->currentText(), "+ Gen."); // the box keeps its choice
    combo->setCurrentIndex(0);
    answerWith("noble");
    EXPECT_EQ(marker(2)->text(), "");

    QTest::mouseClick(marker(1), Qt::LeftButton);
    EXPECT_EQ(userField->text(), "brave");
    EXPECT_EQ(userField->selectedText(), "brave");
    EXPECT_EQ(combo->currentText(), "+ Gen.");
    EXPECT_EQ(answer(1)->text() + marker(1)->text(), "");
    QTest::keyClicks(userField, "kind");
    QTest::keyClick(userField, Qt::Key_Return);
    EXPECT_EQ(answer(1)->text(), "kind");
    EXPECT_EQ(marker(1)->text(), "+ Gen.");

    // The rectangle's right and bottom edges count; the click takes slot 0 back once.
    auto* form = static_cast<QMainWindow*>(quiz)->centralWidget();
    const QRect box = frame(0)->geometry();
    QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(box.x() + box.width(), box.bottom()));
    EXPECT_EQ(userField->text(), "good");
    EXPECT_EQ(answer(0)->text(), "");
    QTest::mouseClick(answer(0), Qt::LeftButton); // an empty slot empties the field
    EXPECT_EQ(userField->text(), "");
    EXPECT_EQ(combo->currentText(), "None");
    // An answer that looks like markup is shown as typed.
    answerWith("<b>x</b>");
    EXPECT_GE(answer(0)->sizeHint().width(),
              answer(0)->fontMetrics().horizontalAdvance("<b>x</b>"));
}

TEST_F(QuizTest, TheMarkerBoxLooksAheadAsTheUserTypes) {
    writeList(twoWays());
    prefs.PercentActive = 0;
    ASSERT_TRUE(startDrill({0.5, 0.0, pick(4, 4), pick(4, 4)}));
    auto* combo = find<QComboBox>("TypeCaseField");
    const std::pair<const char*, const char*> cases[] = {
        {"P", "P"},        {"PA", "+ Part."}, {"x", "None"},       {"In", "In"}, {"inf", "+ Inf."},
        {"ind", "+ Ind."}, {"g", "+ Gen."},   {"pl", "in Plural"}, {"p", "p"},
    };
    for (const auto& [keys, shown] : cases) {
        combo->lineEdit()->setFocus();
        combo->lineEdit()->selectAll(); // typing replaces the shown text
        QTest::keyClicks(combo->lineEdit(), QString::fromLatin1(keys));
        EXPECT_EQ(combo->currentText(), shown) << keys;
    }
    // Return in the box enters the answer with the free text as its marker; the items stay.
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(answer(0)->text() + "|" + marker(0)->text(), "-|p");
    EXPECT_EQ(combo->count(), 10);
}

} // namespace
