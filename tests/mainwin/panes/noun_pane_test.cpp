#include "PaneFixture.h"
#include "greek/GreekStuff.h"
#include "mainwin/NounPane.h"
#include "support/LaidOut.h"

#include <QGroupBox>

namespace {

// Three words; the second takes several lines. The name is the third blank-separated field.
const std::string threeWords = "3\r\n"
                               "01 1 lovgo\" x\r\n"
                               "02 1 cwvra\r\n"
                               "02 2 more lines\r\n"
                               "03 3 kalov\"\r\n";

class NounPaneTest : public PaneFixture<NounPane> {
protected:
    void loadList(const std::string& file = threeWords) {
        data.write("NounList.lxd", file);
        pane->LoadNounList();
    }
    void expectDefaults(const std::string& items) {
        EXPECT_FALSE(box("NounDualBut")->isChecked());
        EXPECT_FALSE(box("NounVocativeBut")->isChecked());
        EXPECT_EQ(checks("NounListBox"), items);
    }
};

// Each word is listed once, by the third field of its first line; its preferences are saved,
// read back, and replaced by the defaults after a message when there are too few of them.
TEST_F(NounPaneTest, ListsEachWordOnceAndKeepsItsPrefs) {
    loadList();
    EXPECT_EQ(checks("NounListBox"), "000");
    EXPECT_EQ(text("NounListBox", 1), BetaToDisplayFont(DataFontToBeta("cwvra")));
    EXPECT_EQ(text("NounListBox", 2), BetaToDisplayFont(DataFontToBeta("kalov\"")));
    const QFont font = child<QListWidget>("NounListBox")->font();
    EXPECT_EQ(font.family().toStdString() + " " + std::to_string(font.pointSizeF()),
              "Ortholex 9.750000");
    EXPECT_EQ(controlRows<QCheckBox>(child<QGroupBox>("NounSelectFrame")),
              "NounDualBut\nNounVocativeBut\n");
    expectLaidOut(pane);
    pane->SaveNounPrefs("01,03", true, false);
    EXPECT_EQ(TempFolder::read(user.path("NounPrefs.lxp")),
              "\"01,03\"\r\n\"true\"\r\n\"false\"\r\n");
    pane->LoadNounPrefs();
    EXPECT_EQ(checks("NounListBox"), "101");
    EXPECT_TRUE(box("NounDualBut")->isChecked());
    EXPECT_FALSE(box("NounVocativeBut")->isChecked());
    EXPECT_TRUE(messages.empty());

    // Too few values for the noun pane's file.
    checkEverything("NounListBox");
    user.write("NounPrefs.lxp", "\"2\"\r\n\"true\"\r\n");
    pane->LoadNounPrefs();
    EXPECT_EQ(messages, std::vector<Message>{prefsError});
    expectDefaults("100");

    checkEverything("NounListBox");
    click("NounDefaultButton");
    expectDefaults("100");
}

using NounPaneDeathTest = NounPaneTest;

TEST_F(NounPaneDeathTest, MissingOrUnreadableWordFileEndsTheProgram) {
    EXPECT_EXIT(pane->LoadNounList(), testing::ExitedWithCode(0),
                "Could not find NounList.lxd. Please reinstall.");
    data.write("NounList.lxd", "1\r\n01 lovgo\"\r\n"); // no third field
    EXPECT_EXIT(pane->LoadNounList(), testing::ExitedWithCode(0), "File error loading nouns.");
}

} // namespace
