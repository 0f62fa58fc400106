#include "app/services/visible_text.h"

#include "app/services/link_address.h"

#include <QByteArray>
#include <QByteArrayView>

#include <gumbo.h>

#include <chrono>
#include <csetjmp>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <vector>

namespace fendrake {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Gumbo's tree builder scans the stack of open elements for every start tag, so a page nested
// without end (hostile or broken) costs depth squared. Past this depth further start tags are
// dropped before parsing; real pages stay far below it.
constexpr int kMaxNesting = 256;

// Pages above this size are cut before parsing; the checks read pages of a few tens of kilobytes.
constexpr qsizetype kMaxHtmlBytes = 8 * 1024 * 1024;

// Pathological markup can still make gumbo's tree builder slow; a parse that has not finished
// by then is abandoned and the page reads as empty.
constexpr std::chrono::seconds kParseBudget{4};

// Every block gumbo allocates lives here, so that the tree is released without gumbo's recursive
// free (a deep tree would overflow the stack) and an abandoned parse leaks nothing. The blocks are
// kept on an intrusive list: gumbo allocates for every token, and a hash set of blocks cost more
// than the parse itself.
class Arena
{
public:
    explicit Arena(std::jmp_buf *escape) : m_escape(escape), m_deadline(std::chrono::steady_clock::now() + kParseBudget)
    {
    }
    Arena(const Arena &) = delete;
    Arena &operator=(const Arena &) = delete;
    ~Arena()
    {
        while (m_head) {
            Header *next = m_head->next;
            std::free(m_head);
            m_head = next;
        }
    }

    static void *allocate(void *userdata, size_t size)
    {
        auto *arena = static_cast<Arena *>(userdata);
        // This is where a parse past its time is stopped. The jump only crosses gumbo's C frames and
        // this one, none of which owns anything.
        if (++arena->m_calls % 256 == 0 && std::chrono::steady_clock::now() > arena->m_deadline)
            std::longjmp(*arena->m_escape, 1);
        auto *header = static_cast<Header *>(std::malloc(sizeof(Header) + size));
        if (!header)
            std::abort();
        header->prev = nullptr;
        header->next = arena->m_head;
        if (arena->m_head)
            arena->m_head->prev = header;
        arena->m_head = header;
        return header + 1;
    }

    static void deallocate(void *userdata, void *block)
    {
        if (!block)
            return;
        auto *arena = static_cast<Arena *>(userdata);
        Header *header = static_cast<Header *>(block) - 1;
        if (header->prev)
            header->prev->next = header->next;
        else
            arena->m_head = header->next;
        if (header->next)
            header->next->prev = header->prev;
        std::free(header);
    }

private:
    // Keeps the block behind it aligned as malloc's own.
    struct alignas(std::max_align_t) Header
    {
        Header *prev;
        Header *next;
    };

    std::jmp_buf *m_escape;
    std::chrono::steady_clock::time_point m_deadline;
    unsigned int m_calls = 0;
    Header *m_head = nullptr;
};

// The tree of one page, or no tree when the parse ran out of time.
class ParsedHtml
{
public:
    explicit ParsedHtml(const QByteArray &utf8) : m_utf8(utf8), m_arena(&m_escape)
    {
        GumboOptions options = kGumboDefaultOptions;
        options.allocator = &Arena::allocate;
        options.deallocator = &Arena::deallocate;
        options.userdata = &m_arena;
        options.max_errors = 0;
        m_output = parse(options);
    }
    ParsedHtml(const ParsedHtml &) = delete;
    ParsedHtml &operator=(const ParsedHtml &) = delete;

    const GumboNode *root() const { return m_output ? m_output->root : nullptr; }

private:
    GumboOutput *parse(const GumboOptions &options)
    {
        if (setjmp(m_escape) != 0)
            return nullptr;
        return gumbo_parse_with_options(&options, m_utf8.constData(), size_t(m_utf8.size()));
    }

    QByteArray m_utf8; // gumbo's nodes point into the source
    std::jmp_buf m_escape;
    Arena m_arena;
    GumboOutput *m_output = nullptr;
};

bool isOneOf(const QByteArray &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names) {
        if (name == candidate)
            return true;
    }
    return false;
}

bool isVoidTag(const QByteArray &name)
{
    return isOneOf(name, {"area", "base", "br", "col", "embed", "hr", "img", "input", "keygen", "link", "meta", "param",
                          "source", "track", "wbr"});
}

// Tags that close an open one of their kind instead of nesting in it.
bool isSiblingTag(const QByteArray &name)
{
    return isOneOf(name, {"p", "li", "dt", "dd", "option", "optgroup", "tr", "td", "th", "tbody", "thead", "tfoot",
                          "colgroup", "rb", "rt", "rtc", "rp"});
}

