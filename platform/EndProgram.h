#pragma once

#include <functional>

// Ends the program at once: no window's close handler runs, no timer fires, nothing is saved.
// Tests check the paths that end here with death tests.
[[noreturn]] void EndProgram();

// Test seam for code that must outlive an ending, such as the fuzzers, which feed one damaged file
// after another to the same process: while a hook is set, EndProgram calls it first. A hook that
// throws leaves EndProgram's caller by its exception; one that returns does not stop the ending.
using EndProgramHook = std::function<void()>;
void SetEndProgramHook(EndProgramHook hook);
