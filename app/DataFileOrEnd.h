#pragma once

#include "app/DataFile.h"

#include <string>
#include <utility>

// Shows the message of a Data file that could not be read and ends the program, which cannot go
// on without the file.
[[noreturn]] void EndForDataFile(const std::string& message);

// The contents of a Data file read; when there are none, EndForDataFile with its message.
template <class T> T DataFileOrEnd(DataFileRead<T> read) {
    if (!read.contents)
        EndForDataFile(read.message);
    return std::move(*read.contents);
}
