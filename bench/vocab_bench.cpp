// The vocabulary drill's heavy steps on a list of 32,767 records, each beside the cheapest loop
// over the same file in the same run. The counter "x_bare" is the step's time over the loop's.
#include "vocab/ListFile.h"
#include "vocab/ScoreFile.h"
#include "vocab/WordChoice.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <string>

namespace {

constexpr int Records = 32767;
using Clock = std::chrono::steady_clock;

struct Files {
    QTemporaryDir dir;
    std::string list = dir.filePath("Big.lxv").toStdString();
    std::string scores = dir.filePath("Big.lxs").toStdString();
    std::string bareCopy = dir.filePath("bare.txt").toStdString();

    // Records of chapters 1 to 40 with two meanings each, every other meaning shared with the
    // record before it.
    Files() {
        std::ofstream out(list, std::ios::binary);
        out << Records << "\r\n";
        for (int i = 0; i < Records; ++i) {
            const bool shared = i % 2 == 1;
            out << (i % 40 + 1) << "\r\nlu/w" << i << "\r\nlu/sw" << i
                << "\r\n-1\r\n-1\r\n0\r\nNone\r\n2\r\n";
            out << "I loose " << i << "\r\n-1\r\n0\r\n"
                << (shared ? i - 1 : -1) << "\r\n"
                << (shared ? 1 : 0) << "\r\n0\r\nNone\r\n";
            out << "release " << i << "\r\n"
                << (shared ? -1 : i + 1) << "\r\n0\r\n-1\r\n0\r\n1\r\n"
                << "Acc\r\n";
            if (i + 1 < Records)
                out << "-----\r\n";
        }
        out.close();
        ScoreWriter(scores).Write(ReadVocabList(list, 1, 40));
    }
};

const Files& TheFiles() {
    static const Files files;
    return files;
}

// Reads a file line by line and keeps nothing: the least any reader of it does.
std::size_t bareRead(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::size_t total = 0;
    while (std::getline(in, line))
        total += line.size();
    return total;
}

template <typename Step, typename Bare>
void AgainstBare(benchmark::State& state, Step step, Bare bare) {
    Clock::duration bareTime{}, stepTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        bare();
        const auto bareDone = Clock::now();
        step();
        bareTime += bareDone - start;
        stepTime += Clock::now() - bareDone;
    }
    state.counters["bare_ms"] =
        std::chrono::duration<double, std::milli>(bareTime).count() / double(state.iterations());
    state.counters["step_ms"] =
        std::chrono::duration<double, std::milli>(stepTime).count() / double(state.iterations());
    state.counters["x_bare"] = double(stepTime.count()) / double(bareTime.count());
}

void BM_LoadVocabFile(benchmark::State& state) {
    const Files& f = TheFiles();
    AgainstBare(
        state, [&] { benchmark::DoNotOptimize(ReadVocabList(f.list, 1, 40)); },
        [&] { benchmark::DoNotOptimize(bareRead(f.list)); });
}

void BM_LoadScores(benchmark::State& state) {
    const Files& f = TheFiles();
    WordTable table = ReadVocabList(f.list, 1, 40);
    AgainstBare(
        state, [&] { benchmark::DoNotOptimize(ScoreReader(f.scores).Read(table)); },
        [&] { benchmark::DoNotOptimize(bareRead(f.scores)); });
}

void BM_SaveScores(benchmark::State& state) {
    const Files& f = TheFiles();
    const WordTable table = ReadVocabList(f.list, 1, 40);
    // The same lines written bare, in one stream.
    std::string lines;
    {
        std::ifstream in(f.scores, std::ios::binary);
        lines.assign(std::istreambuf_iterator<char>(in), {});
    }
    AgainstBare(
        state, [&] { ScoreWriter(f.scores).Write(table); },
        [&] {
            std::ofstream out(f.bareCopy, std::ios::binary);
            for (std::size_t start = 0; start < lines.size();) {
                const std::size_t end = lines.find('\n', start) + 1;
                out.write(lines.data() + start, std::streamsize(end - start));
                start = end;
            }
        });
}

// One choice among all 32,767 words, every word above the practice threshold, so that each of
// the five candidates takes its 25 draws.
void BM_ChooseNextWord(benchmark::State& state) {
    WordTable table = ReadVocabList(TheFiles().list, 1, 40);
    for (WordRecord& r : table.Records)
        r.Score = 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseNextWord(table, 0, 3));
}

} // namespace

BENCHMARK(BM_LoadVocabFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadScores)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveScores)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseNextWord)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
