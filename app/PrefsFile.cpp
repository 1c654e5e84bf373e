#include "app/PrefsFile.h"

#include "app/MyApp.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/RunError.h"
#include "platform/SeqFile.h"

namespace {

std::string userPrefsPath() {
    return UserFolder + PathSeparator + "Prefs.lxp";
}

} // namespace

void SetDefaultPrefValues(LexivoPrefFile& prefs) {
    prefs.Iterations = 50;
    prefs.VocabFileName = "Athenaze.lxv";
    prefs.PercentActive = 15;
    prefs.VocabChaptStart = 1;
    prefs.VocabChaptEnd = 3;
    prefs.Reinforcement = 3;
    prefs.GreekFont = "Ortholex";
    prefs.EnglishFont = "MS Sans Serif";
    prefs.Review = 25;
    prefs.AccentsImportant = 1;
}

void ReadPrefsFile(const std::string& path, LexivoPrefFile& prefs) {
    ValueReader in(path);
    LexivoPrefFile read;
    read.Iterations = in.NextInt16();
    read.VocabFileName = in.NextValue();
    read.PercentActive = in.NextInt16();
    read.VocabChaptStart = in.NextInt16();
    read.VocabChaptEnd = in.NextInt16();
    read.Reinforcement = in.NextInt16();
    read.GreekFont = in.NextValue();
    read.EnglishFont = in.NextValue();
    read.Review = in.NextInt16();
    read.AccentsImportant = in.NextInt16();
    prefs = read;
}

void WritePrefsFile(const std::string& path, const LexivoPrefFile& prefs) {
    ValueWriter out(path);
    out.WriteInt(prefs.Iterations);
    out.WriteString(prefs.VocabFileName);
    out.WriteInt(prefs.PercentActive);
    out.WriteInt(prefs.VocabChaptStart);
    out.WriteInt(prefs.VocabChaptEnd);
    out.WriteInt(prefs.Reinforcement);
    out.WriteString(prefs.GreekFont);
    out.WriteString(prefs.EnglishFont);
    out.WriteInt(prefs.Review);
    out.WriteInt(prefs.AccentsImportant);
    out.Commit();
}

PrefsLoad LoadUserPrefs() {
    const std::string path = userPrefsPath();
    if (!FileExists(path)) {
        SetDefaultPrefValues(Prefs);
        return PrefsLoad::Missing;
    }
    try {
        ReadPrefsFile(path, Prefs);
        return PrefsLoad::Read;
    } catch (const RunError&) {
        ShowMessage("I could not open your preference file; using default preferences instead.",
                    MsgIcon::Stop);
        SetDefaultPrefValues(Prefs);
        return PrefsLoad::Failed;
    }
}

bool SaveUserPrefs() {
    if (!UserFolder.empty()) { // without a chosen user there is no folder to write in
        try {
            WritePrefsFile(userPrefsPath(), Prefs);
            return true;
        } catch (const RunError&) {
        }
    }
    ShowMessage("For some reason I could not save your preferences.", MsgIcon::Stop);
    return false;
}
