#include "app/services/name_lookup.h"

#include <QByteArray>
#include <QStringList>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstring>

namespace fendrake {

QString ipv4Text(const Ipv4Address &address)
{
    QStringList parts;
    for (const quint8 byte : address.bytes)
        parts << QString::number(byte);
    return parts.join(u'.');
}

std::optional<Ipv4Address> lookupIpv4(const QString &hostName)
{
    const QByteArray name = hostName.toUtf8();
    // A NUL inside the text would silently shorten the name the resolver sees.
    if (name.isEmpty() || name.contains('\0'))
        return std::nullopt;

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(name.constData(), nullptr, &hints, &found) != 0 || found == nullptr)
        return std::nullopt;

    std::optional<Ipv4Address> first;
    for (const addrinfo *entry = found; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET || entry->ai_addr == nullptr)
            continue;
        const auto *ipv4 = reinterpret_cast<const sockaddr_in *>(entry->ai_addr);
        Ipv4Address address;
        std::memcpy(address.bytes.data(), &ipv4->sin_addr.s_addr, 4);
        first = address;
        break;
    }
    freeaddrinfo(found);
    return first;
}

} // namespace fendrake
