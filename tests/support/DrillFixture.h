#pragma once

#include "greek/GreekStuff.h"
#include "paradigm/NounQuizWindow.h"
#include "paradigm/VerbQuizWindow.h"
#include "platform/DefaultButton.h"
#include "platform/Random.h"
#include "support/ListItem.h"
#include "support/ProgramTest.h"
#include "widgets/DisplayFontText.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <utility>

// The Greek on screen of a form as the data files spell it.
inline QString greek(const std::string& dataFont) {
    return DisplayFontToQString(BetaToDisplayFont(DataFontToBeta(dataFont)));
}

// The first and last columns in which a control draws anything on its background: where its
// text stands.
inline std::pair<int, int> inkColumns(QWidget* control) {
    const QImage image = control->grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

// The random numbers of newly drawn items: for each, the number of its mode, then six equal draws
// of a candidate.
inline std::vector<double> draws(const std::vector<std::pair<double, double>>& items) {
    std::vector<double> script;
    for (auto [mode, candidate] : items) {
        script.push_back(mode);
        script.insert(script.end(), 6, candidate);
    }
    return script;
}

// The program started for Maria with small paradigm files; the drills are begun from the main
// window as the user begins them.
class DrillTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        makeData();
        write("Data/Verbs.lxd", "2\r\n"
                                "01111111,lu/w\r\n"     // 1 present active indicative 1 sg
                                "01111131,lu/omen\r\n"  // 2 1 pl
                                "01115001,lu/ein\r\n"   // 3 infinitive
                                "01112231,lu/ete\r\n"   // 4 imperative 2 pl
                                "01111231,lu/ete\r\n"   // 5 indicative 2 pl
                                "01112331,luo/ntwn\r\n" // 6 imperative 3 pl
                                "02111111,pe/mpw\r\n");
        write("Data/VerbIndex.lxd", "1\r\n01111231 01112231\r\n");
        write("Data/Nouns.lxd", "2\r\n011111,lo/gos\r\n011211,lo/gou\r\n011511,lo/ge\r\n"
                                "021121,xw/ra\r\n021221,xw/ras\r\n021423,xw/ras\r\n");
        write("Data/NounIndex.lxd", "1\r\n021221 021423\r\n");
        write("Data/NounList.lxd", "3\r\n01 x lo/gos\r\n02 x xw/ra\r\n03 x au)to/s\r\n");
        std::filesystem::create_directories(path("Users/Maria"));
    }

    void TearDown() override {
        SetRandomScript({});
        ProgramTest::TearDown();
    }

    void startProgram() { main = start(QStringLiteral("Maria")); }

    // Sets How Many? and the verb or noun tab's choices, then clicks Begin Drill.
    void begin(int tab, const char* howMany) {
        auto* field = child<QLineEdit>(main, "HowManyField");
        field->setText(QString::fromLatin1(howMany));
        child<QTabBar>(main, "MainTab")->setCurrentIndex(tab);
        click(main, tab == 1 ? "VerbBeginButton" : "NounBeginButton");
        drill = tab == 1 ? static_cast<ParadigmQuizWindow*>(VerbQuizWindow::Loaded())
                         : NounQuizWindow::Loaded();
    }

    // Begins a drill that must come up: the test stops when no drill window shows.
    void beginShown(int tab, const char* howMany) {
        begin(tab, howMany);
        ASSERT_TRUE(drill->isVisible()) << "no drill shown";
    }

    void checkBox(const char* name, bool checked = true) {
        child<QAbstractButton>(main, name)->setChecked(checked);
    }
    void checkItems(const char* list, const std::vector<int>& rows) {
        auto* box = child<QListWidget>(main, list);
        for (int i = 0; i < box->count(); ++i)
            box->item(i)->setCheckState(Qt::Unchecked);
        for (int row : rows)
            listItem(box, row)->setCheckState(Qt::Checked);
    }

    // Picks the parse by its option buttons, then clicks Enter.
    void parse(std::initializer_list<const char*> buttons) {
        for (const char* name : buttons)
            QTest::mouseClick(child<QRadioButton>(drill, name), Qt::LeftButton);
        click(drill, "EnterButton");
    }

    // The one-second pause after a right answer runs out. The wait is bounded only so that a
    // timer that never fires fails the test instead of stopping it: Qt sets no upper bound.
    void pause() {
        QPointer<QTimer> timer = child<QTimer>(drill, "BlinkTimer");
        ASSERT_TRUE(timer->isActive()) << "no pause: the answer was not taken as right";
        EXPECT_EQ(timer->interval(), 1000);
        // The tick may end the drill, and the window goes with its timer.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !timer || !timer->isActive(); }, 20000));
    }

    QString label(const char* name) const { return child<QLabel>(drill, name)->text(); }
    // The names of the selected option buttons, in the window's order.
    std::string selected() const {
        std::string names;
        for (QRadioButton* option : drill->findChildren<QRadioButton*>())
            if (option->isChecked())
                names += option->objectName().toStdString() + " ";
        return names;
    }
    // The answer buttons that can be pressed, the default one marked with '*'.
    std::string armed() const {
        std::string text;
        for (const char* name : {"EnterButton", "GiveUpButton", "AgainButton"}) {
            auto* button = child<QPushButton>(drill, name);
            if (button->isEnabled())
                text += (DefaultButton(drill) == button ? "*" : "") + std::string(name) + " ";
        }
        return text;
    }
    // The status fields: possible, to go, given up, correct, score.
    std::string status() const {
        std::string text;
        for (const char* field :
             {"FormsSelectedField", "RemainingField", "GiveUpsField", "CorrectField", "ScoreField"})
            text += label(field).toStdString() + "|";
        return text;
    }

    void picture(const char* name) const { ::picture(drill, name); }

    // Lets the closed drill window go.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    WelcomeWin* main = nullptr;
    WindowHandle<ParadigmQuizWindow> drill;
};
