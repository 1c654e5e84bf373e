#include "data/vocab/VocabSource.h"

#include "data/common/GreekWordCheck.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr std::array<std::string_view, 9> MarkerCodes{"Plu", "Acc", "Gen", "Dat", "Ind",
                                                      "Sub", "Opt", "Inf", "Part"};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// "text [Code]" -> text and code; a field without brackets has no marker.
std::pair<std::string, std::string> SplitMarker(std::string_view field, int line) {
    field = Trim(field);
    if (field.empty() || field.back() != ']')
        return {std::string(field), ""};
    std::size_t open = field.rfind('[');
    if (open == std::string_view::npos)
        throw VocabSourceError(line, "a ']' without its '[' in " + Quoted(field));
    std::string code(Trim(field.substr(open + 1, field.size() - open - 2)));
    if (!IsMarkerCode(code))
        throw VocabSourceError(line, "unknown construction marker [" + code +
                                         "]; use Plu, Acc, Gen, Dat, Ind, Sub, Opt, Inf "
                                         "or Part, or leave it out");
    return {std::string(Trim(field.substr(0, open))), code};
}

void CheckGreek(std::string_view what, std::string_view text, int line) {
    // Headwords may be unaccented: e)n, te, ou).
    GreekWordFault fault = FindGreekWordFault(text, Accents::MayLack);
    if (!fault.problem.empty())
        throw VocabSourceError(line, std::string(what) + " " + Quoted(text) + ": " +
                                         Quoted(fault.word) + " " + fault.problem);
}

void CheckMeaningText(const std::string& text, int line) {
    if (text.empty())
        throw VocabSourceError(line, "an empty meaning");
    for (unsigned char c : text) {
        if (c < 32 || c > 126)
            throw VocabSourceError(line, "the meaning " + Quoted(text) +
                                             " has a character outside plain ASCII");
        if (c == '[' || c == ']')
            throw VocabSourceError(line, "the meaning " + Quoted(text) +
                                             " has a bracket that is not its marker");
    }
}

bool IsFirstPerson(const std::string& text) {
    return text.rfind("I ", 0) == 0;
}

SourceWord ParseWord(std::string_view text, int line, int chapter) {
    std::vector<std::string_view> fields = Split(text, ';');
    if (fields.size() < 3)
        throw VocabSourceError(line, "a word line needs a headword, a second form and at least "
                                     "one meaning, separated by ';'");
    SourceWord word;
    word.line = line;
    word.chapter = chapter;
    auto [headword, marker] = SplitMarker(fields[0], line);
    if (headword.empty())
        throw VocabSourceError(line, "the headword is empty");
    CheckGreek("headword", headword, line);
    word.headword = headword;
    word.marker = marker;

    std::string_view second = Trim(fields[1]);
    if (!second.empty())
        CheckGreek("second form", second, line);
    word.secondForm = second.empty() ? word.headword : std::string(second);

    if (fields.size() - 2 > MaxMeanings)
        throw VocabSourceError(line, "more than six meanings; the drill has six answer boxes");
    for (std::size_t i = 2; i < fields.size(); ++i) {
        auto [meaning, meaningMarker] = SplitMarker(fields[i], line);
        CheckMeaningText(meaning, line);
        for (const SourceMeaning& earlier : word.meanings) {
            if (earlier.text == meaning && earlier.marker == meaningMarker)
                throw VocabSourceError(line, "the meaning " + Quoted(meaning) + " stands twice");
        }
        word.meanings.push_back({meaning, meaningMarker});
    }
    // The drill puts "I " before every meaning of a word whose first meaning has it; the list
    // says so itself, so that it reads as the drill shows it.
    if (IsFirstPerson(word.meanings.front().text)) {
        for (const SourceMeaning& m : word.meanings) {
            if (!IsFirstPerson(m.text))
                throw VocabSourceError(line, "the first meaning is in the first person, so " +
                                                 Quoted(m.text) + " must be too ('I " + m.text +
                                                 "')");
        }
    }
    return word;
}

int ParseChapter(std::string_view text, int line) {
    std::string_view number = Trim(text);
    int chapter = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), chapter);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        chapter < 1 || chapter > 32767)
        throw VocabSourceError(line, "a chapter line needs a whole number from 1 to 32767");
    return chapter;
}

} // namespace

bool IsMarkerCode(std::string_view code) {
    return std::find(MarkerCodes.begin(), MarkerCodes.end(), code) != MarkerCodes.end();
}

std::vector<SourceWord> ParseVocabSource(std::string_view text) {
    constexpr std::string_view ChapterWord = "chapter ";
    std::vector<SourceWord> words;
    int chapter = 0;
    int line = 0;
    for (std::string_view raw : Split(text, '\n')) {
        ++line;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        std::string_view content = Trim(raw);
        if (content.empty() || content.front() == '#')
            continue;
        if (content.substr(0, ChapterWord.size()) == ChapterWord) {
            chapter = ParseChapter(content.substr(ChapterWord.size()), line);
            continue;
        }
        if (chapter == 0)
            throw VocabSourceError(line, "a word before the first chapter line");
        words.push_back(ParseWord(content, line, chapter));
        if (words.size() > 32767)
            throw VocabSourceError(line, "more than 32767 words");
    }
    return words;
}
