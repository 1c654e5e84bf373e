// The settings handlers: number fields with their key filter and spinners, the chapter range,
// the sliders and the default settings.
#include "MainWinFixture.h"
#include "mainwin/SpinArrows.h"
#include "platform/Folders.h"

#include <QAction>
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

    // A number beyond 16 bits stays in the field and is stored as the limit.
    retype("HowManyField", "99999999999");
    EXPECT_EQ(text("HowManyField"), "99999999999");
    EXPECT_EQ(Prefs.Iterations, 32767);
    find<QLineEdit>("HowManyField")->setText("1e999"); // pasted text is not filtered
    EXPECT_EQ(Prefs.Iterations, 32767);

    retype("HowManyField", "50");
    click(find<SpinArrows>("VScroll1"), Qt::UpArrow);
    EXPECT_EQ(text("HowManyField"), " 60");
    EXPECT_EQ(Prefs.Iterations, 60);
    click(find<SpinArrows>("VScroll1"), Qt::DownArrow);
    click(find<SpinArrows>("VScroll1"), Qt::DownArrow);
    EXPECT_EQ(Prefs.Iterations, 40);
}

// Chapters typed key by key into a field ("EndField=12"), or stepped by a click on its arrows
// ("EndArrows=+"), starting from the range 1 to 3.
struct ChapterCase {
    const char* what;
    const char* steps;
    const char* fields; // the texts of StartField and EndField afterwards
    int start, end;
};

void PrintTo(const ChapterCase& c, std::ostream* out) {
    *out << c.what;
}

class ChapterFieldTest : public MainWinTest, public testing::WithParamInterface<ChapterCase> {};

TEST_P(ChapterFieldTest, KeepTheFirstChapterUpToTheLast) {
    const ChapterCase& c = GetParam();
    start();
    for (const QString& step : QString::fromLatin1(c.steps).split(' ')) {
        const QByteArray control = step.section('=', 0, 0).toLatin1();
        const QByteArray keys = step.section('=', 1).toLatin1();
        if (control.endsWith("Arrows"))
            click(find<SpinArrows>(control), keys == "+" ? Qt::UpArrow : Qt::DownArrow);
        else
            retype(control, keys);
    }
    EXPECT_EQ(text("StartField") + "|" + text("EndField"), c.fields);
    EXPECT_EQ(Prefs.VocabChaptStart, c.start);
    EXPECT_EQ(Prefs.VocabChaptEnd, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ChapterFieldTest,
    testing::Values(
        ChapterCase{"first beyond the last", "EndField=5 StartField=7", " 7| 7", 7, 7},
        ChapterCase{"last below the first", "EndField=5 StartField=7 EndField=2", " 2| 2", 2, 2},
        // 12 passes through 1, which pulls the first chapter down with it.
        ChapterCase{"every keystroke counts", "EndField=9 StartField=4 EndField=12", " 1| 12", 1,
                    12},
        ChapterCase{"empty or zero changes nothing",
                    "StartField=2 EndField=6 StartField= EndField=0", "|0", 2, 6},
        ChapterCase{"beyond 16 bits", "StartField=40000", " 32767| 32767", 32767, 32767},
        ChapterCase{"arrows stay within the range",
                    "StartArrows=+ StartArrows=+ StartArrows=+ EndArrows=- StartArrows=- "
                    "EndArrows=-",
                    " 2| 2", 2, 2},
        // Arrows set beyond their reach stand at its end and step from there.
        ChapterCase{"arrows step from their limit", "EndField=12 EndArrows=+ EndArrows=-", " 1| 2",
                    1, 2},
        ChapterCase{"a first chapter pins the last arrows",
                    "EndField=12 EndArrows=- StartField=8 EndArrows=- EndArrows=+", " 8| 8", 8, 8}),
    [](const testing::TestParamInfo<ChapterCase>& info) { return std::to_string(info.index); });

TEST_F(MainWinTest, SlidersAndAccentsWriteThePreferences) {
    start();
    find<QSlider>("PercentActive")->setValue(40);
    find<QSlider>("ReinforceSlide")->setValue(7);
    find<QSlider>("ReviewSlide")->setValue(0);
    find<QCheckBox>("Accents")->setChecked(false);
    EXPECT_EQ(find<QLabel>("ActiveText")->text(), " 40% Active Knowledge");
    EXPECT_EQ(find<QLabel>("ReinforceText")->text(), " 7 Correct Answers.");
    EXPECT_EQ(find<QLabel>("ReviewText")->text(), " 0% Review.");
    EXPECT_EQ(asFile(Prefs), "50\r\n\"Athenaze.lxv\"\r\n40\r\n1\r\n3\r\n7\r\n\"Ortholex\"\r\n"
                             "\"MS Sans Serif\"\r\n0\r\n0\r\n");
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
