#pragma once

#include <string>
#include <vector>

// A paradigm pane's preference file (VerbPrefs.lxp, NounPrefs.lxp): its code lists, then its
// flags written as "true" or "false", one quoted value per line.
struct ParadigmPrefs {
    std::vector<std::string> codeLists;
    std::vector<bool> flags;
};

// Reads the given numbers of code lists and flags; a flag is true only when its text is exactly
// "true". Throws RunError when the file cannot be read or ends early.
ParadigmPrefs ReadParadigmPrefs(const std::string& path, int codeListCount, int flagCount);

// Replaces the file; the old one stays whole when this throws RunError.
void WriteParadigmPrefs(const std::string& path, const ParadigmPrefs& prefs);

// The non-empty fields of a code list ("01,,04" gives 01 and 04).
std::vector<std::string> CodeListFields(const std::string& codeList);

// The leading numbers of those fields, as a preference file's code list is read back ("1,4,0"
// gives 1, 4 and 0); a field without any number throws RunError, so that a damaged file is told
// and not read as a list of zeros.
std::vector<double> CodeListNumbers(const std::string& codeList);
