#include "paradigm/FormFiles.h"

#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "platform/SeqFile.h"

#include <algorithm>
#include <string_view>

namespace {

// The blank-separated fields of a line that are not empty.
template <class Visit> void forEachField(std::string_view line, Visit visit) {
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string_view::npos)
            end = line.size();
        if (end > start)
            visit(line.substr(start, end - start));
        start = end + 1;
    }
}

} // namespace

std::vector<std::string> ReadDataLines(const std::string& path) {
    std::vector<std::string> lines = ReadLines(path);
    if (lines.size() < 2)
        throw RunError(ErrNo::InputPastEnd, "Input past end of file");
    RoundToInt16(LeadingNumber(lines[0])); // the count is not used, but must fit
    lines.erase(lines.begin());
    for (std::string& line : lines) {
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
    }
    return lines;
}

std::string FormOfLine(const std::vector<std::string>& lines, int idx) {
    if (idx < 1 || std::size_t(idx) > lines.size())
        return "";
    const std::string& line = lines[std::size_t(idx) - 1];
    const std::size_t start = line.find(',');
    if (start == std::string::npos)
        return "";
    const std::size_t end = line.find(',', start + 1);
    return line.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

bool IsFormCode(std::string_view code, int length) {
    return int(code.size()) == length &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void FormIndex::Load(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    lineOfCode_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i)
        forEachField(lines_[i],
                     [&](std::string_view field) { lineOfCode_.emplace(std::string(field), i); });
}

std::vector<std::string> FormIndex::Partners(const std::string& code) const {
    std::vector<std::string> partners;
    const auto found = lineOfCode_.find(code);
    if (found == lineOfCode_.end())
        return partners;
    forEachField(lines_[found->second], [&](std::string_view field) {
        if (field != code)
            partners.emplace_back(field);
    });
    return partners;
}
