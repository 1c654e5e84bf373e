#pragma once

// A test stops at its first fatal failure (ASSERT_*, FAIL) wherever it comes, in a helper as in
// the test's body: the failure ends the test through an exception that GoogleTest reports as the
// failure already printed. The steps after it, which count on what failed (a control found, a
// window shown, an item drawn), never run on a null pointer or a window already gone.
//
// A failure inside a callback of Qt's (a modal window's answer, a timer) cannot unwind through
// Qt's event loop: such a callback runs through StopTestOnFailure, which ends the test's process
// with status 1 after the failure has been printed.

#include <functional>
#include <string>

// Called once, after GoogleTest has been initialised and the death test style set. In the process
// of a death test any failure stops it and is printed to stderr, which the death test's report
// shows: the death test then fails.
void StopAtFirstFatalFailure();

// Called once, like StopAtFirstFatalFailure: outside a death test the program's own ending
// (EndProgram, status 0) ends the test's process as a failure, so that a test in which the program
// ends unexpectedly cannot pass, whatever it had checked or left unchecked before.
void FailWhereTheProgramEnds();

// Runs step; a fatal failure inside it ends the process with status 1, naming where it was.
void StopTestOnFailure(const std::string& where, const std::function<void()>& step);

// Ends the test's process with status 1 after the failure printed, saying why on stderr.
[[noreturn]] void EndTestProcess(const std::string& why);
