#include "greek/GreekStuff.h"
#include "greek/MarkOrder.h"
#include "greek/Tables.h"

#include <array>
#include <string_view>

namespace {

constexpr bool AllCodesFilled() {
    for (const DataFontCode& entry : DataFontCodes) {
        if (entry.beta == nullptr)
            return false;
    }
    return true;
}
static_assert(AllCodesFilled(), "every data-file code has its Beta text");

// The Beta text of every 8-bit code; empty for the codes without a meaning.
constexpr std::array<std::string_view, 256> DataFontBeta = [] {
    std::array<std::string_view, 256> beta{};
    for (const DataFontCode& entry : DataFontCodes)
        beta[entry.code] = entry.beta;
    return beta;
}();

} // namespace

std::string DataFontToBeta(const std::string& text) {
    std::string beta;
    beta.reserve(text.size() + text.size() / 2);
    for (char c : text)
        beta += DataFontBeta[static_cast<unsigned char>(c)];
    SortBetaMarksInPlace(beta);
    return beta;
}
