#pragma once

#include "app/services/name_lookup.h"

#include <QByteArray>
#include <QtGlobal>

#include <chrono>

namespace fendrake {

// The status a timed-out echo leaves in its reply, as the echo service of the original platform does.
inline constexpr quint32 kEchoTimedOut = 11010;

struct EchoReply
{
    int replies = 0;    // 1 when an echo reply came back in time, else 0
    Ipv4Address from;   // the address that answered
    quint32 status = 0; // 0 for an answered echo, kEchoTimedOut when none came
};

// One ICMP echo service handle: a datagram ping socket where the system's ping group allows it,
// else a raw socket (root or CAP_NET_RAW). Closed when destroyed.
class IcmpEcho
{
public:
    IcmpEcho();
    ~IcmpEcho();
    IcmpEcho(const IcmpEcho &) = delete;
    IcmpEcho &operator=(const IcmpEcho &) = delete;

    // False when neither kind of socket could be opened.
    bool isOpen() const { return m_socket >= 0; }

    // Sends one echo request with this payload and time to live, and waits up to timeout for its
    // reply. Blocks the calling thread.
    EchoReply send(const Ipv4Address &destination, const QByteArray &payload, int timeToLive,
                   std::chrono::milliseconds timeout);

private:
    int m_socket = -1;
    bool m_raw = false;
    quint16 m_identifier = 0;
};

} // namespace fendrake
