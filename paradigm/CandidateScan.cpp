#include "paradigm/CandidateScan.h"

#include "paradigm/DrillSettings.h"
#include "paradigm/FormFiles.h"
#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "platform/SeqFile.h"

#include <cstdint>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The place of a one- or two-digit code in a CodeSet, or -1.
int slotOf(std::string_view part) {
    if (part.size() == 1 && isDigit(part[0]))
        return 100 + (part[0] - '0');
    if (part.size() == 2 && isDigit(part[0]) && isDigit(part[1]))
        return (part[0] - '0') * 10 + (part[1] - '0');
    return -1;
}

} // namespace

CodeSet::CodeSet(const std::string& codeList) {
    std::size_t start = 0;
    while (start <= codeList.size()) {
        std::size_t end = codeList.find(',', start);
        if (end == std::string::npos)
            end = codeList.size();
        const int slot = slotOf(std::string_view(codeList).substr(start, end - start));
        if (slot >= 0)
            has_[std::size_t(slot)] = true;
        start = end + 1;
    }
}

bool CodeSet::Has(std::string_view part) const {
    const int slot = slotOf(part);
    return slot >= 0 && has_[std::size_t(slot)];
}

ChoiceSets::ChoiceSets(const FormChoices& choices)
    : items(choices.items), voices(choices.voices), tenses(choices.tenses), moods(choices.moods),
      duals(choices.duals), thirdPersonImperatives(choices.thirdPersonImperatives),
      vocatives(choices.vocatives) {}

bool VerbFormChosen(std::string_view code, const ChoiceSets& chosen) {
    const std::string_view voice = code.substr(2, 1), tense = code.substr(3, 1),
                           mood = code.substr(4, 1);
    if (!chosen.items.Has(code.substr(0, 2)) || !chosen.voices.Has(voice) ||
        !chosen.tenses.Has(tense) || !chosen.moods.Has(mood))
        return false;
    if (code[6] == '2' && !chosen.duals)
        return false;
    return !(code[5] == '3' && mood == "2" && !chosen.thirdPersonImperatives);
}

bool NounFormChosen(std::string_view code, const ChoiceSets& chosen) {
    if (!chosen.items.Has(code.substr(0, 2)))
        return false;
    if (code[5] == '2' && !chosen.duals)
        return false;
    return !(code[3] == '5' && !chosen.vocatives);
}

CandidateList CollectValidForms(const std::string& path, const DrillSettings& drill,
                                const FormChoices& choices, Progress& progress) {
    const std::vector<std::string> lines = ReadLines(path);
    if (lines.empty())
        throw RunError(ErrNo::InputPastEnd, "Input past end of file");
    if (lines.size() - 1 > std::size_t(std::numeric_limits<std::int16_t>::max() - 1))
        throw RunError(ErrNo::Overflow, "Overflow");
    progress.Begin(RoundToInt16(LeadingNumber(lines[0])));
    const ChoiceSets chosen(choices);
    CandidateList candidates;
    int shown = -1;
    for (std::size_t idx = 1; idx < lines.size(); ++idx) {
        const std::string& line = lines[idx];
        const std::size_t comma = line.find(',');
        const std::string_view code = std::string_view(line).substr(0, comma);
        const int value = int(LeadingNumber(code.substr(0, 2)));
        if (value != shown)
            progress.Step(shown = value);
        if (comma == std::string::npos || !IsFormCode(code, drill.codeLength) ||
            !drill.formChosen(code, chosen))
            continue;
        candidates.Append({std::string(code), int(idx), 0});
    }
    progress.End();
    return candidates;
}
