#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// The window in which a new user profile is named. Its buttons only hide it, so a second showing
// keeps the last text; its close box unloads it.
class NewUser : public QDialog {
    Q_OBJECT

public:
    explicit NewUser(QWidget* parent = nullptr);

    std::string ButtonPushed; // "Okay" or "Cancel": how the window was last left

    // Makes the folder of the name in NameField and sets UserFolder to it; false, with a message,
    // when the name cannot be used.
    bool AddUser();

private:
    void NameField_Change();
    void OkayButton_Click();
    void CancelButton_Click();
    void resetNameField();

    QLabel* Label1;
    QLineEdit* NameField;
    QPushButton* OkayButton;
    QPushButton* CancelButton;
};
