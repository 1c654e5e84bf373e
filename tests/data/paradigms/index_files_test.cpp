#include "DataFiles.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

// Each index line names two or more codes of the paradigm file, separated by single blanks, whose
// forms are spelled alike; no code stands in two lines; and every spelling that two or more codes
// share has its line, holding exactly those codes.
void ExpectIndexOf(const std::string& paradigm, const std::string& index) {
    std::map<std::string, std::string> spelling;
    std::map<std::string, std::set<std::string>> codesOf;
    for (const auto& f : FormLines(paradigm)) {
        spelling[f.code] = f.beta;
        codesOf[f.beta].insert(f.code);
    }
    const auto lines = DataFileLines(index);
    ASSERT_GE(lines.size(), 2u) << index;
    EXPECT_EQ(lines[0], std::to_string(lines.size() - 1)) << index << ": counts its lines";

    std::set<std::string> listed;
    std::set<std::set<std::string>> groups;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        EXPECT_EQ(line.find("  "), std::string::npos) << index << ": " << line;
        EXPECT_TRUE(line.front() != ' ' && line.back() != ' ') << index << ": " << line;
        std::istringstream fields(line);
        std::set<std::string> group;
        for (std::string code; fields >> code;) {
            ASSERT_TRUE(spelling.count(code)) << index << ": unknown code " << code;
            EXPECT_TRUE(listed.insert(code).second) << index << ": " << code << " in two lines";
            group.insert(code);
        }
        ASSERT_GE(group.size(), 2u) << index << ": " << line;
        const std::string& form = spelling[*group.begin()];
        for (const auto& code : group)
            EXPECT_EQ(spelling[code], form) << index << ": " << line;
        EXPECT_EQ(group, codesOf[form]) << index << ": not every code of " << form << " is listed";
        groups.insert(group);
    }
    for (const auto& [form, codes] : codesOf)
        if (codes.size() > 1) {
            EXPECT_TRUE(groups.count(codes)) << index << ": no line for " << form;
        }
}

} // namespace

TEST(IndexFiles, VerbIndexGroupsEveryFormSpelledAlike) {
    ExpectIndexOf("Verbs.lxd", "VerbIndex.lxd");
}

TEST(IndexFiles, NounIndexGroupsEveryFormSpelledAlike) {
    ExpectIndexOf("Nouns.lxd", "NounIndex.lxd");
}
