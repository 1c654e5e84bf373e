// The typed items of both drill windows, begun from the main window and driven by their
// controls, with scripted random numbers (seven per newly drawn item: the mode, then six draws of
// a candidate) and the weights checked after each judging.
#include "paradigm/DrillSettings.h"
#include "platform/DefaultButton.h"
#include "support/DrillFixture.h"

#include <QCheckBox>
#include <QSlider>
#include <map>

namespace {

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
        beginShown(tab, howMany);
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

    // A control's font family and size in points.
    std::string fontOf(const char* name) const {
        const QFont font = child<QWidget>(drill, name)->font();
        return font.family().toStdString() + " " + QString::number(font.pointSizeF()).toStdString();
    }

    const DrillSettings& settings() const {
        return drill->objectName() == "VerbQuizWindow" ? VerbDrill : NounDrill;
    }

    // The words of the typed panel's prompt, top to bottom.
    std::string prompt() const {
        std::string text;
        for (const InflectWordLabel& word : settings().inflectWords)
            text += label(word.name).toStdString() + "|";
        return text;
    }

    // Which layout shows, after checking that nothing of the other one or of the last item is
    // left: "typed" or "parse".
    std::string layout() const {
        const DrillSettings& settings = this->settings();
        const bool typed = shown("ConjugateFrame");
        for (const char* name : settings.parseControls)
            EXPECT_EQ(shown(name), !typed && std::string(name) != "CorrectParseField") << name;
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
    // Candidates 4, 3, 5, 6, 1 and 2 of the seven.
    SetRandomScript(
        draws({{0.99, 0.65}, {0.99, 0.5}, {0.99, 0.75}, {0.99, 0.9}, {0.99, 0.2}, {0.99, 0.3}}));
    beginTyped(1, 100, true, "6");

    // A participle, with accents counting: the boxes follow the main window's choice. The layout
    // is checked item by item in the next test.
    EXPECT_TRUE(shown("VoiceFrame")); // covered by the panel, as neither layout hides it
    EXPECT_EQ(prompt(), "Present|Active|Participle|Fem. Nom.|Plural|");
    EXPECT_EQ(label("ConjVerbField"), greek("luvw")); // the verb, not the form asked
    EXPECT_FALSE(box("ConjAccentsBut")->isChecked());
    EXPECT_FALSE(box("BreathingsBut")->isEnabled());
    EXPECT_EQ(drill->focusWidget(), field("UserField"));
    EXPECT_EQ(armed(), "*EnterButton GiveUpButton ");
    openTheChartTwice(drill);
    field("UserField")->setFocus();
    // Every keystroke shows the Greek of the whole text.
    const std::string typed = "lu/ousa";
    for (std::size_t i = 0; i < typed.size(); ++i) {
        QTest::keyClick(field("UserField"), typed[i]);
        EXPECT_EQ(field("UserGreekField")->text(),
                  DisplayFontToQString(BetaToDisplayFont(typed.substr(0, i + 1))));
    }
    picture("typed-participle");
    QTest::keyClick(field("UserField"), Qt::Key_Return);
    EXPECT_EQ(field("UserField")->text(), "Sorry, try again.");
    EXPECT_EQ(field("UserField")->selectedText(), "Sorry, try again.");
    EXPECT_EQ(field("UserGreekField")->text(), "");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    // Enter again judges the message itself.
    click(drill, "EnterButton");
    EXPECT_EQ(weights(), "0 0 0 0 -2 0 0 ");
    EXPECT_EQ(drill->focusWidget(), field("UserField"));
    EXPECT_EQ(field("UserField")->selectedText(), "Sorry, try again.");
    answer(" lu/ ousai ");
    EXPECT_EQ(field("UserField")->text(), "Correct!");
    EXPECT_EQ(field("UserGreekField")->text(), "");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    EXPECT_FALSE(child<QPushButton>(drill, "EnterButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(drill, "GiveUpButton")->isEnabled());
    pause();

    // An infinitive: no person or number; capitals are wrong however the marks are judged.
    EXPECT_EQ(status(), " 7| 5| 0| 1| 0%|");
    EXPECT_EQ(prompt(), "Present|Active|Infinitive|||");
    picture("typed-infinitive");
    answer("LU/EIN");
    EXPECT_EQ(weights(), "0 0 0 -1 -1 0 0 ");
    EXPECT_EQ(armed(), "*EnterButton GiveUpButton ");
    // Right by a click on Enter: the answer box keeps the focus through the pause.
    QTest::keyClicks(field("UserField"), "lu/ein");
    click(drill, "EnterButton");
    EXPECT_EQ(armed(), "");
    EXPECT_EQ(drill->focusWidget(), field("UserField"));
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    pause();

    // Marks in another order: wrong while accents count, right once they are ignored.
    EXPECT_EQ(label("ConjVerbField"), greek("e[cw"));
    answer("e/)xw");
    EXPECT_EQ(weights(), "0 0 0 0 -1 -1 0 ");
    box("ConjAccentsBut")->click();
    EXPECT_TRUE(box("BreathingsBut")->isEnabled());
    answer("e/)x w");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 0 ");
    pause();

    // The boxes keep their state; breathings ignored too: a wrong breathing is right.
    EXPECT_TRUE(box("ConjAccentsBut")->isChecked());
    answer("i)sthmi");
    EXPECT_EQ(weights(), "0 0 0 0 -1 0 -1 ");
    box("BreathingsBut")->click();
    answer("i/)sthmi");
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
    picture("typed-givenup");
    EXPECT_EQ(field("UserField")->text(), "See correct answers above.");
    EXPECT_EQ(field("UserGreekField")->text(), "");
    EXPECT_EQ(weights(), "0 1 0 0 -1 0 0 ");
    EXPECT_TRUE(shown("CorrectLableOne"));
    EXPECT_EQ(label("ConjCorrectVerbOne"), greek("luvousin"));
    EXPECT_TRUE(shown("CorrectLableTwo"));
    EXPECT_EQ(label("ConjCorrectVerbTwo"), greek("luvousi"));
    EXPECT_EQ(DefaultButton(drill), child<QPushButton>(drill, "AgainButton"));
    QTest::keyClick(field("UserField"), Qt::Key_Return);

    ASSERT_FALSE(messages.empty()) << "no summary";
    EXPECT_EQ(messages.back(), (Message{"You were drilled on 6 verb forms.\r\n"
                                        "You got 5 correct, in 10 attempts.\r\n"
                                        "You gave up on 1 form.\r\n"
                                        "\r\n"
                                        "Your score for this session is 42%.",
                                        MsgIcon::Exclamation}));
    EXPECT_TRUE(main->isVisible());
}

TEST_F(InflectTest, EachDrillAsksTypedItemsAsPercentActiveSaysWithNothingLeftOver) {
    startProgram();
    struct Case {
        int percentActive;
        const char* got;    // the summary's second line
        const char* gaveUp; // its third line onwards
    };
    const Case cases[] = {
        {0, "You got 0 correct, in 0 attempts.",
         "You gave up on 4 forms.\r\nYour score for this session is 0%."},
        {50, "You got 1 correct, in 1 attempts.",
         "You gave up on 3 forms.\r\nYour score for this session is 25%."},
        {100, "You got 3 correct, in 3 attempts.",
         "You gave up on 1 form.\r\n\r\nYour score for this session is 75%."},
    };
    for (int i = 0; i < 6; ++i) { // the verb drill, then the noun drill
        const int tab = 1 + i / 3;
        const Case& c = cases[i % 3];
        SCOPED_TRACE(std::to_string(tab) + " " + std::to_string(c.percentActive));
        const bool verb = tab == 1;
        // Modes 21, 71, 31, 91, each drawing the first candidate: lu/w or lo/gos.
        SetRandomScript(draws({{0.2, 0.0}, {0.7, 0.0}, {0.3, 0.0}, {0.9, 0.0}}));
        beginTyped(tab, c.percentActive, false, "4");
        int typedItems = 0;
        for (int mode : {21, 71, 31, 91}) {
            const bool typed = mode <= c.percentActive;
            ASSERT_TRUE(drill->isVisible()) << "the drill ended before mode " << mode;
            ASSERT_EQ(layout(), typed ? "typed" : "parse") << mode;
            if (!typed) {
                // After a click on Give Up the Enter key means Again, not End Drill.
                click(drill, "GiveUpButton");
                picture(verb ? "drill1-givenup" : "drill2-givenup");
                QWidget* focus = drill->focusWidget();
                ASSERT_NE(focus, nullptr);
                QTest::keyClick(focus, Qt::Key_Return);
                continue;
            }
            EXPECT_EQ(prompt(), verb ? "Present|Active|Indicative|1st Person|Singular|"
                                     : "Masculine|Nominative|Singular|");
            EXPECT_EQ(label(verb ? "ConjVerbField" : "DeclWordField"),
                      greek(verb ? "luvw" : "lovgo\""));
            EXPECT_TRUE(box("ConjAccentsBut")->isChecked());
            if (typedItems++ == 0) {
                // No other spelling among the candidates: no "Or:".
                picture(verb ? "typed-verb" : "typed-noun");
                click(drill, "GiveUpButton");
                picture(verb ? "typed-verb-givenup" : "typed-noun-givenup");
                EXPECT_EQ(label("ConjCorrectVerbOne"), greek(verb ? "luvw" : "lovgos"));
                EXPECT_TRUE(shown("CorrectLableOne"));
                EXPECT_FALSE(verb && shown("CorrectLableTwo"));
                click(drill, "AgainButton");
            } else {
                answer(verb ? "lu/w" : "lo/gos");
                ASSERT_FALSE(drill->Drill().CoolList.empty());
                EXPECT_EQ(drill->Drill().CoolList[0].weight, typedItems - 1);
                pause();
            }
        }
        ASSERT_FALSE(messages.empty()) << "no summary";
        EXPECT_EQ(messages.back().text, std::string("You were drilled on 4 ") +
                                            (verb ? "verb " : "") + "forms.\r\n" + c.got + "\r\n" +
                                            c.gaveUp);
        settle();
    }
}

// The typed-answer panel in both windows: read top to bottom it is a sentence, the words of the
// parsing stacked in the middle; the answer and its boxes stand below; the panel has its colour
// and covers the parse controls; the correct forms are red and appear without moving anything.
TEST_F(InflectTest, ThePanelReadsAsASentenceAndTheCorrectFormsMoveNothing) {
    startProgram();
    for (int tab : {1, 2}) {
        SCOPED_TRACE(tab);
        const bool verb = tab == 1;
        SetRandomScript(draws({{0.0, 0.2}})); // lu/ousi, of two spellings; lo/gou
        beginTyped(tab, 100, false, "1");
        const DrillSettings& drill = settings();
        const auto at = [&](const char* name) {
            QWidget* control = child<QWidget>(this->drill, name);
            return QRect(control->mapTo(this->drill, QPoint(0, 0)), control->size());
        };
        const QRect prompt = at(drill.inflectPromptLabel), of = at("Label15");
        const QRect first = at(drill.inflectWords.front().name);
        const QRect last = at(drill.inflectWords.back().name);
        EXPECT_EQ(first.top(), prompt.top());
        EXPECT_GT(first.left(), prompt.right());
        QRect above = first;
        for (const InflectWordLabel& word : drill.inflectWords) {
            const QRect here = at(word.name);
            EXPECT_EQ(here.left(), first.left()) << word.name;
            EXPECT_TRUE(here == first || here.top() > above.bottom()) << word.name;
            above = here;
        }
        EXPECT_EQ(of.top(), first.top());
        EXPECT_GT(of.left(), first.right());
        const QRect word = at(drill.inflectWordField);
        EXPECT_GT(word.top(), of.bottom());
        EXPECT_GE(word.left(), of.left());
        EXPECT_EQ(label(drill.inflectPromptLabel), "Give the...");
        EXPECT_EQ(label("Label15"), drill.inflectOfCaption);
        EXPECT_TRUE(child<QLabel>(this->drill, drill.inflectPromptLabel)->font().bold());
        EXPECT_TRUE(child<QLabel>(this->drill, "Label15")->font().bold());
        const QRect typeHere = at("Label21"), beta = at("UserField"), greekAnswer = at("UserGreekField");
        const QRect accents = at("ConjAccentsBut"), breathings = at("BreathingsBut");
        EXPECT_GT(typeHere.top(), std::max(last.bottom(), word.bottom()));
        EXPECT_GT(beta.top(), typeHere.bottom());
        EXPECT_GT(greekAnswer.top(), beta.bottom());
        EXPECT_GT(accents.top(), greekAnswer.bottom());
        EXPECT_EQ(breathings.top(), accents.top());
        EXPECT_GT(breathings.left(), accents.right());
        EXPECT_GT(at("BetaButton").top(), accents.bottom());

        // The Greek fonts, and the panel's colour around its controls.
        EXPECT_EQ(fontOf(drill.inflectWordField), "Ortholex 18");
        EXPECT_EQ(fontOf("UserGreekField"), "Ortholex 14.25");
        auto* panel = child<QWidget>(this->drill, "ConjugateFrame");
        EXPECT_EQ(this->drill->grab().toImage().pixelColor(panel->mapTo(this->drill, QPoint(8, 8))),
                  verb ? QColor(192, 192, 255) : QColor(255, 255, 192));
        // What lies under the panel cannot be clicked.
        auto* under = child<QWidget>(this->drill, drill.groups.front().buttons.front().name);
        QWidget* hit = this->drill->childAt(under->mapTo(this->drill, under->rect().center()));
        EXPECT_TRUE(hit && (hit == panel || panel->isAncestorOf(hit)));
        // The Greek rendering takes no focus, nor any typing.
        QTest::mouseClick(field("UserGreekField"), Qt::LeftButton);
        EXPECT_EQ(this->drill->focusWidget(), field("UserField"));

        std::map<QWidget*, QRect> places;
        for (QWidget* control : panel->findChildren<QWidget*>())
            if (control->isVisible())
                places[control] = control->geometry();
        click(this->drill, "GiveUpButton");
        EXPECT_EQ(this->drill->focusWidget(), field("UserField"));
        EXPECT_EQ(armed(), "*AgainButton ");
        for (const auto& [control, place] : places)
            EXPECT_EQ(control->geometry(), place) << control->objectName().toStdString();
        const QRect correct = at("CorrectLableOne"), form = at("ConjCorrectVerbOne");
        EXPECT_GT(correct.left(), last.right());
        EXPECT_EQ(form.top(), correct.top());
        EXPECT_GT(form.left(), correct.right());
        if (verb)
            EXPECT_EQ(correct.top(), last.top()); // beside the number
        else
            EXPECT_GT(correct.top(), last.top()); // under the number
        EXPECT_GT(typeHere.top(), correct.bottom());
        for (const char* name : drill.correctFormLabels) {
            auto* shown = child<QLabel>(this->drill, name);
            EXPECT_TRUE(shown->isVisible()) << name;
            if (std::string(name).starts_with("CorrectLable")) { // right-aligned, by the form
                EXPECT_GT(inkColumns(shown).second, shown->width() - 5) << name;
            }
            if (std::string(name).starts_with("ConjCorrectVerb")) {
                EXPECT_EQ(fontOf(name), "Ortholex 12") << name;
                EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(Qt::red)) << name;
            }
        }
        if (verb) {
            const QRect other = at("CorrectLableTwo");
            EXPECT_EQ(other.left(), correct.left());
            EXPECT_GT(other.top(), correct.top());
            EXPECT_LT(other.top() - correct.bottom(), correct.height());
            EXPECT_EQ(at("ConjCorrectVerbTwo").top(), other.top());
            EXPECT_GT(typeHere.top(), other.bottom());
        }
        click(this->drill, "AgainButton");
        settle();
    }
}

} // namespace
