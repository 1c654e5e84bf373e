#pragma once

#include "app/LexivoPrefFile.h"

#include <string>

// The general preference file Prefs.lxp: ten values, one per line, CR LF, strings quoted.

// The built-in defaults.
void SetDefaultPrefValues(LexivoPrefFile& prefs);

// Reads the ten values of a preference file; throws RunError (and leaves prefs as it was) when
// the file cannot be read, ends early or holds a value that does not fit its field.
void ReadPrefsFile(const std::string& path, LexivoPrefFile& prefs);

// Writes the ten values; throws RunError on failure, leaving any earlier file whole.
void WritePrefsFile(const std::string& path, const LexivoPrefFile& prefs);

// Reads UserFolder's Prefs.lxp into Prefs. A missing file gives the defaults silently; a file that
// cannot be read gives a message and the defaults.
enum class PrefsLoad { Missing, Read, Failed };
PrefsLoad LoadUserPrefs();

// Writes Prefs to UserFolder's Prefs.lxp; on failure tells the user and returns false.
bool SaveUserPrefs();
