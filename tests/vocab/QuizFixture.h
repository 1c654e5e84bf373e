#pragma once

#include "app/PrefsFile.h"
#include "greek/GreekStuff.h"
#include "platform/Random.h"
#include "support/ProgramTest.h"
#include "vocab/ListText.h"
#include "widgets/DisplayFontText.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

// The program started for the user Maria with a vocabulary list of the test's own, and a drill
// on it started from the main window with scripted random numbers.
class QuizTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        makeData();
        std::filesystem::create_directories(path("Users/Maria"));
        SetDefaultPrefValues(prefs);
        prefs.VocabChaptStart = 1;
        prefs.VocabChaptEnd = 9;
        if (!qEnvironmentVariableIsEmpty("LEXIVO_PICTURES"))
            useBuiltData(); // the real font for the pictures
    }

    void writeList(const std::vector<TestWord>& words) {
        write("Data/Athenaze.lxv", ListText(words));
    }

    // Starts the program and clicks "Begin Drill" with these random numbers scripted; returns
    // the drill window, or nullptr when none is open.
    QWidget* startDrill(std::vector<double> script) {
        WritePrefsFile(path("Users/Maria/Prefs.lxp"), prefs);
        main = start(QStringLiteral("Maria"));
        return beginDrill(std::move(script));
    }
    // Clicks "Begin Drill" on the main window with these random numbers scripted.
    QWidget* beginDrill(std::vector<double> script) {
        SetRandomScript(std::move(script));
        click(main, "VocabBeginButton");
        return quiz = quizWindow();
    }

    static QWidget* quizWindow() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "QuizWindow" && top->isVisible())
                return top;
        return nullptr;
    }

    template <class Control> Control* find(const char* name) const {
        return child<Control>(quiz, name);
    }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    template <class Control> Control* slot(const char* kind, int i) const {
        const QByteArray name = QByteArray(kind) + "_" + QByteArray::number(i);
        return child<Control>(quiz, name.constData());
    }
    QLabel* answer(int i) const { return slot<QLabel>("AnswerField", i); }
    QLabel* marker(int i) const { return slot<QLabel>("AnswerCaseField", i); }
    QFrame* frame(int i) const { return slot<QFrame>("AnswerFrame", i); }
    int visibleSlots() const {
        int n = 0;
        for (int i = 0; i < 6; ++i)
            n += frame(i)->isVisible() && answer(i)->isVisible() && marker(i)->isVisible();
        return n;
    }

    // Types UTF-8 keys into the answer field and presses Return there, as the user does. A
    // character beyond ASCII comes as the text of a key without a key code of its own.
    void answerWith(const char* keys) {
        QLineEdit* field = find<QLineEdit>("UserField");
        field->setFocus();
        for (QChar c : QString::fromUtf8(keys)) {
            if (c.unicode() < 128)
                QTest::keyClick(field, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
        }
        QTest::keyClick(field, Qt::Key_Return);
    }
    void pressEnter() { click(quiz, "Enter"); }

    static QString greek(const char* beta) { return DisplayFontToQString(BetaToDisplayFont(beta)); }

    LexivoPrefFile prefs;
    WelcomeWin* main = nullptr;
    WindowHandle<QWidget> quiz;
};

// A score file of these values, each quoted on its own line.
inline std::string quoted(std::initializer_list<const char*> values) {
    std::string text;
    for (const char* value : values)
        text += std::string("\"") + value + "\"\r\n";
    return text;
}
