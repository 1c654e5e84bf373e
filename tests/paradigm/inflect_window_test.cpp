// The typed items of both drill windows, begun from the main window and driven by their
// controls, with scripted random numbers (seven per newly drawn item: the mode, then six draws of
// a candidate) and the weights checked after each judging.
#include "greek/GreekStuff.h"
#include "paradigm/DrillSettings.h"
#include "platform/DefaultButton.h"
#include "platform/Text.h"
#include "support/DrillFixture.h"

#include <QCheckBox>
#include <QSlider>

namespace {

QString greek(const std::string& dataFont) {
    return DisplayFontToQString(BetaToDisplayFont(DataFontToBeta(dataFont)));
}

// The random numbers of newly drawn items: for each, the number of its mode, then six draws
// that all take the candidate at its position among count.
std::vector<double> items(std::initializer_list<std::pair<double, int>> modesAndPositions,
                          int count) {
    std::vector<double> script;
    for (auto [mode, position] : modesAndPositions) {
        script.push_back(mode);
        script.insert(script.end(), 6, (position + 0.5) / count);
    }
    return script;
}

class InflectTest : public DrillTest {
protected:
    void SetUp() override {
        DrillTest::SetUp();
        // Real Greek in the data-file font; the two spellings of the third plural are 1 and 2.
        write("Data/Verbs.lxd", "3\r\n"
                                "01111111,luvw\r\n"      // 0 lu/w
                                "01111331,luvousi\r\n"   // 1 lu/ousi
                                "01111332,luvousin\r\n"  // 2 lu/ousin
                                "01115001,luvein\r\n"    // 3 infinitive
                                "01116231,luvousai\r\n"  // 4 participle, fem. nom. pl.
                                "02111111,e[cw\r\n"      // 5 e)/xw
                                "03111111,i{sthmi\r\n"); // 6 i(/sthmi
        write("Data/VerbIndex.lxd", "1\r\n09111111\r\n");
        write("Data/Nouns.lxd", "2\r\n"
                                "011111,lovgos\r\n"   // 0
                                "011211,lovgou\r\n"   // 1
                                "011511,lovge\r\n"    // 2 vocative
                                "021121,cwvra\r\n"    // 3
                                "021221,cwvras\r\n"   // 4
                                "021423,cwvras\r\n"); // 5
        write("Data/NounIndex.lxd", "1\r\n021221 021423\r\n");
        write("Data/NounList.lxd", "2\r\n01 1 lovgo\"\r\n02 1 cwvra\r\n");
    }

    // Sets the main window's active knowledge and accents, then begins a drill of every word.
    void beginTyped(int tab, int percentActive, bool accentsImportant, const char* howMany) {
        child<QSlider>(main, "PercentActive")->setValue(percentActive);
        checkBox("Accents", accentsImportant);
        if (tab == 1) {
            checkItems("VerbListBox", {0, 1, 2});
            checkBox("PartBut");
        } else {
            checkItems("NounListBox", {0, 1});
            checkBox("NounVocativeBut");
        }
        begin(tab, howMany);
        ASSERT_NE(drill, nullptr);
    }

    QLineEdit* field(const char* name) const { return child<QLineEdit>(drill, name); }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(drill, name); }
    bool shown(const char* name) const { return child<QWidget>(drill, name)->isVisible(); }

    // Types into the answer box (replacing a selected message), then presses Enter there.
    void answer(const char* beta) {
        QTest::keyClicks(field("UserField"), QString::fromLatin1(beta));
        QTest::keyClick(field("UserField"), Qt::Key_Return);
    }

    std::string weights() const {
        std::string text;
        for (const FormEntry& entry : drill->Drill().CoolList.entries())
            text += std::to_string(entry.weight) + " ";
        return text;
    }

    // The words of the typed panel's prompt, top to bottom, and the word asked.
    std::string prompt() const {
        std::string text;
        for (const InflectWordLabel& word : drill->Drill().Settings().inflectWords)
            text += label(word.name).toStdString() + "|";
        return text;
    }

