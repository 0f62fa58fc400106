#include "app/services/visible_text.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace fendrake;

// Each group of rows pins one of the converter's rules, on which the checks' fixed offsets depend.
TEST(VisibleTextTest, FollowsTheConverterRules)
{
    // clang-format off
    const std::pair<const char *, const char *> cases[] = {
        // Blocks and breaks give one CR LF and no blank lines of their own.
        {"<p>a</p><p>b</p>", "a\r\nb"}, {"<div>a</div>", "a"}, {"a<div>b</div>c", "a\r\nb\r\nc"},
        {"<div><div><p>a</p></div></div><div><p>b</p></div>", "a\r\nb"},
        {"<p></p><div> </div><p>a</p><p></p><p>b</p>", "a\r\nb"},
        {"<h1>T</h1><ul><li>x</li><li>y</li></ul>", "T\r\nx\r\ny"},
        {"a<br>b", "a\r\nb"}, {"a<br><br>b", "a\r\n\r\nb"}, {"a<br><div>b</div>", "a\r\nb"}, {"<br>a", "a"},
        {"a<br>", "a"}, {"<p>a</p>\n\n", "a"}, {"a<hr>b", "a\r\nb"}, {"<form>a</form><center>b</center>", "a\r\nb"},
        {"<dl><dt>k</dt><dd>v</dd></dl>", "k\r\nv"}, {"", ""},
        // Inline blanks collapse, block edges are trimmed; a no-break space is one kept blank.
        {"a  \n\t b", "a b"}, {"<p>  a  </p>", "a"}, {"a <b> b </b> c", "a b c"}, {"<b>a</b><i>b</i>", "ab"},
        {"<div>a </div>\n<div> b</div>", "a\r\nb"}, {"a <br> b", "a\r\nb"}, {"a\u3000 b\u3000", "a\u3000 b\u3000"},
        {"a&nbsp;&nbsp;b", "a  b"}, {"<p>&nbsp;a&nbsp;</p><p>b</p>", " a \r\nb"}, {"a &nbsp;b", "a  b"},
        {"a\u00a0b", "a b"},
        // References are resolved; head, script, style, title, noscript and comments give nothing.
        {"a&amp;b&lt;c&gt;&quot;", "a&b<c>\""}, {"&#20013;&#x6587;", "中文"}, {"域名&#65306;x", "域名：x"},
        {"&bogus;", "&bogus;"},
        {"<head><title>T</title><style>p{}</style><meta charset=gbk></head><body>a</body>", "a"},
        {"a<script>var x = '<p>no</p>';</script>b<style>.c{}</style>c", "abc"}, {"<title>T</title>a", "a"},
        {"a<noscript>enable scripts</noscript>b", "ab"}, {"a<!-- hidden -->b", "ab"},
        // Table cells are TAB-separated and rows end lines.
        {"<table><tr><td>a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>", "a\tb\r\nc\td"},
        {"x<table><tr><td> a </td><td></td><td>c</td></tr></table>y", "x\r\na\t\tc\r\ny"},
        {"<table><tr><th>k</th><th>v</th></tr></table>", "k\tv"},
        {"<table><tr><td>a<td>b<tr><td>c</table>", "a\tb\r\nc"},
        {"<table><tr><td>a</td><td><table><tr><td>b</td><td>c</td></tr></table></td></tr></table>", "a\t\r\nb\tc"},
        // pre and textarea keep their white space.
        {"<pre>a  b\n  c</pre>", "a  b\r\n  c"}, {"x<pre>\na\tb\n</pre>y", "x\r\na\tb\r\ny"},
        {"<pre>a\n\nb</pre>", "a\r\n\r\nb"}, {"<pre><b> a  b </b></pre>", " a  b "},
        {"<textarea>a  b\nc</textarea>", "a  b\r\nc"}, {"<textarea><b>x</b></textarea>", "<b>x</b>"},
        // Malformed and truncated markup still gives its text.
        {"<p>unterminated <b>bold", "unterminated bold"}, {"a<div title=\"x", "a"}, {"a <!-- comment", "a"},
        {"<table><tr><td>a", "a"}, {"a</div></p>b</td>", "a\r\nb"}, {"<b>a<i>b</b>c</i>", "abc"}, {"a&am", "a&am"},
        {"a < b > c", "a < b > c"}};
    // clang-format on
    for (const auto &[html, text] : cases)
        EXPECT_EQ(visibleText(QString::fromUtf8(html)), QString::fromUtf8(text)) << html;
}

