#include "app/DataFileOrEnd.h"
#include "app/MyApp.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/RunError.h"
#include "platform/Text.h"
#include "vocab/ListFile.h"
#include "vocab/Markers.h"
#include "vocab/QuizWindow.h"
#include "vocab/SaveWin.h"
#include "vocab/ScoreFile.h"
#include "widgets/BetaCodeWin.h"
#include "widgets/DisplayFontText.h"
#include "widgets/ProgDialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace {

// Opens the score file, then shows the progress window and reads or writes the file with use.
// A failure is told while the file is still open and the progress window up (when it got so
// far); then the file is closed and the window unloaded.
template <class ScoreFile, class Use>
void useScoreFile(const std::string& path, const char* caption, int max, Use use) {
    std::optional<ScoreFile> file;
    ProgressWindow progress(caption);
    try {
        file.emplace(path);
        progress.Begin(max);
        use(*file, [&progress](int value, int) { progress.Step(value); });
        progress.Step(0);
    } catch (const RunError&) {
        ShowMessage("There were problems with your saved scores.", MsgIcon::Stop);
    }
    file.reset();
    ProgDialog::Unload();
}

QFont fontOf(const std::string& family, int points) {
    QFont font(ToQString(family));
    font.setPointSize(points);
    return font;
}

} // namespace

void QuizWindow::StartDrill(QWidget* mainWindow) {
    auto* window = new QuizWindow(mainWindow);
    window->Form_Load();
}

QuizWindow::QuizWindow(QWidget* mainWindow)
    : mainWindow_(mainWindow), drill_(VocabSettingsFrom(Prefs)) {
    setObjectName(QStringLiteral("QuizWindow"));
    setWindowTitle(QStringLiteral("Lexivo Vocabulary Drill"));
    setAttribute(Qt::WA_QuitOnClose, false);
    buildMenus();
    buildControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the drill's surface has one size
}

void QuizWindow::Form_Load() {
    TypeCaseField->clear();
    for (int i = 0; i < MarkerItemCount; ++i)
        TypeCaseField->addItem(QString::fromLatin1(MarkerItemText(i)));
    SelectCaseItem("");
    UserGreekField->clear();
    UserGreekField->setFont(fontOf("Ortholex", 16));
    BetaCodeWin::OfferChart(BetaButton);
    drill_.Table.WordCount = LoadVocabFile();
    // The list may have changed since the main window checked it.
    if (drill_.Table.DrillWords.empty()) {
        ShowMessage("There are no vocabulary words in the selected chapter.", MsgIcon::Stop);
        Unload();
        return;
    }
    NextItem();
}

int QuizWindow::LoadVocabFile() {
    const VocabSettings& s = drill_.Settings;
    ProgressWindow progress("Opening File");
    drill_.Table = DataFileOrEnd(ReadDataVocabList(
        s.VocabFileName, s.VocabChaptStart, s.VocabChaptEnd, [&progress] { progress.Begin(0); },
        [&progress](int i, int count) {
            progress.SetMax(count);
            progress.Step(i);
        }));
    progress.Hide();
    LoadUserScores();
    return drill_.Table.WordCount;
}

void QuizWindow::LoadUserScores() {
    const std::string path = ScoreFilePath(UserFolder, drill_.Settings.VocabFileName);
    if (!FileExists(path))
        return;
    bool matched = true;
    useScoreFile<ScoreReader>(
        path, "Loading your saved scores...", drill_.Table.WordCount,
        [&](ScoreReader& file, const auto& steps) { matched = file.Read(drill_.Table, steps); });
    if (!matched)
        ShowMessage("There were some errors in reading your saved scores. Some words' scores may "
                    "have been reset.",
                    MsgIcon::Exclamation);
}

void QuizWindow::SaveUserScores() {
    useScoreFile<ScoreWriter>(
        ScoreFilePath(UserFolder, drill_.Settings.VocabFileName), "Saving Scores File",
        drill_.Table.WordCount,
        [&](ScoreWriter& file, const auto& steps) { file.Write(drill_.Table, steps); });
}

