#include "app/services/http_fetch.h"

#include <QStringDecoder>

namespace fendrake {

QString decodeGbk(const QByteArray &bytes)
{
    // A byte that is not valid GBK reads '?', as the system's code page conversion showed it; the
    // byte after an invalid lead byte is read again on its own, so "\xA9 2009" gives "? 2009".
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        throw FetchError("this Qt build cannot decode GBK");
    QString text = decoder.decode(bytes);
    text.replace(QChar(QChar::ReplacementCharacter), QLatin1Char('?'));
    return text;
}

} // namespace fendrake
