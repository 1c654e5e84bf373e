#pragma once

#include "app/PrefsFile.h"
#include "support/ListItem.h"
#include "support/ProgramTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

// The program started for the user Maria, with the Data of ProgramTest.
class MainWinTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        makeData();
        std::filesystem::create_directories(path("Users/Maria"));
    }

    WelcomeWin& start() {
        window = ProgramTest::start(QStringLiteral("Maria"));
        return *window;
    }

    // Starting ends the program after this message.
    void expectStartEndsSaying(const std::string& message) {
        EXPECT_EXIT(start(), testing::ExitedWithCode(0), testing::HasSubstr(message));
    }

    template <class Control> Control* find(const char* name) const {
        return child<Control>(window, name);
    }
    QString text(const char* field) const { return find<QLineEdit>(field)->text(); }
    // The text of a list's item of that row, or of its current item (-1); the test stops here
    // when there is none.
    QString item(const char* list, int row = -1) const {
        return listItem(find<QListWidget>(list), row)->text();
    }

    // Empties a field and types into it key by key, as the user does.
    void retype(const char* field, const char* keys) {
        QLineEdit* edit = find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(keys));
    }

    // A record as its file holds it, so that whole records compare readably.
    std::string asFile(const LexivoPrefFile& prefs) const {
        WritePrefsFile(path("record.lxp"), prefs);
        return read("record.lxp");
    }

    // The defaults, in the record and in the controls, and no message said.
    void expectDefaults() const {
        EXPECT_EQ(asFile(Prefs), "50\r\n\"Athenaze.lxv\"\r\n15\r\n1\r\n3\r\n3\r\n\"Ortholex\"\r\n"
                                 "\"MS Sans Serif\"\r\n25\r\n1\r\n");
        EXPECT_EQ(text("HowManyField") + "|" + text("StartField") + "|" + text("EndField") + "|" +
                      item("FileField") + "|" + find<QLabel>("ActiveText")->text() + "|" +
                      find<QLabel>("ReinforceText")->text() + "|" +
                      find<QComboBox>("EnglishFont")->currentText(),
                  "50| 1| 3|Athenaze.lxv| 15% Active Knowledge| 3 Correct Answers.|MS Sans Serif");
        EXPECT_EQ(find<QSlider>("ReviewSlide")->value(), 25);
        EXPECT_TRUE(find<QCheckBox>("Accents")->isChecked());
        EXPECT_TRUE(messages.empty());
    }

    WelcomeWin* window = nullptr;
};
