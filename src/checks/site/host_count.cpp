#include "checks/site/host_count.h"

#include <QRegularExpression>

namespace fendrake {

bool isHostName(const QString &text)
{
    if (text.isEmpty() || text.startsWith(u'-'))
        return false;
    for (const QChar c : text) {
        const bool asciiLetterOrDigit =
            (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        // Letters beyond ASCII stand in internationalised names; the command takes them as they are.
        const bool otherLetter = c.unicode() >= 0x80 && c.isLetter();
        if (!asciiLetterOrDigit && !otherLetter && c != u'.' && c != u'-')
            return false;
    }
    return true;
}

QString tidyNslookupOutput(const QString &output)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = output.split(lineEnd);
    // Text after the last line end is a line of its own; nothing after it is none.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    QString text;
    for (const QString &line : std::as_const(lines))
        text += line + QStringLiteral("\r\n");
    text.remove(u' ');
    text.replace(QStringLiteral("Addresses:"), QStringLiteral("服务器主机信息：\r\n"));
    text.remove(u'\t');
    return text;
}

} // namespace fendrake
