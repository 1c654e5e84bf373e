#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

class CandidateList;
class NounPane;
class ParadigmPane;
class ParadigmQuizWindow;
struct DrillSettings;
struct FormChoices;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabBar;
class SpinArrows;
class VerbPane;
class VocabPane;

// The main window "Lexivo for Windows": greets the user, holds one tab per kind of drill and the
// settings that all drills share. Creating it loads it: its controls are built and set up for the
// user of UserFolder, whose preferences it shows.
class WelcomeWin : public QMainWindow {
    Q_OBJECT

public:
    WelcomeWin();

    // Reads the user's Prefs.lxp (or takes the defaults) and shows it in the controls.
    void LoadPrefs();

    // Whether the chosen list has a word in the chosen chapters.
    bool CheckChapters();
    // Starts a vocabulary drill, or says that the chosen chapters hold no word.
    void StartVocabDrill();

protected:
    // Closing by the close box ends the program at once, without saving.
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout: the menus stay for the window's life; the controls are built anew at each loading.
    void buildMenus();
    void buildControls();
    void unloadControls();
    void loadWindow();

    // Set-up, tabs and user switch.
    void InitMainWindow();
    void SetWelcomeText();
    void MainTab_Click(int index);
    void ShowVocabPane();
    void HideVocabPane();
    void ShowVerbPane();
    void HideVerbPane();
    void ShowNounPane();
    void HideNounPane();
    void SwitchUser();

    // Preferences.
    void SetDefaultPrefs();
    void ApplyPrefs();
    void SavePrefs();

    // Paradigm drills: checking the choices, the candidate scans and the start.
    void VerbBeginButton_Click();
    void NounBeginButton_Click();
    bool CheckVerbChoices();
    bool CheckNounChoices();
    // The check of either drill, with the steps that the drill takes its own way.
    template <class SetOptions, class Collect, class Save>
    bool CheckChoices(const DrillSettings& drill, const ParadigmPane& pane,
                      ParadigmQuizWindow& window, FormChoices choices, SetOptions setOptions,
                      Collect collect, Save save);
    void SetVerbDrillOptions(const std::string& tenses, const std::string& moods,
                             const std::string& voices, bool duals);
    void SetNounDrillOptions(bool duals, bool vocatives);
    CandidateList CollectValidVerbForms(const std::string& verbs, const std::string& voices,
                                        const std::string& tenses, const std::string& moods,
                                        bool duals, bool thirdPersonImperatives);
    CandidateList CollectValidNounForms(const std::string& words, bool duals, bool vocatives);
    void StartVerbDrill();
    void StartNounDrill();
    void StartDrill(ParadigmQuizWindow& window);

    // Handlers of the common settings, buttons and menus.
    void Accents_Click(int state);
    void EnglishFont_Click(int index);
    void GreekFont_Click(int index);
    void HowManyField_Change();
    void VScroll1_Change(int value);
    void PercentActive_Change(int value);
    void Command1_Click();
    void Command3_Click();
    void mnuFileQuit_Click();
    void mnuDrillDefault_Click();
    void mnuHelpAbout_Click();
    void mnuHelpHelp_Click();

    std::vector<std::string> englishFonts_;
    std::vector<std::string> greekFonts_;

    QAction* mnuFileQuit = nullptr;
    QAction* mnuDrillsVocab = nullptr;
    QAction* mnuDrillsVerb = nullptr;
    QAction* mnuDrillsNoun = nullptr;
    QAction* mnuDrillsSeparator = nullptr;
    QAction* mnuDrillDefault = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuSep2 = nullptr;
    QAction* mnuHelpHelp = nullptr;

    QLabel* WelcomeText = nullptr;
    QTabBar* MainTab = nullptr;
    VocabPane* vocabPane_ = nullptr;
    VerbPane* verbPane_ = nullptr;
    NounPane* nounPane_ = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* GreekFont = nullptr;
    QLabel* Lable2 = nullptr;
    QComboBox* EnglishFont = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* HowManyField = nullptr;
    SpinArrows* VScroll1 = nullptr;
    QCheckBox* Accents = nullptr;
    QGroupBox* Frame3 = nullptr;
    QSlider* PercentActive = nullptr;
    QLabel* ActiveText = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
};
