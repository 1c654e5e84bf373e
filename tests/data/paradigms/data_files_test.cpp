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
        const std::string bytes = DataFileBytes(name);
        ASSERT_FALSE(bytes.empty()) << name << " is missing or empty";
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << ": a line feed without CR";
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << ": a lone CR";
            }
        }
        const auto lines = DataFileLines(name);
        ASSERT_GE(lines.size(), 2u) << name;
        ASSERT_TRUE(AllDigits(lines[0])) << name << ": count line " << lines[0];
        EXPECT_NO_THROW(RoundToInt16(LeadingNumber(lines[0]))) << name;
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_FALSE(lines[i].empty()) << name << ": empty line " << i + 1;
    }
}

TEST(ParadigmDataFiles, WordsAreNumberedInOrderAndCounted) {
    ExpectNumberedGroups("Verbs.lxd", 5);
    ExpectNumberedGroups("Nouns.lxd", 15);
}

TEST(VerbsFile, CodesAreWellFormedAndUnique) {
    const auto forms = FormLines("Verbs.lxd");
    std::set<std::string> codes;
    for (const auto& f : forms)
        EXPECT_TRUE(codes.insert(f.code).second) << "code given twice: " << f.code;
    for (const auto& f : forms) {
        const std::string& c = f.code;
        ASSERT_EQ(c.size(), 8u) << c;
        ASSERT_TRUE(AllDigits(c)) << c;
        const char voice = c[2], mood = c[4], person = c[5], number = c[6], variant = c[7];
        EXPECT_TRUE(voice >= '1' && voice <= '3') << c;
        EXPECT_TRUE(mood >= '1' && mood <= '6') << c;
        if (mood == '5') {
            EXPECT_TRUE(person == '0' && number == '0') << "an infinitive has no person: " << c;
        } else {
            EXPECT_TRUE(person >= '1' && person <= '3') << c;
            EXPECT_TRUE(number >= '1' && number <= '3') << c;
        }
        if (mood == '2') {
            EXPECT_NE(person, '1') << "an imperative has no first person: " << c;
        }
        EXPECT_TRUE(variant == '1' || variant == '2') << c;
        if (variant == '2') {
            const std::string first = c.substr(0, 7) + "1";
            EXPECT_TRUE(codes.count(first)) << "a second spelling without a first: " << c;
            for (const auto& g : forms)
                if (g.code == first) {
                    EXPECT_NE(g.beta, f.beta) << "two spellings alike: " << c;
                }
        }
        EXPECT_FALSE(f.beta.empty()) << c;
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

TEST(NounsFile, CodesAreWellFormedUniqueAndOfOneTypePerWord) {
    std::set<std::string> codes;
    std::map<int, char> typeOf;
    for (const auto& f : FormLines("Nouns.lxd")) {
        const std::string& c = f.code;
        ASSERT_EQ(c.size(), 6u) << c;
        ASSERT_TRUE(AllDigits(c)) << c;
        EXPECT_TRUE(codes.insert(c).second) << "code given twice: " << c;
        EXPECT_TRUE(c[2] >= '1' && c[2] <= '3') << c;
        EXPECT_TRUE(c[3] >= '1' && c[3] <= '5') << c;
        EXPECT_TRUE(c[4] >= '1' && c[4] <= '5') << c;
        EXPECT_TRUE(c[5] >= '1' && c[5] <= '3') << c;
        const auto [at, fresh] = typeOf.emplace(WordNumber(c), c[2]);
        EXPECT_EQ(at->second, c[2]) << "a word of two types: " << c;
        EXPECT_FALSE(f.beta.empty()) << c;
    }
}

// Shared forms carry the shared gender (4 masculine or feminine, 5 all three) and never stand
// beside a gender they include; forms that differ carry their own genders.
TEST(NounsFile, GendersAreCodedAsSharedExactlyWhereTheFormsAreAlike) {
    std::map<std::string, std::map<char, std::string>>
        slots; // word, case, number -> gender -> form
    for (const auto& f : FormLines("Nouns.lxd"))
        slots[f.code.substr(0, 2) + f.code[3] + f.code[5]][f.code[4]] = f.beta;
    for (const auto& [slot, genders] : slots) {
        auto has = [&](char g) { return genders.count(g) > 0; };
        if (has('5')) {
            EXPECT_EQ(genders.size(), 1u) << slot;
            continue;
        }
        if (has('4')) {
            EXPECT_FALSE(has('1') || has('2')) << slot;
            if (has('3')) {
                EXPECT_NE(genders.at('4'), genders.at('3')) << slot;
            }
        }
        if (has('1') && has('2')) {
            EXPECT_NE(genders.at('1'), genders.at('2')) << slot << ": should be one line, gender 4";
        }
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
    EXPECT_EQ(verb["01211211"], "lu/h|");     // present middle, both spellings
    EXPECT_EQ(verb["01211212"], "lu/ei");
    EXPECT_EQ(verb["01311212"], "lu/ei");    // the passive alike
    EXPECT_EQ(verb["01342321"], "luqh/twn"); // aorist passive imperative 3rd dual
    EXPECT_EQ(verb["01115001"], "lu/ein");
    EXPECT_EQ(verb["01201311"], "lelu/setai"); // future perfect
    EXPECT_EQ(verb["01181111"], "e)lelu/kh");  // pluperfect, older and later
    EXPECT_EQ(verb["01181112"], "e)lelu/kein");
    EXPECT_EQ(verb["02156111"], "lipw/n");   // second aorist participle
    EXPECT_EQ(verb["02171111"], "le/loipa"); // second perfect
    EXPECT_EQ(verb["03114111"], "poioi/hn"); // contract optative, both spellings
    EXPECT_EQ(verb["03114112"], "poioi=mi");
    EXPECT_EQ(verb["04115001"], "tima=n");
    EXPECT_EQ(verb["05111311"], "e)sti/"); // movable nu as a second spelling
    EXPECT_EQ(verb["05111312"], "e)sti/n");
    EXPECT_EQ(verb["05221311"], "e)/stai"); // future, middle in form
    EXPECT_EQ(noun["011111"], "lo/gos");
    EXPECT_EQ(noun["011313"], "lo/gois");  // dative plural
    EXPECT_EQ(noun["011512"], "lo/gw");    // vocative dual
    EXPECT_EQ(noun["132141"], "e)gw/");    // masculine or feminine
    EXPECT_EQ(noun["152253"], "au)tw=n");  // all three genders
    EXPECT_EQ(noun["173211"], "a)gaqou="); // masculine and neuter alike, apart
    EXPECT_EQ(noun["173231"], "a)gaqou=");
    EXPECT_EQ(noun["183251"], "a)di/kou");
}