// Elements whose content is text up to their own end tag.
bool isRawTextTag(const QByteArray &name)
{
    return isOneOf(name, {"script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes", "noscript"});
}

// Their end tags close only themselves; the tree builder reopens what they enclosed.
bool isFormattingTag(const QByteArray &name)
{
    return isOneOf(name,
                   {"a", "b", "big", "code", "em", "font", "i", "nobr", "s", "small", "strike", "strong", "tt", "u"});
}

// An end tag does not reach past these to close an element opened before them.
bool isScopeBoundary(const QByteArray &name)
{
    return isOneOf(name, {"table", "applet", "marquee", "object", "template"});
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isTagSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Index of the '>' that ends a tag whose attributes start at i (size when none), reading
// attributes as the tokenizer does so that markup inside quoted values is not taken for tags.
qsizetype tagEnd(const QByteArray &html, qsizetype i)
{
    const qsizetype size = html.size();
    while (i < size) {
        const char c = html[i];
        if (c == '>')
            return i;
        if (isTagSpace(c) || c == '/') {
            ++i;
            continue;
        }
        ++i; // an attribute name's first character may be anything, '=' and quotes included
        while (i < size && !isTagSpace(html[i]) && html[i] != '/' && html[i] != '>' && html[i] != '=')
            ++i;
        while (i < size && isTagSpace(html[i]))
            ++i;
        if (i >= size || html[i] != '=')
            continue;
        ++i;
        while (i < size && isTagSpace(html[i]))
            ++i;
        if (i < size && (html[i] == '"' || html[i] == '\'')) {
            const qsizetype close = html.indexOf(html[i], i + 1);
            if (close < 0)
                return size;
            i = close + 1;
        } else {
            while (i < size && !isTagSpace(html[i]) && html[i] != '>')
                ++i;
        }
    }
    return size;
}

// Start of the end tag "</name" that closes raw text begun at from (size when none).
qsizetype rawTextEnd(const QByteArray &lower, const QByteArray &name, qsizetype from)
{
    const QByteArray closing = "</" + name;
    qsizetype at = lower.indexOf(closing, from);
    while (at >= 0) {
        const qsizetype after = at + closing.size();
        if (after >= lower.size() || isTagSpace(lower[after]) || lower[after] == '/' || lower[after] == '>')
            return at;
        at = lower.indexOf(closing, after);
    }
    return lower.size();
}

// Drops start tags that would open an element deeper than kMaxNesting. The depth follows the
// markup as the tokenizer reads it (comments and raw text skipped, end tags matched by name within
// their scope), so only pages nested that deep lose their deepest tags; their text stays. The
// parse budget covers what this model of the tree builder misses.
QByteArray limitNesting(const QByteArray &html)
{
    const qsizetype size = html.size();
    const QByteArray lower = html.toLower();
    const QByteArrayView view(lower);
    QByteArray out;
    std::vector<QByteArray> open;
    qsizetype copied = 0;
    qsizetype i = 0;
    while (i < size) {
        if (html[i] != '<' || i + 1 >= size) {
            ++i;
            continue;
        }
        if (view.sliced(i).startsWith("<!--")) {
            const qsizetype close = lower.indexOf("-->", i + 4);
            i = close < 0 ? size : close + 3;
            continue;
        }
        const char next = html[i + 1];
        if (next == '!' || next == '?') { // doctype, CDATA and bogus comments end at the next '>'
            const qsizetype close = lower.indexOf('>', i + 2);
            i = close < 0 ? size : close + 1;
            continue;
        }
        const bool isEnd = next == '/';
        const qsizetype nameStart = i + (isEnd ? 2 : 1);
        if (nameStart >= size)
            break;
        if (!isAsciiLetter(html[nameStart])) {
            if (isEnd) { // "</>" is dropped, "</ ..." is a bogus comment
                const qsizetype close = lower.indexOf('>', nameStart);
                i = close < 0 ? size : close + 1;
            } else {
                ++i;
            }
            continue;
        }
        qsizetype nameEnd = nameStart;
        while (nameEnd < size && !isTagSpace(html[nameEnd]) && html[nameEnd] != '/' && html[nameEnd] != '>')
            ++nameEnd;
        const QByteArray name = lower.sliced(nameStart, nameEnd - nameStart);
        const qsizetype end = tagEnd(html, nameEnd);
        const qsizetype after = end < size ? end + 1 : size;
        if (name == "html" || name == "body" || name == "head") {
            // never nested: the parser merges them into the one it has
        } else if (isEnd) {
            for (auto it = open.rbegin(); it != open.rend(); ++it) {
                if (*it == name) {
                    if (isFormattingTag(name))
                        open.erase(std::next(it).base());
                    else
                        open.erase(std::next(it).base(), open.end());
                    break;
                }
                if (isScopeBoundary(*it))
                    break;
            }
        } else if (name == "plaintext") {
            break;
        } else if (isRawTextTag(name)) {
            i = rawTextEnd(lower, name, after);
            continue;
        } else if (!isVoidTag(name) && !isSiblingTag(name)) {
            if (open.size() >= size_t(kMaxNesting)) {
                out.append(html.constData() + copied, i - copied);
                copied = after;
            } else {
                open.push_back(name);
            }
        }
        i = after;
    }
    if (copied == 0)
        return html;
    out.append(html.constData() + copied, size - copied);
    return out;
}

QByteArray prepareHtml(const QString &html)
{
    QByteArray utf8 = html.toUtf8();
    if (utf8.size() > kMaxHtmlBytes)
        utf8.truncate(kMaxHtmlBytes);
    return limitNesting(utf8);
}

bool isHtmlElement(const GumboNode *node, GumboTag tag)
{
    return node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag &&
           node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML;
}

bool isBlockTag(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_ADDRESS:
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_ASIDE:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_BODY:
    case GUMBO_TAG_CAPTION:
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_DETAILS:
    case GUMBO_TAG_DIR:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_DL:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_FIELDSET:
    case GUMBO_TAG_FIGCAPTION:
    case GUMBO_TAG_FIGURE:
    case GUMBO_TAG_FOOTER:
    case GUMBO_TAG_FORM:
    case GUMBO_TAG_FRAMESET:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_HEADER:
    case GUMBO_TAG_HGROUP:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_HTML:
    case GUMBO_TAG_LEGEND:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_LISTING:
    case GUMBO_TAG_MAIN:
    case GUMBO_TAG_MENU:
    case GUMBO_TAG_NAV:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_P:
    case GUMBO_TAG_PLAINTEXT:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_SUMMARY:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_TBODY:
    case GUMBO_TAG_TFOOT:
    case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_XMP:
        return true;
    default:
        return false;
    }
}

