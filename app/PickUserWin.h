#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>

class NewUser;
class QLabel;
class QListWidget;
class QPushButton;

// The user-choice window: lists the user profiles and sets UserFolder to the one chosen or
// created. It is hidden after use, never unloaded, so it keeps its list between showings.
class PickUserWin : public QDialog {
    Q_OBJECT

public:
    explicit PickUserWin(QWidget* parent = nullptr);

    // The close box returns with UserFolder as it stands; with no user chosen the program has no
    // folder to work in, so then it ends the program as Quit does.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FillUserList();
    void ChooseUser();
    void UserList_Click();
    void QuitButton_Click();

    QPixmap picture_;
    QLabel* Label1;
    QLabel* Label3;
    QListWidget* UserList;
    QLabel* Label2;
    QPushButton* Start;
    QPushButton* QuitButton;
    QPointer<NewUser> newUser_; // loaded when first shown
};

// Shows the run's one user-choice window modally, loading it the first time.
void ShowPickUserWin();

// Test seam: unloads the run's user-choice window, so the next showing loads it afresh.
void UnloadPickUserWin();
