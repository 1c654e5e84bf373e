#include "paradigm/CandidateList.h"

#include <algorithm>
#include <cstdint>
#include <limits>

void CandidateList::Append(FormEntry entry) {
    if (!firstOfCode_.empty())
        firstOfCode_.emplace(entry.code, int(entries_.size()));
    entries_.push_back(std::move(entry));
}

void CandidateList::PrepareFind() const {
    if (firstOfCode_.empty()) {
        for (std::size_t i = 0; i < entries_.size(); ++i)
            firstOfCode_.emplace(entries_[i].code, int(i));
    }
}

int CandidateList::Find(const std::string& code) const {
    PrepareFind();
    const auto found = firstOfCode_.find(code);
    return found == firstOfCode_.end() ? -1 : found->second;
}

void CandidateList::SetFormWeight(std::size_t i, int weight) {
    entries_[i].weight = std::clamp(weight, int(std::numeric_limits<std::int16_t>::min()),
                                    int(std::numeric_limits<std::int16_t>::max()));
}
