#pragma once

#include <stdexcept>
#include <string>

// A fault in a paradigm source; line is the source line it was found on (0 when not yet known).
class SourceError : public std::runtime_error {
public:
    explicit SourceError(const std::string& what, int line = 0)
        : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// The result of step; a SourceError it throws is thrown again with this line.
template <typename Step> auto AtLine(int line, Step step) {
    try {
        return step();
    } catch (const SourceError& e) {
        throw SourceError(e.what(), line);
    }
}
