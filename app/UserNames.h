#pragma once

#include <string>

// Whether a folder directly inside UsersFolder has exactly this name.
bool IsUserName(const std::string& name);

// Whether a name can be one folder inside another: not empty, not "." or "..", and without a
// separator or a NUL.
bool IsPlainFolderName(const std::string& name);
