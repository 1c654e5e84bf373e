// Paradigm files, the index of forms spelled alike and the candidate scan.
#include "paradigm/CandidateScan.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/FormFiles.h"
#include "platform/RunError.h"
#include "support/RunErrorOf.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(FormFiles, DataLinesFormsAndPartners) {
    TempFolder folder;
    EXPECT_EQ(ReadDataLines(folder.write("a", "2\r\n01,a\r\r\r\n02,b\r\n03,c")),
              (std::vector<std::string>{"01,a", "02,b", "03,c"}));
    EXPECT_EQ(ReadDataLines(folder.write("b", "x\n01,a\r")), (std::vector<std::string>{"01,a"}));
    EXPECT_THROW(ReadDataLines(folder.write("c", "40000\r\n01,a\r\n")), RunError);
    // A line's form is its second field; there is none beyond the lines.
    const std::vector<std::string> lines{"01,a", "02,b,c", "03,,d"};
    EXPECT_EQ(FormOfLine(lines, 2), "b");
    EXPECT_EQ(FormOfLine(lines, 3), "");
    EXPECT_EQ(FormOfLine(lines, 0) + FormOfLine(lines, 4), "");

    // The index: partners come from the first line that lists a code.
    FormIndex index;
    index.Load({"011111 012111  013111 ", "011111 019999", " 021111"});
    EXPECT_EQ(index.Partners("011111"), (std::vector<std::string>{"012111", "013111"}));
    EXPECT_EQ(index.Partners("019999"), (std::vector<std::string>{"011111"}));
    EXPECT_TRUE(index.Partners("021111").empty());
    EXPECT_TRUE(index.Partners("01111").empty());
}

// The entries of a candidate list as "code idx weight", joined by '|'.
std::string entriesText(const CandidateList& list) {
    std::string text;
    for (const FormEntry& entry : list.entries())
        text += (text.empty() ? "" : "|") + entry.code + ' ' + std::to_string(entry.idx) + ' ' +
                std::to_string(entry.weight);
    return text;
}

struct Recorder : Progress {
    void Begin(int maximum) override { log += "max" + std::to_string(maximum); }
    void Step(int value) override { log.append(" ").append(std::to_string(value)); }
    void End() override { log += " end"; }
    std::string log;
};

FormChoices verbs(const char* items, const char* voices, const char* tenses, const char* moods,
                  bool duals = false, bool thirdPersonImperatives = false) {
    return {items, voices, tenses, moods, duals, thirdPersonImperatives, false};
}

FormChoices nouns(const char* items, bool duals = false, bool vocatives = false) {
    return {items, "", "", "", duals, false, vocatives};
}

struct ScanCase {
    const char* name;
    const DrillSettings& drill;
    FormChoices choices;
    const char* expected; // the candidate list's text, entries joined by '|'
};

// Lines 1..17 of a verb file and 1..6 of a noun file; the damaged ones are never candidates.
const char* const verbFile = "2\r\n"
                             "01111111,lu/w\r\n"       // 1: present active indicative 1 sg
                             "01111121,lu/eton\r\n"    // 2: dual
                             "01112231,lu/ete\r\n"     // 3: imperative 2 pl
                             "01112331,lue/twsan\r\n"  // 4: imperative 3 pl
                             "01115001,lu/ein\r\n"     // 5: infinitive
                             "0121111,lu/sw\r\n"       // 6: seven digits
                             "01211111\r\n"            // 7: no form
                             "011111a1,x\r\n"          // 8: not a digit
                             "012111111,x\r\n"         // 9: nine digits
                             "02111111,pe/mpw\r\n"     // 10
                             "02311111,e)pe/mfqhn\r\n" // 11: passive
                             "09111111,a\r\n"          // 12: verbs 9, 10 and 11
                             "10111111,b\r\n"          // 13
                             "11111111,c\r\n"          // 14
                             "01101111,lelu/somai\r\n" // 15: future perfect
                             "01191111,e)lu/mhn\r\n"   // 16: 2nd pluperfect (so coded)
                             "02111112,pe/mpw\r";      // 17: second spelling
const char* const nounFile =
    "3\r\n011111,a\r\n011112,b\r\n011521,c\r\n0115211,d\r\n01111x,f\r\n031111,e\r\n";

TEST(CandidateScan, ChosenFormsKeepTheirFileOrderAndDualsVocativesAndImperativesAreAsked) {
    const ScanCase cases[] = {
        {"present active indicative and infinitive", VerbDrill, verbs("01,02", "1", "1", "1,5"),
         "01111111 1 0|01115001 5 0|02111111 10 0|02111112 17 0"},
        {"duals", VerbDrill, verbs("01", "1", "1", "1", true), "01111111 1 0|01111121 2 0"},
        {"second-person imperatives only", VerbDrill, verbs("01", "1", "1", "2"), "01112231 3 0"},
        {"third-person imperatives too", VerbDrill, verbs("01", "1", "1", "2", false, true),
         "01112231 3 0|01112331 4 0"},
        {"passive of verb 2", VerbDrill, verbs("02", "3", "1", "1"), "02311111 11 0"},
        {"no verb", VerbDrill, verbs("", "1", "1", "1"), ""},
        {"verb 9, not 10", VerbDrill, verbs("09", "1", "1", "1"), "09111111 12 0"},
        {"verbs 10 and 11", VerbDrill, verbs("10,11", "1", "1", "1"),
         "10111111 13 0|11111111 14 0"},
        {"tenses 0 and 9", VerbDrill, verbs("01", "1", "0,9", "1"),
         "01101111 15 0|01191111 16 0"},
        {"fields, not substrings", VerbDrill, verbs("1,002", "01", "11", "1"), ""},
        {"nouns", NounDrill, nouns("01,03"), "011111 1 0|031111 6 0"},
        {"noun duals", NounDrill, nouns("01", true), "011111 1 0|011112 2 0"},
        {"vocatives", NounDrill, nouns("01", false, true), "011111 1 0|011521 3 0"},
    };
    TempFolder folder;
    const std::string verbPath = folder.write("Verbs.lxd", verbFile);
    const std::string nounPath = folder.write("Nouns.lxd", nounFile);
    for (const ScanCase& c : cases) {
        const bool verb = &c.drill == &VerbDrill;
        Recorder progress;
        EXPECT_EQ(entriesText(
                      CollectValidForms(verb ? verbPath : nounPath, c.drill, c.choices, progress)),
                  c.expected)
            << c.name;
        EXPECT_EQ(progress.log, verb ? "max2 1 2 9 10 11 1 2 end" : "max3 1 3 end") << c.name;
    }
}

TEST(CandidateScan, FilesTooLongOrEmptyAreReadErrors) {
    TempFolder folder;
    std::string longFile = "1\r\n";
    for (int i = 0; i < 32767; ++i)
        longFile += "01111111,lu/w\r\n";
    Recorder progress;
    const FormChoices choices = verbs("01", "1", "1", "1");
    EXPECT_EQ(RunErrorOf([&] {
                  CollectValidForms(folder.write("long", longFile), VerbDrill, choices, progress);
              }),
              ErrNo::Overflow);
    longFile.resize(longFile.size() - 15);
    EXPECT_EQ(
        CollectValidForms(folder.write("long", longFile), VerbDrill, choices, progress).size(),
        32766u);
    EXPECT_THROW(CollectValidForms(folder.write("empty", ""), VerbDrill, choices, progress),
                 RunError);
}

} // namespace
