#pragma once

class QPushButton;
class QWidget;

// The default button of a window that is not a dialog: Enter pressed anywhere in the window
// clicks it, unless the focus is on another button, which Enter then clicks instead. The button
// is drawn as the default one.

// Makes button the default button of window (replacing any other).
void SetDefaultButton(QWidget* window, QPushButton* button);

// Takes the default role from button when it holds it; another default button stays.
void ClearDefaultButton(QWidget* window, QPushButton* button);

// The window's default button, or nullptr.
QPushButton* DefaultButton(QWidget* window);

// A window without a cancel button: Escape does nothing in it, where a dialog would close as if
// by its close box and so throw away what the user had not yet chosen. A control of the window
// that uses Escape itself (an open list) still gets it.
void NoCancelKey(QWidget* window);
