#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// One candidate form of a drill: its code, the number of its data line in the paradigm file
// (from 1) and its practice weight.
struct FormEntry {
    std::string code;
    int idx = 0;
    int weight = 0;
};

// A drill's candidate forms in paradigm-file order. Weights change only through SetFormWeight, on
// the one entry that draws and judging read.
class CandidateList {
public:
    CandidateList() = default;
    explicit CandidateList(std::vector<FormEntry> entries) : entries_(std::move(entries)) {}

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const FormEntry& operator[](std::size_t i) const { return entries_[i]; }
    const std::vector<FormEntry>& entries() const { return entries_; }
    void Append(FormEntry entry);

    // The position of the first entry with this code, or -1.
    int Find(const std::string& code) const;
    // Makes the look-up of Find ready, so that no later Find waits for it.
    void PrepareFind() const;

    // Sets an entry's weight, held within the 16-bit range.
    void SetFormWeight(std::size_t i, int weight);

private:
    std::vector<FormEntry> entries_;
    // Built at the first look-up: the first position of each code.
    mutable std::unordered_map<std::string, int> firstOfCode_;
};
