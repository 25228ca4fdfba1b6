// The socket echo client against this machine's own network stack. Whether
// this process may open an ICMP socket depends on the machine (the groups in
// net.ipv4.ping_group_range, or the raw-socket capability); where it may not,
// the tests that need a reply say so and are skipped.

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

#include "platform/icmp_echo.h"

using namespace std::chrono_literals;
using Status = platform::EchoReply::Status;

namespace {

// The reason an echo was not possible here, for the skip message.
std::string notPossibleHere(const platform::EchoReply& reply)
{
    return "this machine lets the test process open no ICMP socket (" + reply.error.toStdString()
           + "); allow it through net.ipv4.ping_group_range or CAP_NET_RAW";
}

constexpr uid_t kNobody = 65534;

// True when the ping group range lets group `gid` open datagram sockets.
bool pingGroupAllows(gid_t gid)
{
    QFile file(QStringLiteral("/proc/sys/net/ipv4/ping_group_range"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> range = file.readAll().simplified().split(' ');
    return range.size() == 2 && range[0].toLongLong() <= gid && gid <= range[1].toLongLong();
}

}  // namespace

TEST(IcmpEcho, TheLoopbackAddressAnswersWithTheWholeDataArea)
{
    platform::SocketIcmpEcho echo;
    const platform::EchoReply first = echo.echo(QStringLiteral("127.0.0.1"), QByteArray("127.0.0.1"), 400ms);
    if (first.status == Status::NotPermitted)
        GTEST_SKIP() << notPossibleHere(first);
    ASSERT_EQ(first.status, Status::Answered) << first.error.toStdString();
    EXPECT_EQ(first.bytesReceived, platform::kEchoDataSize);
    // A second echo on the same client gets its own reply.
    const platform::EchoReply second = echo.echo(QStringLiteral("127.0.0.1"), QByteArray(2000, 'x'), 400ms);
    EXPECT_EQ(second.status, Status::Answered) << second.error.toStdString();
    EXPECT_EQ(second.bytesReceived, platform::kEchoDataSize);
}

TEST(IcmpEcho, AnAddressNobodyAnswersRunsOutItsTimeOut)
{
    platform::SocketIcmpEcho echo;
    QElapsedTimer clock;
    clock.start();
    // TEST-NET-3: reserved for documentation, never answers.
    const platform::EchoReply reply = echo.echo(QStringLiteral("203.0.113.1"), QByteArray("203.0.113.1"), 200ms);
    if (reply.status == Status::NotPermitted)
        GTEST_SKIP() << notPossibleHere(reply);
    EXPECT_EQ(reply.status, Status::NotAnswered) << reply.error.toStdString();
    EXPECT_GE(clock.elapsed(), 190);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(IcmpEcho, AHostThatIsNoIPv4AddressFailsWithoutSending)
{
    platform::SocketIcmpEcho echo;
    for (const char* host : {"gateway.invalid", "", "1.2.3", "300.1.1.1", "::1"}) {
        const platform::EchoReply reply = echo.echo(QString::fromLatin1(host), QByteArray(), 400ms);
        EXPECT_EQ(reply.status, Status::Failed) << host;
        EXPECT_TRUE(reply.error.contains("is not an IPv4 address")) << reply.error.toStdString();
    }
}

TEST(IcmpEcho, AUserWhoMayOpenNoIcmpSocketIsToldApart)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run the echo as an unprivileged user";
    if (pingGroupAllows(kNobody))
        GTEST_SKIP() << "net.ipv4.ping_group_range lets every group ping here";
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char outcome = 'u';  // could not become the unprivileged user
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) {
            platform::SocketIcmpEcho echo;
            const platform::EchoReply reply = echo.echo(QStringLiteral("127.0.0.1"), QByteArray("x"), 100ms);
            outcome = reply.status == Status::NotPermitted ? 'p' : reply.status == Status::Failed ? 'f' : 'a';
        }
        (void)!::write(pipeEnds[1], &outcome, 1);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    char outcome = 0;
    (void)!::read(pipeEnds[0], &outcome, 1);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (outcome == 'u')
        GTEST_SKIP() << "this machine does not let the test become an unprivileged user";
    EXPECT_EQ(outcome, 'p') << "f: failed, a: answered or not answered";
}
