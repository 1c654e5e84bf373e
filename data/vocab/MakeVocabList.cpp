// Builds a vocabulary list file from its readable source:
//   make_vocab_list SOURCE OUTPUT
// A fault in the source stops the build with the source line it concerns.

#include "data/common/WholeFile.h"
#include "data/vocab/VocabList.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_vocab_list SOURCE OUTPUT\n";
        return 2;
    }
    const std::string source = argv[1];
    const std::filesystem::path output = argv[2];
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << source << ": error: cannot read the file\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();

    std::string list;
    try {
        list = VocabListText(LinkVocabList(ParseVocabSource(text.str())));
    } catch (const VocabSourceError& e) {
        std::cerr << source << ":" << e.line() << ": error: " << e.what() << "\n";
        return 1;
    }

    if (std::string problem = WriteWholeFile(output, list); !problem.empty()) {
        std::cerr << output.string() << ": error: " << problem << "\n";
        return 1;
    }
    return 0;
}