    // Which layout shows, after checking that nothing of the other one or of the last item is
    // left: "typed" or "parse".
    std::string layout() const {
        const DrillSettings& settings = drill->Drill().Settings();
        const bool typed = shown("ConjugateFrame");
        for (const char* name : settings.parseControls) {
            if (std::string(name) != "CorrectParseField") {
                EXPECT_EQ(shown(name), !typed) << name;
            }
        }
        EXPECT_FALSE(shown("CorrectParseField"));
        for (const char* name : settings.correctFormLabels)
            EXPECT_FALSE(child<QWidget>(drill, name)->isVisibleTo(drill)) << name;
        EXPECT_EQ(field("UserField")->text(), "");
        EXPECT_EQ(field("UserGreekField")->text(), "");
        EXPECT_EQ(label("ActiveOrPassiveTab"),
                  typed ? settings.inflectCaption : settings.parseCaption);
        return typed ? "typed" : "parse";
    }
};

TEST_F(InflectTest, AVerbDrillOfTypedItemsJudgesEachWayOfTypingAndEndsWithItsSummary) {
    startProgram();
    SetRandomScript({});
    SetRandomScript(items({{0.99, 4}, {0.99, 3}, {0.99, 5}, {0.99, 6}, {0.99, 1}, {0.99, 2}}, 7));
    beginTyped(1, 100, true, "6");
    EXPECT_EQ(label("FormsSelectedField"), " 7");

    // A participle, with accents counting: the boxes follow the main window's choice.
    EXPECT_EQ(layout(), "typed");
    EXPECT_TRUE(shown("VoiceFrame")); // covered by the panel, as neither layout hides it
    EXPECT_EQ(prompt(), "Present|Active|Participle|Fem. Nom.|Plural|");
    EXPECT_EQ(label("ConjVerbField"), greek("luvw"));
    EXPECT_FALSE(box("ConjAccentsBut")->isChecked());
    EXPECT_FALSE(box("BreathingsBut")->isEnabled());
    EXPECT_EQ(drill->focusWidget(), field("UserField"));
    // Every keystroke shows the Greek of the whole text.
    const std::string typed = "lu/ousa";
    for (std::size_t i = 0; i < typed.size(); ++i) {
        QTest::keyClick(field("UserField"), typed[i]);
        EXPECT_EQ(field("UserGreekField")->text(),
                  DisplayFontToQString(BetaToDisplayFont(typed.substr(0, i + 1))));
    }
    QTest::keyClick(field("UserField"), Qt::Key_Return);
    EXPECT_EQ(field("UserField")->text(), "Sorry, try again.");
    EXPECT_EQ(field("UserField")->selectedText(), "Sorry, try again.");
    EXPECT_EQ(field("UserGreekField")->text(), "");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    // Enter again judges the message itself.
    click(drill, "EnterButton");
    EXPECT_EQ(weights(), "0 0 0 0 -2 0 0 ");
    EXPECT_EQ(drill->focusWidget(), field("UserField"));
    answer(" lu/ ousai ");
    EXPECT_EQ(field("UserField")->text(), "Correct!");
    EXPECT_EQ(field("UserGreekField")->text(), "");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    EXPECT_FALSE(child<QPushButton>(drill, "EnterButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(drill, "GiveUpButton")->isEnabled());
    pause();

    // An infinitive: no person or number; capitals are wrong however the marks are judged.
    EXPECT_EQ(status(), " 7| 5| 0| 1| 0%|");
    EXPECT_EQ(layout(), "typed");
    EXPECT_EQ(prompt(), "Present|Active|Infinitive|||");
    answer("LU/EIN");
    EXPECT_EQ(weights(), "0 0 0 -1 -1 0 0 ");
    answer("lu/ein");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    pause();

    // Marks in another order: wrong while accents count, right once they are ignored.
    EXPECT_EQ(label("ConjVerbField"), greek("e[cw"));
    answer("e/)xw");
    EXPECT_EQ(weights(), "0 0 0 0 -1 -1 0 ");
    box("ConjAccentsBut")->click();
    EXPECT_TRUE(box("BreathingsBut")->isEnabled());
    EXPECT_FALSE(drill->Drill().AccentsCount);
    answer("e/)x w");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    pause();

    // The boxes keep their state; breathings ignored too: a wrong breathing is right.
    EXPECT_TRUE(box("ConjAccentsBut")->isChecked());
    answer("i)sthmi");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 -1 ");
    box("BreathingsBut")->click();
    EXPECT_FALSE(drill->Drill().BreathingsCount);
    answer("i)sthmi");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    pause();

    // Unticking "Ignore Accents?" unticks and disables the breathings box; the other spelling
    // of the third plural is right, on the entry asked.
    box("ConjAccentsBut")->click();
    EXPECT_FALSE(box("BreathingsBut")->isChecked());
    EXPECT_FALSE(box("BreathingsBut")->isEnabled());
    EXPECT_TRUE(drill->Drill().AccentsCount);
    EXPECT_TRUE(drill->Drill().BreathingsCount);
    answer("lu/ousin");
    EXPECT_EQ(weights(), "0 1 0 0 -1 0 0 ");
    pause();

    // Given up: both spellings, the second after "Or:"; the weight stays, Enter means Again.
    click(drill, "GiveUpButton");
    EXPECT_EQ(field("UserField")->text(), "See correct answers above.");
    EXPECT_EQ(field("UserGreekField")->text(), "");
    EXPECT_EQ(weights(), "0 1 0 0 -1 0 0 ");
    EXPECT_TRUE(shown("CorrectLableOne"));
    EXPECT_EQ(label("ConjCorrectVerbOne"), greek("luvousin"));
    EXPECT_TRUE(shown("CorrectLableTwo"));
    EXPECT_EQ(label("ConjCorrectVerbTwo"), greek("luvousi"));
    EXPECT_EQ(DefaultButton(drill), child<QPushButton>(drill, "AgainButton"));
    QTest::keyClick(field("UserField"), Qt::Key_Return);

    EXPECT_EQ(messages.back(), (Message{"You were drilled on 6 verb forms.\r\n"
                                        "You got 5 correct, in 10 attempts.\r\n"
                                        "You gave up on 1 form.\r\n"
                                        "\r\n"
                                        "Your score for this session is 42%.",
                                        MsgIcon::Exclamation}));
    EXPECT_TRUE(main->isVisible());
}

TEST_F(InflectTest, ANounDrillOfTypedItemsJudgesAsItsBoxesSay) {
    startProgram();
    SetRandomScript(items({{0.99, 4}, {0.99, 0}, {0.99, 2}}, 6));
    beginTyped(2, 100, false, "3");
    EXPECT_EQ(label("FormsSelectedField"), " 6");

    // Accents not important: the accents box is ticked before the first item.
    EXPECT_EQ(layout(), "typed");
    EXPECT_EQ(prompt(), "Feminine|Genitive|Singular|");
    EXPECT_EQ(label("DeclWordField"), greek("cwvra"));
    EXPECT_TRUE(box("ConjAccentsBut")->isChecked());
    EXPECT_TRUE(box("BreathingsBut")->isEnabled());
    answer("xwras");
    EXPECT_EQ(weights(), "0 0 0 0 1 0 ");
    pause();

    // The capital marker is a mark: it counts with breathings, not without.
    EXPECT_EQ(prompt(), "Masculine|Nominative|Singular|");
    answer("*lo/gos");
    EXPECT_EQ(weights(), "-1 0 0 0 1 0 ");
    box("BreathingsBut")->click();
    answer("*lo/gos");
    EXPECT_EQ(weights(), "0 0 0 0 1 0 ");
    pause();

    EXPECT_EQ(prompt(), "Masculine|Vocative|Singular|");
    click(drill, "GiveUpButton");
    EXPECT_EQ(label("ConjCorrectVerbOne"), greek("lovge"));
    EXPECT_TRUE(shown("CorrectLableOne"));
    EXPECT_EQ(drill->findChild<QWidget*>("CorrectLableTwo"), nullptr);
    EXPECT_EQ(weights(), "0 0 0 0 1 0 ");
    click(drill, "AgainButton");
    EXPECT_EQ(messages.back(), (Message{"You were drilled on 3 forms.\r\n"
                                        "You got 2 correct, in 3 attempts.\r\n"
                                        "You gave up on 1 form.\r\n"
                                        "\r\n"
                                        "Your score for this session is 56%.",
                                        MsgIcon::Exclamation}));
}

TEST_F(InflectTest, MixedDrillsSwitchLayoutsItemByItemWithNothingLeftOver) {
    startProgram();
    struct Case {
        int tab;
        int count;           // candidates
        const char* typed;   // a right answer to the third item
        const char* summary; // the first line
    };
    const Case cases[] = {
        {1, 7, "lu/w", "You were drilled on 4 verb forms."},
        {2, 6, "lo/gos", "You were drilled on 4 forms."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        // Active knowledge 0: even the lowest number asks a parse item.
        SetRandomScript(items({{0.0, 0}}, c.count));
        beginTyped(c.tab, 0, false, "1");
        EXPECT_EQ(layout(), "parse");
        click(drill, "EndQuizButton");
        settle();

        // 50: a typed item given up (a form with no other spelling: no "Or:"), a parse item
        // given up, a typed item answered right, a parse item.
        // Modes 21 and 31 (50 or less: typed), 71 and 91 (parse).
        SetRandomScript(items({{0.2, 0}, {0.7, 0}, {0.3, 0}, {0.9, 0}}, c.count));
        beginTyped(c.tab, 50, false, "4");
        EXPECT_EQ(layout(), "typed");
        click(drill, "GiveUpButton");
        EXPECT_TRUE(shown("CorrectLableOne"));
        if (c.tab == 1) {
            EXPECT_FALSE(shown("CorrectLableTwo"));
        }
        click(drill, "AgainButton");
        EXPECT_EQ(layout(), "parse");
        click(drill, "GiveUpButton");
        EXPECT_NE(selected(), "");
        click(drill, "AgainButton");
        EXPECT_EQ(layout(), "typed");
        answer(c.typed);
        EXPECT_EQ(weights().substr(0, 2), "1 ");
        pause();
        EXPECT_EQ(layout(), "parse");
        EXPECT_EQ(selected(), "");
        click(drill, "EndQuizButton");
        EXPECT_EQ(messages.back().text, std::string(c.summary) +
                                            "\r\nYou got 1 correct, in 1 attempts.\r\n"
                                            "You gave up on 2 forms.\r\n"
                                            "Your score for this session is 33%.");
        settle();
    }
}

// Saves both windows in typed mode as pictures when LEXIVO_PICTURES names a folder: a
// participle, an infinitive and a give-up showing both spellings; a noun and its give-up.
TEST_F(InflectTest, Pictures) {
    const QString target = QString::fromLocal8Bit(qgetenv("LEXIVO_PICTURES"));
    if (target.isEmpty())
        GTEST_SKIP() << "LEXIVO_PICTURES not set";
    const std::string verbs = read("Data/Verbs.lxd"), nouns = read("Data/Nouns.lxd"),
                      list = read("Data/NounList.lxd");
    useBuiltData(); // with the font
    write("Data/Verbs.lxd", verbs);
    write("Data/Nouns.lxd", nouns);
    write("Data/NounList.lxd", list);
    startProgram();
    SetRandomScript(items({{0.0, 4}, {0.0, 3}, {0.0, 2}}, 7));
    beginTyped(1, 100, false, "3");
    drill->adjustSize();
    QTest::keyClicks(field("UserField"), QStringLiteral("lu/ousai"));
    QCoreApplication::processEvents();
    drill->grab().save(target + "/typed-participle.png");
    QTest::keyClick(field("UserField"), Qt::Key_Return);
    pause();
    QTest::keyClicks(field("UserField"), QStringLiteral("lu/"));
    QCoreApplication::processEvents();
    drill->grab().save(target + "/typed-infinitive.png");
    click(drill, "GiveUpButton");
    click(drill, "AgainButton");
    click(drill, "GiveUpButton");
    QCoreApplication::processEvents();
    drill->grab().save(target + "/typed-givenup.png");
    drill->close();
    settle();

    SetRandomScript(items({{0.0, 4}}, 6));
    beginTyped(2, 100, false, "1");
    drill->adjustSize();
    QCoreApplication::processEvents();
    drill->grab().save(target + "/typed-noun.png");
    click(drill, "GiveUpButton");
    QCoreApplication::processEvents();
    drill->grab().save(target + "/typed-noun-givenup.png");
}

} // namespace