// Elements whose content a reader never sees. noscript is among them: a browser with scripts on
// shows nothing of it.
bool isHiddenTag(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_NOFRAMES:
    case GUMBO_TAG_NOEMBED:
        return true;
    default:
        return false;
    }
}

// Elements whose text keeps its blanks and line breaks.
bool keepsWhitespace(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_LISTING:
    case GUMBO_TAG_PLAINTEXT:
    case GUMBO_TAG_XMP:
    case GUMBO_TAG_TEXTAREA:
        return true;
    default:
        return false;
    }
}

bool isHtmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Builds the text: blanks collapse and wait until something visible follows on the same line;
// line ends are only written after content, so blocks never make blank lines of their own.
class TextWriter
{
public:
    void lineBreak()
    {
        m_pendingBlank = false;
        if (!m_text.isEmpty() && !m_text.endsWith(kLineEnd))
            m_text += kLineEnd;
        m_atEdge = true;
    }

    // A break is kept even where it makes a blank line, but the text never starts with one.
    void forcedLineBreak()
    {
        m_pendingBlank = false;
        if (!m_text.isEmpty())
            m_text += kLineEnd;
        m_atEdge = true;
    }

    void cellSeparator()
    {
        m_pendingBlank = false;
        m_text += u'\t';
        m_atEdge = true;
    }

    void flowText(const QString &text)
    {
        for (QChar c : text) {
            if (isHtmlSpace(c)) {
                m_pendingBlank = true;
                continue;
            }
            put(c == QChar(0xA0) ? QChar(u' ') : c);
        }
    }

    void preservedText(const QString &text)
    {
        for (QChar c : text) {
            if (c == u'\n')
                forcedLineBreak();
            else if (c == u'\r')
                continue; // the parser already made CR LF into LF
            else
                put(c == QChar(0xA0) ? QChar(u' ') : c);
        }
    }

    QString finish()
    {
        while (m_text.endsWith(kLineEnd))
            m_text.chop(kLineEnd.size());
        return m_text;
    }

private:
    void put(QChar c)
    {
        if (m_pendingBlank && !m_atEdge)
            m_text += u' ';
        m_pendingBlank = false;
        m_atEdge = false;
        m_text += c;
    }

    QString m_text;
    bool m_pendingBlank = false;
    bool m_atEdge = true;
};

QString nodeText(const GumboNode *node)
{
    return QString::fromUtf8(node->v.text.text);
}

