#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class SpinArrows;

// The "Vocabulary" tab of the main window: which list and chapters to drill, and how much
// reinforcement and review. Its controls write every change straight into Prefs. The main window
// shows the preferences in these controls and so reaches them directly.
class VocabPane : public QWidget {
    Q_OBJECT

public:
    explicit VocabPane(QWidget* parent);

    QPushButton* BeginButton() const { return VocabBeginButton; }
    QPushButton* DefaultButton() const { return VocabDefaultButton; }

    // Empties the vocabulary list and fills it with these file names, selecting none; without
    // any, the program ends after its message.
    void FillFileList(std::vector<std::string> names);
    // Selects the first list of that name. When there is none, says so and selects the first
    // list, which becomes the preferred one even when it was selected already.
    void SelectPreferredFile(const std::string& name);

private:
    friend class WelcomeWin;

    void FileField_Click(int row);
    void StartField_Change();
    void EndField_Change();
    void StartArrows_Change(int value);
    void EndArrows_Change(int value);
    void ReinforceSlide_Change(int value);
    void ReviewSlide_Change(int value);

    void buildLayout();
    void requireFiles() const;

    std::vector<std::string> fileNames_;

    QGroupBox* FilesGroupBox;
    QLabel* VocabListLable;
    QListWidget* FileField;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* StartField;
    SpinArrows* StartArrows;
    QLabel* Label8;
    QLabel* Label7;
    QLineEdit* EndField;
    SpinArrows* EndArrows;
    QGroupBox* ReinforceGroupBox;
    QSlider* ReinforceSlide;
    QLabel* ReinforceText;
    QGroupBox* ReviewGroupBox;
    QSlider* ReviewSlide;
    QLabel* ReviewText;
    QPushButton* VocabBeginButton;
    QPushButton* VocabDefaultButton;
};
