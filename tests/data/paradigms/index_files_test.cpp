#include "DataFiles.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

// An index line names, separated by single blanks, the codes of the paradigm file whose forms
// are spelled alike: one line for every spelling that two or more codes share, holding exactly
// those codes, and no other line.
TEST(IndexFiles, GroupEveryFormSpelledAlike) {
    for (const auto& [paradigm, index] :
         {std::pair{"Verbs.lxd", "VerbIndex.lxd"}, std::pair{"Nouns.lxd", "NounIndex.lxd"}}) {
        std::map<std::string, std::set<std::string>> codesOf;
        for (const auto& f : FormLines(paradigm))
            codesOf[f.beta].insert(f.code);
        std::multiset<std::set<std::string>> expected;
        for (const auto& [form, codes] : codesOf)
            if (codes.size() > 1)
                expected.insert(codes);

        const auto lines = DataFileLines(index);
        ASSERT_FALSE(lines.empty()) << index;
        EXPECT_EQ(lines[0], std::to_string(lines.size() - 1)) << index << ": counts its lines";
        std::multiset<std::set<std::string>> groups;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            std::set<std::string> group;
            for (int k = 1; k <= CountFields(lines[i], " "); ++k)
                group.insert(GetField(lines[i], " ", k));
            EXPECT_FALSE(group.count("")) << index << ": blanks out of place in " << lines[i];
            groups.insert(group);
        }
        EXPECT_TRUE(groups == expected) << index;
    }
}