QString renderText(const GumboNode *root)
{
    TextWriter writer;
    if (!root)
        return writer.finish();

    struct Frame
    {
        const GumboNode *node;
        unsigned int next;
    };
    std::vector<Frame> stack;
    std::vector<int> rowCells; // cells seen so far in each open table row
    int preservingDepth = 0;

    auto enter = [&](const GumboNode *node) {
        const GumboTag tag = node->v.element.tag;
        if (isBlockTag(tag))
            writer.lineBreak();
        switch (tag) {
        case GUMBO_TAG_BR:
            writer.forcedLineBreak();
            break;
        case GUMBO_TAG_TR:
            rowCells.push_back(0);
            break;
        case GUMBO_TAG_TD:
        case GUMBO_TAG_TH:
            if (!rowCells.empty() && rowCells.back()++ > 0)
                writer.cellSeparator();
            break;
        default:
            break;
        }
        if (keepsWhitespace(tag))
            ++preservingDepth;
        stack.push_back({node, 0});
    };

    auto leave = [&](const GumboNode *node) {
        const GumboTag tag = node->v.element.tag;
        if (tag == GUMBO_TAG_TR && !rowCells.empty())
            rowCells.pop_back();
        if (keepsWhitespace(tag))
            --preservingDepth;
        if (isBlockTag(tag))
            writer.lineBreak();
    };

    if (root->type == GUMBO_NODE_ELEMENT)
        enter(root);
    while (!stack.empty()) {
        Frame &frame = stack.back();
        const GumboVector &children = frame.node->v.element.children;
        if (frame.next >= children.length) {
            const GumboNode *done = frame.node;
            stack.pop_back();
            leave(done);
            continue;
        }
        const auto *child = static_cast<const GumboNode *>(children.data[frame.next++]);
        switch (child->type) {
        case GUMBO_NODE_ELEMENT:
            if (!isHiddenTag(child->v.element.tag))
                enter(child);
            break;
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE:
            if (preservingDepth > 0)
                writer.preservedText(nodeText(child));
            else
                writer.flowText(nodeText(child));
            break;
        default:
            break; // comments, documents and templates show nothing
        }
    }
    return writer.finish();
}

// Visits every element of the tree in document order without recursion.
template <typename Visit> void forEachElement(const GumboNode *root, Visit visit)
{
    if (!root || root->type != GUMBO_NODE_ELEMENT)
        return;
    std::vector<std::pair<const GumboNode *, unsigned int>> stack{{root, 0}};
    visit(root);
    while (!stack.empty()) {
        auto &[node, next] = stack.back();
        const GumboVector &children = node->v.element.children;
        if (next >= children.length) {
            stack.pop_back();
            continue;
        }
        const auto *child = static_cast<const GumboNode *>(children.data[next++]);
        if (child->type == GUMBO_NODE_ELEMENT || child->type == GUMBO_NODE_TEMPLATE) {
            visit(child);
            stack.push_back({child, 0});
        }
    }
}

QString collapseBlanks(const QString &text)
{
    QString result;
    bool pendingBlank = false;
    for (QChar c : text) {
        if (isHtmlSpace(c)) {
            pendingBlank = true;
            continue;
        }
        if (pendingBlank && !result.isEmpty())
            result += u' ';
        pendingBlank = false;
        result += c;
    }
    return result;
}

} // namespace

QString visibleText(const QString &html)
{
    const ParsedHtml parsed(prepareHtml(html));
    return renderText(parsed.root());
}

HtmlDocument parseHtmlDocument(const QString &html, const QString &baseAddress)
{
    const ParsedHtml parsed(prepareHtml(html));
    HtmlDocument document;
    document.text = renderText(parsed.root());
    bool titleFound = false;
    forEachElement(parsed.root(), [&](const GumboNode *node) {
        if (!titleFound && isHtmlElement(node, GUMBO_TAG_TITLE)) {
            titleFound = true;
            QString title;
            const GumboVector &children = node->v.element.children;
            for (unsigned int i = 0; i < children.length; ++i) {
                const auto *child = static_cast<const GumboNode *>(children.data[i]);
                if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE)
                    title += nodeText(child);
            }
            document.title = collapseBlanks(title);
            return;
        }
        if (!isHtmlElement(node, GUMBO_TAG_A) && !isHtmlElement(node, GUMBO_TAG_AREA))
            return;
        const GumboAttribute *href = gumbo_get_attribute(&node->v.element.attributes, "href");
        if (!href)
            return;
        document.links.append(QString::fromUtf8(href->value));
    });
    document.links = linkAddresses(document.links, baseAddress);
    return document;
}

} // namespace fendrake
