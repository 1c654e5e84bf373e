#pragma once

#include "platform/Progress.h"

#include <QDialog>
#include <QPointer>
#include <string>

class QProgressBar;

// The one progress window, shown while a file is read or written line by line. Its callers do
// not return to the event loop until they are done, so it draws itself whenever it is shown.
class ProgDialog : public QDialog {
    Q_OBJECT

public:
    // The shared window. The first use creates it and shows it at once.
    static ProgDialog& Get();
    // Destroys the shared window; nothing happens when it is not loaded.
    static void Unload();

    // Shows the window without waiting, in front of the program's windows, and draws it at once.
    void ShowNow();
    void SetCaption(const std::string& caption);
    void SetMax(int max);
    // Values beyond the bar's range show as its nearest end.
    void SetValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgDialog();

    QProgressBar* bar_;
};

// One caller's turn with the shared window. Begin shows it with the caption and the bar at 0 of
// maximum (a window that the caller before left hidden takes the caption before it shows again);
// Step moves the bar; End puts it back to 0 and unloads the window.
class ProgressWindow : public Progress {
public:
    explicit ProgressWindow(std::string caption);

    void Begin(int maximum) override;
    void Step(int value) override;
    void End() override;
    // For a caller that learns the number of steps as it goes.
    void SetMax(int maximum);
    // As End, but the window is only hidden, for the caller after to show again.
    void Hide();

private:
    std::string caption_;
    QPointer<ProgDialog> dialog_; // from Begin on
};
