#include "checks/people/shop_search.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"

namespace fendrake {

namespace {

QString shopDomainEnd()
{
    return u'.' + serviceHost(Service::ShopSite) + u'/';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString shopSearchAddress(const QString &ownerName)
{
    return serviceAddress(Service::ShopSearch, QStringLiteral("/browse/shop_search.htm?q="), ownerName) +
           QStringLiteral("&title=title&nick=nick&tab=3&s=0");
}

bool isShopLink(const QString &address)
{
    static const QString prefix = QStringLiteral("http://shop");
    return address.startsWith(prefix) && address.size() > prefix.size() && isAsciiDigit(address[prefix.size()]) &&
           address.endsWith(shopDomainEnd());
}

bool isRatingLink(const QString &address)
{
    const bool web = address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                     address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    return web &&
           address.contains(QStringLiteral("rate.") + serviceHost(Service::ShopSite) + QStringLiteral("/user-rate"));
}

std::optional<QString> firstLink(const QStringList &links, bool (*test)(const QString &))
{
    for (const QString &link : links) {
        if (test(link))
            return link;
    }
    return std::nullopt;
}

ShopRating readShopRating(const QString &pageText)
{
    const auto has = [&pageText](QStringView marker) { return FindMarker(marker.toString(), pageText) > 0; };

    ShopRating rating;
    rating.violations = !has(u"无违规行为");
    rating.penalties = !has(u"该会员遵守淘宝用户行为管理规则良好");
    rating.refundDisputes = !has(u"天无退款纠纷");
    rating.complaints = !has(u"天无投诉");
    rating.protection = has(u"卖家已提交保证金，加入消费者保障服务");

    // A value whose opening marker is missing is left out: no other text of the page stands in for it.
    const auto after = [&pageText](const QString &marker) {
        const qint64 at = FindMarker(marker, pageText);
        return at > 0 ? at + marker.size() : qint64(0);
    };

    // The value runs from right behind "卖家信用: " to two characters before "虚拟商品交易".
    qint64 from = after(QStringLiteral("卖家信用: "));
    qint64 to = FindMarker(QStringLiteral("虚拟商品交易"), pageText);
    if (from > 0)
        rating.sellerCredit = cutText(pageText, from, to - from - 2);
    if (rating.sellerCredit)
        rating.sellerCredit->remove(u' ');

    // Two characters (a colon and a blank) stand between "买家信用" and its value.
    from = after(QStringLiteral("买家信用"));
    to = FindMarker(QStringLiteral("卖家信息"), pageText) - 2;
    if (from > 0)
        rating.buyerCredit = cutText(pageText, from + 2, to - from - 2);
    if (rating.buyerCredit)
        rating.buyerCredit->remove(u' ').remove(u'：').remove(u':');

    from = after(QStringLiteral("创店时间："));
    if (from > 0)
        rating.year = cutText(pageText, from, 4).value_or(QString());
    return rating;
}

} // namespace fendrake
