#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The prompt "Save Scores" at the end of a vocabulary drill: Save (the default button) or Don't
// Save. Its close box saves nothing; it has no cancel key.
class SaveWin : public QDialog {
    Q_OBJECT

public:
    explicit SaveWin(QWidget* parent);

    // Shows the prompt modally in front of the program's windows; true when the user chose Save.
    static bool AskToSave();

private:
    QLabel* Label1;
    QPushButton* SaveButton;
    QPushButton* DontSave;
};
