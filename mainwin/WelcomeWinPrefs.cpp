#include "app/MyApp.h"
#include "app/PrefsFile.h"
#include "widgets/Controls.h"
#include "widgets/SpinArrows.h"
#include "mainwin/VocabPane.h"
#include "mainwin/WelcomeWin.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <algorithm>
#include <string>

namespace {

// A slider takes a value outside its range as its nearest limit; its handler then stores that
// limit, so that the preferences and the slider agree even when the slider stood there already.
void setSlider(QSlider* slider, int value) {
    slider->setValue(value);
    if (slider->value() != value)
        Q_EMIT slider->valueChanged(slider->value());
}

// The position of the first name equal to name, or -1.
int findName(const std::vector<std::string>& names, const std::string& name) {
    const auto found = std::ranges::find(names, name);
    return found == names.end() ? -1 : int(found - names.begin());
}

// Selects an entry chosen for want of the preferred one; it runs the list's handler even when it
// was selected already, so that it becomes the preference.
void chooseEntry(QComboBox* list, int index) {
    if (list->currentIndex() == index)
        Q_EMIT list->currentIndexChanged(index);
    else
        list->setCurrentIndex(index);
}

} // namespace

void WelcomeWin::LoadPrefs() {
    LoadUserPrefs();
    ApplyPrefs();
}

void WelcomeWin::SetDefaultPrefs() {
    SetDefaultPrefValues(Prefs);
    ApplyPrefs();
}

void WelcomeWin::SavePrefs() {
    SaveUserPrefs();
}

void WelcomeWin::ApplyPrefs() {
    // Each control shows the record as it was when called: the handlers write into Prefs as the
    // controls change (the last chapter's handler may move the first chapter), and a value
    // written so must not take the place of the one still to be shown.
    const LexivoPrefFile prefs = Prefs;

    HowManyField->setText(QString::number(prefs.Iterations));

    vocabPane_->SelectPreferredFile(prefs.VocabFileName);

    setSlider(PercentActive, prefs.PercentActive);
    vocabPane_->EndField->setText(ToQString(NumberText(prefs.VocabChaptEnd)));
    vocabPane_->StartField->setText(ToQString(NumberText(prefs.VocabChaptStart)));
    setSlider(vocabPane_->ReinforceSlide, prefs.Reinforcement);
    setSlider(vocabPane_->ReviewSlide, prefs.Review);

    vocabPane_->StartArrows->setValue(FieldNumber(vocabPane_->StartField));
    vocabPane_->EndArrows->setValue(FieldNumber(vocabPane_->EndField));
    VScroll1->setValue(FieldNumber(HowManyField));

    const int greek = findName(greekFonts_, prefs.GreekFont);
    if (greek >= 0) {
        GreekFont->setCurrentIndex(greek);
    } else {
        ShowMessage("The Greek font specified in your preferences is missing. Please choose "
                    "another, or reinstall  the font.",
                    MsgIcon::Exclamation);
        chooseEntry(GreekFont, 0);
    }

    int english = findName(englishFonts_, prefs.EnglishFont);
    if (english < 0)
        english = findName(englishFonts_, "MS Sans Serif");
    if (english >= 0)
        EnglishFont->setCurrentIndex(english);
    else // the font that stays selected is the one the drill will use
        chooseEntry(EnglishFont, EnglishFont->currentIndex());

    Accents->setChecked(prefs.AccentsImportant != 0);
}
