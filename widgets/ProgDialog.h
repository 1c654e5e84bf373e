#pragma once

#include <QDialog>
#include <string>

class QProgressBar;

// The one progress window, shown while a file is read or written line by line. Its callers do
// not return to the event loop until they are done, so it draws itself whenever it is shown.
class ProgDialog : public QDialog {
    Q_OBJECT

public:
    // The shared window. The first use creates it and shows it at once.
    static ProgDialog& Get();
    static bool IsLoaded();
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
