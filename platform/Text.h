#pragma once

#include <QString>
#include <string>
#include <string_view>

// Where 8-bit program text meets a widget. Text is read as characters by one rule: valid UTF-8 as
// UTF-8, anything else as Windows-1252. File and folder names are whatever bytes the file system
// gives, shown as UTF-8. Display-font text goes through the display-font table instead
// (widgets/DisplayFontText.h).

// How the 8-bit text of a file is read as characters.
enum class TextEncoding { Utf8, Windows1252 };

// The encoding of text by the rule above. A vocabulary list takes the encoding of its whole file,
// so that everything it shows and everything typed to match it agree.
TextEncoding EncodingOf(std::string_view bytes);

// Text in this encoding to a QString, and a QString typed by the user back into this encoding
// (a character that Windows-1252 lacks as '?').
QString ToQString(const std::string& text, TextEncoding encoding);
std::string FromQString(const QString& text, TextEncoding encoding);

// Program text (messages, captions, numbers) to a QString, in the encoding of its own bytes.
QString ToQString(const std::string& text);

// A QString typed by the user into plain 8-bit program text, which is compared only with ASCII
// (numbers, the marker box, Beta code): Latin-1, characters beyond it as '?'.
std::string FromQString(const QString& text);

// File and folder names: UTF-8 both ways (the names the file system gives back unchanged).
QString FileNameToQString(const std::string& name);
std::string FileNameFromQString(const QString& name);
