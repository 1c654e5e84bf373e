#include "QuizFixture.h"
#include "widgets/BetaCodeWin.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

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

// A Greek item of six slots whose answers are taken back and given again, the marker box
// looking ahead, then an English item answered in Greek; pictured on the way.
TEST_F(QuizTest, AnItemEachWay) {
    writeList(twoWays());
    prefs.PercentActive = 50;
    prefs.Review = 100;
    prefs.Iterations = 4;
    ASSERT_TRUE(
        startDrill({0.9, 0.0, pick(4, 4), pick(4, 4), 0.0, 0.0, pick(2, 4), pick(2, 4), 0.99, 0.9,
                    0.0, pick(1, 4), pick(1, 4), 0.0, 0.0, pick(2, 4), pick(2, 4), 0.99}));
    EXPECT_FALSE(main->isVisible());
    auto* quizField = find<QLabel>("QuizField");
    EXPECT_EQ(quiz->windowTitle(), "Lexivo Vocabulary Drill");
    EXPECT_EQ(quizField->text(), greek("a)gaqo/s"));
    EXPECT_EQ(quizField->font().family(), "Ortholex");
    ASSERT_EQ(visibleSlots(), 6); // seven meanings, six slots
    // The fonts of the question, the answer field, the marker box, the typed Greek, an answer
    // and its marker: the Greek font where Greek is shown, else the English one; the markers
    // smaller than the answers, and a Greek question larger than them.
    auto fonts = [&] {
        QStringList families;
        for (const char* name : {"QuizField", "UserField", "TypeCaseField", "UserGreekField"})
            families << find<QWidget>(name)->font().family();
        families << answer(5)->font().family() << marker(5)->font().family();
        EXPECT_LT(marker(5)->font().pointSize(), answer(5)->font().pointSize());
        return families.join("|").toStdString();
    };
    EXPECT_EQ(fonts(), "Ortholex|MS Sans Serif|MS Sans Serif|Ortholex|MS Sans Serif|MS Sans Serif");
    EXPECT_GT(quizField->font().pointSize(), answer(5)->font().pointSize());
    EXPECT_EQ(QStringList({label("ToGoField"), label("ScoreField"), label("StatsField"),
                           label("ChapterField"), label("ItemScoreField")})
                  .join("|"),
              " 4 items out of  4.|Drill Score:  0%| 4/ 4 (words in drill)|Chapter:  3|"
              "Item's Score:  0");
    openTheChartTwice(quiz);
    EXPECT_EQ(
        QStringList({label("Label1"), label("Label2"), label("Label3"),
                     find<QPushButton>("Enter")->text(), find<QPushButton>("Command1")->text()})
            .join("|"),
        "Your Answer:|Followed by (case/mood/etc.):|(Click to edit answer)|Enter|End Drill");
    // Slots 0 to 2 run down the left column, 3 to 5 down the right one at the same heights;
    // each slot's answer lies in its rectangle with its marker to the right of it.
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const QRect box = frame(i)->geometry();
        if (i >= 3) {
            const QRect beside = frame(i - 3)->geometry();
            EXPECT_EQ(box.top(), beside.top());
            EXPECT_GT(box.left(), beside.right());
        }
        if (i % 3 > 0) {
            const QRect above = frame(i - 1)->geometry();
            EXPECT_EQ(box.left(), above.left());
            EXPECT_GT(box.top(), above.bottom());
        }
        EXPECT_EQ(frame(i)->frameShape(), QFrame::Box); // an outline
        EXPECT_TRUE(box.contains(answer(i)->geometry()) && box.contains(marker(i)->geometry()));
        EXPECT_GT(marker(i)->geometry().left(), answer(i)->geometry().right());
    }
    // The menus with their access keys. Help opens the help viewer of the drill window; About
    // shows the splash window in front of the drill, which goes on after it.
    QStringList menus;
    for (QAction* menu : static_cast<QMainWindow*>(&*quiz)->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        menus << menu->text() + "[" + items.join("|") + "]";
    }
    EXPECT_EQ(menus.join(" "),
              "&File[&QuitLexivo] &Drill[&End Drill] &Help[&About Lexivo|-|Lexivo &Help]");
    find<QAction>("mnuHelpHelp")->trigger();
    auto* help = find<QTextBrowser>("HelpText");
    EXPECT_TRUE(help->window()->isVisible());
    EXPECT_TRUE(help->toPlainText().contains("HELPER.HLP"));
    help->window()->close();
    SetSplashInterval(20);
    quiz->activateWindow(); // the drill window is the one in front, as when its menu is used
    ASSERT_TRUE(QTest::qWaitForWindowActive(quiz));
    bool closedByItsTimer = false;
    QWidget* aboutOwner = nullptr;
    whenSplashShows(closedByItsTimer,
                    [&](QWidget* splash) { aboutOwner = splash->parentWidget(); });
    find<QAction>("mnuHelpAbout")->trigger(); // returns once the window has closed
    EXPECT_EQ(aboutOwner, quiz);
    EXPECT_TRUE(closedByItsTimer);

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
    EXPECT_EQ(combo->currentIndex(), 3); // the item itself, as the box's list shows it
    EXPECT_EQ(answer(1)->text() + marker(1)->text(), "");
    QTest::keyClicks(userField, "kind");
    QTest::keyClick(userField, Qt::Key_Return);
    EXPECT_EQ(answer(1)->text() + marker(1)->text(), "kind+ Gen.");
    // The rectangle's right and bottom edges count; the click takes slot 0 back once.
    auto* form = static_cast<QMainWindow*>(&*quiz)->centralWidget();
    const QRect box = frame(0)->geometry();
    QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(box.x() + box.width(), box.bottom()));
    EXPECT_EQ(userField->text(), "good");
    EXPECT_EQ(answer(0)->text(), "");
    // A press begun on the surface and let go over a shown answer takes that slot back.
    QTest::keyClick(userField, Qt::Key_Return);
    ASSERT_EQ(answer(0)->text(), "good");
    userField->setText("brave");
    QTest::mouseClick(form, Qt::LeftButton, {}, answer(0)->geometry().center());
    EXPECT_EQ(userField->text(), "good");
    EXPECT_EQ(answer(0)->text(), "");
    QTest::mouseClick(answer(0), Qt::LeftButton); // an empty slot empties the field
    EXPECT_EQ(userField->text(), "");
    EXPECT_EQ(combo->currentText(), "None");
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(quizField->textFormat(), Qt::PlainText); // so is a question, whatever the list says
    answerWith("<b>x</b>"); // an answer that looks like markup is shown as typed
    EXPECT_GE(answer(0)->sizeHint().width(),
              answer(0)->fontMetrics().horizontalAdvance("<b>x</b>"));
    QTest::mouseClick(answer(0), Qt::LeftButton);
    userField->clear();

    const std::pair<const char*, const char*> typed[] = {
        {"P", "P"},        {"PA", "+ Part."}, {"x", "None"},       {"In", "In"}, {"inf", "+ Inf."},
        {"ind", "+ Ind."}, {"g", "+ Gen."},   {"pl", "in Plural"}, {"i", "i"},   {"a", "+ Acc."},
        {"S", "+ Sub."},   {"ac", "None"},    {"p", "p"},
    };
    // Typed with the window in front, as the user types: the box completes nothing itself.
    quiz->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(quiz));
    for (const auto& [keys, shown] : typed) {
        combo->lineEdit()->setFocus();
        combo->lineEdit()->selectAll(); // typing replaces the shown text
        QTest::keyClicks(combo->lineEdit(), QString::fromLatin1(keys));
        EXPECT_EQ(combo->currentText(), shown) << keys;
    }
    // Return in the box enters the answer with the free text as its marker; the items stay.
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(answer(0)->text() + "|" + marker(0)->text(), "-|p");
    EXPECT_EQ(combo->count(), 10);
    // Each Enter fills the next empty slot with a blank answer; the one after the sixth judges.
    for (int presses = 0; find<QPushButton>("Enter")->text() != "Next"; ++presses) {
        ASSERT_LT(presses, 7) << "the item is never judged";
        pressEnter();
    }
    picture(quiz, "quiz_greek");

    answerWith(""); // Return on "Next" asks the next item
    EXPECT_EQ(quizField->text(), "bring (+ Dat.)");
    EXPECT_EQ(label("ToGoField"), " 3 items out of  4.");
    EXPECT_EQ(find<QPushButton>("Enter")->text(), "Okay");
    ASSERT_EQ(visibleSlots(), 2);
    EXPECT_EQ(fonts(), "MS Sans Serif|MS Sans Serif|MS Sans Serif|Ortholex|Ortholex|MS Sans Serif");
    auto* userGreek = find<QLineEdit>("UserGreekField");
    EXPECT_TRUE(userGreek->isVisible());
    QTest::keyClicks(userField, "a)/gw");
    EXPECT_EQ(userGreek->text(), greek("a)/gw"));
    QTest::keyClick(userField, Qt::Key_Return);
    EXPECT_EQ(answer(0)->text(), greek("a)/gw"));
    EXPECT_EQ(answer(0)->font().family(), "Ortholex");
    EXPECT_EQ(userGreek->text(), "");
    answerWith("");
    // Clicking a hidden slot's place does nothing.
    QTest::mouseClick(form, Qt::LeftButton, {}, frame(3)->geometry().center());
    EXPECT_EQ(answer(1)->text(), "-");
    find<QComboBox>("TypeCaseField")->setFocus(); // a marker picked first
    QTest::mouseClick(answer(0), Qt::LeftButton); // Greek comes back as Beta code
    EXPECT_EQ(userField->text(), "a)/gw");
    EXPECT_EQ(quiz->focusWidget(), userField);
    EXPECT_EQ(userGreek->text(), greek("a)/gw"));
    // Exactly as typed: a breathing after a consonant shows as a bracket does, but stays one.
    QTest::keyClicks(userField, "[k)ai/]");
    QTest::keyClick(userField, Qt::Key_Return);
    QTest::mouseClick(answer(0), Qt::LeftButton);
    EXPECT_EQ(userField->text(), "[k)ai/]");
    QTest::keyClicks(userField, "a)/gw");
    picture(quiz, "quiz_english");
    pressEnter();
    EXPECT_EQ(quiz->focusWidget(), userField); // back for the next answer
    pressEnter();
    // Beta code left in the answer field when a Greek-to-English item follows leaves no Greek
    // behind for the next English-to-Greek item.
    QTest::keyClicks(userField, "lu/w");
    pressEnter();
    EXPECT_FALSE(userGreek->isVisible());
    EXPECT_EQ(quiz->focusWidget(), userField); // ready for the answer, the button clicked or not
    answerWith("loose");
    answerWith("set free");
    pressEnter();
    pressEnter();
    EXPECT_EQ(quizField->text(), "bring (+ Dat.)");
    EXPECT_EQ(label("ToGoField"), "Last item out of  4!");
    EXPECT_EQ(userGreek->text(), "");
    quiz->close();
    EXPECT_EQ(BetaCodeWin::Loaded(), nullptr); // the chart goes with the drill
}

} // namespace
