#pragma once

#include "mainwin/ParadigmPane.h"

#include <string>

class QCheckBox;

// The "Nouns, etc." tab of the main window: the nouns, pronouns and adjectives to drill.
class NounPane : public ParadigmPane {
    Q_OBJECT

public:
    explicit NounPane(QWidget* parent);

    // Fills the word list from NounList.lxd, every item unchecked.
    void LoadNounList();
    // Sets the pane from the user's NounPrefs.lxp, or to the defaults.
    void LoadNounPrefs();
    void SetDefaultNounPrefs();
    // Writes NounPrefs.lxp; words is a code list.
    void SaveNounPrefs(const std::string& words, bool duals, bool vocatives);

    bool Duals() const;
    bool Vocatives() const;

private:
    void ApplyPrefs(const ParadigmPrefs& prefs) override;
    void ApplyDefaultPrefs() override { SetDefaultNounPrefs(); }

    QCheckBox* dualBox_;
    QCheckBox* vocativeBox_;
};
