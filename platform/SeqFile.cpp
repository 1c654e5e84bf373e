#include "platform/SeqFile.h"

#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "platform/Text.h"

#include <QSaveFile>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string readWholeFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        throw RunError(ErrNo::FileNotFound, "File not found");
    if (std::filesystem::is_directory(status))
        throw RunError(ErrNo::PermissionDenied, "Permission denied");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw RunError(ErrNo::PermissionDenied, "Permission denied");
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad())
        throw RunError(ErrNo::DeviceIO, "Device I/O error");
    return std::move(contents).str();
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

[[noreturn]] void pastEnd() {
    throw RunError(ErrNo::InputPastEnd, "Input past end of file");
}

} // namespace

std::vector<std::string> ReadLines(const std::string& path) {
    LineReader reader(path);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line))
        lines.emplace_back(line);
    return lines;
}

LineReader::LineReader(const std::string& path) : text_(readWholeFile(path)) {}

bool LineReader::Next(std::string_view& line) {
    if (pos_ >= text_.size())
        return false;
    std::size_t end = text_.find('\n', pos_);
    const std::size_t next = end == std::string::npos ? text_.size() : end + 1;
    if (end == std::string::npos)
        end = text_.size();
    else if (end > pos_ && text_[end - 1] == '\r')
        --end;
    line = std::string_view(text_).substr(pos_, end - pos_);
    pos_ = next;
    return true;
}

ValueReader::ValueReader(const std::string& path) : text_(readWholeFile(path)) {}

std::string ValueReader::NextValue() {
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
    if (pos_ >= text_.size())
        pastEnd();

    std::string value;
    if (text_[pos_] == '"') {
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string::npos)
            pastEnd();
        value.assign(text_, pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(text_[end - 1]))
            --end;
        value.assign(text_, start, end - start);
    }

    // Consume the delimiter: a comma, or one line end.
    if (pos_ < text_.size()) {
        if (text_[pos_] == ',') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n')
                ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
    }
    return value;
}

std::int16_t ValueReader::NextInt16() {
    return RoundToInt16(NumberFieldValue(NextValue()));
}

ValueWriter::ValueWriter(const std::string& path)
    : file_(std::make_unique<QSaveFile>(FileNameToQString(path))) {
    // Unbuffered, so that a failing write is seen here: QSaveFile does not notice a write that
    // fails while its buffer is flushed at commit, and would put the cut-off file in place.
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw RunError(ErrNo::PathNotFound, "Path/File access error");
}

ValueWriter::~ValueWriter() = default; // an uncommitted QSaveFile removes its temporary file

void ValueWriter::writeLine(const std::string& line) {
    lines_ += line;
    lines_ += "\r\n";
}

void ValueWriter::WriteString(const std::string& text) {
    lines_ += '"';
    lines_ += text;
    lines_ += "\"\r\n";
}

void ValueWriter::WriteInt(long long value) {
    writeLine(std::to_string(value));
}

void ValueWriter::WriteQuotedNumber(double value) {
    WriteString(NumberText(value));
}

void ValueWriter::Commit() {
    const qint64 size = qint64(lines_.size());
    if (file_->write(lines_.data(), size) != size || file_->error() != QFileDevice::NoError)
        file_->cancelWriting();
    if (!file_->commit())
        throw RunError(ErrNo::DeviceIO, "Device I/O error");
}
