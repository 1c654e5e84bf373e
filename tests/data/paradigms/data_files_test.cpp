#include "DataFiles.h"
#include "greek/GreekStuff.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>

namespace {

bool Digits(const std::string& text, std::size_t size) {
    return text.size() == size && text.find_first_not_of("0123456789") == std::string::npos;
}

int WordNumber(const std::string& code) {
    return std::stoi(code.substr(0, 2));
}

} // namespace

TEST(ParadigmDataFiles, EveryLineEndsWithCrLfAndFollowsACountLine) {
    for (const char* name :
         {"Verbs.lxd", "VerbIndex.lxd", "Nouns.lxd", "NounIndex.lxd", "NounList.lxd"}) {
        const auto lines = DataFileLines(name); // fails a last line without CR LF
        ASSERT_GE(lines.size(), 2u) << name;
        ASSERT_TRUE(Digits(lines[0], lines[0].size())) << name << ": count line " << lines[0];
        EXPECT_NO_THROW(RoundToInt16(LeadingNumber(lines[0]))) << name;
        for (const std::string& line : lines)
            EXPECT_TRUE(!line.empty() && line.find_first_of("\r\n") == std::string::npos)
                << name << ": an empty line or a lone CR or LF";
    }
}

// Words are numbered 01, 02, ... in file order and counted on line 1; codes are whole and unique.
// A verb begins with its first person present indicative; a noun's forms all carry its type.
// Every form shows in the display font without losing a mark.
TEST(ParadigmDataFiles, WordsAreNumberedInOrderCountedCodedAndShown) {
    for (const auto& [name, size, least] :
         {std::tuple{"Verbs.lxd", 8u, 5}, {"Nouns.lxd", 6u, 15}}) {
        std::set<std::string> codes;
        int number = 0;
        char type = 0;
        for (const auto& f : FormLines(name)) {
            ASSERT_TRUE(Digits(f.code, size)) << name << ": " << f.code;
            EXPECT_TRUE(codes.insert(f.code).second) << name << ": code given twice: " << f.code;
            EXPECT_FALSE(f.beta.empty()) << name << ": " << f.code;
            EXPECT_EQ(SortBetaMarks(f.beta), f.beta) << f.code;
            EXPECT_EQ(DisplayFontToBeta(BetaToDisplayFont(f.beta)), f.beta) << name << f.code;
            if (WordNumber(f.code) != number) {
                ASSERT_EQ(WordNumber(f.code), ++number) << name << ": out of order at " << f.code;
                type = f.code[2];
                if (size == 8) {
                    EXPECT_EQ(f.code.substr(2), "111111") << f.code << " " << f.beta;
                }
            }
            if (size == 6) {
                EXPECT_EQ(f.code[2], type) << "a word of two types: " << f.code;
            }
        }
        EXPECT_EQ(DataFileLines(name)[0], std::to_string(number)) << name;
        EXPECT_GE(number, least) << name;
    }
}

TEST(NounListFile, ListsTheWordsOfNounsInWordNumberOrder) {
    const auto list = DataFileLines("NounList.lxd");
    ASSERT_GE(list.size(), 2u);
    ASSERT_EQ(list[0], DataFileLines("Nouns.lxd")[0]) << "both count the words";
    std::map<int, FormLine> firstLine;
    for (const auto& f : FormLines("Nouns.lxd"))
        firstLine.emplace(WordNumber(f.code), f);
    ASSERT_EQ(list.size() - 1, firstLine.size());
    for (std::size_t i = 1; i < list.size(); ++i) {
        const std::string& line = list[i];
        ASSERT_EQ(CountFields(line, " "), 3) << line;
        ASSERT_TRUE(Digits(GetField(line, " ", 1), 2)) << line;
        ASSERT_EQ(std::stoi(GetField(line, " ", 1)), static_cast<int>(i)) << line;
        const FormLine& first = firstLine.at(static_cast<int>(i));
        EXPECT_EQ(GetField(line, " ", 2), first.code.substr(2, 1)) << "the word's type: " << line;
        EXPECT_EQ(DataFontToBeta(GetField(line, " ", 3)), first.beta)
            << "the list names the word by the first form in Nouns.lxd: " << line;
    }
}

// A few forms whose codes pin down every position of the code.
TEST(ParadigmForms, CodesNameTheRightForms) {
    std::map<std::string, std::string> forms;
    for (const char* name : {"Verbs.lxd", "Nouns.lxd"})
        for (const auto& f : FormLines(name))
            forms[f.code] = f.beta;
    const std::pair<const char*, const char*> pins[] = {
        {"01113231", "lu/hte"},      // present subjunctive 2nd plural
        {"01144321", "lusai/thn"},   // aorist optative 3rd dual
        {"01146231", "lu/sasai"},    // aorist participle feminine plural
        {"01211212", "lu/ei"},       // present middle, second spelling
        {"01342321", "luqh/twn"},    // aorist passive imperative 3rd dual
        {"01115001", "lu/ein"},      // infinitive
        {"01201311", "lelu/setai"},  // future perfect
        {"01181112", "e)lelu/kein"}, // pluperfect, later spelling
        {"02171111", "le/loipa"},    // second perfect
        {"011512", "lo/gw"},         // vocative dual
        {"132141", "e)gw/"},         // masculine or feminine
        {"152253", "au)tw=n"},       // all three genders
        {"173231", "a)gaqou="}};     // masculine and neuter alike, apart
    for (const auto& [code, beta] : pins)
        EXPECT_EQ(forms[code], beta) << code;
}
