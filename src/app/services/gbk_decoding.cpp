#include "app/services/http_fetch.h"

#include <QStringDecoder>

namespace fendrake {

namespace {

bool isLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool isTrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// True when the bytes end in a lead byte whose trail byte is missing (a page cut short).
bool endsInLoneLeadByte(const QByteArray &bytes)
{
    qsizetype i = 0;
    const qsizetype size = bytes.size();
    while (i < size) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!isLeadByte(byte)) {
            ++i;
        } else if (i + 1 == size) {
            return true;
        } else {
            i += isTrailByte(static_cast<unsigned char>(bytes[i + 1])) ? 2 : 1;
        }
    }
    return false;
}

} // namespace

QString decodeGbk(const QByteArray &bytes)
{
    // A byte that is not valid GBK reads '?', as the system's code page conversion showed it; the
    // byte after an invalid lead byte is read again on its own, so "\xA9 2009" gives "? 2009".
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        throw FetchError("this Qt build cannot decode GBK");
    const bool loneLead = endsInLoneLeadByte(bytes);
    QString text = decoder.decode(loneLead ? bytes.first(bytes.size() - 1) : bytes);
    text.replace(QChar(QChar::ReplacementCharacter), QLatin1Char('?'));
    if (loneLead)
        text += QLatin1Char('?');
    return text;
}

} // namespace fendrake
