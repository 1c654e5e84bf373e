#include "platform/Text.h"

#include <gtest/gtest.h>

// Text reads in the encoding its bytes give, valid UTF-8 as UTF-8 and anything else as
// Windows-1252, and what is typed goes back into that encoding.
TEST(Text, ValidUtf8IsUtf8AndAnythingElseWindows1252BothWays) {
    const std::pair<const char*, TextEncoding> rule[] = {
        {"", TextEncoding::Utf8},
        {"caf\xC3\xA9", TextEncoding::Utf8},
        {"caf\xE9", TextEncoding::Windows1252},
        {"caf\xC3", TextEncoding::Windows1252}, // a character cut short
    };
    for (const auto& [bytes, encoding] : rule)
        EXPECT_EQ(EncodingOf(bytes), encoding) << bytes;

    // Every byte is a character of its own and is typed back as the same byte.
    std::string all;
    for (int code = 0; code < 256; ++code)
        all += static_cast<char>(code);
    const QString shown = ToQString(all, TextEncoding::Windows1252);
    EXPECT_EQ(shown.size(), 256);
    EXPECT_EQ(FromQString(shown, TextEncoding::Windows1252), all);
    EXPECT_EQ(QString(shown[0x80]) + shown.mid(0x91, 4) + shown.mid(0x96, 2) + shown[0xE9],
              QString::fromUtf8("€‘’“”–—é"));
    EXPECT_EQ(FromQString(QString::fromUtf8("α😀\u0092"), TextEncoding::Windows1252), "???");
    EXPECT_EQ(FromQString(QString::fromUtf8("don’t α"), TextEncoding::Utf8),
              "don\xE2\x80\x99t \xCE\xB1");
    // Program text takes the encoding of its own bytes.
    EXPECT_EQ(ToQString("\x93x\x94") + ToQString("\xE2\x80\x9Cx\xE2\x80\x9D"),
              QString::fromUtf8("“x”“x”"));
}
