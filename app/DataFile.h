#pragma once

#include "app/MyApp.h"
#include "platform/EndProgram.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/RunError.h"

#include <string>

// Reads a file of the Data folder with read(path). A missing file, or a RunError while it is
// read, ends the program after the message given for it: the program cannot go on without it.
template <class Read>
auto ReadDataFile(const std::string& fileName, const std::string& missingMessage,
                  const std::string& readErrorMessage, Read read) -> decltype(read(fileName)) {
    const std::string path = DataFolder + PathSeparator + fileName;
    if (!FileExists(path)) {
        ShowMessage(missingMessage, MsgIcon::Stop);
        EndProgram();
    }
    try {
        return read(path);
    } catch (const RunError&) {
        ShowMessage(readErrorMessage, MsgIcon::Stop);
        EndProgram();
    }
}
