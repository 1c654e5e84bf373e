#include "app/UserNames.h"

#include "app/MyApp.h"
#include "platform/Folders.h"

#include <algorithm>

bool IsUserName(const std::string& name) {
    const auto names = SubFolderNames(UsersFolder);
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsPlainFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find(PathSeparator) == std::string::npos && name.find('\0') == std::string::npos &&
           NameFitsFolder(UsersFolder, name);
}
