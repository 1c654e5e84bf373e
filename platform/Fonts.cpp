#include "platform/Fonts.h"

#include "platform/Folders.h"
#include "platform/Text.h"

#include <QFontDatabase>
#include <QStringList>
#include <set>

namespace {

std::optional<std::vector<std::string>>& fontsForTest() {
    static std::optional<std::vector<std::string>> fonts;
    return fonts;
}

bool isFontFile(const std::string& name) {
    const QString lower = FileNameToQString(name).toLower();
    return lower.endsWith(QStringLiteral(".ttf")) || lower.endsWith(QStringLiteral(".otf"));
}

} // namespace

void AddFontFiles(const std::string& folder) {
    static std::set<std::string> added;
    for (const std::string& name : FileNames(folder)) {
        const std::string path = folder + '/' + name;
        if (isFontFile(name) && added.insert(path).second)
            QFontDatabase::addApplicationFont(FileNameToQString(path));
    }
}

std::vector<std::string> InstalledFonts() {
    if (fontsForTest())
        return *fontsForTest();
    std::vector<std::string> names;
    std::set<std::string> seen;
    // The desktop's own font for ordinary text comes first: where no font is preferred, the
    // first listed font is the one English text is shown in.
    QStringList families = QFontDatabase::families();
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (families.contains(general))
        families.prepend(general);
    for (const QString& family : families) {
        std::string name = FileNameFromQString(family);
        if (seen.insert(name).second)
            names.push_back(std::move(name));
    }
    return names;
}

void SetInstalledFontsForTest(std::optional<std::vector<std::string>> fonts) {
    fontsForTest() = std::move(fonts);
}
