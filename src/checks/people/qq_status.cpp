#include "checks/people/qq_status.h"

#include "app/services/number_reading.h"
#include "app/services/service_addresses.h"

#include <cmath>

namespace fendrake {

namespace {

// Whole numbers of at most 10 characters reach 64-bit only through an exponent ("9e99"); 2^63
// itself is the first double that no longer fits.
constexpr double kBeyondInt64 = 9223372036854775808.0;

} // namespace

std::optional<QString> qqRequestNumber(const QString &text)
{
    if (text.size() < 5 || text.size() > 10)
        return std::nullopt;
    const std::optional<double> value = readNumber(text);
    if (!value || std::floor(*value) != *value || std::fabs(*value) >= kBeyondInt64)
        return std::nullopt;
    // Written back as a 64-bit integer: a double would print large numbers with an exponent.
    return QString::number(static_cast<qint64>(*value));
}

QString qqStatusAddress(const QString &number)
{
    // The blank before "alt=test" belongs to the address; it goes out encoded, as a browser sends it.
    return serviceAddress(Service::QqStatus, QStringLiteral("/pa?p=1:")) + number + QStringLiteral(":1%20alt=test");
}

QString qqOnlinePictureAddress()
{
    return serviceAddress(Service::QqPicture, QStringLiteral("/qq_online.gif"));
}

QString qqOfflinePictureAddress()
{
    return serviceAddress(Service::QqPicture, QStringLiteral("/qq_offline.gif"));
}

QqPresence qqPresenceOf(const QString &locationUrl)
{
    if (locationUrl == qqOnlinePictureAddress())
        return QqPresence::Online;
    if (locationUrl == qqOfflinePictureAddress())
        return QqPresence::Offline;
    return QqPresence::Unknown;
}

} // namespace fendrake
