#include "app/services/link_address.h"

#include <QByteArrayView>
#include <QList>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace fendrake {

namespace {

enum class EncodeSet
{
    C0Control,
    Fragment,
    Query,
    SpecialQuery,
    Path,
    Userinfo
};

// The ASCII characters a set encodes besides the controls and non-ASCII, which every set encodes.
std::string_view setCharacters(EncodeSet set)
{
    switch (set) {
    case EncodeSet::C0Control:
        return {};
    case EncodeSet::Fragment:
        return " \"<>`";
    case EncodeSet::Query:
        return " \"#<>";
    case EncodeSet::SpecialQuery:
        return " \"#<>'";
    case EncodeSet::Path:
        return " \"#<>?^`{}";
    case EncodeSet::Userinfo:
        return " \"#<>?^`{}/:;=@[\\]|";
    }
    return {};
}

bool encodes(char16_t c, EncodeSet set)
{
    return c < 0x20 || c > 0x7E || setCharacters(set).find(char(c)) != std::string_view::npos;
}

// Bytes below 0x80 that the set lets through stay as they are, also the trail byte of a GBK character.
void appendBytes(QString &out, QByteArrayView bytes, EncodeSet set)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (!encodes(value, set)) {
            out += QLatin1Char(byte);
            continue;
        }
        out += u'%';
        out += QLatin1Char(kHex[value >> 4]);
        out += QLatin1Char(kHex[value & 0x0F]);
    }
}

// '%' is in no set, so escapes already written, even malformed ones, pass unchanged.
QString percentEncode(QStringView text, EncodeSet set, bool gbk = false)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            const char byte = char(c);
            appendBytes(out, QByteArrayView(&byte, 1), set);
            continue;
        }
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        if (!gbk) {
            appendBytes(out, character.toUtf8(), set);
            continue;
        }
        QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(character);
        // A character the page's encoding lacks goes out as an escaped numeric character reference.
        if (encoder.hasError() || bytes.isEmpty())
            out += QStringLiteral("%26%23") + QString::number(character.toUcs4().value(0)) + QStringLiteral("%3B");
        else
            appendBytes(out, bytes, set);
    }
    return out;
}

struct Url
{
    QString scheme;
    QString credentials; // "user:password@" as serialised, or empty
    std::optional<QString> host;
    QString port; // empty when absent or the scheme's default
    QStringList path;
    std::optional<QString> opaquePath; // "mailto:", "javascript:" and the like
    std::optional<QString> query;
    std::optional<QString> fragment;
};

// Only the web schemes get the special rules; other schemes pass through the general ones.
int defaultPort(const QString &scheme)
{
    if (scheme == QLatin1String("http"))
        return 80;
    return scheme == QLatin1String("https") ? 443 : -1;
}

bool isSpecial(const QString &scheme)
{
    return defaultPort(scheme) > 0;
}

