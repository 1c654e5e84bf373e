#pragma once

#include "platform/SeqFile.h"
#include "vocab/WordTable.h"

#include <functional>
#include <string>

// A user's score file for one vocabulary list: three quoted values per record of the word table
// (chapter, the first three characters of the headword, score), the spare record included.

// The score file of the list listFileName ("Athenaze.lxv") in the user's folder ("Athenaze.lxs").
std::string ScoreFilePath(const std::string& userFolder, const std::string& listFileName);

// A score file opened for reading. Opening throws RunError when the file cannot be read.
class ScoreReader {
public:
    explicit ScoreReader(const std::string& path);

    // Sets the scores of the table's records from the file. A saved record counts only for the
    // record at its place whose chapter and headword it names; false when any did not. Throws
    // RunError when the file ends early: the records read keep their scores. progress, when
    // given, hears (record, last record) before each record is read.
    bool Read(WordTable& table, const std::function<void(int, int)>& progress = {});

private:
    ValueReader in_;
};

// A score file opened for writing through the safe writer. Opening throws RunError when the
// file cannot be written.
class ScoreWriter {
public:
    explicit ScoreWriter(const std::string& path);

    // Writes every record's score and puts the file in place of the old one. Throws RunError on
    // any failure: the old file then stays as it was. progress as for ScoreReader::Read.
    void Write(const WordTable& table, const std::function<void(int, int)>& progress = {});

private:
    ValueWriter out_;
};
