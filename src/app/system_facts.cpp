#include "app/system_facts.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QStandardPaths>
#include <QStringList>

#include <curl/curl.h>

namespace fendrake {

QString browserComponentVersion()
{
    const curl_version_info_data *curl = curl_version_info(CURLVERSION_NOW);
    return QStringLiteral("libcurl %1 / Qt %2")
        .arg(QString::fromLatin1(curl && curl->version ? curl->version : "?"), QString::fromLatin1(qVersion()));
}

namespace {

// A value as the shell would read it: quotes removed, backslash escapes inside double quotes resolved.
QString unquote(const QString &raw)
{
    QString value;
    QChar quote;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (quote.isNull() && (c == u'"' || c == u'\'')) {
            quote = c;
        } else if (!quote.isNull() && c == quote) {
            quote = QChar();
        } else if (c == u'\\' && quote != u'\'' && i + 1 < raw.size()) {
            value += raw[++i];
        } else {
            value += c;
        }
    }
    return value.trimmed();
}

} // namespace

std::optional<QString> osReleaseName(const QByteArray &contents)
{
    QHash<QString, QString> fields;
    for (const QByteArray &line : contents.split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        const qsizetype equals = text.indexOf(u'=');
        if (text.startsWith(u'#') || equals <= 0)
            continue;
        fields.insert(text.left(equals), unquote(text.mid(equals + 1)));
    }
    const QString name = fields.value(QStringLiteral("NAME"));
    if (name.isEmpty()) {
        const QString pretty = fields.value(QStringLiteral("PRETTY_NAME"));
        return pretty.isEmpty() ? std::nullopt : std::optional<QString>(pretty);
    }
    QString version = fields.value(QStringLiteral("VERSION"));
    if (version.isEmpty())
        version = fields.value(QStringLiteral("VERSION_ID"));
    return version.isEmpty() ? name : name + u' ' + version;
}

std::optional<QString> operatingSystemName()
{
    for (const QString &path : {QStringLiteral("/etc/os-release"), QStringLiteral("/usr/lib/os-release")}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return osReleaseName(file.read(64 * 1024));
    }
    return std::nullopt;
}

} // namespace fendrake
