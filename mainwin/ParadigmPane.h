#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

struct ParadigmPrefs;
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

// The pane's list file in the Data folder and what is said when it fails.
struct ParadigmListFile {
    const char* fileName;
    const char* separator;
    int nameField;
    const char* missingMessage;
    const char* readErrorMessage;
};

// What the verb pane and the noun pane share: a frame with a check-box list of paradigm words
// and its "Uncheck All" button, a frame for the pane's own check boxes, and the "Begin Drill"
// and "Default Settings" buttons.
class ParadigmPane : public QWidget {
    Q_OBJECT

public:
    // The "Begin Drill" button; the main window makes it the default button while the pane shows.
    QPushButton* BeginButton() const { return beginButton_; }

    // The checked items in list order: each its 1-based position and its name in the display
    // font.
    std::vector<std::pair<int, std::string>> CheckedItems() const;

protected:
    ParadigmPane(QWidget* parent, const ParadigmPaneNames& names);

    QGroupBox* SelectFrame() const { return selectFrame_; }

    // Fills the list from the file, every item unchecked; a missing or unreadable file ends the
    // program after its message.
    void LoadList(const ParadigmListFile& file);
    void UncheckAllItems();
    // Leaves only the first item checked, when there is one.
    void CheckOnlyFirstItem();

    // Sets the pane from its preference file in the user's folder, whose first code list holds
    // the checked items: its defaults when there is none, and the defaults after a message when
    // it cannot be read or names an item the list lacks.
    void LoadPrefsFile(const char* fileName, int codeListCount, int flagCount);
    // Writes the preference file; a failure is told and the caller goes on.
    void SavePrefsFile(const char* fileName, const ParadigmPrefs& prefs);

    // The pane's own part of the loading, once the list's items are checked.
    virtual void ApplyPrefs(const ParadigmPrefs& prefs) = 0;
    virtual void ApplyDefaultPrefs() = 0;

private:
    // Checks the item of each number of the code list; throws RunError for a number that names
    // no item.
    void CheckListItems(const std::string& codeList);

    QListWidget* listBox_;
    QGroupBox* selectFrame_;
    QPushButton* beginButton_;
};
