#pragma once

#include <chrono>

#include <QByteArray>
#include <QString>

namespace platform {

// Size of the data area of every echo request; the payload fills it from
// the start, the rest is zero.
inline constexpr int kEchoDataSize = 1024;

// The outcome of one ICMP echo request.
struct EchoReply {
    enum class Status {
        // A reply came back before the time-out.
        Answered,
        // No reply within the time-out (or the network refused the request).
        NotAnswered,
        // The request could not be sent: the host is not an IPv4 address,
        // or the socket failed.
        Failed,
        // This process may open neither an ICMP datagram socket nor a raw
        // socket: no echo can be sent at all.
        NotPermitted,
    };
    Status status = Status::NotAnswered;
    // Data bytes of the reply (Answered only).
    int bytesReceived = 0;
    // Why the request failed (Failed, NotPermitted).
    QString error;
};

// Sends ICMP echo requests (ping) to IPv4 hosts.
class IcmpEcho {
public:
    virtual ~IcmpEcho() = default;
    // Sends one echo request to `host` (dotted IPv4 text) whose data area of
    // kEchoDataSize bytes holds `payload`, and blocks until the reply arrives
    // or `timeout` has passed.
    virtual EchoReply echo(const QString& host, const QByteArray& payload, std::chrono::milliseconds timeout) = 0;
};

// The echo client over the operating system's sockets: an unprivileged ICMP
// datagram socket (allowed when one of the user's groups lies within
// net.ipv4.ping_group_range), else a raw ICMP socket (root or CAP_NET_RAW).
class SocketIcmpEcho final : public IcmpEcho {
public:
    EchoReply echo(const QString& host, const QByteArray& payload, std::chrono::milliseconds timeout) override;

private:
    uint16_t sequence_ = 0;
};

// The echo client in use: the socket client, unless a test installed its
// double with setIcmpEcho.
IcmpEcho& icmpEcho();
// Installs `replacement` (not owned; nullptr restores the socket client) and
// returns the one installed before.
IcmpEcho* setIcmpEcho(IcmpEcho* replacement);

}  // namespace platform
