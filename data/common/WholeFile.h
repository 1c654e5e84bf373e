#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The files of the Data folder end their lines with CR LF, as the program reads them.
inline constexpr char DataLineEnd[] = "\r\n";

// Writes text to a file beside path and renames it over path, so that a failed build never
// leaves a half-written file. Returns "" or what went wrong.
std::string WriteWholeFile(const std::filesystem::path& path, std::string_view text);
