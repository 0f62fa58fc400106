#include "app/services/visible_text.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <chrono>

namespace fendrake {
namespace {

struct TextCase
{
    const char *name;
    const char *html;
    const char *text;
};

void expectTexts(std::initializer_list<TextCase> cases)
{
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(visibleText(QString::fromUtf8(c.html)), QString::fromUtf8(c.text));
    }
}

TEST(VisibleTextTest, BlocksAndBreaksGiveOneCrLfAndNoBlankLinesOfTheirOwn)
{
    expectTexts({
        {"paragraphs", "<p>a</p><p>b</p>", "a\r\nb"},
        {"lone block", "<div>a</div>", "a"},
        {"inline then block", "a<div>b</div>c", "a\r\nb\r\nc"},
        {"nested blocks", "<div><div><p>a</p></div></div><div><p>b</p></div>", "a\r\nb"},
        {"empty blocks", "<p></p><div> </div><p>a</p><p></p><p>b</p>", "a\r\nb"},
        {"list", "<h1>T</h1><ul><li>x</li><li>y</li></ul>", "T\r\nx\r\ny"},
        {"break", "a<br>b", "a\r\nb"},
        {"two breaks make a blank line", "a<br><br>b", "a\r\n\r\nb"},
        {"break before block", "a<br><div>b</div>", "a\r\nb"},
        {"break at the start", "<br>a", "a"},
        {"break at the end", "a<br>", "a"},
        {"block at the end", "<p>a</p>\n\n", "a"},
        {"horizontal rule", "a<hr>b", "a\r\nb"},
        {"form and centre", "<form>a</form><center>b</center>", "a\r\nb"},
        {"definition list", "<dl><dt>k</dt><dd>v</dd></dl>", "k\r\nv"},
        {"empty document", "", ""},
        {"document without text", "<html><body></body></html>", ""},
    });
}

TEST(VisibleTextTest, InlineBlanksCollapseAndBlockEdgesAreTrimmed)
{
    expectTexts({
        {"run of blanks", "a  \n\t b", "a b"},
        {"block edges", "<p>  a  </p>", "a"},
        {"across inline elements", "a <b> b </b> c", "a b c"},
        {"no blank invented between inline elements", "<b>a</b><i>b</i>", "ab"},
        {"edges of neighbouring blocks", "<div>a </div>\n<div> b</div>", "a\r\nb"},
        {"blank before a break", "a <br> b", "a\r\nb"},
        {"ideographic space is content", "a\u3000 b\u3000", "a\u3000 b\u3000"},
    });
}

TEST(VisibleTextTest, NonBreakingSpaceIsOneKeptBlank)
{
    expectTexts({
        {"two in a row", "a&nbsp;&nbsp;b", "a  b"},
        {"at block edges", "<p>&nbsp;a&nbsp;</p><p>b</p>", " a \r\nb"},
        {"beside a collapsible blank", "a &nbsp;b", "a  b"},
        {"raw character", "a\u00a0b", "a b"},
    });
}

TEST(VisibleTextTest, CharacterReferencesAreResolved)
{
    expectTexts({
        {"named", "a&amp;b&lt;c&gt;&quot;", "a&b<c>\""},
        {"numeric", "&#20013;&#x6587;", "中文"},
        {"full-width colon", "域名&#65306;x", "域名：x"},
        {"unknown name stays", "&bogus;", "&bogus;"},
    });
}

TEST(VisibleTextTest, HiddenElementsContributeNothing)
{
    expectTexts({
        {"head", "<head><title>T</title><style>p{}</style><meta charset=gbk></head><body>a</body>", "a"},
        {"script and style in body", "a<script>var x = '<p>no</p>';</script>b<style>.c{}</style>c", "abc"},
        {"title outside head", "<title>T</title>a", "a"},
        {"noscript", "a<noscript>enable scripts</noscript>b", "ab"},
        {"comment", "a<!-- hidden -->b", "ab"},
    });
}

TEST(VisibleTextTest, TableCellsAreTabSeparatedAndRowsEndLines)
{
    expectTexts({
        {"two rows", "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>", "a\tb\r\nc\td"},
        {"empty cell and blanks", "x<table><tr><td> a </td><td></td><td>c</td></tr></table>y", "x\r\na\t\tc\r\ny"},
        {"header cells", "<table><tr><th>k</th><th>v</th></tr></table>", "k\tv"},
        {"unclosed cells and rows", "<table><tr><td>a<td>b<tr><td>c</table>", "a\tb\r\nc"},
        {"nested table", "<table><tr><td>a</td><td><table><tr><td>b</td><td>c</td></tr></table></td></tr></table>",
         "a\t\r\nb\tc"},
    });
}

TEST(VisibleTextTest, PreAndTextareaKeepTheirWhiteSpace)
{
    expectTexts({
        {"pre", "<pre>a  b\n  c</pre>", "a  b\r\n  c"},
        {"first line feed of pre dropped", "x<pre>\na\tb\n</pre>y", "x\r\na\tb\r\ny"},
        {"blank lines inside pre", "<pre>a\n\nb</pre>", "a\r\n\r\nb"},
        {"inline element inside pre", "<pre><b> a  b </b></pre>", " a  b "},
        {"textarea", "<textarea>a  b\nc</textarea>", "a  b\r\nc"},
        {"textarea keeps markup as text", "<textarea><b>x</b></textarea>", "<b>x</b>"},
    });
}

TEST(VisibleTextTest, MalformedAndTruncatedHtmlGivesItsText)
{
    expectTexts({
        {"unclosed inline", "<p>unterminated <b>bold", "unterminated bold"},
        {"cut inside a tag", "a<div title=\"x", "a"},
        {"cut inside a comment", "a <!-- comment", "a"},
        {"cut inside a table", "<table><tr><td>a", "a"},
        {"stray end tags", "a</div></p>b</td>", "a\r\nb"},
        {"misnested", "<b>a<i>b</b>c</i>", "abc"},
        {"cut in a reference", "a&am", "a&am"},
        {"lone angle brackets", "a < b > c", "a < b > c"},
    });
}

TEST(VisibleTextTest, DeepNestingNeitherOverflowsNorHangs)
{
    const auto start = std::chrono::steady_clock::now();
    struct Deep
    {
        const char *name;
        QString open;
        int count;
    };
    const Deep cases[] = {
        {"divs", QStringLiteral("<div>"), 100000},
        {"spans", QStringLiteral("<span>"), 30000},
        {"formatting", QStringLiteral("<b>"), 30000},
        {"end tags hidden in attributes", QStringLiteral("<div title=\"</div>\">"), 100000},
        {"self-closing syntax", QStringLiteral("<div/>"), 100000},
        {"tables", QStringLiteral("<table><tr><td>"), 30000},
        {"misnested formatting", QStringLiteral("<em><div></em>"), 30000},
        {"end tags beyond a table", QStringLiteral("<div><table></div>"), 50000},
        {"body end tags", QStringLiteral("<div></body>"), 100000},
        {"end tags in bogus comments", QStringLiteral("<div><! </div>"), 100000},
    };
    for (const Deep &deep : cases) {
        SCOPED_TRACE(deep.name);
        EXPECT_EQ(visibleText(deep.open.repeated(deep.count) + QStringLiteral("end")).trimmed(), QStringLiteral("end"));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

TEST(VisibleTextTest, MarkupTooSlowToParseReadsAsEmptyWithinSeconds)
{
    // Misnested formatting elements that the tree builder keeps reopening, each one different.
    QString html;
    for (int i = 0; i < 150000; ++i)
        html += QStringLiteral("<div><b id=%1></div>x").arg(i);
    const auto start = std::chrono::steady_clock::now();
    const HtmlDocument document = parseHtmlDocument(html, QUrl(QStringLiteral("http://site.test/")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_TRUE(document.text.isEmpty());
    EXPECT_TRUE(document.links.isEmpty());
}

TEST(VisibleTextTest, DeepNestingKeepsEveryTextAndTheLinesOfRealisticDepths)
{
    QString html;
    QString allText;
    QStringList firstLines;
    for (int i = 0; i < 1000; ++i) {
        html += QStringLiteral("<div>%1").arg(i);
        allText += QString::number(i);
        if (i < 200)
            firstLines += QString::number(i);
    }
    const QString text = visibleText(html);
    EXPECT_EQ(QString(text).remove(QStringLiteral("\r\n")), allText);
    EXPECT_EQ(text.split(QStringLiteral("\r\n")).mid(0, 200), firstLines);
}

TEST(VisibleTextTest, ManyUnclosedListItemsAndParagraphsAllKeepTheirLines)
{
    QString html = QStringLiteral("<ul>");
    for (int i = 0; i < 2000; ++i)
        html += QStringLiteral("<li><a href=x>%1</a><p>p").arg(i);
    const QStringList lines = visibleText(html).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4000);
    EXPECT_EQ(lines[3998], QStringLiteral("1999"));
}

TEST(VisibleTextTest, DocumentGivesTextTitleAndResolvedLinksInOrder)
{
    const HtmlDocument document = parseHtmlDocument(
        QStringLiteral("<html><head><title>  站点 \n 排名 </title></head><body>"
                       "<a href=\"/x?q=1\">one</a> <a>no address</a> <map><area href=\"y.html\"></map>"
                       "<p><a href=\" http://other.test/z \">two</a><a href=\"\">self</a></p>"
                       "<a href=\"/x?q=1\">again</a></body></html>"),
        QUrl(QStringLiteral("http://site.test/dir/page.html")));
    EXPECT_EQ(document.title, QStringLiteral("站点 排名"));
    EXPECT_EQ(document.text, QStringLiteral("one no address\r\ntwoself\r\nagain"));
    EXPECT_EQ(document.links,
              (QStringList{QStringLiteral("http://site.test/x?q=1"), QStringLiteral("http://site.test/dir/y.html"),
                           QStringLiteral("http://other.test/z"), QStringLiteral("http://site.test/dir/page.html"),
                           QStringLiteral("http://site.test/x?q=1")}));
}

TEST(VisibleTextTest, DocumentWithoutTitleOrLinksGivesEmptyOnes)
{
    const HtmlDocument document = parseHtmlDocument(QStringLiteral("<p>text</p>"), QUrl());
    EXPECT_EQ(document.text, QStringLiteral("text"));
    EXPECT_TRUE(document.title.isEmpty());
    EXPECT_TRUE(document.links.isEmpty());
}

} // namespace
} // namespace fendrake
