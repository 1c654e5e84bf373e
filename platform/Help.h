#pragma once

#include <string>

class QWidget;

// Opens the help viewer for the window of owner and shows helpFile (an HTML text) from its start,
// where its contents are. The viewer is a window of its own that belongs to owner's window; a
// second call shows the same viewer again. A file that cannot be read is said inside the viewer.
void WinHelp(QWidget* owner, const std::string& helpFile);
