#pragma once

#include "paradigm/ParadigmDrill.h"

#include <QMainWindow>
#include <QPointer>
#include <string>
#include <vector>

struct DrillSettings;
class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

// The window of a paradigm drill, verb or noun as its settings say: it shows each item of its
// drill, takes the answer and ends with the summary. The main window hands a drill over through
// Drill() (the public variables), the word list and the option buttons, then calls doFirstDrill.
class ParadigmQuizWindow : public QMainWindow {
    Q_OBJECT

public:
    // The public variables of the drill: AccentsCount, BreathingsCount, CoolList,
    // HowManyInDrill, PercentActive.
    ParadigmDrill& Drill() { return drill_; }

    // The word list: items "NN name", the name in the display font.
    void ClearWordList();
    void AddWord(const std::string& item);

    // Enables or disables an option button by name.
    void SetOptionEnabled(const char* name, bool enabled);
    bool OptionEnabled(const char* name) const;

    // Starts the drill handed over.
    void doFirstDrill();

protected:
    // Loading the window reads the paradigm file; a missing or unreadable one ends the program.
    ParadigmQuizWindow(const DrillSettings& settings, QWidget* mainWindow);

    // The one loaded window of a kind, or null; a window closed counts as unloaded at once,
    // though it is deleted later.
    template <class Window> static Window* LoadedWindow() {
        QPointer<Window>& loaded = slot<Window>();
        if (loaded && loaded->unloaded_)
            loaded = nullptr;
        return loaded.data();
    }
    template <class Window> static Window& LoadWindow(QWidget* mainWindow) {
        if (!LoadedWindow<Window>())
            slot<Window>() = new Window(mainWindow);
        return *slot<Window>();
    }

    void closeEvent(QCloseEvent* event) override;

private:
    template <class Window> static QPointer<Window>& slot() {
        static QPointer<Window> loaded;
        return loaded;
    }

    // Layout.
    void buildMenus();
    void buildControls();
    QWidget* buildParseArea();
    QWidget* buildStatusArea();
    QFrame* buildInflectPanel(QWidget* parent);

    // The frame of every item.
    void LoadFormFile();
    void LoadIndexFile();
    void NextItem();
    void AdvanceDrill();
    void EndDrill();
    void ArmButtons();
    void ShowStatus();
    void SetAnswerButtons(bool enabled);
    void Form_Unload();

    // Parse mode.
    void ShowParseLayout();
    void ClearParseChoices();
    void ShowParseItem();
    std::string ReadParseChoices();
    void CheckParse();
    void ParseAnswerCorrect();
    void GiveUpParse();
    void SelectWordOf(const std::string& code);

    // Inflect mode: the typed-answer panel ConjugateFrame.
    void ShowInflectLayout();
    void ShowInflectItem();
    void CheckInflection();
    void InflectAnswerCorrect();
    void InflectAnswerWrong();
    void GiveUpInflection();
    void ClearInflectAnswer();
    void ConjAccentsBut_Click();
    void BreathingsBut_Click();
    void UserField_Change();
    void keepFocusInAnswer();

    // Handlers.
    void EnterButton_Click();
    void GiveUpButton_Click();
    void AgainButton_Click();
    void EndQuizButton_Click();
    void BetaButton_Click();
    void BlinkTimer_Timer();
    void mnuDrillEnd_Click();
    void mnuFileQuit_Click();
    void mnuHelpAbout_Click();
    void mnuHelpHelp_Click();

    const DrillSettings& settings_;
    ParadigmDrill drill_;
    QPointer<QWidget> mainWindow_;
    bool ending_ = false;
    bool unloaded_ = false;

    QLabel* ActiveOrPassiveTab = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* VerbForParsingField = nullptr;
    QLabel* CorrectParseField = nullptr;
    QLabel* PossiblesField = nullptr;
    QGroupBox* wordFrame_ = nullptr;
    QListWidget* wordList_ = nullptr;
    std::vector<QGroupBox*> groupFrames_;
    std::vector<QButtonGroup*> groups_; // in code order, as the settings list them
    QFrame* ConjugateFrame = nullptr;
    QLabel* inflectWordField_ = nullptr;     // the word whose form is asked
    std::vector<QLabel*> inflectWordLabels_; // the parsing's words, top to bottom
    QLabel* CorrectLableOne = nullptr;
    QLabel* ConjCorrectVerbOne = nullptr;
    QLabel* CorrectLableTwo = nullptr; // the other spelling: verbs only
    QLabel* ConjCorrectVerbTwo = nullptr;
    QLineEdit* UserField = nullptr;
    QLineEdit* UserGreekField = nullptr;
    QCheckBox* ConjAccentsBut = nullptr;
    QCheckBox* BreathingsBut = nullptr;
    QPushButton* BetaButton = nullptr;

    QLabel* FormsSelectedField = nullptr;
    QLabel* RemainingField = nullptr;
    QLabel* GiveUpsField = nullptr;
    QLabel* CorrectField = nullptr;
    QLabel* ScoreField = nullptr;
    QPushButton* EnterButton = nullptr;
    QPushButton* GiveUpButton = nullptr;
    QPushButton* AgainButton = nullptr;
    QPushButton* EndQuizButton = nullptr;
    QTimer* BlinkTimer = nullptr;
};
