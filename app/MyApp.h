#pragma once

#include "app/LexivoPrefFile.h"

#include <string>

// Application-wide state, alive for the whole run.
inline std::string AppFolder;   // the program's folder, without a trailing separator
inline std::string DataFolder;  // AppFolder + "/Data"
inline std::string UsersFolder; // AppFolder + "/Users"
inline std::string HelpFile;    // DataFolder + "/HELPER.HLP"
inline std::string UserFolder;  // UsersFolder + "/" + user name; "" while no user is chosen
inline LexivoPrefFile Prefs;    // the current user's general preferences

// The separator between the parts of a path.
inline constexpr char PathSeparator = '/';

// Sets the folder globals, ends the program when there is no Data folder, makes the Users folder
// when it is missing, and empties Prefs.
void SetUpFolders();

// Ends the program at once; nothing is saved.
[[noreturn]] void QuitProgram();
