#pragma once

#include <functional>
#include <string>

// Modal message boxes: OK only, the program's title "Lexivo" as caption.
enum class MsgIcon { Stop, Exclamation, Information };

// Shows a modal message box with the text (plain 8-bit text, shown as Windows-1252 unless it is
// valid UTF-8, as file and user names are) and waits for OK.
void ShowMessage(const std::string& text, MsgIcon icon);

using MessageSink = std::function<void(const std::string& text, MsgIcon icon)>;

// What shows the messages: the window layer's message box (ShowMessageBox,
// MessageBoxWindow.h), which the program's start installs before anything else. Without one,
// a message is shown nowhere.
void SetMessageShower(MessageSink shower);

// Test seam: while a sink is set, messages go to it instead of a message box.
void SetMessageSink(MessageSink sink);
