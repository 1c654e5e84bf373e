#include "greek/GreekStuff.h"
#include "platform/RunError.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace {

// Calls piece(start, length) for every field of text in order until piece returns false.
template <typename Piece>
void ForEachField(std::string_view text, std::string_view sep, Piece piece) {
    if (text.empty())
        return;
    std::size_t start = 0;
    while (true) {
        std::size_t at = sep.empty() ? std::string_view::npos : text.find(sep, start);
        if (at == std::string_view::npos) {
            piece(start, text.size() - start);
            return;
        }
        if (!piece(start, at - start))
            return;
        start = at + sep.size();
    }
}

} // namespace

std::string GetField(const std::string& text, const std::string& separator, int n) {
    long long number = 0;
    std::string field;
    bool found = false;
    ForEachField(text, separator, [&](std::size_t start, std::size_t length) {
        if (++number < n)
            return true;
        if (number == n) {
            field.assign(text, start, length);
            found = true;
        }
        return false;
    });
    if (!found)
        throw RunError(ErrNo::SubscriptOutOfRange, "Subscript out of range");
    return field;
}

std::int16_t CountFields(const std::string& text, const std::string& separator) {
    constexpr int most = std::numeric_limits<std::int16_t>::max();
    int count = 0;
    ForEachField(text, separator, [&](std::size_t, std::size_t) { return ++count <= most; });
    if (count > most)
        throw RunError(ErrNo::Overflow, "Overflow");
    return static_cast<std::int16_t>(count);
}
