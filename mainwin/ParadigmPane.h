#pragma once

#include <QWidget>

class QGroupBox;
class QListWidget;
class QPushButton;

// The object names and captions that tell the verb pane and the noun pane apart.
struct ParadigmPaneNames {
    const char* pickFrame;
    const char* pickCaption;
    const char* listBox;
    const char* uncheckButton;
    const char* uncheckCaption;
    const char* selectFrame;
    const char* selectCaption;
    const char* beginButton;
    const char* defaultButton;
};

// What the verb pane and the noun pane share: a frame with a check-box list of paradigm words
// and its "Uncheck All" button, a frame for the pane's own check boxes, and the "Begin Drill"
// and "Default Settings" buttons.
class ParadigmPane : public QWidget {
    Q_OBJECT

public:
    // The "Begin Drill" button; the main window makes it the default button while the pane shows.
    QPushButton* BeginButton() const { return beginButton_; }

protected:
    ParadigmPane(QWidget* parent, const ParadigmPaneNames& names);

    QListWidget* ListBox() const { return listBox_; }
    QGroupBox* SelectFrame() const { return selectFrame_; }
    QPushButton* DefaultButton() const { return defaultButton_; }

    // Unchecks every item of the list.
    void UncheckAllItems();

private:
    QGroupBox* pickFrame_;
    QListWidget* listBox_;
    QPushButton* uncheckButton_;
    QGroupBox* selectFrame_;
    QPushButton* beginButton_;
    QPushButton* defaultButton_;
};