void QuizWindow::NextItem() {
    const bool more = drill_.CountItem();
    UpdateStatus();
    if (!more) {
        EndDrill();
        return;
    }
    ClearAnswers();
    drill_.AskItem(Prefs.Reinforcement);
    SetDirectionFonts();
    ShowItemInfo();
    show();
    ArmEnter();
}

void QuizWindow::UpdateStatus() {
    ToGoField->setText(ToQString(drill_.ToGoText()));
    ScoreField->setText(ToQString(drill_.ScoreText()));
    StatsField->setText(ToQString(drill_.StatsText()));
}

// Emptied while the item before is still the current one, so that emptying the answer field
// empties its Greek too when that item asked for Greek.
void QuizWindow::ClearAnswers() {
    QuizField->clear();
    UserField->clear();
    SelectCaseItem("");
}

void QuizWindow::SetDirectionFonts() {
    const VocabSettings& s = drill_.Settings;
    const bool toGreek = drill_.ToGreek;
    QuizField->setFont(toGreek ? fontOf(s.EnglishFont, 14) : fontOf(s.GreekFont, 20));
    UserField->setFont(fontOf(s.EnglishFont, 11));
    TypeCaseField->setFont(fontOf(s.EnglishFont, 10));
    for (QLabel* answer : AnswerField)
        answer->setFont(toGreek ? fontOf(s.GreekFont, 15) : fontOf(s.EnglishFont, 11));
    for (QLabel* marker : AnswerCaseField)
        marker->setFont(fontOf(s.EnglishFont, 9));
    UserGreekField->setFont(fontOf(s.GreekFont, 16));
    UserGreekField->setVisible(toGreek);
}

void QuizWindow::ShowItemInfo() {
    ChapterField->setText(ToQString(drill_.ChapterText()));
    ItemScoreField->setText(ToQString(drill_.ItemScoreText()));
    QuizField->setText(drill_.ToGreek ? ListToQString(drill_.QuizText)
                                      : DisplayFontToQString(drill_.QuizText));
    ShowSlots();
    Enter->setText(ToQString(drill_.EnterCaption));
    Enter->setEnabled(true);
}

void QuizWindow::ShowSlots() {
    for (int i = 0; i < SlotCount; ++i) {
        const AnswerSlot& slot = drill_.Slots[std::size_t(i)];
        QLabel* answer = AnswerField[std::size_t(i)];
        answer->setText(drill_.ToGreek ? DisplayFontToQString(TransliterateGreek(slot.Answer))
                                       : ListToQString(slot.Answer));
        AnswerCaseField[std::size_t(i)]->setText(ToQString(slot.Case));
        answer->setVisible(slot.Visible);
        AnswerCaseField[std::size_t(i)]->setVisible(slot.Visible);
        QFrame* frame = AnswerFrame[std::size_t(i)];
        frame->setVisible(slot.Visible);
        frame->setAutoFillBackground(slot.Fill != SlotFill::None);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window,
                         slot.Fill == SlotFill::Right ? QColor(0, 255, 0) : QColor(255, 0, 0));
        frame->setPalette(palette);
    }
}

QString QuizWindow::ListToQString(const std::string& text) const {
    return ToQString(text, drill_.Table.Encoding);
}

std::string QuizWindow::ListFromQString(const QString& text) const {
    return FromQString(text, drill_.Table.Encoding);
}

void QuizWindow::ArmEnter() {
    Enter->setEnabled(true);
    UserField->setFocus();
}

void QuizWindow::EndDrill() {
    if (SaveWin::AskToSave())
        SaveUserScores();
    // The main window comes back before this one unloads (and closes the Beta-code chart).
    if (mainWindow_)
        mainWindow_->show();
    Unload();
}

void QuizWindow::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    Form_Unload();
    hide();
    deleteLater();
}

void QuizWindow::Form_Unload() {
    BetaCodeWin::OfferChart(BetaButton);
    if (BetaCodeWin::Loaded() && BetaCodeWin::Loaded()->isVisible())
        BetaCodeWin::UnloadChart();
    if (mainWindow_)
        mainWindow_->show();
}
