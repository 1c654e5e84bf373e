#include "DataFiles.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

// A table that a word has at all has every cell: a form left out by a slip would never be asked.

TEST(VerbsFile, EveryMoodOfATenseHasAllItsPersonsAndNumbers) {
    const std::set<std::string> finite{"11", "21", "31", "22", "32", "13", "23", "33"};
    const std::set<std::string> imperative{"21", "31", "22", "32", "23", "33"};
    const std::set<std::string> participle{"11", "21", "31", "12", "22", "32", "13", "23", "33"};
    std::map<std::string, std::set<std::string>> tables; // verb, voice, tense, mood -> slots
    for (const auto& f : FormLines("Verbs.lxd"))
        tables[f.code.substr(0, 5)].insert(f.code.substr(5, 2));
    for (const auto& [table, slots] : tables) {
        switch (table[4]) {
        case '2':
            EXPECT_EQ(slots, imperative) << table;
            break;
        case '5':
            EXPECT_EQ(slots, std::set<std::string>{"00"}) << table;
            break;
        case '6':
            EXPECT_EQ(slots, participle) << table;
            break;
        default:
            // Periphrastic third plurals still stand in the table, so even these are whole.
            EXPECT_EQ(slots, finite) << table;
        }
    }
}

TEST(NounsFile, EveryWordHasEveryCaseAndNumberInEachGender) {
    // word -> gender digit -> case and number; a shared form fills the slot of each gender it
    // serves.
    std::map<std::string, std::map<char, std::set<std::string>>> words;
    for (const auto& f : FormLines("Nouns.lxd")) {
        const char g = f.code[4];
        const std::string genders = g == '5' ? "123" : g == '4' ? "12" : std::string(1, g);
        for (char one : genders)
            words[f.code.substr(0, 2)][one].insert(f.code.substr(3, 1) + f.code.substr(5, 1));
    }
    for (const auto& [word, genders] : words) {
        const bool vocative = genders.begin()->second.count("51") > 0;
        for (const auto& [gender, slots] : genders) {
            std::set<std::string> expected;
            for (char kase : std::string(vocative ? "12345" : "1234"))
                for (char number : std::string("123"))
                    expected.insert(std::string{kase, number});
            EXPECT_EQ(slots, expected) << "word " << word << " gender " << gender;
        }
    }
}
