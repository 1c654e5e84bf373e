#pragma once

#include "mainwin/ParadigmPane.h"

#include <array>
#include <string>

class QCheckBox;

// The "Verbs" tab of the main window: the verbs to drill and the kinds of form wanted.
class VerbPane : public ParadigmPane {
    Q_OBJECT

public:
    explicit VerbPane(QWidget* parent);

    // Fills the verb list from Verbs.lxd, every item unchecked.
    void LoadVerbList();
    // Sets the pane from the user's VerbPrefs.lxp, or to the defaults.
    void LoadVerbPrefs();
    void SetDefaultVerbPrefs();
    // Writes VerbPrefs.lxp; the first four arguments are code lists.
    void SaveVerbPrefs(const std::string& verbs, const std::string& voices,
                       const std::string& tenses, const std::string& moods, bool duals,
                       bool thirdPersonImperatives);

    // The checked boxes of each group as code lists, and the two options.
    std::string Voices() const;
    std::string Tenses() const;
    std::string Moods() const;
    bool Duals() const;
    bool ThirdPersonImperatives() const;

private:
    std::string CodeList(char group) const;
    void ApplyPrefs(const ParadigmPrefs& prefs) override;
    void ApplyDefaultPrefs() override { SetDefaultVerbPrefs(); }
    // Checks the boxes of one group whose codes the code list holds, unchecks the others.
    void SetGroup(char group, const std::string& codeList);

    std::array<QCheckBox*, 21> boxes_{};
};
