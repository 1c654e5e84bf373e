// Judging one vocabulary item over a list of 32,767 records made from the shipped list's words.
// Each benchmark reports the time of one judging beside its budget: the counter "x_budget" is the
// judging's time over the budget, so below 1 is within it.
#include "greek/GreekStuff.h"
#include "vocab/Judging.h"
#include "vocab/ListFile.h"
#include "vocab/VocabDrill.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <string>

namespace {

constexpr int Records = 32767;
constexpr int Chapters = 22;

// The shipped list's records again and again, each copy in its own chapter and without links, so
// every second form has a few dozen twins.
WordTable ShippedSizes() {
    const WordTable shipped = ReadVocabList(LEXIVO_DATA_DIR "/Athenaze.lxv", 1, Chapters);
    WordTable table;
    for (int k = 0; k < Records; ++k) {
        WordRecord r = shipped.Records[std::size_t(k % shipped.WordCount)];
        r.Chapter = 1 + k % Chapters;
        r.PrevEntry = r.NextEntry = NoLink;
        for (MeaningRecord& m : r.Meanings)
            m.PrevWord = m.NextWord = NoLink;
        table.Records.push_back(std::move(r));
    }
    table.Records.emplace_back();
    table.WordCount = Records;
    return table;
}

// A damaged copy: every sixteenth second form (records 0, 16, 32, ...) is a few thousand
// characters of Beta code, or (runs) a few thousand of one letter with one other at its end.
WordTable Damaged(bool runs) {
    WordTable table = ShippedSizes();
    std::mt19937 random(5);
    const std::string letters = "abgdezhqiklmnxoprstufcyw/=)(| ";
    for (int k = 0; k < Records; k += 16) {
        std::string& form = table.Records[std::size_t(k)].SecondForm;
        form.resize(3000 + random() % 3000);
        for (char& c : form)
            c = runs ? 'a' : letters[random() % letters.size()];
        if (runs)
            form.back() = 'b';
    }
    return table;
}

// A Greek-to-English item on record asked with three slots: one right, one the meaning of other
// words, one blank.
void JudgeOne(benchmark::State& state, WordTable table, int asked, double budgetMs) {
    using Clock = std::chrono::steady_clock;
    VocabSettings settings;
    settings.VocabChaptStart = 1;
    settings.VocabChaptEnd = Chapters;
    VocabDrill drill(settings);
    drill.Table = std::move(table);
    drill.CurrentWord = asked;
    const WordRecord& word = drill.Table.Records[std::size_t(asked)];
    const std::string answers[] = {word.Meanings.at(0).Text,
                                   drill.Table.Records[std::size_t(asked + 1)].Meanings.at(0).Text,
                                   "-"};

    const auto built = Clock::now();
    drill.Lookup = MeaningLookup(drill.Table);
    state.counters["lookup_ms_per_drill"] =
        std::chrono::duration<double, std::milli>(Clock::now() - built).count();

    Clock::duration judging{};
    for (auto _ : state) {
        for (std::size_t i = 0; i < drill.Slots.size(); ++i)
            drill.Slots[i] = AnswerSlot{i < 3 ? answers[i] : "", "", i < 3, SlotFill::None};
        const auto start = Clock::now();
        JudgeEnglishAnswers(drill);
        judging += Clock::now() - start;
        benchmark::DoNotOptimize(drill.Table.Records.data());
    }
    const double ms =
        std::chrono::duration<double, std::milli>(judging).count() / double(state.iterations());
    state.counters["judging_ms"] = ms;
    state.counters["budget_ms"] = budgetMs;
    state.counters["x_budget"] = ms / budgetMs;
}

void BM_JudgeEnglishShippedSizes(benchmark::State& state) {
    JudgeOne(state, ShippedSizes(), 20000, 16);
}

// The asked word's second form long too (1), or of its shipped size (0); (2) long runs.
void BM_JudgeEnglishDamagedSecondForms(benchmark::State& state) {
    JudgeOne(state, Damaged(state.range(0) == 2), state.range(0) ? 20000 : 20001, 100);
}

} // namespace

BENCHMARK(BM_JudgeEnglishShippedSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JudgeEnglishDamagedSecondForms)->Arg(1)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
