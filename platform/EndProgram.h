#pragma once

// Ends the program at once: no window's close handler runs, no timer fires, nothing is saved.
// Tests check the paths that end here with death tests.
[[noreturn]] void EndProgram();
