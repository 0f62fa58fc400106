#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

namespace fendrake {

// An IPv4 address as four bytes in network order, first byte first.
struct Ipv4Address
{
    std::array<quint8, 4> bytes{};
};

// Dotted decimal, no leading zeros: 10.0.0.1.
QString ipv4Text(const Ipv4Address &address);

// The first IPv4 address the system's resolver gives for the name; nullopt when it gives none.
// Blocks the calling thread for as long as the resolver takes.
std::optional<Ipv4Address> lookupIpv4(const QString &hostName);

} // namespace fendrake
