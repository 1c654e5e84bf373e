#include "paradigm/ParseMode.h"

#include "paradigm/DrillSettings.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace {

const OptionButton* notApplicableButton(const OptionGroup& group) {
    for (const OptionButton& button : group.buttons)
        if (button.notApplicable)
            return &button;
    return nullptr;
}

} // namespace

std::string PossiblesText(std::size_t answers) {
    const std::string start = "Based on the forms you have chosen, ";
    if (answers <= 1)
        return start + "there is 1 remaining answer.";
    return start + "there are " + NumberText(double(answers)) + " remaining answers.";
}

std::string ParseCodeOf(const DrillSettings& drill, const std::string& wordNumber,
                        const std::vector<char>& digits, std::string& missing) {
    missing.clear();
    for (int group : drill.missingOrder)
        if (digits[std::size_t(group)] == 0)
            missing = drill.groups[std::size_t(group)].word;
    if (wordNumber.empty())
        missing = drill.wordWord;
    if (!missing.empty())
        return "";
    std::string code = wordNumber.substr(0, 2);
    code.append(digits.begin(), digits.end());
    return code;
}

std::string MissingChoiceMessage(const std::string& missing) {
    return "You must select a " + missing + ".";
}

std::vector<std::string> DifferingParts(const DrillSettings& drill, const std::string& parseCode,
                                        const std::string& target) {
    std::vector<std::string> words;
    if (parseCode.substr(0, 2) != target.substr(0, 2))
        words.emplace_back(drill.wordWord);
    for (const OptionGroup& group : drill.groups) {
        const auto at = std::size_t(group.position);
        if (parseCode.substr(at, 1) != target.substr(std::min(at, target.size()), 1))
            words.emplace_back(group.word);
    }
    return words;
}

std::string HintText(const std::vector<std::string>& words) {
    std::string hint = "Select a different ";
    for (std::size_t i = 0; i < words.size(); ++i) {
        hint += words[i];
        if (i + 2 < words.size())
            hint += ", ";
        else if (i + 2 == words.size())
            hint += words.size() == 2 ? " and " : ", and ";
    }
    return hint + " and try again.";
}

std::vector<char> GiveUpDigits(const DrillSettings& drill, const std::string& code) {
    std::vector<char> digits;
    for (const OptionGroup& group : drill.groups) {
        const auto at = std::size_t(group.position);
        const char digit = at < code.size() ? code[at] : 0;
        digits.push_back(ButtonOfDigit(group, digit) ? digit : 0);
    }
    if (drill.notApplicableMood != 0 &&
        digits[std::size_t(drill.moodGroup)] == drill.notApplicableMood) {
        for (std::size_t i = 0; i < digits.size(); ++i)
            if (const OptionButton* na = notApplicableButton(drill.groups[i]))
                digits[i] = na->digit;
    }
    return digits;
}
