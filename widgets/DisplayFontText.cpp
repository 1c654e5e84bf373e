#include "widgets/DisplayFontText.h"

#include "greek/DisplayFont.h"

#include <QList>

QString DisplayFontToQString(const std::string& text) {
    const std::u32string shown = DisplayFontToUnicode(text);
    return QString::fromUcs4(shown.data(), qsizetype(shown.size()));
}

std::string DisplayFontFromQString(const QString& text) {
    const QList<uint> shown = text.toUcs4();
    return DisplayFontFromUnicode(std::u32string(shown.begin(), shown.end()));
}
