#include "platform/Text.h"

#include <QByteArrayView>
#include <QList>

namespace {

// The characters of Windows-1252 at 128..159. The five codes it leaves unassigned stand for
// themselves, so that every byte reads as a character and is typed back as the same byte.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t windows1252ToUnicode(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? windows1252High[c - 0x80] : char16_t(c);
}

char unicodeToWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (windows1252High[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

TextEncoding EncodingOf(std::string_view bytes) {
    return QByteArrayView(bytes.data(), qsizetype(bytes.size())).isValidUtf8()
               ? TextEncoding::Utf8
               : TextEncoding::Windows1252;
}

QString ToQString(const std::string& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    QString shown;
    shown.reserve(qsizetype(text.size()));
    for (char c : text)
        shown += QChar(windows1252ToUnicode(static_cast<unsigned char>(c)));
    return shown;
}

std::string FromQString(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8().toStdString();
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (char32_t c : text.toUcs4())
        out += unicodeToWindows1252(c);
    return out;
}

QString ToQString(const std::string& text) {
    return ToQString(text, EncodingOf(text));
}

std::string FromQString(const QString& text) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar c : text)
        out += c.unicode() < 256 ? char(c.unicode()) : '?';
    return out;
}

QString FileNameToQString(const std::string& name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

std::string FileNameFromQString(const QString& name) {
    return name.toUtf8().toStdString();
}
