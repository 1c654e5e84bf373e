// The fuzz targets of the vocabulary drill's files: the list, read as the drill and the chapter
// check read it and then drilled for a few items with scripted answers, and the score file.
#include "app/DataFileOrEnd.h"
#include "app/MyApp.h"
#include "fuzz/FuzzProgram.h"
#include "platform/Folders.h"
#include "platform/RunError.h"
#include "vocab/Judging.h"
#include "vocab/ListFile.h"
#include "vocab/Markers.h"
#include "vocab/ScoreFile.h"
#include "vocab/VocabDrill.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

constexpr const char* listName = "Fuzz.lxv";

enum class ScoreLoad {
    NoFile,   // nothing read; every score stays as it was
    Loaded,   // every record matched its saved record
    Mismatch, // some saved records belonged to other words and were passed over
    Problem,  // the file could not be read to its end; the records read keep their scores
};

// The whole load of the score file at path, as the drill window reads it.
ScoreLoad loadScores(const std::string& path, WordTable& table,
                     const std::function<void(int, int)>& progress = {}) {
    if (!FileExists(path))
        return ScoreLoad::NoFile;
    try {
        return ScoreReader(path).Read(table, progress) ? ScoreLoad::Loaded : ScoreLoad::Mismatch;
    } catch (const RunError&) {
        return ScoreLoad::Problem;
    }
}

// A wrong answer of a few kinds: another record's meaning or headword, text of no word at all.
std::string otherAnswer(const VocabDrill& drill, FuzzChoices& choices) {
    const WordTable& table = drill.Table;
    const int word = choices.Pick(int(table.Records.size()));
    const WordRecord& record = table.Records[std::size_t(word)];
    switch (choices.Pick(4)) {
    case 0:
        return record.Meanings.empty() ? "" : record.Meanings.front().Text;
    case 1:
        return record.Headword;
    case 2:
        return "";
    default:
        return "a)/[b]c. de\\f=+|";
    }
}

// What the user types into slot k of the item asked, and the marker box's text.
std::pair<std::string, std::string> answerFor(const VocabDrill& drill, int k,
                                              FuzzChoices& choices) {
    const WordTable& table = drill.Table;
    if (choices.Pick(3) == 0)
        return {otherAnswer(drill, choices), MarkerItemText(choices.Pick(MarkerItemCount))};
    if (drill.ToGreek) {
        const MeaningPair pair = drill.AnswerRing[std::size_t(k) % drill.AnswerRing.size()];
        const WordRecord& record = table.Records[std::size_t(pair.word)];
        return {record.Headword, CaseCodeToText(record.Meanings[std::size_t(pair.meaning)].Marker)};
    }
    const WordRecord& record = table.Records[std::size_t(drill.CurrentWord)];
    if (record.Meanings.empty())
        return {otherAnswer(drill, choices), "None"};
    const MeaningRecord& meaning = record.Meanings[std::size_t(k) % record.Meanings.size()];
    return {meaning.Text, CaseCodeToText(meaning.Marker)};
}

// A few items of a drill over the table, as the drill window runs them.
void drillItems(WordTable table, const VocabSettings& settings, int reinforcement,
                FuzzChoices& choices) {
    VocabDrill drill(settings);
    drill.Table = std::move(table);
    // The window leaves at once when the range holds no word.
    if (drill.Table.DrillWords.empty())
        return;
    while (drill.CountItem()) {
        drill.AskItem(reinforcement);
        FuzzCheck(drill.Table.IsWord(drill.CurrentWord), "the item asks a record of the list");
        FuzzCheck(!drill.ToGreek || !drill.AnswerRing.empty(),
                  "an English question accepts an answer");
        drill.ToGoText();
        drill.ChapterText();
        drill.ItemScoreText();
        int presses = 0;
        for (int k = 0;; ++k) {
            const auto [typed, marker] = answerFor(drill, k, choices);
            const EnterAction action = drill.EnterPressed(typed, marker);
            if (action == EnterAction::Judged)
                break;
            if (k == 0 && choices.Pick(4) == 0) {
                drill.EditAnswer(0);
                --k;
            }
            FuzzCheck(++presses <= 2 * SlotCount + 2, "an item is judged once its slots are full");
        }
        for (const AnswerSlot& slot : drill.Slots)
            FuzzCheck(!slot.Visible || slot.Fill != SlotFill::None, "every shown slot is judged");
        FuzzCheck(drill.EnterPressed("", "None") == EnterAction::NextItem,
                  "Enter after judging goes on to the next item");
        drill.ScoreText();
        drill.StatsText();
    }
    for (const WordRecord& record : drill.Table.Records)
        FuzzCheck(!std::isnan(record.Score), "every score stays a number");
    // Saved at the end, and read as the next drill over the same list reads them.
    const std::string scores = ScoreFilePath(UserFolder, settings.VocabFileName);
    ScoreWriter(scores).Write(drill.Table);
    WordTable next = drill.Table;
    FuzzCheck(loadScores(scores, next) != ScoreLoad::NoFile, "the saved scores are there");
}

} // namespace

