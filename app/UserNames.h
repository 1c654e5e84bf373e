#pragma once

#include <string>

// Whether a folder directly inside UsersFolder has exactly this name.
bool IsUserName(const std::string& name);

// Whether a name can be one folder inside UsersFolder: not empty, not "." or "..", without a
// separator or a NUL, and not longer than the file system allows there.
bool IsPlainFolderName(const std::string& name);
