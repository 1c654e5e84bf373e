#include "vocab/ListFile.h"

#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "platform/SeqFile.h"

#include <algorithm>

namespace {

// Hands out the lines of a list one by one; running past the last is a read error.
class LineCursor {
public:
    explicit LineCursor(const std::string& path) : reader_(path) {}

    std::string_view Next() {
        std::string_view line;
        if (!reader_.Next(line))
            throw RunError(ErrNo::InputPastEnd, "Input past end of file");
        return line;
    }
    std::string Text() { return std::string(Next()); }
    std::string_view Whole() const { return reader_.Whole(); }
    double Number() { return lineNumber(Next()); }
    // A count of the file: rounded, beyond 16 bits an overflow.
    std::int16_t Count() { return RoundToInt16(Number()); }
    // A link or flag: rounded and held within 16 bits, so that a wild link is just "none".
    std::int16_t Link() { return ClampToInt16(Number()); }

private:
    // Most number lines are a few digits, perhaps with a minus sign: those are read here at
    // once; any other line as its leading number.
    static double lineNumber(std::string_view line) {
        const bool negative = !line.empty() && line[0] == '-';
        const std::string_view digits = line.substr(negative ? 1 : 0);
        if (digits.empty() || digits.size() > 9)
            return LeadingNumber(line);
        int value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9')
                return LeadingNumber(line);
            value = value * 10 + (c - '0');
        }
        return negative ? -value : value;
    }

    LineReader reader_;
};

bool startsWithI(const std::string& text) {
    return text.rfind("I ", 0) == 0;
}

// A first meaning in the first person ("I loose") puts every later meaning there too.
void applyFirstPerson(std::vector<MeaningRecord>& meanings) {
    if (meanings.empty() || !startsWithI(meanings[0].Text))
        return;
    for (std::size_t j = 1; j < meanings.size(); ++j) {
        std::string& text = meanings[j].Text;
        if (!startsWithI(text))
            text = "I " + text.substr(std::min(text.find_first_not_of(' '), text.size()));
    }
}

MeaningRecord readMeaning(LineCursor& in) {
    MeaningRecord m;
    m.Text = in.Text();
    m.NextWord = in.Link();
    m.NextMeaning = in.Link();
    m.PrevWord = in.Link();
    m.PrevMeaning = in.Link();
    m.MarkerFlag = in.Link();
    m.Marker = in.Text();
    return m;
}

} // namespace

WordTable ReadVocabList(const std::string& path, double chaptStart, double chaptEnd,
                        const std::function<void(int, int)>& progress) {
    LineCursor in(path);
    const int count = in.Count();

    WordTable table;
    table.Encoding = EncodingOf(in.Whole());
    table.Records.reserve(std::size_t(std::max(count, 0)) + 1);
    for (int i = 0; i < count; ++i) {
        if (progress)
            progress(i, count);
        WordRecord& r = table.Records.emplace_back();
        r.Chapter = in.Number();
        if (chaptStart <= r.Chapter && r.Chapter <= chaptEnd)
            table.DrillWords.push_back(i);
        r.Headword = in.Text();
        r.SecondForm = in.Text();
        r.NextEntry = in.Link();
        r.PrevEntry = in.Link();
        r.MarkerFlag = in.Link();
        r.Marker = in.Text();
        r.MeaningCount = in.Count();
        r.Meanings.reserve(std::size_t(std::clamp(int(r.MeaningCount), 0, KeptMeanings)));
        for (int j = 0; j < r.MeaningCount; ++j) {
            MeaningRecord m = readMeaning(in);
            if (j < KeptMeanings)
                r.Meanings.push_back(std::move(m));
        }
        applyFirstPerson(r.Meanings);
        if (i < count - 1)
            in.Next();
    }
    table.Records.emplace_back(); // the spare record
    table.WordCount = std::max(count, 0);
    table.MendLinks();
    return table;
}

DataFileRead<WordTable> ReadDataVocabList(const std::string& fileName, double chaptStart,
                                          double chaptEnd,
                                          const std::function<void()>& startReading,
                                          const std::function<void(int, int)>& progress) {
    return ReadDataFile(fileName,
                        "The vocabulary file specified in your preferences is missing. Please "
                        "choose another, or reinstall that file. ",
                        "File error loading vocabulary.", [&](const std::string& path) {
                            if (startReading)
                                startReading();
                            return ReadVocabList(path, chaptStart, chaptEnd, progress);
                        });
}
