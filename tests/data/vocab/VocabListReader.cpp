#include "VocabListReader.h"

#include <charconv>
#include <stdexcept>

namespace {

class Lines {
public:
    explicit Lines(const std::vector<std::string>& lines) : lines_(lines) {}
    const std::string& next() {
        if (at_ == lines_.size())
            throw std::runtime_error("the file ends inside a record");
        return lines_[at_++];
    }
    int number() {
        const std::string& line = next();
        int value = 0;
        auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (line.empty() || error != std::errc() || end != line.data() + line.size())
            throw std::runtime_error("line " + std::to_string(at_) + " is no whole number: '" +
                                     line + "'");
        return value;
    }
    std::size_t at() const { return at_; }

private:
    const std::vector<std::string>& lines_;
    std::size_t at_ = 0;
};

} // namespace

ReadList ParseList(const std::vector<std::string>& lines) {
    Lines in(lines);
    ReadList list;
    int count = in.number();
    for (int i = 0; i < count; ++i) {
        ReadRecord r;
        r.chapter = in.number();
        r.headword = in.next();
        r.secondForm = in.next();
        r.nextEntry = in.number();
        r.prevEntry = in.number();
        r.flag = in.next();
        r.marker = in.next();
        int meanings = in.number();
        for (int j = 0; j < meanings; ++j) {
            ReadMeaning m;
            m.text = in.next();
            m.nextWord = in.number();
            m.nextMeaning = in.number();
            m.prevWord = in.number();
            m.prevMeaning = in.number();
            m.flag = in.next();
            m.marker = in.next();
            r.meanings.push_back(m);
        }
        list.records.push_back(r);
        if (i < count - 1)
            list.separators.push_back(in.next());
    }
    list.lineCount = in.at();
    return list;
}
