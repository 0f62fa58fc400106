#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace fendrake {

// The location page's text holds the location between these two markers.
inline constexpr QStringView kIpLocationOpening = u"本站主数据：";
inline constexpr QStringView kIpLocationClosing =
    u"如果您发现查询结果不详细或不正确，请使用IP数据库自助添加功能进行修正";

enum class IpForm
{
    Valid,
    Invalid,    // the invalid-address notice
    Unreadable, // a part that is no number: the query's error path
};

// The form check of a typed address: at most 15 characters, "*" counting as "0", three dots and
// parts of 0 to 255. A fourth part followed by yet another dot is not tested.
IpForm checkIpForm(const QString &typed);

// The location page of the address text as typed ("*" kept); only what cannot stand in an address
// is encoded.
QString ipLocationAddress(const QString &address);

// From the opening marker (kept) to the fifth character before the closing marker. nullopt when the
// opening marker is missing or the closing one is missing or stands too early.
std::optional<QString> cutIpLocation(const QString &pageText);

// Fetches the location page of the address and cuts the location out. Throws on a failed fetch
// or an impossible cut (std::exception either way).
QString locateIp(const QString &address);

} // namespace fendrake
