#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace fendrake {

// The visible text of an HTML page under the fixed rules the checks' offsets rely on:
// CR LF line ends, collapsed blanks, no script/style/head/title, TAB between table cells.
// Markup too pathological to parse within a few seconds reads as an empty page.
QString visibleText(const QString &html);

struct HtmlDocument
{
    QString text;      // as visibleText()
    QString title;     // the document's title, blanks collapsed
    QStringList links; // href of every <a>/<area> as a browser reports it (linkAddress), in document order
};

HtmlDocument parseHtmlDocument(const QString &html, const QString &baseAddress);

// A QUrl has already re-encoded its address (it decodes and re-cases escapes): pass the address as fetched.
inline HtmlDocument parseHtmlDocument(const QString &html, const QUrl &baseUrl)
{
    return parseHtmlDocument(html, baseUrl.toString(QUrl::FullyEncoded));
}

} // namespace fendrake
