#include "vocab/ScoreFile.h"

#include "platform/Folders.h"
#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "platform/SeqFile.h"

#include <cmath>

std::string ScoreFilePath(const std::string& userFolder, const std::string& listFileName) {
    const std::size_t keep = listFileName.size() > 4 ? listFileName.size() - 4 : 0;
    return userFolder + "/" + listFileName.substr(0, keep) + ".lxs";
}

ScoreLoad LoadScores(const std::string& path, WordTable& table,
                     const std::function<void(int, int)>& progress) {
    if (!FileExists(path))
        return ScoreLoad::NoFile;
    bool mismatch = false;
    try {
        ValueReader in(path);
        const int last = int(table.Records.size()) - 1;
        for (int k = 0; k <= last; ++k) {
            if (progress)
                progress(k, last);
            const double chapter = LeadingNumber(in.NextValue());
            const std::string letters = in.NextValue();
            // A score is a whole number of any size; one that is no number at all is damaged.
            const double score = std::nearbyint(LeadingNumber(in.NextValue()));
            WordRecord& record = table.Records[std::size_t(k)];
            if (chapter == record.Chapter && letters == record.Headword.substr(0, 3) &&
                std::isfinite(score))
                record.Score = score;
            else
                mismatch = true;
        }
    } catch (const RunError&) {
        return ScoreLoad::Problem;
    }
    return mismatch ? ScoreLoad::Mismatch : ScoreLoad::Loaded;
}

void SaveScores(const std::string& path, const WordTable& table,
                const std::function<void(int, int)>& progress) {
    ValueWriter out(path);
    const int last = int(table.Records.size()) - 1;
    for (int k = 0; k <= last; ++k) {
        if (progress)
            progress(k, last);
        const WordRecord& record = table.Records[std::size_t(k)];
        out.WriteQuotedNumber(record.Chapter);
        out.WriteString(record.Headword.substr(0, 3));
        out.WriteQuotedNumber(record.Score);
    }
    out.Commit();
}
