// The fonts of the Data folder join the installed fonts; the built Ortholex shows polytonic Greek.
#include "platform/Fonts.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

long countOf(const std::vector<std::string>& names, const std::string& name) {
    return std::count(names.begin(), names.end(), name);
}

} // namespace

TEST(Fonts, TheDataFolderAddsOrtholexOnce) {
    const std::string data = std::string(qgetenv("LEXIVO_BUILD_DIR").constData()) + "/Data";
    AddFontFiles(data);
    AddFontFiles(data);
    const std::vector<std::string> fonts = InstalledFonts();
    EXPECT_EQ(countOf(fonts, "Ortholex"), 1);

    const QFont ortholex(QStringLiteral("Ortholex"), 12);
    EXPECT_EQ(QFontInfo(ortholex).family(), "Ortholex");
    const QFontMetrics metrics(ortholex);
    for (char32_t c : {U'\u1F04', U'\u1FBF', U'\u03C2', U'\u1FF7', U'\u0391', U'\u037E'})
        EXPECT_TRUE(metrics.inFontUcs4(c)) << std::hex << unsigned(c);
}
