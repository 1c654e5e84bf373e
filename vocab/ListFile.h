#pragma once

#include "app/DataFile.h"
#include "vocab/WordTable.h"

#include <functional>
#include <string>

// Reads the vocabulary list at path into a word table: every record, the spare record after
// them, and the drill word list of the records whose chapter lies in chaptStart..chaptEnd.
// Links that lead nowhere read as "none". Throws RunError when the file cannot be read to the
// end of its last record. progress, when given, hears (record, record count) before each record.
WordTable ReadVocabList(const std::string& path, double chaptStart, double chaptEnd,
                        const std::function<void(int, int)>& progress = {});

// As ReadVocabList on the list fileName of the Data folder, for the drill and its chapter check,
// with the messages for a missing file and for one that cannot be read to its end. startReading
// (when given) is called once the file is found, before it is read.
DataFileRead<WordTable> ReadDataVocabList(const std::string& fileName, double chaptStart,
                                          double chaptEnd,
                                          const std::function<void()>& startReading = {},
                                          const std::function<void(int, int)>& progress = {});
