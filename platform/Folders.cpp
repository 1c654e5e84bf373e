#include "platform/Folders.h"

#include <climits>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The names of the entries of a folder that pass keep, in directory order.
template <typename Keep> std::vector<std::string> entryNames(const std::string& folder, Keep keep) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code statusError;
        if (keep(it->status(statusError)))
            names.push_back(it->path().filename().string());
    }
    return names;
}

bool isFolder(const fs::file_status& status) {
    return fs::is_directory(status);
}

bool isFile(const fs::file_status& status) {
    return fs::exists(status) && !fs::is_directory(status);
}

} // namespace

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && isFolder(fs::status(path, ec));
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && isFile(fs::status(path, ec));
}

std::vector<std::string> SubFolderNames(const std::string& folder) {
    return entryNames(folder, isFolder);
}

std::vector<std::string> FileNames(const std::string& folder) {
    return entryNames(folder, isFile);
}

bool NameFitsFolder(const std::string& folder, const std::string& name) {
    long longestName = pathconf(folder.c_str(), _PC_NAME_MAX);
    if (longestName <= 0)
        longestName = 255; // the file system does not say: the usual limit
    return name.size() <= std::size_t(longestName) &&
           folder.size() + 1 + name.size() < std::size_t(PATH_MAX);
}

bool MakeFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::create_directory(path, ec) && !ec;
}
