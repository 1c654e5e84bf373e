// The fuzz target of the Greek text routines: every routine on the bytes, with the promises that
// hold for any text checked on the way.
#include "fuzz/FuzzProgram.h"
#include "greek/GreekStuff.h"
#include "platform/RunError.h"

#include <array>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 4> separators{",", " ", " and ", "\r"};

bool fails(ErrNo expected, auto step) {
    try {
        step();
    } catch (const RunError& e) {
        return e.number() == expected;
    }
    return false;
}

void checkFields(const std::string& text, const std::string& separator) {
    int count = 0;
    if (fails(ErrNo::Overflow, [&] { count = CountFields(text, separator); }))
        return;
    FuzzCheck(count >= 0, "CountFields is not negative");
    FuzzCheck(text.empty() == (count == 0), "only an empty text has no field");
    FuzzCheck(fails(ErrNo::SubscriptOutOfRange, [&] { GetField(text, separator, 0); }),
              "there is no field 0");
    FuzzCheck(fails(ErrNo::SubscriptOutOfRange, [&] { GetField(text, separator, count + 1); }),
              "there is no field after the last");
    // The fields and their separators make up the text again (a few, to keep each run quick).
    std::string joined;
    for (int n = 1; n <= count && n <= 16; ++n)
        joined += GetField(text, separator, n) + (n < count ? separator : "");
    FuzzCheck(count > 16 || joined == text, "the fields make up the text");
    if (count > 16)
        FuzzCheck(text.ends_with(GetField(text, separator, count)), "the last field ends the text");
}

} // namespace

int FuzzGreekText(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string sorted = SortBetaMarks(bytes);
    FuzzCheck(sorted.size() <= bytes.size(), "sorting marks adds nothing");
    FuzzCheck(StripBetaMarks(sorted) == StripBetaMarks(bytes), "only marks move or go");
    FuzzCheck(StripSpaces(bytes).find(' ') == std::string::npos, "no blank is left");
    FuzzCheck(StripBetaMarks(bytes).find_first_of("/\\=+|,.;*-()[]") == std::string::npos,
              "no Beta mark is left");
    FuzzCheck(StripAccents(bytes).find_first_of("/\\=+") == std::string::npos, "no accent is left");

    const std::string beta = DataFontToBeta(bytes);
    const std::string display = BetaToDisplayFont(beta);
    DisplayFontToBeta(display);
    DisplayFontToBeta(bytes);
    BetaToDisplayFont(bytes);

    checkFields(bytes, separators[size % separators.size()]);

    // An answer and its target: the text split at its first line end, or in halves.
    std::size_t cut = bytes.find('\n');
    if (cut == std::string::npos)
        cut = size / 2;
    const std::string answer = bytes.substr(0, cut);
    const std::string target = bytes.substr(std::min(cut + 1, size));
    for (const bool swaps : {false, true}) {
        const int typos = CountTypos(answer, target, swaps, false);
        FuzzCheck(typos >= 0 && typos <= 5, "an unscaled count lies in 0 to 5");
        FuzzCheck(CountTypos(answer, target, swaps, true) >= typos - 2,
                  "scaling takes off at most 2");
    }
    return 0;
}

std::vector<std::string> GreekTextSeeds() {
    const std::vector<std::string> words{"lu/w",
                                         "*)/anqrwpos",
                                         "a)/dikos",
                                         "to\\n lo/gon",
                                         "ei)si/n",
                                         "lu/h|",
                                         "qa/latta",
                                         "*)aqh=nai",
                                         "ai)/",
                                         "dw=ron,lo/gos",
                                         "po/lis and a)sti/",
                                         "e)lu/qhn\nlu/qhn",
                                         "*(o *)odusseu/s",
                                         "i+/",
                                         "lu/ousi(n)"};
    std::vector<std::string> seeds;
    for (const std::string& word : words) {
        seeds.push_back(word);
        seeds.push_back(BetaToDisplayFont(word));
    }
    return seeds;
}
