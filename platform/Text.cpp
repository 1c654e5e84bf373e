#include "platform/Text.h"

#include <QStringDecoder>

QString ToQString(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
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
