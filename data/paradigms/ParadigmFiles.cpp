#include "ParadigmFiles.h"

#include "BetaToDataFont.h"
#include "SourceError.h"
#include "data/common/WholeFile.h"
#include "greek/GreekStuff.h"

#include <map>

namespace {

std::string TwoDigits(int number) {
    return std::string{static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

std::string Encoded(const std::string& beta, int line) {
    const std::string dataFont = AtLine(line, [&] { return BetaToDataFont(beta); });
    const std::string back = DataFontToBeta(dataFont);
    if (back != beta)
        throw SourceError("\"" + beta + "\" comes back from the data-file font as \"" + back +
                              "\" (are its marks in the order breathing, accent, diaeresis, "
                              "iota subscript?)",
                          line);
    return dataFont;
}

} // namespace

std::vector<DataLine> WordLines(const SourceWord& word, int number) {
    if (number < 1 || number > 99)
        throw SourceError("codes hold word numbers 01 to 99 only; this is word " +
                          std::to_string(number));
    std::vector<DataLine> lines;
    for (const auto& f : word.forms)
        lines.push_back({TwoDigits(number) + f.code, f.beta, Encoded(f.beta, f.line)});
    return lines;
}

std::vector<std::vector<std::string>> SpellingGroups(const std::vector<DataLine>& lines) {
    std::map<std::string, std::size_t> groupOf;
    std::vector<std::vector<std::string>> groups;
    for (const auto& l : lines) {
        const auto [at, fresh] = groupOf.emplace(l.beta, groups.size());
        if (fresh)
            groups.emplace_back();
        groups[at->second].push_back(l.code);
    }
    std::erase_if(groups, [](const auto& g) { return g.size() < 2; });
    return groups;
}

std::string ParadigmFileText(int count, const std::vector<DataLine>& lines) {
    std::string text = std::to_string(count) + DataLineEnd;
    for (const auto& l : lines)
        text += l.code + "," + l.dataFont + DataLineEnd;
    return text;
}

std::string IndexFileText(const std::vector<std::vector<std::string>>& groups) {
    std::string text = std::to_string(groups.size()) + DataLineEnd;
    for (const auto& g : groups) {
        std::string line;
        for (const auto& code : g)
            line += (line.empty() ? "" : " ") + code;
        text += line + DataLineEnd;
    }
    return text;
}

std::string WordListText(const std::vector<SourceWord>& words) {
    std::string text = std::to_string(words.size()) + DataLineEnd;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto& w = words[i];
        text += TwoDigits(static_cast<int>(i) + 1) + " " + w.forms.front().code.substr(0, 1) + " " +
                Encoded(w.headword, w.forms.front().line) + DataLineEnd;
    }
    return text;
}
