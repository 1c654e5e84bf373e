#pragma once

#include "app/MyApp.h"
#include "platform/Folders.h"
#include "platform/RunError.h"

#include <optional>
#include <string>

// What reading a file of the Data folder came to: its contents, or none and the message that
// tells the user why (the file is missing, or it could not be read to its end). The windows show
// the message and end the program (DataFileOrEnd.h): it cannot go on without the file.
template <class T> struct DataFileRead {
    std::optional<T> contents;
    std::string message;
};

// Reads a file of the Data folder with read(path). A missing file is not read and gives
// missingMessage; a RunError while it is read gives readErrorMessage.
template <class Read>
auto ReadDataFile(const std::string& fileName, const std::string& missingMessage,
                  const std::string& readErrorMessage, Read read)
    -> DataFileRead<decltype(read(fileName))> {
    const std::string path = DataFolder + PathSeparator + fileName;
    if (!FileExists(path))
        return {std::nullopt, missingMessage};
    try {
        return {read(path), ""};
    } catch (const RunError&) {
        return {std::nullopt, readErrorMessage};
    }
}
