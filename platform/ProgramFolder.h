#pragma once

#include <string>

// The folder that holds the program file, without a trailing separator.
std::string ProgramFolder();

// Test seam: points the program's folder at another folder ("" restores the real one).
void SetProgramFolder(const std::string& folder);
