#include "vocab/ScoreFile.h"

#include "app/MyApp.h"
#include "platform/Numbers.h"

#include <cmath>

std::string ScoreFilePath(const std::string& userFolder, const std::string& listFileName) {
    const std::size_t keep = listFileName.size() > 4 ? listFileName.size() - 4 : 0;
    return userFolder + PathSeparator + listFileName.substr(0, keep) + ".lxs";
}

ScoreReader::ScoreReader(const std::string& path) : in_(path) {}

bool ScoreReader::Read(WordTable& table, const std::function<void(int, int)>& progress) {
    bool matched = true;
    const int last = int(table.Records.size()) - 1;
    for (int k = 0; k <= last; ++k) {
        if (progress)
            progress(k, last);
        const double chapter = LeadingNumber(in_.NextValue());
        const std::string letters = in_.NextValue();
        // A score is a whole number of any size; one that is no number at all is damaged.
        const double score = std::nearbyint(LeadingNumber(in_.NextValue()));
        WordRecord& record = table.Records[std::size_t(k)];
        if (chapter == record.Chapter && letters == record.Headword.substr(0, 3) &&
            std::isfinite(score))
            record.Score = score;
        else
            matched = false;
    }
    return matched;
}

ScoreWriter::ScoreWriter(const std::string& path) : out_(path) {}

void ScoreWriter::Write(const WordTable& table, const std::function<void(int, int)>& progress) {
    const int last = int(table.Records.size()) - 1;
    for (int k = 0; k <= last; ++k) {
        if (progress)
            progress(k, last);
        const WordRecord& record = table.Records[std::size_t(k)];
        out_.WriteQuotedNumber(record.Chapter);
        out_.WriteString(record.Headword.substr(0, 3));
        out_.WriteQuotedNumber(record.Score);
    }
    out_.Commit();
}