int FuzzVocabList(const std::uint8_t* data, std::size_t size) {
    SetUpFuzzProgram();
    const std::string path = FuzzDataFile(listName);
    WriteFuzzFile(path, data, size);
    FuzzChoices choices(data, size);
    choices.ScriptRandomNumbers();
    VocabSettings settings;
    settings.Iterations = 1 + choices.Pick(6);
    settings.PercentActive = choices.Pick(101);
    settings.Review = choices.Pick(101);
    const int reinforcement = choices.Pick(101);
    settings.VocabChaptStart = choices.Pick(3) == 0 ? -choices.Pick(40) : choices.Pick(30);
    settings.VocabChaptEnd = settings.VocabChaptStart + choices.Pick(40) - 2;
    settings.VocabFileName = listName;
    settings.CountAccents = choices.Flip();
    RunUntilEnd([&] {
        WordTable table = DataFileOrEnd(ReadDataVocabList(
            listName, settings.VocabChaptStart, settings.VocabChaptEnd, {}, [](int i, int count) {
                FuzzCheck(0 <= i && i < count, "progress stays within its maximum");
            }));
        drillItems(std::move(table), settings, reinforcement, choices);
    });
    CheckFileKept(path, data, size);
    return 0;
}

namespace {

// The list the score files are read against: a few records with chapters and headwords of the
// kinds a list holds (short headwords, fractional and negative chapters), and the spare record.
WordTable scoreList() {
    WordTable table;
    const std::vector<std::pair<double, std::string>> records{
        {1, "*dikaio/polis"}, {1, "lu/w"}, {2.5, "h("}, {3, "a)/nqrwpos"}, {-1, "o("}, {0, ""}};
    for (const auto& [chapter, headword] : records) {
        WordRecord& record = table.Records.emplace_back();
        record.Chapter = chapter;
        record.Headword = headword;
    }
    table.WordCount = int(records.size());
    table.Records.emplace_back();
    return table;
}

} // namespace

int FuzzScoreFile(const std::uint8_t* data, std::size_t size) {
    SetUpFuzzProgram();
    const std::string path = ScoreFilePath(UserFolder, listName);
    WriteFuzzFile(path, data, size);
    static const WordTable list = scoreList();
    WordTable table = list;
    const int last = int(table.Records.size()) - 1;
    const ScoreLoad result = loadScores(path, table, [last](int k, int maximum) {
        FuzzCheck(maximum == last && 0 <= k && k <= last, "progress stays within its maximum");
    });
    CheckFileKept(path, data, size);
    FuzzCheck(table.Records.size() == list.Records.size(), "loading keeps the list's records");
    for (const WordRecord& record : table.Records)
        FuzzCheck(std::isfinite(record.Score) && record.Score == std::nearbyint(record.Score),
                  "a loaded score is a whole number");
    // What loads well is saved at the end of the drill and must load the same again (a score
    // within 15 digits of the largest number would be written as one beyond it: left alone).
    const bool writable =
        std::all_of(table.Records.begin(), table.Records.end(),
                    [](const WordRecord& r) { return std::abs(r.Score) < 1e300; });
    if (result == ScoreLoad::Loaded && writable) {
        const std::string again = ScoreFilePath(UserFolder, "Again.lxv");
        ScoreWriter(again).Write(table);
        WordTable reloaded = list;
        FuzzCheck(loadScores(again, reloaded) == ScoreLoad::Loaded, "saved scores load again");
        // Scores are written with 15 significant digits, as the file has always held them.
        for (std::size_t k = 0; k < table.Records.size(); ++k) {
            const double saved = table.Records[k].Score, loaded = reloaded.Records[k].Score;
            FuzzCheck(std::abs(loaded - saved) <= 1e-14 * std::abs(saved),
                      "saved scores load as they were, to 15 digits");
        }
    }
    return 0;
}

std::vector<std::string> ScoreFileSeeds() {
    SetUpFuzzProgram();
    const std::string path = ScoreFilePath(UserFolder, "Seed.lxv");
    std::vector<std::string> seeds;
    for (const std::vector<double>& scores :
         {std::vector<double>{0, 0, 0, 0, 0, 0, 0}, {3, -12, 40000, -2, 1e15, 7, 0}}) {
        WordTable table = scoreList();
        for (std::size_t k = 0; k < table.Records.size(); ++k)
            table.Records[k].Score = scores[k];
        ScoreWriter(path).Write(table);
        std::ifstream in(path, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}
