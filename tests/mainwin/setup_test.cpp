// The main window's set-up: fonts, vocabulary lists, greeting, tabs and the default button.
#include "MainWinFixture.h"
#include "support/LaidOut.h"

#include <QGroupBox>

#include <QSignalSpy>
#include <QTabBar>

namespace {

QStringList entries(const QAbstractItemModel* list) {
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << list->index(row, 0).data().toString();
    return texts;
}

} // namespace

// The font lists hold the installed fonts, the Greek one Ortholex alone; the vocabulary lists are
// the files whose names end in lower-case .lxv.
TEST_F(MainWinTest, TheListsHoldTheInstalledFontsAndTheVocabularyLists) {
    SetInstalledFontsForTest(std::vector<std::string>{"Zapf", "Ortholex", "Arial"});
    for (const char* name : {"Capitals.LXV", "Notes.lxv.txt", ".lxv"})
        write(std::string("Data/") + name, "0\r\n");
    start();
    EXPECT_EQ(Prefs.EnglishFont, "Zapf"); // without MS Sans Serif, the first font
    EXPECT_TRUE(messages.empty());        // a missing English font is no one's concern
    auto* english = find<QComboBox>("EnglishFont");
    EXPECT_EQ(entries(english->model()), QStringList({"Zapf", "Ortholex", "Arial"}));
    EXPECT_EQ(entries(find<QComboBox>("GreekFont")->model()), QStringList({"Ortholex"}));
    // The labels name their controls for a screen reader.
    EXPECT_EQ(labelledBy(find<QLabel>("Label2")) + " " + labelledBy(find<QLabel>("Lable2")) + " " +
                  labelledBy(find<QLabel>("Label1")),
              "GreekFont EnglishFont HowManyField");
    english->setCurrentIndex(2);
    EXPECT_EQ(Prefs.EnglishFont, "Arial");
    QStringList lists = entries(find<QListWidget>("FileField")->model());
    lists.sort();
    EXPECT_EQ(lists, QStringList({".lxv", "Athenaze.lxv", "Other.lxv"}));
}

TEST_F(MainWinTest, WithoutOrtholexOrAVocabularyListTheProgramEnds) {
    for (const char* fonts : {"", "ortholex", "Ortholex3"}) {
        SCOPED_TRACE(fonts);
        SetInstalledFontsForTest(std::vector<std::string>{"Arial", fonts});
        expectStartEndsSaying("You must install the Ortholex font before using Lexivo.");
    }
    SetInstalledFontsForTest(std::vector<std::string>{"Ortholex"});
    std::filesystem::remove(path("Data/Athenaze.lxv"));
    std::filesystem::remove(path("Data/Other.lxv"));
    write("Data/Athenaze.LXV", "0\r\n");
    expectStartEndsSaying(
        "Could not find any valid vocabulary files in the Data folder. Please reinstall at leas "
        "one .lxv file.");
}

TEST_F(MainWinTest, ATabShowsItsPaneAloneAndEnterPressesItsBeginButton) {
    start();
    // Begin Drill then finds no verb or word chosen: it says so and the main window stays.
    find<QPushButton>("BevelButton2")->click();
    find<QPushButton>("BevelButton3")->click();
    const char* panes[] = {"VocabBeginButton", "VerbBeginButton", "NounBeginButton"};
    QSignalSpy vocab(find<QPushButton>(panes[0]), &QPushButton::clicked);
    QSignalSpy verbs(find<QPushButton>(panes[1]), &QPushButton::clicked);
    QSignalSpy nouns(find<QPushButton>(panes[2]), &QPushButton::clicked);
    std::string presses;
    for (int tab : {0, 1, 2, 0, 2, 1, 0, 1}) { // every tab from every other
        find<QTabBar>("MainTab")->setCurrentIndex(tab);
        picture(window, ("main" + std::to_string(tab)).c_str());
        expectLaidOut(window);
        QTest::keyClick(find<QLineEdit>("HowManyField"), tab == 1 ? Qt::Key_Enter : Qt::Key_Return,
                        tab == 1 ? Qt::KeypadModifier : Qt::NoModifier);
        for (int pane = 0; pane < 3; ++pane)
            EXPECT_EQ(find<QPushButton>(panes[pane])->isVisible(), pane == tab) << tab << pane;
        presses += std::to_string(vocab.count()) + std::to_string(verbs.count()) +
                   std::to_string(nouns.count()) + " ";
    }
    EXPECT_EQ(presses, "100 110 111 211 212 222 322 332 ");

    // Enter on another button presses that one.
    auto* defaults = find<QPushButton>("VerbDefaultButton");
    QSignalSpy pressed(defaults, &QPushButton::clicked);
    defaults->setFocus();
    QTest::keyClick(defaults, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(verbs.count(), 3);
}

// A window made larger gives the room to the panes' lists and frames by fixed shares; the settings
// keep their height and share the width three to two to three.
TEST_F(MainWinTest, AWindowMadeLargerSharesItsRoomOut) {
    start();
    auto* tabs = find<QTabBar>("MainTab");
    // How far down their frames the check boxes and the chapter fields stand, tab by tab.
    auto heights = [&] {
        std::string text;
        for (int tab : {0, 1, 2}) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            for (const char* frame : {"FilesGroupBox", "VerbSelectFormsFrame", "NounSelectFrame"})
                for (QWidget* control : find<QWidget>(frame)->findChildren<QWidget*>())
                    if (control->isVisible() && (qobject_cast<QCheckBox*>(control) ||
                                                 qobject_cast<QLineEdit*>(control)))
                        text += control->objectName().toStdString() + " " +
                                std::to_string(control->y()) + "\n";
        }
        return text;
    };
    const std::string heightsAtFirst = heights();
    window->resize(1800, 1200);
    EXPECT_EQ(heights(), heightsAtFirst);
    auto width = [this](const char* name) { return find<QWidget>(name)->width(); };
    auto keepsItsHeight = [this](const char* name) {
        QWidget* control = find<QWidget>(name);
        EXPECT_EQ(control->height(), control->sizeHint().height()) << name;
    };
    for (int tab : {0, 1, 2}) {
        tabs->setCurrentIndex(tab);
        expectLaidOut(window);
    }
    tabs->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_NEAR(width("FilesGroupBox"), width("ReinforceGroupBox"), 1);
    keepsItsHeight("ReinforceGroupBox");
    keepsItsHeight("ReviewGroupBox");
    keepsItsHeight("WelcomeText");
    keepsItsHeight("Frame2");
    EXPECT_NEAR(width("Frame2"), width("Frame3"), 1);
    EXPECT_NEAR(2 * width("Frame2"), 3 * width("Frame1"), 5);
    for (const char* pane : {"Verb", "Noun"}) {
        tabs->setCurrentIndex(pane[0] == 'V' ? 1 : 2);
        QApplication::processEvents();
        const std::string pick = std::string(pane) + "PickFrame";
        const std::string select = std::string(pane) + (pane[0] == 'V' ? "SelectFormsFrame" : "SelectFrame");
        EXPECT_NEAR(3 * width(pick.c_str()), 2 * width(select.c_str()), 5) << pane;
    }
}
