#pragma once

#include <string>
#include <vector>

// Reads the names of a paradigm list file of the Data folder (Verbs.lxd, NounList.lxd): a count
// line, then for each entry one or more lines that begin with its two-digit number. The name is
// the given field of the entry's first line, in the data-file font; it comes back in the display
// font. Throws RunError on a read error, a missing line after the count line, or a first line
// with too few fields.
std::vector<std::string> ReadParadigmNames(const std::string& path, const std::string& separator,
                                           int nameField);
