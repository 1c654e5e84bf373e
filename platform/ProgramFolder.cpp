#include "platform/ProgramFolder.h"

#include "platform/Text.h"

#include <QCoreApplication>

namespace {

std::string& overrideFolder() {
    static std::string folder;
    return folder;
}

} // namespace

std::string ProgramFolder() {
    if (!overrideFolder().empty())
        return overrideFolder();
    return FileNameFromQString(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const std::string& folder) {
    overrideFolder() = folder;
}
