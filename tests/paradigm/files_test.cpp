// Paradigm files, the index of forms spelled alike and the candidate scan.
#include "paradigm/CandidateScan.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/FormFiles.h"
#include "platform/RunError.h"
#include "support/RunErrorOf.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(FormFiles, DataLinesLoseTheirLineEndsAndDamagedFilesAreReadErrors) {
    TempFolder folder;
    EXPECT_EQ(ReadDataLines(folder.write("a", "2\r\n01,a\r\r\n02,b\r\n03,c")),
              (std::vector<std::string>{"01,a", "02,b", "03,c"}));
    EXPECT_EQ(ReadDataLines(folder.write("b", "x\n01,a\r")), (std::vector<std::string>{"01,a"}));
    for (const char* bytes : {"", "3\r\n", "40000\r\n01,a\r\n"})
        EXPECT_THROW(ReadDataLines(folder.write("c", bytes)), RunError) << bytes;
    EXPECT_EQ(RunErrorOf([&] { ReadDataLines(folder.path("none")); }), ErrNo::FileNotFound);
}

TEST(FormFiles, FormOfLineIsTheSecondFieldOrEmpty) {
    const std::vector<std::string> lines{"01111111,lu/w,extra", "01111112,lu/w", "01111113"};
    EXPECT_EQ(FormOfLine(lines, 1), "lu/w");
    EXPECT_EQ(FormOfLine(lines, 2), "lu/w");
    for (int idx : {3, 0, -1, 4, 32766})
        EXPECT_EQ(FormOfLine(lines, idx), "") << idx;
}

TEST(FormFiles, PartnersComeFromTheFirstLineThatListsTheCode) {
    FormIndex index;
    index.Load({"011111 012111  013111 ", "011111 019999", " 021111"});
    EXPECT_EQ(index.Partners("011111"), (std::vector<std::string>{"012111", "013111"}));
    EXPECT_EQ(index.Partners("013111"), (std::vector<std::string>{"011111", "012111"}));
    EXPECT_EQ(index.Partners("019999"), (std::vector<std::string>{"011111"}));
    EXPECT_TRUE(index.Partners("021111").empty());
    EXPECT_TRUE(index.Partners("031111").empty());
    EXPECT_TRUE(index.Partners("01111").empty());
}

struct Recorder : ScanProgress {
    void Begin(int maximum) override { log += "max" + std::to_string(maximum); }
    void Step(int value) override { log += " " + std::to_string(value); }
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
    FormChoices choices;
    const char* expected; // the candidate list's text, entries joined by '|'
};

// Lines 1..12 of a verb file; the damaged ones are never candidates.
const char* const verbFile = "2\r\n"
                             "01111111,lu/w\r\n"       // 1: present active indicative 1 sg
                             "01111121,lu/eton\r\n"    // 2: dual
                             "01112231,lu/ete\r\n"     // 3: imperative 2 pl
                             "01112331,lue/twsan\r\n"  // 4: imperative 3 pl
                             "01115001,lu/ein\r\n"     // 5: infinitive
                             "0121111,lu/sw\r\n"       // 6: seven digits
                             "01211111\r\n"            // 7: no form
                             "01a11111,x\r\n"          // 8: not a digit
                             "012111111,x\r\n"         // 9: nine digits
                             "02111111,pe/mpw\r\n"     // 10
                             "02311111,e)pe/mfqhn\r\n" // 11: passive
                             "02111112,pe/mpw\r";      // 12: second spelling

TEST(CandidateScan, VerbChoicesKeepTheirFormsInFileOrder) {
    const ScanCase cases[] = {
        {"present active indicative and infinitive", verbs("01,02", "1", "1", "1,5"),
         "01111111 1 0|01115001 5 0|02111111 10 0|02111112 12 0"},
        {"duals", verbs("01", "1", "1", "1", true), "01111111 1 0|01111121 2 0"},
        {"second-person imperatives only", verbs("01", "1", "1", "2"), "01112231 3 0"},
        {"third-person imperatives too", verbs("01", "1", "1", "2", false, true),
         "01112231 3 0|01112331 4 0"},
        {"passive of verb 2", verbs("02", "3", "1", "1"), "02311111 11 0"},
        {"no verb", verbs("", "1", "1", "1"), ""},
        {"fields, not substrings", verbs("1,002", "01", "11", "1"), ""},
    };
    TempFolder folder;
    const std::string path = folder.write("Verbs.lxd", verbFile);
    for (const ScanCase& c : cases) {
        Recorder progress;
        std::string text = CollectValidForms(path, VerbDrill, c.choices, progress).Text();
        std::replace(text.begin(), text.end(), '\r', '|');
        EXPECT_EQ(text, c.expected) << c.name;
        EXPECT_EQ(progress.log, "max2 1 2 end") << c.name;
    }
}

TEST(CandidateScan, NounChoicesDropDualsAndVocativesUnlessAsked) {
    TempFolder folder;
    const std::string path = folder.write("Nouns.lxd", "3\r\n011111,a\r\n011112,b\r\n011521,c\r\n"
                                                       "0115211,d\r\n031111,e\r\n");
    const ScanCase cases[] = {
        {"plain", nouns("01,03"), "011111 1 0|031111 5 0"},
        {"duals", nouns("01", true), "011111 1 0|011112 2 0"},
        {"vocatives", nouns("01", false, true), "011111 1 0|011521 3 0"},
    };
    for (const ScanCase& c : cases) {
        Recorder progress;
        std::string text = CollectValidForms(path, NounDrill, c.choices, progress).Text();
        std::replace(text.begin(), text.end(), '\r', '|');
        EXPECT_EQ(text, c.expected) << c.name;
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
