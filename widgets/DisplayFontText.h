#pragma once

#include <QString>
#include <string>

// Where display-font text meets a widget: the Unicode text that the font Ortholex shows, and
// back. A character that no display-font code shows comes back as '?'.
QString DisplayFontToQString(const std::string& text);
std::string DisplayFontFromQString(const QString& text);
