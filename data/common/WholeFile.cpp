#include "data/common/WholeFile.h"

#include <fstream>

std::string WriteWholeFile(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::path temporary = path;
    temporary += ".part";
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.flush()) {
            out.close();
            std::filesystem::remove(temporary, error);
            return "cannot be written";
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::string reason = error.message();
        std::filesystem::remove(temporary, error);
        return "cannot be written (" + reason + ")";
    }
    return "";
}
