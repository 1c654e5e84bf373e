#include "vocab/ListFile.h"

#include "platform/EndProgram.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "platform/SeqFile.h"

namespace {

// Hands out the lines of a list one by one; running past the last is a read error.
class LineCursor {
public:
    explicit LineCursor(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::string& Next() {
        if (next_ >= lines_.size())
            throw RunError(ErrNo::InputPastEnd, "Input past end of file");
        return lines_[next_++];
    }
    std::string Text() { return std::move(Next()); }
    double Number() { return LeadingNumber(Next()); }
    // A count of the file: rounded, beyond 16 bits an overflow.
    std::int16_t Count() { return RoundToInt16(Number()); }
    // A link or flag: rounded and held within 16 bits, so that a wild link is just "none".
    std::int16_t Link() { return ClampToInt16(Number()); }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
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
    LineCursor in(ReadLines(path));
    const int count = in.Count();

    WordTable table;
    table.Records.reserve(std::size_t(std::max(count, 0)) + 1);
    for (int i = 0; i < count; ++i) {
        if (progress)
            progress(i, count);
        WordRecord& r = table.Records.emplace_back();
        r.Chapter = in.Number();
        if (chaptStart <= r.Chapter && r.Chapter <= chaptEnd) {
            if (!table.DrillWordList.empty())
                table.DrillWordList += ',';
            table.DrillWordList += NumberText(i);
            table.DrillWords.push_back(i);
        }
        r.Headword = in.Text();
        r.SecondForm = in.Text();
        r.NextEntry = in.Link();
        r.PrevEntry = in.Link();
        r.MarkerFlag = in.Link();
        r.Marker = in.Text();
        r.MeaningCount = in.Count();
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

WordTable ReadVocabListOrEnd(const std::string& path, double chaptStart, double chaptEnd,
                             const std::function<void()>& startReading,
                             const std::function<void(int, int)>& progress) {
    if (!FileExists(path)) {
        ShowMessage("The vocabulary file specified in your preferences is missing. Please choose "
                    "another, or reinstall that file. ",
                    MsgIcon::Stop);
        EndProgram();
    }
    if (startReading)
        startReading();
    try {
        return ReadVocabList(path, chaptStart, chaptEnd, progress);
    } catch (const RunError&) {
        ShowMessage("File error loading vocabulary.", MsgIcon::Stop);
        EndProgram();
    }
}
