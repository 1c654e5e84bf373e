// The settings handlers: number fields with their key filter and spinners, the chapter range,
// the sliders and the default settings.
#include "MainWinFixture.h"
#include "mainwin/SpinArrows.h"
#include "platform/Folders.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {

void click(SpinArrows* arrows, Qt::ArrowType arrow) {
    for (QToolButton* button : arrows->findChildren<QToolButton*>())
        if (button->arrowType() == arrow)
            QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

TEST_F(MainWinTest, HowManyTakesDigitsOnlyAndItsSpinnerStepsByTen) {
    start();
    retype("HowManyField", "7x5-");
    EXPECT_EQ(text("HowManyField"), "75");
    EXPECT_EQ(Prefs.Iterations, 75);

    retype("HowManyField", "");
    EXPECT_EQ(Prefs.Iterations, 0);

    retype("HowManyField", "50");
    click(find<SpinArrows>("VScroll1"), Qt::UpArrow);
    EXPECT_EQ(text("HowManyField"), " 60");
    EXPECT_EQ(Prefs.Iterations, 60);
    click(find<SpinArrows>("VScroll1"), Qt::DownArrow);
    click(find<SpinArrows>("VScroll1"), Qt::DownArrow);
    EXPECT_EQ(text("HowManyField"), " 40");
    EXPECT_EQ(Prefs.Iterations, 40);
}

TEST_F(MainWinTest, NumbersBeyondSixteenBitsAreKeptInTheFieldAndStoredAsTheLimit) {
    start();
    retype("HowManyField", "99999999999");
    EXPECT_EQ(text("HowManyField"), "99999999999");
    EXPECT_EQ(Prefs.Iterations, 32767);

    retype("StartField", "40000");
    EXPECT_EQ(Prefs.VocabChaptStart, 32767);
    EXPECT_EQ(Prefs.VocabChaptEnd, 32767);
    EXPECT_EQ(text("EndField"), " 32767");

    find<QLineEdit>("HowManyField")->setText("1e999"); // pasted text is not filtered
    EXPECT_EQ(Prefs.Iterations, 32767);
}

TEST_F(MainWinTest, TypingAFirstChapterBeyondTheLastMovesTheLast) {
    start();
    retype("EndField", "5");
    retype("StartField", "7");
    EXPECT_EQ(Prefs.VocabChaptStart, 7);
    EXPECT_EQ(Prefs.VocabChaptEnd, 7);
    EXPECT_EQ(text("StartField"), " 7");
    EXPECT_EQ(text("EndField"), " 7");

    retype("EndField", "2");
    EXPECT_EQ(Prefs.VocabChaptStart, 2);
    EXPECT_EQ(Prefs.VocabChaptEnd, 2);
    EXPECT_EQ(text("StartField"), " 2");
}

TEST_F(MainWinTest, EveryKeystrokeInAChapterFieldCounts) {
    start();
    retype("EndField", "9");
    retype("StartField", "4");
    ASSERT_EQ(Prefs.VocabChaptStart, 4);

    // 12 passes through 1, which pulls the first chapter down with it.
    retype("EndField", "12");
    EXPECT_EQ(Prefs.VocabChaptStart, 1);
    EXPECT_EQ(Prefs.VocabChaptEnd, 12);
    EXPECT_EQ(text("StartField"), " 1");
    EXPECT_EQ(text("EndField"), " 12");
}

TEST_F(MainWinTest, AnEmptyOrZeroChapterLeavesTheRangeAlone) {
    start();
    retype("StartField", "2");
    retype("EndField", "6");
    retype("StartField", "");
    retype("EndField", "0");
    EXPECT_EQ(Prefs.VocabChaptStart, 2);
    EXPECT_EQ(Prefs.VocabChaptEnd, 6);
    EXPECT_EQ(text("StartField"), "");
    EXPECT_EQ(text("EndField"), "0");
}

TEST_F(MainWinTest, ChapterSpinnersStepWithinTheRange) {
    start(); // chapters 1 to 3
    auto* startArrows = find<SpinArrows>("StartArrows");
    auto* endArrows = find<SpinArrows>("EndArrows");
    click(startArrows, Qt::UpArrow);
    click(startArrows, Qt::UpArrow);
    EXPECT_EQ(text("StartField"), " 3");
    click(startArrows, Qt::UpArrow); // the first chapter stops at the last
    EXPECT_EQ(text("StartField"), " 3");
    EXPECT_EQ(Prefs.VocabChaptStart, 3);
    click(endArrows, Qt::DownArrow); // and the last at the first
    EXPECT_EQ(text("EndField"), " 3");

    click(startArrows, Qt::DownArrow);
    click(endArrows, Qt::DownArrow);
    EXPECT_EQ(Prefs.VocabChaptStart, 2);
    EXPECT_EQ(Prefs.VocabChaptEnd, 2);
}

TEST_F(MainWinTest, ASpinnerSetBeyondItsRangeStandsAtItsLimitAndStepsFromThere) {
    start();
    auto* endArrows = find<SpinArrows>("EndArrows"); // reaches chapter 3 at most
    retype("EndField", "12");
    EXPECT_EQ(endArrows->shownValue(), 3);
    EXPECT_EQ(text("EndField"), " 12");
    EXPECT_EQ(Prefs.VocabChaptEnd, 12);
    click(endArrows, Qt::UpArrow);
    EXPECT_EQ(Prefs.VocabChaptEnd, 12);
    click(endArrows, Qt::DownArrow);
    EXPECT_EQ(Prefs.VocabChaptEnd, 2);

    // A first chapter beyond the last arrow's reach pins the last arrows at it.
    retype("StartField", "8");
    EXPECT_EQ(endArrows->shownValue(), 8);
    click(endArrows, Qt::DownArrow);
    click(endArrows, Qt::UpArrow);
    EXPECT_EQ(Prefs.VocabChaptStart, 8);
    EXPECT_EQ(Prefs.VocabChaptEnd, 8);
}

TEST_F(MainWinTest, SlidersShowTheirValues) {
    start();
    find<QSlider>("PercentActive")->setValue(40);
    find<QSlider>("ReinforceSlide")->setValue(7);
    find<QSlider>("ReviewSlide")->setValue(0);
    EXPECT_EQ(find<QLabel>("ActiveText")->text(), " 40% Active Knowledge");
    EXPECT_EQ(find<QLabel>("ReinforceText")->text(), " 7 Correct Answers.");
    EXPECT_EQ(find<QLabel>("ReviewText")->text(), " 0% Review.");
    EXPECT_EQ(Prefs.PercentActive, 40);
    EXPECT_EQ(Prefs.Reinforcement, 7);
    EXPECT_EQ(Prefs.Review, 0);

    find<QCheckBox>("Accents")->setChecked(false);
    EXPECT_EQ(Prefs.AccentsImportant, 0);
}

class DefaultSettingsTest : public MainWinTest {
protected:
    void changeEverything() {
        retype("HowManyField", "120");
        find<QListWidget>("FileField")
            ->setCurrentRow(find<QListWidget>("FileField")->currentRow() == 0 ? 1 : 0);
        retype("EndField", "9");
        retype("StartField", "4");
        find<QSlider>("PercentActive")->setValue(80);
        find<QSlider>("ReinforceSlide")->setValue(9);
        find<QSlider>("ReviewSlide")->setValue(60);
        find<QComboBox>("EnglishFont")->setCurrentIndex(0);
        find<QCheckBox>("Accents")->setChecked(false);
        ASSERT_NE(Prefs.VocabFileName, "Athenaze.lxv");
    }

    void expectDefaults() {
        EXPECT_EQ(text("HowManyField"), "50");
        EXPECT_EQ(Prefs.Iterations, 50);
        EXPECT_EQ(Prefs.VocabFileName, "Athenaze.lxv");
        EXPECT_EQ(find<QListWidget>("FileField")->currentItem()->text(), "Athenaze.lxv");
        EXPECT_EQ(text("StartField"), " 1");
        EXPECT_EQ(text("EndField"), " 3");
        EXPECT_EQ(Prefs.VocabChaptStart, 1);
        EXPECT_EQ(Prefs.VocabChaptEnd, 3);
        EXPECT_EQ(Prefs.PercentActive, 15);
        EXPECT_EQ(Prefs.Reinforcement, 3);
        EXPECT_EQ(Prefs.Review, 25);
        EXPECT_EQ(find<QLabel>("ReviewText")->text(), " 25% Review.");
        EXPECT_EQ(Prefs.EnglishFont, "MS Sans Serif");
        EXPECT_EQ(find<QComboBox>("EnglishFont")->currentText(), "MS Sans Serif");
        EXPECT_EQ(Prefs.AccentsImportant, 1);
        EXPECT_TRUE(find<QCheckBox>("Accents")->isChecked());
        EXPECT_TRUE(messages.empty());
    }
};

TEST_F(DefaultSettingsTest, TheVocabularyPaneButtonResetsEveryGeneralSetting) {
    start();
    changeEverything();
    QTest::mouseClick(find<QPushButton>("VocabDefaultButton"), Qt::LeftButton);
    expectDefaults();
    EXPECT_FALSE(FileExists(userPath("Prefs.lxp"))); // nothing is saved
}

TEST_F(DefaultSettingsTest, TheDrillsMenuResetsTheGeneralSettingsAndTheVerbPaneOnly) {
    start();
    changeEverything();
    find<QCheckBox>("IndicBut")->setChecked(false);
    find<QCheckBox>("FutBut")->setChecked(true);
    find<QCheckBox>("NounDualBut")->setChecked(true);
    find<QAction>("mnuDrillDefault")->trigger();
    expectDefaults();
    EXPECT_TRUE(find<QCheckBox>("IndicBut")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("FutBut")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("NounDualBut")->isChecked());
}
