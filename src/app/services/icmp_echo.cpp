#include "app/services/icmp_echo.h"

#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace fendrake {

namespace {

constexpr quint8 kEchoRequest = 8;
constexpr quint8 kEchoReplyType = 0;
constexpr int kHeaderSize = 8;

std::atomic<quint16> g_sequence{0};

quint16 checksum(const QByteArray &packet)
{
    quint32 sum = 0;
    const auto *data = reinterpret_cast<const unsigned char *>(packet.constData());
    qsizetype i = 0;
    for (; i + 1 < packet.size(); i += 2)
        sum += quint32(data[i]) << 8 | data[i + 1];
    if (i < packet.size())
        sum += quint32(data[i]) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(~sum);
}

QByteArray echoRequest(quint16 identifier, quint16 sequence, const QByteArray &payload)
{
    QByteArray packet(kHeaderSize, '\0');
    packet[0] = char(kEchoRequest);
    packet[4] = char(identifier >> 8);
    packet[5] = char(identifier & 0xFF);
    packet[6] = char(sequence >> 8);
    packet[7] = char(sequence & 0xFF);
    packet += payload;
    const quint16 sum = checksum(packet);
    packet[2] = char(sum >> 8);
    packet[3] = char(sum & 0xFF);
    return packet;
}

quint16 readWord(const unsigned char *at)
{
    return quint16(at[0] << 8 | at[1]);
}

} // namespace

IcmpEcho::IcmpEcho()
{
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (m_socket < 0) {
        m_socket = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        m_raw = m_socket >= 0;
    }
    m_identifier = quint16(::getpid() & 0xFFFF);
}

IcmpEcho::~IcmpEcho()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

EchoReply IcmpEcho::send(const Ipv4Address &destination, const QByteArray &payload, int timeToLive,
                         std::chrono::milliseconds timeout)
{
    EchoReply reply;
    reply.status = kEchoTimedOut;
    if (m_socket < 0)
        return reply;

    ::setsockopt(m_socket, IPPROTO_IP, IP_TTL, &timeToLive, sizeof timeToLive);
    const quint16 sequence = ++g_sequence;
    const QByteArray request = echoRequest(m_identifier, sequence, payload);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    std::memcpy(&to.sin_addr.s_addr, destination.bytes.data(), 4);
    if (::sendto(m_socket, request.constData(), size_t(request.size()), 0, reinterpret_cast<sockaddr *>(&to),
                 sizeof to) < 0)
        return reply;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    unsigned char buffer[1500];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return reply;
        pollfd waiting{m_socket, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, int(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return reply;

        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t received =
            ::recvfrom(m_socket, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr *>(&from), &fromSize);
        if (received < 0)
            continue;
        // A raw socket hands over the IP header too, and sees every ICMP message of the machine:
        // our own outgoing request and the echoes of other programs among them.
        ssize_t offset = 0;
        if (m_raw) {
            if (received < 1)
                continue;
            offset = (buffer[0] & 0x0F) * 4;
        }
        if (received - offset < kHeaderSize)
            continue;
        const unsigned char *icmp = buffer + offset;
        if (icmp[0] != kEchoReplyType || readWord(icmp + 6) != sequence)
            continue;
        // The kernel puts its own identifier into the echoes of a datagram ping socket.
        if (m_raw && readWord(icmp + 4) != m_identifier)
            continue;

        reply.replies = 1;
        reply.status = 0;
        std::memcpy(reply.from.bytes.data(), &from.sin_addr.s_addr, 4);
        return reply;
    }
}

} // namespace fendrake
