#pragma once

#include <QString>

#include <array>
#include <optional>

namespace fendrake {

enum class SafetyPicture
{
    None,
    Safe,
    Unsafe,
    Unknown,
};

struct UrlSafetyReading
{
    SafetyPicture picture = SafetyPicture::None;
    // chkUS1 to chkUS6: the behaviour words named in the page's behaviour block.
    std::array<bool, 6> behaviours{};
};

// The length test applies to the text as typed, before cleaning.
bool isUrlSafetyInputLongEnough(const QString &text);

// Drops a leading "http://" (lower case only), then one trailing "/".
QString cleanUrlSafetyAddress(QString text);

QString siteCheckAddress(const QString &address);

// The verdict of the site-check page. The first safe or not-rated sentence ends the reading; the
// unsafe sentence alone leads on to the behaviour block, from the first "恶意行为：" up to the
// first "恶意行为详情". A page without a verdict or a block gives no picture. nullopt: a block that
// cannot be cut (its end marker missing or before its start).
std::optional<UrlSafetyReading> readUrlSafetyPage(const QString &pageText);

} // namespace fendrake
