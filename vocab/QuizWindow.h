#pragma once

#include "vocab/VocabDrill.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The vocabulary drill window "Lexivo Vocabulary Drill". It drives a VocabDrill and shows it:
// the question, the answer field with its live Greek and marker box, six answer slots, the status
// lines. At its end it offers to save the scores and shows the main window again.
class QuizWindow : public QMainWindow {
    Q_OBJECT

public:
    // Loads the window for a drill on the settings of Prefs and asks its first item; the window
    // shows itself, or the drill ends at once. mainWindow is shown again when the drill is over.
    static void StartDrill(QWidget* mainWindow);

    // Saves every word's score in the user's score file for the list.
    void SaveUserScores();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit QuizWindow(QWidget* mainWindow);

    // Layout.
    void buildMenus();
    void buildControls();
    QLabel* statusLabel(const char* name);

    // Routines.
    void Form_Load();
    int LoadVocabFile();
    void LoadUserScores();
    void NextItem();
    void UpdateStatus();
    void ClearAnswers();
    void SetDirectionFonts();
    void ShowItemInfo();
    void ArmEnter();
    void ShowSlots();
    // The list's text shown, and text typed to be judged against it, in the list's encoding.
    QString ListToQString(const std::string& text) const;
    std::string ListFromQString(const QString& text) const;
    void EndDrill();
    void Unload();

    // Handlers.
    void EnterPressed();
    void EditAnswer(int index);
    void Form_MouseUp(const QPoint& at);
    void SelectCaseItem(const std::string& text);
    void TypeCaseField_Change(const QString& text);
    void UserField_Change(const QString& text);
    void BetaButton_Click();
    void Command1_Click();
    void mnuDrillEnd_Click();
    void mnuQuit_Click();
    void mnuHelpAbout_Click();
    void mnuHelpHelp_Click();
    void Form_Unload();

    QPointer<QWidget> mainWindow_;
    VocabDrill drill_;
    bool unloaded_ = false;

    QAction* mnuQuit = nullptr;
    QAction* mnuDrillEnd = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuSep = nullptr;
    QAction* mnuHelpHelp = nullptr;

    QWidget* form_ = nullptr; // the window's surface, where the slots' rectangles lie
    QLabel* QuizField = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* UserField = nullptr;
    QLineEdit* UserGreekField = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* TypeCaseField = nullptr;
    QPushButton* Enter = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QFrame*, SlotCount> AnswerFrame{};
    std::array<QLabel*, SlotCount> AnswerField{};
    std::array<QLabel*, SlotCount> AnswerCaseField{};
    QLabel* ToGoField = nullptr;
    QLabel* ScoreField = nullptr;
    QLabel* StatsField = nullptr;
    QLabel* ChapterField = nullptr;
    QLabel* ItemScoreField = nullptr;
    QPushButton* BetaButton = nullptr;
    QPushButton* Command1 = nullptr;
};
