#pragma once

#include <string>
#include <vector>

// The file system as the program sees it: folders and the files in them. Names are the bytes the
// file system gives; lists come in the order the file system gives them, never sorted. None of
// these throws.

// Whether path names a folder (or a link to one).
bool FolderExists(const std::string& path);

// Whether path names a file that is not a folder.
bool FileExists(const std::string& path);

// The names of the folders directly inside a folder (empty when it cannot be read).
std::vector<std::string> SubFolderNames(const std::string& folder);

// The names of the files directly inside a folder (empty when it cannot be read).
std::vector<std::string> FileNames(const std::string& folder);

// Whether the file system can hold an entry of this name inside folder: the name is no longer
// than it allows for one name (in bytes), and the whole path no longer than a path may be.
bool NameFitsFolder(const std::string& folder, const std::string& name);

// Makes one folder (its parent must exist); true when it was made.
bool MakeFolder(const std::string& path);
