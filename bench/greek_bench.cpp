// The Greek text routines over 100,000 words, each beside a plain copy of the same words into the
// same place. The counter "x_copy" is the routine's time over the copy's.
#include "greek/GreekStuff.h"
#include "greek/Tables.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int WordCount = 100000;

const std::vector<std::string> Vocabulary{
    "lo/gos",      "a)/nqrwpos", "qeo/s",    "lu/w",          "e)ge/neto",   "h(me/ra",
    "tw=|",        "ou)k",       "ei)=nai",  "pai=des",       "*)aqhnai=oi", "ga/r",
    "de/",         "kai/",       "au)to/s",  "ti/s?",         "yuxh/",       "mh=nin",
    "a)/eide",     "*(/hra",     "r(h/twr",  "ei)s",          "e)k",         "pro/s",
    "lo/gou",      "a)gaqo/s",   "kalh/",    "po/lis",        "basileu/s",   "e)/xei",
    "le/gei",      "ei)=pen",    "h)=lqon",  "a)kou/sas",     "qa/lassa",    "*(/ellhnes",
    "i(ero/n",     "nh=son",     "oi)=kos",  "gewrgo/s",      "xw/ra",       "a)delfh/",
    "dou=los",     "bou=s",      "h(/lios",  "*zeu/s",        "pa/ntes",     "e)stin",
    "ou)rano/s",   "ui(o/s",     "dh=mos",   "nau=s",         "w)=|don",     "xrh/mata",
    "quga/thr",    "ma/xh",      "ne/os",    "h)/dh",         "fi/los",      "me/gas",
    "*)odusseu/s", "i)dw/n",     "poih=sai", "kateskeu/asan", "prosh/kei",   "a)ei/",
};

// The same word in the data-file font: one character per Beta character, capitals upper case.
std::string InDataFont(const std::string& beta) {
    std::string shown;
    for (std::size_t i = 0; i < beta.size(); ++i) {
        if (beta[i] == '*')
            continue;
        std::string wanted = i > 0 && beta[i - 1] == '*' ? "*" : "";
        wanted += beta[i];
        for (const DataFontCode& entry : DataFontCodes) {
            if (wanted == entry.beta) {
                shown += static_cast<char>(entry.code);
                break;
            }
        }
    }
    return shown;
}

struct Words {
    std::vector<std::string> beta, display, dataFont;
    Words() {
        std::mt19937 random(7);
        for (int k = 0; k < WordCount; ++k) {
            const std::string& word = Vocabulary[random() % Vocabulary.size()];
            beta.push_back(word);
            display.push_back(BetaToDisplayFont(word));
            dataFont.push_back(InDataFont(word));
        }
    }
};

const Words& TheWords() {
    static const Words words;
    return words;
}

template <typename Routine>
void AgainstCopy(benchmark::State& state, const std::vector<std::string>& words, Routine routine) {
    using Clock = std::chrono::steady_clock;
    std::vector<std::string> out(words.size());
    Clock::duration copying{}, converting{};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (std::size_t i = 0; i < words.size(); ++i)
            out[i] = words[i];
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
        const auto copied = Clock::now();
        for (std::size_t i = 0; i < words.size(); ++i)
            out[i] = routine(words[i]);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
        copying += copied - start;
        converting += Clock::now() - copied;
    }
    const double perWord = double(state.iterations()) * double(words.size());
    state.counters["copy_ns"] = std::chrono::duration<double, std::nano>(copying).count() / perWord;
    state.counters["routine_ns"] =
        std::chrono::duration<double, std::nano>(converting).count() / perWord;
    state.counters["x_copy"] = double(converting.count()) / double(copying.count());
}

void BM_BetaToDisplayFont(benchmark::State& state) {
    AgainstCopy(state, TheWords().beta, BetaToDisplayFont);
}

void BM_DisplayFontToBeta(benchmark::State& state) {
    AgainstCopy(state, TheWords().display, DisplayFontToBeta);
}

void BM_DataFontToBeta(benchmark::State& state) {
    AgainstCopy(state, TheWords().dataFont, DataFontToBeta);
}

void BM_SortBetaMarks(benchmark::State& state) {
    AgainstCopy(state, TheWords().beta, SortBetaMarks);
}

// A typed answer against its target, both of ten characters, with a typing error or two.
void BM_CountTypos(benchmark::State& state) {
    std::mt19937 random(11);
    const std::string letters = "abgdezhqiklmnxoprstufcyw/=)(|";
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int k = 0; k < 1000; ++k) {
        std::string target(10, ' ');
        for (char& c : target)
            c = letters[random() % letters.size()];
        std::string typed = target;
        typed[random() % 10] = letters[random() % letters.size()];
        std::swap(typed[random() % 9], typed[random() % 9 + 1]);
        pairs.emplace_back(typed, target);
    }
    const bool countSwaps = state.range(0) != 0;
    for (auto _ : state) {
        for (const auto& [typed, target] : pairs)
            benchmark::DoNotOptimize(CountTypos(typed, target, countSwaps, countSwaps));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(pairs.size()));
    state.counters["ns_per_pair"] =
        benchmark::Counter(double(state.iterations()) * double(pairs.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_BetaToDisplayFont)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayFontToBeta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DataFontToBeta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortBetaMarks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountTypos)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
