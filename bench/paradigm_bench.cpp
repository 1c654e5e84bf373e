// The paradigm drill's heavy steps on the largest files the formats allow: the candidate scan
// of a Verbs.lxd of 32,766 data lines beside a bare reading of the same lines ("x_read" is the
// scan's time over the reading's), and the choice of the next item and a weight change over a
// candidate list of 32,766 entries (each within 1 ms).
#include "paradigm/CandidateScan.h"
#include "paradigm/DrillSettings.h"
#include "paradigm/ParadigmDrill.h"
#include "platform/SeqFile.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int LineCount = 32766;

// The code of data line i: 99 verbs, every voice, tense, mood, person and number in turn.
std::string codeOf(int i) {
    const int verb = i * 99 / LineCount + 1;
    std::string code = (verb < 10 ? "0" : "") + std::to_string(verb);
    for (int digit : {i % 3 + 1, i % 10, i / 10 % 6 + 1, i / 60 % 4, i / 240 % 4, i / 960 % 2 + 1})
        code += char('0' + digit);
    return code;
}

const std::string& verbFile() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "lexivo_bench_Verbs.lxd").string();
        std::ofstream out(file, std::ios::binary);
        out << "99\r\n";
        for (int i = 0; i < LineCount; ++i)
            out << codeOf(i) << ",e)leleu/kete,x\r\n";
        return file;
    }();
    return path;
}

struct NoProgress : Progress {
    void Begin(int) override {}
    void Step(int) override {}
    void End() override {}
};

void BM_CandidateScan(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    std::string all;
    for (int verb = 1; verb <= 99; ++verb)
        all += (verb < 10 ? "0" : "") + std::to_string(verb) + ",";
    all.pop_back();
    const FormChoices choices{all,  "1,2,3", "1,2,3,4,5,6,7,8,9,0", "1,2,3,4,5,6", true,
                              true, false};
    NoProgress progress;
    Clock::duration reading{}, scanning{};
    std::size_t kept = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        std::size_t bytes = 0;
        for (const std::string& line : ReadLines(verbFile()))
            bytes += line.size();
        benchmark::DoNotOptimize(bytes);
        const auto read = Clock::now();
        kept = CollectValidForms(verbFile(), VerbDrill, choices, progress).size();
        reading += read - start;
        scanning += Clock::now() - read;
    }
    state.counters["kept"] = double(kept);
    state.counters["read_ms"] =
        std::chrono::duration<double, std::milli>(reading).count() / double(state.iterations());
    state.counters["scan_ms"] =
        std::chrono::duration<double, std::milli>(scanning).count() / double(state.iterations());
    state.counters["x_read"] = double(scanning.count()) / double(reading.count());
}

// A drill over 32,766 candidates whose forms are spelled alike in threes.
ParadigmDrill& largeDrill() {
    static ParadigmDrill drill = [] {
        ParadigmDrill made(VerbDrill);
        std::vector<FormEntry> entries;
        std::vector<std::string> index;
        for (int i = 0; i < LineCount; ++i) {
            entries.push_back({codeOf(i) + std::to_string(i % 7), i + 1, 0});
            made.FormLines.push_back(entries.back().code + ",lu/w");
            if (i % 3 == 2)
                index.push_back(entries[std::size_t(i) - 2].code + " " +
                                entries[std::size_t(i) - 1].code + " " + entries.back().code);
        }
        made.CoolList = CandidateList(std::move(entries));
        made.Index.Load(std::move(index));
        made.HowManyInDrill = 32767;
        made.Start();
        return made;
    }();
    return drill;
}

void BM_NextItem(benchmark::State& state) {
    ParadigmDrill& drill = largeDrill();
    for (auto _ : state) {
        if (drill.HowManyInDrill < 10)
            drill.HowManyInDrill = 32767;
        benchmark::DoNotOptimize(drill.NextItem());
        drill.CountAttempt();
        drill.RightAnswer();
        drill.AdvanceDrill();
    }
}

void BM_SetFormWeight(benchmark::State& state) {
    ParadigmDrill& drill = largeDrill();
    if (drill.HowManyInDrill < 10)
        drill.HowManyInDrill = 32767;
    drill.NextItem();
    for (auto _ : state) {
        drill.WrongTry();
        drill.RightAnswer();
    }
}

} // namespace

BENCHMARK(BM_CandidateScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextItem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetFormWeight)->Unit(benchmark::kNanosecond);

BENCHMARK_MAIN();
