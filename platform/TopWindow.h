#pragma once

class QWidget;

// The program's window in front of its others, which owns every box the program shows so that
// the box stays in front of it wherever the focus is: the modal window that waits for an answer,
// else the active window, else the window last active that is still shown, else any window shown;
// nullptr while the program shows none.
QWidget* TopWindow();

// Gives a window that is kept between its showings a new owner (nullptr: none), as the same kind
// of window.
void SetOwner(QWidget* window, QWidget* owner);