TEST(VisibleTextTest, DeepNestingNeitherOverflowsNorHangs)
{
    const auto start = std::chrono::steady_clock::now();
    // clang-format off
    const std::pair<const char *, int> cases[] = {
        {"<div>", 100000}, {"<span>", 30000}, {"<b>", 30000}, {"<div title=\"</div>\">", 100000}, {"<div/>", 100000},
        {"<table><tr><td>", 30000}, {"<em><div></em>", 30000}, {"<div><table></div>", 50000},
        {"<div></body>", 100000}, {"<div><! </div>", 100000}};
    // clang-format on
    for (const auto &[open, count] : cases)
        EXPECT_EQ(visibleText(QString::fromUtf8(open).repeated(count) + "end").trimmed(), QStringLiteral("end"))
            << open;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

TEST(VisibleTextTest, MarkupTooSlowToParseReadsAsEmptyWithinSeconds)
{
    // Misnested formatting elements that the tree builder keeps reopening, each one different.
    QString html;
    for (int i = 0; i < 150000; ++i)
        html += QStringLiteral("<div><b id=%1></div>x").arg(i);
    const auto start = std::chrono::steady_clock::now();
    const HtmlDocument document = parseHtmlDocument(html, QStringLiteral("http://site.test/"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_TRUE(document.text.isEmpty() && document.links.isEmpty());
}

// Past a depth no real page reaches, blocks may share lines, but no text is lost.
TEST(VisibleTextTest, RealisticDepthsKeepEveryTextAndLine)
{
    QString nested, list = QStringLiteral("<ul>"), allText;
    for (int i = 0; i < 1000; ++i) {
        nested += QStringLiteral("<div>%1").arg(i);
        allText += QString::number(i);
    }
    const QStringList nestedLines = visibleText(nested).split(QStringLiteral("\r\n"));
    EXPECT_EQ(nestedLines.join(QString()), allText);
    ASSERT_GE(nestedLines.size(), 200);
    EXPECT_EQ(nestedLines[199], QStringLiteral("199"));
    for (int i = 0; i < 2000; ++i)
        list += QStringLiteral("<li><a href=x>%1</a><p>p").arg(i);
    const QStringList lines = visibleText(list).split(QStringLiteral("\r\n"));
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
        QStringLiteral("http://site.test/dir/page.html"));
    EXPECT_EQ(document.title, QStringLiteral("站点 排名"));
    EXPECT_EQ(document.text, QStringLiteral("one no address\r\ntwoself\r\nagain"));
    EXPECT_EQ(document.links,
              QStringList({"http://site.test/x?q=1", "http://site.test/dir/y.html", "http://other.test/z",
                           "http://site.test/dir/page.html", "http://site.test/x?q=1"}));
}

// Links read as a browser's link list gives them; an href that does not parse stays as written.
TEST(VisibleTextTest, LinksAreSerialisedAsABrowserReportsThem)
{
    const std::pair<QString, QString> rows[] = {
        {"http://shop123.fenshop.cn", "http://shop123.fenshop.cn/"},
        {"HTTP://Shop.FenShop.CN:80/Dir?Q#F", "http://shop.fenshop.cn/Dir?Q#F"},
        {"https://h.test:443", "https://h.test/"},
        {"http://h.test:8080?x", "http://h.test:8080/?x"},
        {"next.html?a=1", "http://site.test/dir/next.html?a=1"},
        {"//other.test", "http://other.test/"},
        {"\\up", "http://site.test/up"},
        {"?q", "http://site.test/dir/page.html?q"},
        {"#top", "http://site.test/dir/page.html?p=1#top"},
        {"../a/./b/%2E%2e/c/..", "http://site.test/a/"},
        {"/路径/页", "http://site.test/%E8%B7%AF%E5%BE%84/%E9%A1%B5"},
        {"/s?q=张三&r=丂", "http://site.test/s?q=%D5%C5%C8%FD&r=%81@"},
        {"/s?e=😀#张", "http://site.test/s?e=%26%23128512%3B#%E5%BC%A0"},
        {"/a b?c d'", "http://site.test/a%20b?c%20d%27"},
        {"/a%20b%zz%7e?x=%2F", "http://site.test/a%20b%zz%7e?x=%2F"},
        {" \t\nhttp://h.test/a\tb\nc\r\n ", "http://h.test/abc"},
        {"http://Bücher.test/", "http://xn--bcher-kva.test/"},
        {"http://u:p@h.test/", "http://u:p@h.test/"},
        {"mailto:张@x.cn", "mailto:%E5%BC%A0@x.cn"},
        {"javascript:open('http://x.test/a b')", "javascript:open('http://x.test/a b')"},
        {"http://a b/", "http://a b/"},
        {"http://h.test:99999/", "http://h.test:99999/"},
    };
    for (const auto &[href, expected] : rows) {
        SCOPED_TRACE(href.toStdString());
        const HtmlDocument document =
            parseHtmlDocument("<a href=\"" + href + "\">x</a>", QStringLiteral("http://site.test/dir/page.html?p=1"));
        EXPECT_EQ(document.links, QStringList{expected});
    }
}
