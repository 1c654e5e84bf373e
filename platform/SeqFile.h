#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QSaveFile;

// Sequential text files. Reading throws RunError: FileNotFound for a missing file,
// PermissionDenied for one that cannot be opened, InputPastEnd for reading past its end.

// Every whole line of a file; a line ends at LF, and a CR just before the LF is dropped. A last
// line without its line end counts; nothing follows the last line end.
std::vector<std::string> ReadLines(const std::string& path);

// The same lines one at a time, without a copy of each: for files of many lines.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    // The next line; false when none is left.
    bool Next(std::string_view& line);
    // The whole file.
    std::string_view Whole() const { return text_; }

private:
    std::string text_;
    std::size_t pos_ = 0;
};

// Reads a file value by value, as the user files (preferences, scores) are written.
class ValueReader {
public:
    explicit ValueReader(const std::string& path);

    // The next value. Blanks (spaces, tabs) before it are skipped. A value in double quotes is
    // taken without them, may hold commas and line ends, and anything between its closing quote
    // and the next comma or line end is passed over; a quote never closed is InputPastEnd. Any
    // other value ends at a comma or a line end (CR LF, LF or CR) and loses its trailing blanks.
    // An empty line is one empty value. Nothing left to read is InputPastEnd.
    std::string NextValue();

    // The next value for a 16-bit number field: its leading number rounded half to even. A value
    // without any number is TypeMismatch, one outside the 16-bit range Overflow.
    std::int16_t NextInt16();

private:
    std::string text_;
    std::size_t pos_ = 0;
};

// Writes a user's file one value per line, each line ended by CR LF. The lines go to a temporary
// file that Commit renames over the target, so the old file stays whole when anything fails.
class ValueWriter {
public:
    // Throws RunError when the file cannot be opened for writing.
    explicit ValueWriter(const std::string& path);
    ~ValueWriter(); // without Commit, nothing is written and the old file stays
    ValueWriter(const ValueWriter&) = delete;
    ValueWriter& operator=(const ValueWriter&) = delete;

    void WriteString(const std::string& text); // "text"
    void WriteInt(long long value);            // decimal digits, a minus sign when negative
    void WriteQuotedNumber(double value);      // " 3", "-7": with its leading blank, quoted

    // Puts the written file in place of the old one; throws RunError when that fails.
    void Commit();

private:
    void writeLine(const std::string& line);

    std::unique_ptr<QSaveFile> file_;
    std::string lines_; // written at Commit, in one piece
};
