#pragma once

#include "vocab/WordTable.h"

#include <functional>
#include <string>

// Reads the vocabulary list at path into a word table: every record, the spare record after
// them, and the drill word list of the records whose chapter lies in chaptStart..chaptEnd.
// Links that lead nowhere read as "none". Throws RunError when the file cannot be read to the
// end of its last record. progress, when given, hears (record, record count) before each record.
WordTable ReadVocabList(const std::string& path, double chaptStart, double chaptEnd,
                        const std::function<void(int, int)>& progress = {});

// As ReadVocabList on the list fileName of the Data folder, for the drill and its chapter check:
// a missing file ends the program after its message, before startReading (when given) is
// called; so does a file that cannot be read to its end, after.
WordTable ReadVocabListOrEnd(const std::string& fileName, double chaptStart, double chaptEnd,
                             const std::function<void()>& startReading = {},
                             const std::function<void(int, int)>& progress = {});
