#include "app/services/service_addresses.h"

#include <QByteArray>
#include <QStringEncoder>

namespace fendrake {

QString serviceHost(Service service)
{
    switch (service) {
    case Service::UpdateNotice:
        return QStringLiteral("blog.fendrake.net");
    case Service::DownloadSite:
        return QStringLiteral("download.fendrake.net");
    case Service::Whois:
        return QStringLiteral("whois.fendrake.net");
    case Service::IdCard:
        return QStringLiteral("id.fendrake.net");
    case Service::ReportCentre:
        return QStringLiteral("jubao.fendrake.net");
    case Service::IpLocation:
        return QStringLiteral("ip.fendrake.net");
    case Service::IcpFiling:
        return QStringLiteral("icp.fendrake.net:8080");
    case Service::IcpOfficial:
        return QStringLiteral("beian.fendrake.net");
    case Service::TrafficRank:
        return QStringLiteral("rank.fendrake.net");
    case Service::Rating:
        return QStringLiteral("rating.fendrake.net");
    case Service::IndexedPages:
        return QStringLiteral("search.fendrake.net");
    case Service::SiteCheck:
        return QStringLiteral("safe.fendrake.net");
    case Service::UrlCheck:
        return QStringLiteral("trojan.fendrake.net");
    case Service::FileScanner:
        return QStringLiteral("scan.fendrake.net");
    case Service::Postcode:
        return QStringLiteral("postcode.fendrake.net");
    case Service::MobileLookup:
        return QStringLiteral("mobile.fendrake.net:8080");
    case Service::TelephoneLookup:
        return QStringLiteral("tel.fendrake.net");
    case Service::WebSearch:
        return QStringLiteral("websearch.fendrake.net");
    case Service::QqStatus:
        return QStringLiteral("qqstatus.fendrake.net");
    case Service::QqPicture:
        return QStringLiteral("qqpic.fendrake.net");
    case Service::ShopSearch:
        return QStringLiteral("shopsearch.fendrake.net");
    case Service::ShopSite:
        // Ten characters: the shop-link test compares the last twelve of an address with "." + domain + "/".
        return QStringLiteral("fenshop.cn");
    case Service::Forum:
        return QStringLiteral("forum.fendrake.net");
    }
    Q_UNREACHABLE();
}

QString serviceBase(Service service)
{
    return QStringLiteral("http://") + serviceHost(service);
}

QString supportSiteAddress()
{
    return serviceBase(Service::UpdateNotice) + u'/';
}

QString supportSiteHostAndPath()
{
    const QString address = supportSiteAddress();
    return address.mid(address.indexOf(QStringLiteral("://")) + 3);
}

namespace {

bool needsEncoding(char16_t c)
{
    switch (c) {
    case u' ':
    case u'#':
    case u'%':
    case u'&':
    case u'+':
    case u'?':
        return true;
    default:
        return c < 0x20 || c >= 0x7F;
    }
}

// GBK bytes of one character; its UTF-8 bytes when GBK has no code for it (or it is a lone surrogate).
QByteArray characterBytes(QStringView character)
{
    QStringEncoder gbk("GBK");
    QByteArray bytes = gbk.encode(character);
    if (gbk.hasError() || bytes.isEmpty())
        bytes = character.toUtf8();
    return bytes;
}

} // namespace

QString encodeUserText(const QString &text)
{
    static const char kHex[] = "0123456789ABCDEF";
    QString encoded;
    encoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!needsEncoding(c)) {
            encoded.append(QChar(c));
            continue;
        }
        QByteArray bytes;
        if (c < 0x80) {
            bytes.append(char(c));
        } else {
            const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            bytes = characterBytes(QStringView(text).mid(i, pair ? 2 : 1));
            if (pair)
                ++i;
        }
        for (const char byte : std::as_const(bytes)) {
            const auto value = static_cast<unsigned char>(byte);
            encoded.append(u'%');
            encoded.append(QLatin1Char(kHex[value >> 4]));
            encoded.append(QLatin1Char(kHex[value & 0x0F]));
        }
    }
    return encoded;
}

QString encodeUserPathSegment(const QString &text)
{
    if (text == QLatin1String(".") || text == QLatin1String(".."))
        return QString(text).replace(u'.', QStringLiteral("%2E"));
    return encodeUserText(text).replace(u'/', QStringLiteral("%2F")).replace(u'\\', QStringLiteral("%5C"));
}

QString serviceAddress(Service service, const QString &pathAndQuery, const QString &userText)
{
    return serviceBase(service) + pathAndQuery + encodeUserText(userText);
}

} // namespace fendrake
