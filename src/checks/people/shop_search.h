#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace fendrake {

inline constexpr QStringView kNoShopMarker = u"没有找到相应的店铺信息";

// The shop-search page of the shop site for a cleaned owner's name.
QString shopSearchAddress(const QString &ownerName);

// A shop's home page: "http://shop", a digit as the 12th character, and "." + the site's domain + "/"
// as the end of the address.
bool isShopLink(const QString &address);

// A link to a shop's rating page: an http or https address holding the rating host directly
// followed by "/user-rate". Other schemes (javascript:, file:) are never fetched or opened.
bool isRatingLink(const QString &address);

// The first link in document order that passes the test.
std::optional<QString> firstLink(const QStringList &links, bool (*test)(const QString &));

// What the rating page says about the shop. A flag is true where its box is ticked; a value is
// nullopt where its cut fails, so the box keeps what it held.
struct ShopRating
{
    bool protection = false;     // joined the consumer-protection service
    bool violations = false;     // no "no violations" sentence
    bool refundDisputes = false; // no "no refund disputes" sentence
    bool complaints = false;     // no "no complaints" sentence
    bool penalties = false;      // not said to keep the rules well
    std::optional<QString> sellerCredit;
    std::optional<QString> buyerCredit;
    QString year; // the four characters behind the creation-time marker, fewer at the page's end
};

ShopRating readShopRating(const QString &pageText);

} // namespace fendrake
