#pragma once

// The program's start: records the program's folder, shows the splash window, sets up the
// folders, lets a user be chosen and shows the main window for that user. Returns whether a
// window is left open for the program to go on in; ways of ending inside it end the process.
bool Main();
