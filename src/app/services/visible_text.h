#pragma once

#include <QString>
#include <QStringList>

namespace fendrake {

// The visible text of an HTML page under the fixed rules the checks' offsets rely on:
// CR LF line ends, collapsed blanks, no script/style/head/title, TAB between table cells.
// Markup too pathological to parse within a few seconds reads as an empty page.
QString visibleText(const QString &html);

struct HtmlDocument
{
    QString text;      // as visibleText()
    QString title;     // the document's title, blanks collapsed
    QStringList links; // href of every <a>/<area> as a browser reports it (linkAddresses), in document order
};

HtmlDocument parseHtmlDocument(const QString &html, const QString &baseAddress);

} // namespace fendrake
