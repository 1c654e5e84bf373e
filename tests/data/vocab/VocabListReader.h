#pragma once

#include <string>
#include <vector>

// Reads a built vocabulary list the way the drill does (whole lines, record after record), so
// that the tests see what the program will see. Numbers must be whole numbers; flags and markers
// are kept as their text.

struct ReadMeaning {
    std::string text;
    int nextWord = 0, nextMeaning = 0, prevWord = 0, prevMeaning = 0;
    std::string flag, marker;
};

struct ReadRecord {
    int chapter = 0;
    std::string headword, secondForm;
    int nextEntry = 0, prevEntry = 0;
    std::string flag, marker;
    std::vector<ReadMeaning> meanings;
};

struct ReadList {
    std::vector<ReadRecord> records;
    std::vector<std::string> separators; // the lines between records
    std::size_t lineCount = 0;
};

// Takes the file's lines; throws std::runtime_error when the lines end before the records do or a
// number is no number.
ReadList ParseList(const std::vector<std::string>& lines);
