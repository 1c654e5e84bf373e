#pragma once

#include "vocab/WordTable.h"

#include <functional>
#include <string>

// A user's score file for one vocabulary list: three quoted values per record of the word table
// (chapter, the first three characters of the headword, score), the spare record included.

// The score file of the list listFileName ("Athenaze.lxv") in the user's folder ("Athenaze.lxs").
std::string ScoreFilePath(const std::string& userFolder, const std::string& listFileName);

enum class ScoreLoad {
    NoFile,   // nothing read; every score stays as it was
    Loaded,   // every record matched its saved record
    Mismatch, // some saved records belonged to other words and were passed over
    Problem,  // the file could not be read to its end; the records read keep their scores
};

// Sets the scores of the table's records from the file at path. A saved record counts only for
// the record at its place whose chapter and headword it names. progress, when given, hears
// (record, last record) before each record is read.
ScoreLoad LoadScores(const std::string& path, WordTable& table,
                     const std::function<void(int, int)>& progress = {});

// Writes every record's score to path through the safe writer: on any failure the old file stays
// as it was and RunError is thrown. progress as for LoadScores.
void SaveScores(const std::string& path, const WordTable& table,
                const std::function<void(int, int)>& progress = {});
