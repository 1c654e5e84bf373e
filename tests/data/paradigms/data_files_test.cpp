#include "DataFiles.h"
#include "greek/GreekStuff.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const char* const AllFiles[] = {"Verbs.lxd", "VerbIndex.lxd", "Nouns.lxd", "NounIndex.lxd",
                                "NounList.lxd"};

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

int WordNumber(const std::string& code) {
    return std::stoi(code.substr(0, 2));
}

// The count on line 1 and the word numbers of the data lines: groups 01, 02, ... in order, each
// line of a group beginning with its number, as many groups as the count says.
void ExpectNumberedGroups(const std::string& name, std::size_t minimumWords) {
    const auto lines = DataFileLines(name);
    ASSERT_GE(lines.size(), 2u) << name;
    const auto forms = FormLines(name);
    int expected = 1;
    for (const auto& f : forms) {
        ASSERT_TRUE(AllDigits(f.code.substr(0, 2))) << name << ": " << f.code;
        const int number = WordNumber(f.code);
        if (number != expected) {
            ASSERT_EQ(number, ++expected)
                << name << ": groups must follow 01, 02, ... at " << f.code;
        }
    }
    EXPECT_EQ(lines[0], std::to_string(expected)) << name << ": the count is the number of words";
    EXPECT_GE(static_cast<std::size_t>(expected), minimumWords) << name;
}

} // namespace

TEST(ParadigmDataFiles, EveryLineEndsWithCrLfAndFollowsACountLine) {
    for (const char* name : AllFiles) {
        const auto lines = DataFileLines(name); // fails a last line without CR LF
        ASSERT_GE(lines.size(), 2u) << name;
        ASSERT_TRUE(AllDigits(lines[0])) << name << ": count line " << lines[0];
        EXPECT_NO_THROW(RoundToInt16(LeadingNumber(lines[0]))) << name;
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << name << ": a lone CR or LF";
            EXPECT_FALSE(line.empty()) << name << ": an empty line";
        }
    }
}

TEST(ParadigmDataFiles, WordsAreNumberedInOrderAndCounted) {
    ExpectNumberedGroups("Verbs.lxd", 5);
    ExpectNumberedGroups("Nouns.lxd", 15);
}

TEST(ParadigmDataFiles, CodesAreWholeAndUnique) {
    for (const auto& [name, size] : {std::pair{"Verbs.lxd", 8u}, std::pair{"Nouns.lxd", 6u}}) {
        std::set<std::string> codes;
        std::map<int, char> typeOf;
        for (const auto& f : FormLines(name)) {
            EXPECT_TRUE(f.code.size() == size && AllDigits(f.code)) << name << ": " << f.code;
            EXPECT_TRUE(codes.insert(f.code).second) << name << ": code given twice: " << f.code;
            EXPECT_FALSE(f.beta.empty()) << name << ": " << f.code;
            // Every form of a noun, pronoun or adjective carries the type of its word.
            if (size == 6) {
                EXPECT_EQ(typeOf.emplace(WordNumber(f.code), f.code[2]).first->second, f.code[2])
                    << "a word of two types: " << f.code;
            }
        }
    }
}

TEST(VerbsFile, EachVerbIsListedUnderItsFirstPersonPresentIndicative) {
    int last = 0;
    for (const auto& f : FormLines("Verbs.lxd")) {
        if (WordNumber(f.code) == last)
            continue;
        last = WordNumber(f.code);
        EXPECT_EQ(f.code.substr(2), "111111") << f.code << " " << f.beta;
    }
}

TEST(NounListFile, ListsTheWordsOfNounsInWordNumberOrder) {
    const auto list = DataFileLines("NounList.lxd");
    const auto nouns = DataFileLines("Nouns.lxd");
    ASSERT_GE(list.size(), 2u);
    ASSERT_EQ(list[0], nouns[0]) << "both count the words";
    std::map<int, FormLine> firstLine;
    for (const auto& f : FormLines("Nouns.lxd"))
        firstLine.emplace(WordNumber(f.code), f);
    ASSERT_EQ(list.size() - 1, firstLine.size());
    for (std::size_t i = 1; i < list.size(); ++i) {
        const std::string& line = list[i];
        ASSERT_GE(CountFields(line, " "), 3) << line;
        const std::string number = GetField(line, " ", 1);
        ASSERT_TRUE(AllDigits(number) && number.size() == 2) << line;
        ASSERT_EQ(std::stoi(number), static_cast<int>(i)) << line;
        const FormLine& first = firstLine.at(static_cast<int>(i));
        EXPECT_EQ(GetField(line, " ", 2), first.code.substr(2, 1)) << "the word's type: " << line;
        EXPECT_EQ(DataFontToBeta(GetField(line, " ", 3)), first.beta)
            << "the list names the word by the first form in Nouns.lxd: " << line;
    }
}

TEST(ParadigmForms, ShowInTheDisplayFontWithoutLosingAMark) {
    for (const char* name : {"Verbs.lxd", "Nouns.lxd"})
        for (const auto& f : FormLines(name)) {
            EXPECT_EQ(SortBetaMarks(f.beta), f.beta) << f.code;
            EXPECT_EQ(DisplayFontToBeta(BetaToDisplayFont(f.beta)), f.beta)
                << name << " " << f.code;
        }
    for (const auto& line : DataFileLines("NounList.lxd")) {
        if (CountFields(line, " ") < 3)
            continue;
        const std::string beta = DataFontToBeta(GetField(line, " ", 3));
        EXPECT_EQ(DisplayFontToBeta(BetaToDisplayFont(beta)), beta) << line;
    }
}

// A few forms whose codes pin down every position of the code.
TEST(ParadigmForms, CodesNameTheRightForms) {
    std::map<std::string, std::string> verb, noun;
    for (const auto& f : FormLines("Verbs.lxd"))
        verb[f.code] = f.beta;
    for (const auto& f : FormLines("Nouns.lxd"))
        noun[f.code] = f.beta;
    EXPECT_EQ(verb["01111111"], "lu/w");
    EXPECT_EQ(verb["01113231"], "lu/hte");    // present subjunctive 2nd plural
    EXPECT_EQ(verb["01144321"], "lusai/thn"); // aorist optative 3rd dual
    EXPECT_EQ(verb["01146231"], "lu/sasai");  // aorist participle feminine plural
    EXPECT_EQ(verb["01211212"], "lu/ei");     // present middle, second spelling
    EXPECT_EQ(verb["01342321"], "luqh/twn");  // aorist passive imperative 3rd dual
    EXPECT_EQ(verb["01115001"], "lu/ein");
    EXPECT_EQ(verb["01201311"], "lelu/setai");  // future perfect
    EXPECT_EQ(verb["01181112"], "e)lelu/kein"); // pluperfect, later spelling
    EXPECT_EQ(verb["02171111"], "le/loipa");    // second perfect
    EXPECT_EQ(verb["05111312"], "e)sti/n");     // movable nu as a second spelling
    EXPECT_EQ(noun["011313"], "lo/gois");       // dative plural
    EXPECT_EQ(noun["011512"], "lo/gw");         // vocative dual
    EXPECT_EQ(noun["132141"], "e)gw/");         // masculine or feminine
    EXPECT_EQ(noun["152253"], "au)tw=n");       // all three genders
    EXPECT_EQ(noun["173231"], "a)gaqou=");      // masculine and neuter alike, apart
}
