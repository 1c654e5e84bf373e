// The settings handlers: number fields with their key filter and spinners, the chapter range,
// the sliders and the default settings.
#include "MainWinFixture.h"
#include "platform/Folders.h"
#include "widgets/SpinArrows.h"

#include <QAction>
#include <QClipboard>
#include <QRegularExpression>
#include <QToolButton>

namespace {

void click(SpinArrows* arrows, Qt::ArrowType arrow) {
    for (QToolButton* button : arrows->findChildren<QToolButton*>())
        if (button->arrowType() == arrow)
            QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

// Numbers typed key by key into a field ("EndField=12"), pasted into it ("EndField:12"), or
// stepped by a click on its arrows ("EndArrows=+"), starting from the defaults; then the texts
// of HowManyField, StartField and EndField and the numbers stored. A blank parts the steps where
// a control's name follows it; other blanks are typed.
struct FieldCase {
    const char* steps;
    const char* shown;
};

// Names a case by its steps, so that its test keeps its name from one run to the next.
void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << '"' << c.steps << '"';
}

class NumberFieldTest : public MainWinTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(NumberFieldTest, TakeDigitsAndKeepTheFirstChapterUpToTheLast) {
    start();
    const QRegularExpression nextStep(" (?=[A-Z])");
    for (const QString& step : QString::fromLatin1(GetParam().steps).split(nextStep)) {
        const QByteArray control = step.section(QRegularExpression("[=:]"), 0, 0).toLatin1();
        const QByteArray keys = step.section(QRegularExpression("[=:]"), 1).toLatin1();
        if (auto* arrows = window->findChild<SpinArrows*>(control))
            click(arrows, keys == "+" ? Qt::UpArrow : Qt::DownArrow);
        else if (step.contains(':'))
            find<QLineEdit>(control)->setText(keys);
        else
            retype(control, keys);
    }
    EXPECT_EQ(QStringLiteral("%1|%2|%3 %4 %5 %6")
                  .arg(text("HowManyField"), text("StartField"), text("EndField"))
                  .arg(Prefs.Iterations)
                  .arg(Prefs.VocabChaptStart)
                  .arg(Prefs.VocabChaptEnd)
                  .toStdString(),
              GetParam().shown)
        << GetParam().steps;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, NumberFieldTest,
    testing::Values(
        FieldCase{"HowManyField=7x 5- EndField=1 2", "75| 1| 12 75 1 12"},
        FieldCase{"HowManyField=", "| 1| 3 0 1 3"},
        // Beyond 16 bits a number stays in the field and is stored as the limit.
        FieldCase{"HowManyField=99999999999", "99999999999| 1| 3 32767 1 3"},
        FieldCase{"HowManyField:1e999", "1e999| 1| 3 32767 1 3"},
        FieldCase{"StartField=40000", "50| 32767| 32767 50 32767 32767"},
        FieldCase{"VScroll1=+", " 60| 1| 3 60 1 3"},
        FieldCase{"VScroll1=+ VScroll1=- VScroll1=-", " 40| 1| 3 40 1 3"},
        FieldCase{"EndField=5 StartField=7", "50| 7| 7 50 7 7"},
        FieldCase{"EndField=5 StartField=7 EndField=2", "50| 2| 2 50 2 2"},
        // Every keystroke counts: 12 passes through 1, which pulls the first chapter down.
        FieldCase{"EndField=9 StartField=4 EndField=12", "50| 1| 12 50 1 12"},
        // Empty or zero changes nothing.
        FieldCase{"StartField=2 EndField=6 StartField= EndField=0", "50||0 50 2 6"},
        // Arrows stay within the range.
        FieldCase{"StartArrows=+ StartArrows=+ StartArrows=+ EndArrows=- StartArrows=- "
                  "EndArrows=-",
                  "50| 2| 2 50 2 2"},
        // Arrows set beyond their reach stand at its end and step from there.
        FieldCase{"EndField=12 EndArrows=+ EndArrows=-", "50| 1| 2 50 1 2"},
        FieldCase{"EndField=12 EndArrows=- StartField=8 EndArrows=- EndArrows=+",
                  "50| 8| 8 50 8 8"}));

// Every general setting written by its control; the vocabulary pane's button and the Drills menu
// reset them all without saving; the menu resets the verb pane too, but leaves the noun pane alone.
TEST_F(MainWinTest, SettingsAndTheirDefaults) {
    start();
    for (const char* how : {"VocabDefaultButton", "mnuDrillDefault"}) {
        SCOPED_TRACE(how);
        retype("HowManyField", "120");
        auto* lists = find<QListWidget>("FileField");
        lists->setCurrentRow(lists->currentRow() == 0 ? 1 : 0);
        retype("EndField", "9");
        retype("StartField", "4");
        find<QSlider>("PercentActive")->setValue(80);
        find<QSlider>("ReinforceSlide")->setValue(9);
        find<QSlider>("ReviewSlide")->setValue(60);
        find<QComboBox>("EnglishFont")->setCurrentIndex(0);
        find<QCheckBox>("Accents")->setChecked(false);
        find<QCheckBox>("IndicBut")->setChecked(false);
        find<QCheckBox>("NounDualBut")->setChecked(true);
        EXPECT_EQ(asFile(Prefs), "120\r\n\"Other.lxv\"\r\n80\r\n4\r\n9\r\n9\r\n\"Ortholex\"\r\n"
                                 "\"Arial\"\r\n60\r\n0\r\n");
        EXPECT_EQ(find<QLabel>("ActiveText")->text() + "|" + find<QLabel>("ReinforceText")->text() +
                      "|" + find<QLabel>("ReviewText")->text(),
                  " 80% Active Knowledge| 9 Correct Answers.| 60% Review.");
        if (how[0] == 'V')
            click(window, how);
        else
            find<QAction>(how)->trigger();
        expectDefaults();
        EXPECT_EQ(find<QCheckBox>("IndicBut")->isChecked(), how[0] == 'm');
        EXPECT_TRUE(find<QCheckBox>("NounDualBut")->isChecked());
    }
    EXPECT_FALSE(FileExists(path("Users/Maria/Prefs.lxp")));
}

// A key held with Ctrl reaches the window's shortcut even from a number field: Ctrl+V begins the
// verb drill (which finds no verb chosen) instead of pasting.
TEST_F(MainWinTest, TheWindowsShortcutsGoBeforeANumberField) {
    start();
    find<QPushButton>("BevelButton2")->click();
    QApplication::clipboard()->setText(QStringLiteral("77"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    find<QLineEdit>("StartField")->setFocus();
    QTest::keyClick(find<QLineEdit>("StartField"), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.substr(0, 40), "You need to choose at least one verb fro");
    EXPECT_EQ(text("StartField"), " 1");
}
