// Writes the paradigm files of the Data folder from their Beta-code sources:
//   lexivo_paradigm_builder DATA_FOLDER --verbs VERB_SOURCES... --nouns NOUN_SOURCES...
// The sources are numbered in the order given. On a fault in a source it reports the file and
// line and writes nothing.

#include "ParadigmFiles.h"
#include "ParadigmSource.h"
#include "SourceError.h"
#include "data/common/WholeFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Fault {
    std::string message;
};

std::vector<SourceWord> ReadSources(const std::vector<std::string>& paths, bool verbs,
                                    std::vector<DataLine>& lines) {
    std::vector<SourceWord> words;
    for (const auto& path : paths) {
        std::ifstream in(path);
        if (!in)
            throw Fault{path + ": error: cannot be read"};
        try {
            words.push_back(verbs ? ReadVerbSource(in) : ReadNounSource(in));
            const auto more = WordLines(words.back(), static_cast<int>(words.size()));
            lines.insert(lines.end(), more.begin(), more.end());
        } catch (const SourceError& e) {
            throw Fault{path + ":" + std::to_string(e.line()) + ": error: " + e.what()};
        }
    }
    return words;
}

void Write(const std::filesystem::path& path, const std::string& text) {
    if (std::string problem = WriteWholeFile(path, text); !problem.empty())
        throw Fault{path.string() + ": error: " + problem};
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> verbPaths, nounPaths, *target = nullptr;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--verbs")
            target = &verbPaths;
        else if (arg == "--nouns")
            target = &nounPaths;
        else if (target)
            target->push_back(arg);
    }
    if (argc < 2 || verbPaths.empty() || nounPaths.empty()) {
        std::cerr << "usage: " << argv[0] << " DATA_FOLDER --verbs SOURCES... --nouns SOURCES...\n";
        return 2;
    }
    try {
        std::vector<DataLine> verbLines, nounLines;
        const auto verbs = ReadSources(verbPaths, true, verbLines);
        const auto nouns = ReadSources(nounPaths, false, nounLines);
        const std::filesystem::path folder = argv[1];
        std::string wordList;
        try {
            wordList = WordListText(nouns);
        } catch (const SourceError& e) {
            throw Fault{std::string("NounList.lxd: error: ") + e.what()};
        }
        Write(folder / "Verbs.lxd", ParadigmFileText(static_cast<int>(verbs.size()), verbLines));
        Write(folder / "VerbIndex.lxd", IndexFileText(SpellingGroups(verbLines)));
        Write(folder / "Nouns.lxd", ParadigmFileText(static_cast<int>(nouns.size()), nounLines));
        Write(folder / "NounIndex.lxd", IndexFileText(SpellingGroups(nounLines)));
        Write(folder / "NounList.lxd", wordList);
    } catch (const Fault& f) {
        std::cerr << f.message << "\n";
        return 1;
    }
    return 0;
}
