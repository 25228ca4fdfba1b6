#include "platform/icmp_echo.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "platform/strings.h"

namespace platform {
namespace {

constexpr int kHeaderSize = 8;

// An ICMP socket, closed when it goes.
struct Icmp_Socket {
    int fd = -1;
    // Raw sockets deliver the IP header and every ICMP message of the host;
    // datagram sockets only the ICMP part of the replies to this socket.
    bool raw = false;
    ~Icmp_Socket()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool isPermissionError(int err)
{
    return err == EACCES || err == EPERM;
}

// Opens the datagram socket, else the raw one. Fills `failure` when neither
// can be opened.
bool openSocket(Icmp_Socket& s, EchoReply& failure)
{
    s.fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (s.fd >= 0)
        return true;
    const int datagramError = errno;
    // Not allowed or not offered by the kernel: the raw socket may be.
    if (!isPermissionError(datagramError) && datagramError != EPROTONOSUPPORT && datagramError != ESOCKTNOSUPPORT
        && datagramError != EAFNOSUPPORT) {
        failure = {EchoReply::Status::Failed, 0, QStringLiteral("ICMP socket: ") + systemErrorText(datagramError)};
        return false;
    }
    s.fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (s.fd >= 0) {
        s.raw = true;
        return true;
    }
    const int rawError = errno;
    const QString reasons = QStringLiteral("ICMP datagram socket: %1; raw socket: %2")
                                .arg(systemErrorText(datagramError), systemErrorText(rawError));
    failure = {isPermissionError(rawError) ? EchoReply::Status::NotPermitted : EchoReply::Status::Failed, 0, reasons};
    return false;
}

uint16_t internetChecksum(const QByteArray& bytes)
{
    uint32_t sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        sum += (uint32_t(uint8_t(bytes[i])) << 8) | uint8_t(bytes[i + 1]);
    if (bytes.size() % 2)
        sum += uint32_t(uint8_t(bytes.back())) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

QByteArray echoRequest(uint16_t identifier, uint16_t sequence, const QByteArray& payload)
{
    QByteArray packet(kHeaderSize + kEchoDataSize, '\0');
    packet[0] = char(ICMP_ECHO);
    packet[4] = char(identifier >> 8);
    packet[5] = char(identifier & 0xFF);
    packet[6] = char(sequence >> 8);
    packet[7] = char(sequence & 0xFF);
    packet.replace(kHeaderSize, qMin<qsizetype>(payload.size(), kEchoDataSize), payload.left(kEchoDataSize));
    const uint16_t sum = internetChecksum(packet);
    packet[2] = char(sum >> 8);
    packet[3] = char(sum & 0xFF);
    return packet;
}

// The data size of the echo reply `bytes` to our request, or -1 when it is
// something else (our own request seen by a raw socket, another host's
// message, an earlier sequence).
int replyDataSize(const QByteArray& bytes, const Icmp_Socket& s, uint16_t identifier, uint16_t sequence)
{
    qsizetype at = 0;
    if (s.raw) {
        if (bytes.isEmpty())
            return -1;
        at = (uint8_t(bytes[0]) & 0x0F) * 4;
    }
    if (bytes.size() < at + kHeaderSize || uint8_t(bytes[at]) != ICMP_ECHOREPLY || bytes[at + 1] != 0)
        return -1;
    const uint16_t id = uint16_t((uint8_t(bytes[at + 4]) << 8) | uint8_t(bytes[at + 5]));
    const uint16_t seq = uint16_t((uint8_t(bytes[at + 6]) << 8) | uint8_t(bytes[at + 7]));
    // A datagram socket's identifier is chosen by the kernel, which hands it
    // only its own replies.
    if ((s.raw && id != identifier) || seq != sequence)
        return -1;
    return int(bytes.size() - at - kHeaderSize);
}

bool unreachable(int err)
{
    return err == ENETUNREACH || err == EHOSTUNREACH || err == EHOSTDOWN;
}

EchoReply notAnsweredAfter(std::chrono::steady_clock::time_point deadline)
{
    std::this_thread::sleep_until(deadline);
    return {EchoReply::Status::NotAnswered, 0, {}};
}

}  // namespace

EchoReply SocketIcmpEcho::echo(const QString& host, const QByteArray& payload, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    const QByteArray hostText = host.toLatin1();
    if (hostText != host.toUtf8() || ::inet_pton(AF_INET, hostText.constData(), &to.sin_addr) != 1)
        return {EchoReply::Status::Failed, 0, QStringLiteral("\"%1\" is not an IPv4 address").arg(host)};

    Icmp_Socket s;
    EchoReply failure;
    if (!openSocket(s, failure))
        return failure;

    const uint16_t identifier = uint16_t(::getpid() & 0xFFFF);
    const uint16_t sequence = ++sequence_;
    const QByteArray request = echoRequest(identifier, sequence, payload);
    if (::sendto(s.fd, request.constData(), size_t(request.size()), 0, reinterpret_cast<const sockaddr*>(&to),
                 sizeof to)
        < 0) {
        const int err = errno;
        // No route to the device: it cannot answer.
        if (unreachable(err))
            return notAnsweredAfter(deadline);
        return {EchoReply::Status::Failed, 0, QStringLiteral("ICMP echo to %1: ").arg(host) + systemErrorText(err)};
    }

    QByteArray buffer(kHeaderSize + kEchoDataSize + 128, '\0');
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline
                                                                                - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return {EchoReply::Status::NotAnswered, 0, {}};
        pollfd p{s.fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return {EchoReply::Status::NotAnswered, 0, {}};
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t n = ::recvfrom(s.fd, buffer.data(), size_t(buffer.size()), MSG_DONTWAIT,
                                     reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)
                continue;
            // An error message of the network about this echo: no answer.
            return notAnsweredAfter(deadline);
        }
        if (from.sin_addr.s_addr != to.sin_addr.s_addr)
            continue;
        const int dataSize = replyDataSize(buffer.left(n), s, identifier, sequence);
        if (dataSize >= 0)
            return {EchoReply::Status::Answered, dataSize, {}};
    }
}

namespace {

SocketIcmpEcho& socketEcho()
{
    static SocketIcmpEcho echo;
    return echo;
}

IcmpEcho* installedEcho = nullptr;

}  // namespace

IcmpEcho& icmpEcho()
{
    return installedEcho ? *installedEcho : socketEcho();
}

IcmpEcho* setIcmpEcho(IcmpEcho* replacement)
{
    IcmpEcho* previous = installedEcho ? installedEcho : &socketEcho();
    installedEcho = replacement == &socketEcho() ? nullptr : replacement;
    return previous;
}

}  // namespace platform
