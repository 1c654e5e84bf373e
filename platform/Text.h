#pragma once

#include <QString>
#include <string>

// Where 8-bit program text meets a widget. Plain text (English, Beta code, messages) is Latin-1;
// file and folder names are whatever bytes the file system gives, shown as UTF-8 when they are
// valid UTF-8. Display-font text goes through the display-font table instead
// (widgets/DisplayFontText.h).

// Plain text or a file name to a QString: valid UTF-8 is read as UTF-8, anything else as Latin-1.
QString ToQString(const std::string& text);

// A QString typed by the user back into plain 8-bit text: Latin-1, characters beyond it as '?'.
std::string FromQString(const QString& text);

// File and folder names: UTF-8 both ways (the names the file system gives back unchanged).
QString FileNameToQString(const std::string& name);
std::string FileNameFromQString(const QString& name);