bool isSlash(QChar c, bool special)
{
    return c == u'/' || (special && c == u'\\');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiAlpha(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isForbiddenInHost(QChar c)
{
    static constexpr std::string_view kForbidden("\0\t\n\r #/:<>?@[\\]^|", 17);
    return c.unicode() < 0x80 && kForbidden.find(char(c.unicode())) != std::string_view::npos;
}

bool isForbiddenInDomain(QChar c)
{
    return isForbiddenInHost(c) || c.unicode() < 0x20 || c == u'%' || c.unicode() == 0x7F;
}

// Unlike QByteArray::fromPercentEncoding, a '%' not followed by two hex digits stays.
QByteArray percentDecode(QStringView text)
{
    const QByteArray bytes = text.toUtf8();
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '%' && i + 2 < bytes.size() && isHex(bytes[i + 1]) && isHex(bytes[i + 2])) {
            out += char(bytes.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

std::optional<QString> parseHost(QStringView text, bool special)
{
    // IPv6 literals are kept as written; the checks' pages carry none.
    if (text.startsWith(u'['))
        return text.endsWith(u']') ? std::optional<QString>(text.toString().toLower()) : std::nullopt;
    if (!special) {
        if (std::any_of(text.begin(), text.end(), isForbiddenInHost))
            return std::nullopt;
        return percentEncode(text, EncodeSet::C0Control);
    }
    const QString decoded = QString::fromUtf8(percentDecode(text));
    const bool ascii = std::all_of(decoded.begin(), decoded.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString domain = ascii ? decoded.toLower() : QString::fromLatin1(QUrl::toAce(decoded));
    if (domain.isEmpty() || std::any_of(domain.begin(), domain.end(), isForbiddenInDomain))
        return std::nullopt;
    return domain;
}

bool parseAuthority(Url &url, QStringView authority)
{
    const bool special = isSpecial(url.scheme);
    const qsizetype at = authority.lastIndexOf(u'@');
    if (at >= 0) {
        const QStringView credentials = authority.first(at);
        const qsizetype colon = credentials.indexOf(u':');
        const QString user = percentEncode(credentials.first(colon < 0 ? at : colon), EncodeSet::Userinfo);
        const QString password =
            colon < 0 ? QString() : percentEncode(credentials.sliced(colon + 1), EncodeSet::Userinfo);
        if (!user.isEmpty() || !password.isEmpty())
            url.credentials = user + (password.isEmpty() ? QString() : u':' + password) + u'@';
        authority = authority.sliced(at + 1);
        if (authority.isEmpty())
            return false;
    }
    qsizetype colon = -1;
    bool inBrackets = false;
    for (qsizetype i = 0; i < authority.size() && colon < 0; ++i) {
        if (authority[i] == u'[' || authority[i] == u']')
            inBrackets = authority[i] == u'[';
        else if (authority[i] == u':' && !inBrackets)
            colon = i;
    }
    const QStringView hostText = colon < 0 ? authority : authority.first(colon);
    if (hostText.isEmpty() && (special || colon >= 0))
        return false;
    url.host = parseHost(hostText, special);
    if (!url.host)
        return false;
    const QStringView port = colon < 0 ? QStringView() : authority.sliced(colon + 1);
    if (!std::all_of(port.begin(), port.end(), isAsciiDigit))
        return false;
    if (port.isEmpty())
        return true;
    bool ok = false;
    const quint64 number = port.toULongLong(&ok);
    if (!ok || number > 65535)
        return false;
    if (int(number) != defaultPort(url.scheme))
        url.port = QString::number(number);
    return true;
}

bool isDotSegment(QStringView segment, QStringView dots)
{
    return segment.size() <= 6 &&
           segment.toString().replace(QStringLiteral("%2e"), QStringLiteral("."), Qt::CaseInsensitive) == dots;
}

// The segments of a path, dot segments applied to those already there.
void appendSegments(QStringList &path, QStringView text, bool special)
{
    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        while (end < text.size() && !isSlash(text[end], special))
            ++end;
        const QStringView segment = text.sliced(start, end - start);
        const bool last = end == text.size();
        if (isDotSegment(segment, u"..")) {
            if (!path.isEmpty())
                path.removeLast();
            if (last)
                path.append(QString());
        } else if (isDotSegment(segment, u".")) {
            if (last)
                path.append(QString());
        } else {
            path.append(percentEncode(segment, EncodeSet::Path));
        }
        if (last)
            return;
        start = end + 1;
    }
}

struct Tail
{
    QStringView path;
    std::optional<QStringView> query;
    std::optional<QStringView> fragment;
};

Tail splitTail(QStringView rest)
{
    Tail tail;
    if (const qsizetype hash = rest.indexOf(u'#'); hash >= 0) {
        tail.fragment = rest.sliced(hash + 1);
        rest = rest.first(hash);
    }
    if (const qsizetype question = rest.indexOf(u'?'); question >= 0) {
        tail.query = rest.sliced(question + 1);
        rest = rest.first(question);
    }
    tail.path = rest;
    return tail;
}

void setQueryAndFragment(Url &url, const Tail &tail, bool gbkQuery)
{
    const bool special = isSpecial(url.scheme);
    if (tail.query)
        url.query =
            percentEncode(*tail.query, special ? EncodeSet::SpecialQuery : EncodeSet::Query, gbkQuery && special);
    if (tail.fragment)
        url.fragment = percentEncode(*tail.fragment, EncodeSet::Fragment);
}

// What follows the authority, or the "/" after a scheme without one: a web address always has a path.
Url withPath(Url url, QStringView rest, bool gbkQuery)
{
    const Tail tail = splitTail(rest);
    if (!tail.path.isEmpty() || isSpecial(url.scheme))
        appendSegments(url.path, tail.path.isEmpty() ? tail.path : tail.path.sliced(1), isSpecial(url.scheme));
    setQueryAndFragment(url, tail, gbkQuery);
    return url;
}

std::optional<Url> withAuthority(Url url, QStringView rest, bool gbkQuery)
{
    const bool special = isSpecial(url.scheme);
    qsizetype end = 0;
    while (end < rest.size() && !isSlash(rest[end], special) && rest[end] != u'?' && rest[end] != u'#')
        ++end;
    if (!parseAuthority(url, rest.first(end)))
        return std::nullopt;
    return withPath(url, rest.sliced(end), gbkQuery);
}

QStringView skipSlashes(QStringView text)
{
    while (!text.isEmpty() && isSlash(text[0], true))
        text = text.sliced(1);
    return text;
}

std::optional<Url> resolve(QStringView input, const Url &base, bool gbkQuery)
{
    if (base.opaquePath) {
        if (!input.startsWith(u'#'))
            return std::nullopt;
        Url url = base;
        url.fragment = percentEncode(input.sliced(1), EncodeSet::Fragment);
        return url;
    }
    const bool special = isSpecial(base.scheme);
    Url url;
    url.scheme = base.scheme;
    if (!input.isEmpty() && isSlash(input[0], special)) {
        if (input.size() > 1 && isSlash(input[1], special))
            return withAuthority(url, special ? skipSlashes(input) : input.sliced(2), gbkQuery);
        url.credentials = base.credentials;
        url.host = base.host;
        url.port = base.port;
        return withPath(url, input, gbkQuery);
    }
    url = base;
    url.fragment.reset();
    const Tail tail = splitTail(input);
    if (!tail.path.isEmpty()) {
        url.query.reset();
        if (!url.path.isEmpty())
            url.path.removeLast();
        appendSegments(url.path, tail.path, special);
    }
    setQueryAndFragment(url, tail, gbkQuery);
    return url;
}

std::optional<Url> parseUrl(const QString &address, const Url *base, bool gbkQuery)
{
    // Blanks and controls around the address, and tabs and line breaks inside it, are not part of it.
    qsizetype from = 0;
    qsizetype to = address.size();
    while (from < to && address[from].unicode() <= 0x20)
        ++from;
    while (to > from && address[to - 1].unicode() <= 0x20)
        --to;
    QString input = address.sliced(from, to - from);
    input.removeIf([](QChar c) { return c == u'\t' || c == u'\n' || c == u'\r'; });

    qsizetype colon = input.isEmpty() || !isAsciiAlpha(input[0]) ? -1 : 1;
    while (colon > 0 && colon < input.size() && input[colon] != u':') {
        const QChar c = input[colon];
        colon = isAsciiAlpha(c) || isAsciiDigit(c) || c == u'+' || c == u'-' || c == u'.' ? colon + 1 : -1;
    }
    if (colon < 0 || colon == input.size())
        return base ? resolve(input, *base, gbkQuery) : std::nullopt;

    Url url;
    url.scheme = input.first(colon).toLower();
    const QStringView rest = QStringView(input).sliced(colon + 1);
    if (isSpecial(url.scheme)) {
        if (base && base->scheme == url.scheme)
            return resolve(rest, *base, gbkQuery);
        return withAuthority(url, skipSlashes(rest), gbkQuery);
    }
    if (rest.startsWith(u"//"))
        return withAuthority(url, rest.sliced(2), gbkQuery);
    if (rest.startsWith(u'/'))
        return withPath(url, rest, gbkQuery);
    const Tail tail = splitTail(rest);
    url.opaquePath = percentEncode(tail.path, EncodeSet::C0Control);
    setQueryAndFragment(url, tail, gbkQuery);
    return url;
}

QString serialise(const Url &url)
{
    QString out = url.scheme + u':';
    if (url.host)
        out += QStringLiteral("//") + url.credentials + *url.host + (url.port.isEmpty() ? QString() : u':' + url.port);
    if (url.opaquePath) {
        out += *url.opaquePath;
    } else {
        // Without the "/." a path starting with an empty segment would read back as a host.
        if (!url.host && url.path.size() > 1 && url.path[0].isEmpty())
            out += QStringLiteral("/.");
        for (const QString &segment : url.path)
            out += u'/' + segment;
    }
    if (url.query)
        out += u'?' + *url.query;
    if (url.fragment)
        out += u'#' + *url.fragment;
    return out;
}

} // namespace

QStringList linkAddresses(const QStringList &hrefs, const QString &documentAddress)
{
    const std::optional<Url> base = parseUrl(documentAddress, nullptr, false);
    QStringList addresses;
    addresses.reserve(hrefs.size());
    for (const QString &href : hrefs) {
        const std::optional<Url> url = parseUrl(href, base ? &*base : nullptr, true);
        addresses.append(url ? serialise(*url) : href);
    }
    return addresses;
}

QString browserAddress(const QString &address)
{
    const std::optional<Url> url = parseUrl(address, nullptr, false);
    return url ? serialise(*url) : address;
}

} // namespace fendrake
