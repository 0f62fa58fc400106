#include "checks/site/host_location.h"

#include <stdexcept>

namespace fendrake {

bool beginsWithSchemeWord(const QString &text)
{
    return text.startsWith(QStringLiteral("http"), Qt::CaseSensitive) ||
           text.startsWith(QStringLiteral("ftp"), Qt::CaseSensitive);
}

HostInput checkHostInput(const QString &text)
{
    if (text.size() < 4)
        return HostInput::TooShort;
    if (beginsWithSchemeWord(text))
        return HostInput::WebAddress;
    return HostInput::Accepted;
}

std::optional<Ipv4Address> resolveHost(const QString &hostName)
{
    if (hostName.size() > kMaxHostNameLength)
        throw std::length_error("host name too long for the resolver");
    return lookupIpv4(hostName);
}

} // namespace fendrake
