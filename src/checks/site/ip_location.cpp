#include "checks/site/ip_location.h"

#include "app/services/http_fetch.h"
#include "app/services/markers.h"
#include "app/services/number_reading.h"
#include "app/services/service_addresses.h"

#include <cmath>
#include <stdexcept>

namespace fendrake {

namespace {

constexpr qsizetype kMaxTypedLength = 15;

// nullopt: no number at all.
std::optional<bool> partInRange(const QString &part)
{
    const std::optional<double> value = readNumber(part);
    if (!value)
        return std::nullopt;
    const double whole = std::floor(*value);
    return whole >= 0 && whole <= 255;
}

} // namespace

IpForm checkIpForm(const QString &typed)
{
    if (typed.size() > kMaxTypedLength)
        return IpForm::Invalid;
    QString tested = typed;
    tested.replace(u'*', u'0');

    qsizetype start = 0;
    for (int dot = 0; dot < 3; ++dot) {
        const qsizetype at = tested.indexOf(u'.', start);
        if (at < 0)
            return IpForm::Invalid;
        const std::optional<bool> inRange = partInRange(tested.mid(start, at - start));
        if (!inRange)
            return IpForm::Unreadable;
        if (!*inRange)
            return IpForm::Invalid;
        start = at + 1;
    }
    const QString rest = tested.mid(start);
    if (rest.contains(u'.'))
        return IpForm::Valid;
    const std::optional<bool> inRange = partInRange(rest);
    if (!inRange)
        return IpForm::Unreadable;
    return *inRange ? IpForm::Valid : IpForm::Invalid;
}

QString ipLocationAddress(const QString &address)
{
    return serviceAddress(Service::IpLocation, QStringLiteral("/ips.asp?ip="), address) + QStringLiteral("&action=2");
}

std::optional<QString> cutIpLocation(const QString &pageText)
{
    const qint64 opening = FindMarker(kIpLocationOpening.toString(), pageText);
    const qint64 end = qint64(FindMarker(kIpLocationClosing.toString(), pageText)) - 4;
    if (opening == 0)
        return std::nullopt;
    return cutText(pageText, opening, end - opening);
}

QString locateIp(const QString &address)
{
    const std::optional<QString> location = cutIpLocation(GetHttpText(ipLocationAddress(address)));
    if (!location)
        throw std::runtime_error("the location page holds no location");
    return *location;
}

} // namespace fendrake
