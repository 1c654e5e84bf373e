#include "PaneFixture.h"
#include "greek/GreekStuff.h"
#include "mainwin/VerbPane.h"
#include "platform/Folders.h"
#include "support/LaidOut.h"

#include <QGroupBox>

namespace {

// Four verbs; the first and third take several lines.
const std::string fourVerbs = "4\r\n"
                              "01111111,luvw,x\r\n"
                              "01111121,lueij\r\n"
                              "01111131,luei\r\n"
                              "02111111,paideuvw\r\n"
                              "03111111,gravfw\r\n"
                              "03211111,gravfomai\r\n"
                              "04111111,eijmiv\r\n";

class VerbPaneTest : public PaneFixture<VerbPane> {
protected:
    void loadList(const std::string& file = fourVerbs) {
        data.write("Verbs.lxd", file);
        pane->LoadVerbList();
    }
    void loadPrefs(const std::string& file) {
        user.write("VerbPrefs.lxp", file);
        pane->LoadVerbPrefs();
    }
    // The names of the checked boxes, in the order they were made.
    std::string checkedBoxes() {
        std::string names;
        for (QCheckBox* box : window.findChildren<QCheckBox*>())
            if (box->isChecked())
                names += (names.empty() ? "" : " ") + box->objectName().toStdString();
        return names;
    }
    void checkEverything() { PaneFixture::checkEverything("VerbListBox"); }
    void expectDefaults(const std::string& items) {
        EXPECT_EQ(checkedBoxes(), "IndicBut InfBut PresBut ActBut");
        EXPECT_EQ(checks("VerbListBox"), items);
    }
};

TEST_F(VerbPaneTest, ListsEachVerbOnceByTheFormOfItsFirstLine) {
    // Each loading starts from an empty list; the count line is trusted, but not beyond the
    // file. Lines are grouped by their first two characters only, whatever they are; a last
    // line without its line end counts.
    const std::pair<std::string, std::string> files[] = {
        {"3" + fourVerbs.substr(1), "000"},
        {"9" + fourVerbs.substr(1), "0000"},
        {"0\r\n01111111,luvw\r\n", ""},
        {"3\r\n07111111,a\r\n07111112,b\r\nxx,g\r\n1,d", "000"},
    };
    for (const auto& [file, items] : files) {
        loadList(file);
        EXPECT_EQ(checks("VerbListBox"), items) << file;
    }
    EXPECT_EQ(text("VerbListBox", 2), BetaToDisplayFont("d"));

    loadList();
    const char* forms[] = {"luvw", "paideuvw", "gravfw", "eijmiv"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(text("VerbListBox", i), BetaToDisplayFont(DataFontToBeta(forms[i])));
    EXPECT_EQ(item("VerbListBox", 0)->text().front(), QChar(0x03bb)); // lambda
    const QFont font = child<QListWidget>("VerbListBox")->font();
    EXPECT_EQ(font.family().toStdString() + " " + std::to_string(font.pointSizeF()),
              "Ortholex 9.750000");
    EXPECT_TRUE(messages.empty());
}

// The moods, the tenses in two columns and the voices side by side, the options below them.
TEST_F(VerbPaneTest, TheBoxesStandInAColumnForEachGroupWithTheOptionsBelow) {
    EXPECT_EQ(controlRows<QCheckBox>(child<QGroupBox>("VerbSelectFormsFrame")),
              "IndicBut PresBut FirstPerfBut ActBut\n"
              "ImperBut FutBut SecondPerfBut MidBut\n"
              "SubjBut ImperfBut FirstPluperfBut PassBut\n"
              "OptBut FirstAorBut SecondPluperfBut -\n"
              "InfBut SecondAorBut FutPerfBut -\n"
              "PartBut - - -\n"
              "DualBut ThirdPersImpBut - -\n");
    expectLaidOut(pane);
}

using VerbPaneDeathTest = VerbPaneTest;

TEST_F(VerbPaneDeathTest, MissingOrUnreadableVerbFileEndsTheProgram) {
    EXPECT_EXIT(pane->LoadVerbList(), testing::ExitedWithCode(0),
                "There is no file named Verbs.lxd in the Data folder. Please reinstall Lexivo.");
    for (const char* file : {"", "2\r\n", "2\r\n01111111\r\n", "99999\r\n0,a\r\n"}) {
        data.write("Verbs.lxd", file);
        EXPECT_EXIT(pane->LoadVerbList(), testing::ExitedWithCode(0), "File error loading verbs.")
            << file;
    }
}

TEST_F(VerbPaneTest, PrefsReadBackWhatWasSavedAndOnlyTheCodesTheyKnow) {
    loadList();
    const std::string saved =
        "\"01,04\"\r\n\"1,3\"\r\n\"1,4,0\"\r\n\"1,5\"\r\n\"false\"\r\n\"true\"\r\n";
    pane->SaveVerbPrefs("01,04", "1,3", "1,4,0", "1,5", false, true);
    EXPECT_EQ(TempFolder::read(user.path("VerbPrefs.lxp")), saved);
    checkEverything();
    pane->LoadVerbPrefs();
    EXPECT_EQ(checks("VerbListBox"), "1001");
    EXPECT_EQ(checkedBoxes(), "IndicBut InfBut PresBut FirstAorBut FutPerfBut ActBut PassBut "
                              "ThirdPersImpBut");

    checkEverything();
    // Empty fields are skipped; a code is its leading number; unknown codes are ignored; a flag
    // is "true" exactly.
    loadPrefs("\"\"\r\n\"1,7\"\r\n\",2x,,9\"\r\n\"6,0\"\r\n\"True\"\r\n\"true \"\r\n");
    EXPECT_EQ(checks("VerbListBox"), "0000");
    EXPECT_EQ(checkedBoxes(), "PartBut FutBut SecondPluperfBut ActBut");
    // Values may share a line, separated by commas; what follows the sixth is not read.
    loadPrefs("\"02\",\"2\",\"3\",\"4\",\"true\",\"false\"\r\nextra, values\r\n");
    EXPECT_EQ(checks("VerbListBox"), "0100");
    EXPECT_EQ(checkedBoxes(), "OptBut ImperfBut MidBut DualBut");
    // Verbs from the tenth on.
    std::string twelveVerbs = "12\r\n";
    for (int i = 1; i <= 12; ++i)
        twelveVerbs += QString::asprintf("%02d111111,a\r\n", i).toStdString();
    loadList(twelveVerbs);
    loadPrefs("\"10,12,01\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"false\"\r\n\"false\"\r\n");
    EXPECT_EQ(checks("VerbListBox"), "100000000101");
    EXPECT_TRUE(messages.empty());

    // A save that fails is told.
    UserFolder = user.path("gone");
    pane->SaveVerbPrefs("02", "2", "2", "2", true, true);
    EXPECT_EQ(messages, (std::vector<Message>{{"For some reason I could not save your preferences.",
                                               MsgIcon::Stop}}));
}

// Preferences that cannot be applied give the defaults after a message; a missing file gives them
// silently; the default and uncheck buttons, and a click on an item.
TEST_F(VerbPaneTest, DefaultsAndClicks) {
    loadList();
    const std::string files[] = {
        "\"02,05\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"false\"\r\n\"false\"\r\n", // beyond the list
        "\"00\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"false\"\r\n\"false\"\r\n",    // no verb 0
        // Five values: every file that ends early, whatever else it holds (ValueReader's test).
        "\"01\"\r\n\"1\"\r\n\"1\"\r\n\"1\"\r\n\"false\"\r\n",
        "\"01\"\r\n\"1\"\r\n\"1,x\"\r\n\"1\"\r\n\"false\"\r\n\"false\"\r\n", // a code without a
                                                                             // number
    };
    for (const std::string& file : files) {
        checkEverything();
        messages.clear();
        loadPrefs(file);
        EXPECT_EQ(messages, std::vector<Message>{prefsError}) << file;
        expectDefaults("1000");
    }
    std::filesystem::remove(user.path("VerbPrefs.lxp"));
    checkEverything();
    messages.clear();
    pane->LoadVerbPrefs(); // a new user has no file: the defaults, silently
    expectDefaults("1000");
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(FileExists(user.path("VerbPrefs.lxp")));

    checkEverything();
    click("VerbDefaultButton");
    expectDefaults("1000");

    checkEverything();
    click("BevelButton2");
    EXPECT_EQ(checks("VerbListBox"), "0000");
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();

    // A click on an item toggles its check mark.
    QListWidget* list = child<QListWidget>("VerbListBox");
    const QPoint onText = list->visualItemRect(item("VerbListBox", 2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onText);
    EXPECT_EQ(checks("VerbListBox"), "0010");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onText);
    EXPECT_EQ(checks("VerbListBox"), "0000");

    // With an empty list the defaults check no item.
    loadList("0\r\n01111111,luvw\r\n");
    checkEverything();
    pane->SetDefaultVerbPrefs();
    expectDefaults("");
}

} // namespace
