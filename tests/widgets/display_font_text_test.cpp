#include "greek/GreekStuff.h"
#include "widgets/DisplayFontText.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>

TEST(DisplayFontText, ConvertsBothWays) {
    EXPECT_EQ(DisplayFontToQString(BetaToDisplayFont("lo/gos *)/a")),
              QString::fromUtf8("λόγος \u1FCEΑ"));
    std::string all;
    for (int code = 0; code < 256; ++code)
        all += static_cast<char>(code);
    EXPECT_EQ(DisplayFontFromQString(DisplayFontToQString(all)), all);
    EXPECT_EQ(DisplayFontFromQString(QString::fromUtf8("α;€😀a")), "a????");
}
