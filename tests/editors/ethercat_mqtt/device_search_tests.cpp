// The device search over scripted echoes and a clock that moves only as the
// echoes and pauses take time, and the check of the address it is given.

#include <gtest/gtest.h>

#include "editors/ethercat_mqtt/device_search.h"
#include "support/scripted_network.h"

namespace device_search_tests {

using ethercat_mqtt::Check_Device_Address;
using ethercat_mqtt::Device_Search_Result;
using ethercat_mqtt::Send_Ping;
using Status = testing_support::ScriptedNetwork::Status;

TEST(DeviceAddress, FourDecimalOctetsAndNothingElse)
{
    for (const char* good : {"192.168.2.205", "0.0.0.0", "255.255.255.255", "10.0.0.7", "1.22.133.9"})
        EXPECT_TRUE(Check_Device_Address(QString::fromLatin1(good))) << good;
    const char* const bad[] = {
        "256.1.1.1",    "1.1.1.300",  "1.1.1",        "1.1.1.1.1",  "1..1.1",      ".1.1.1",    "1.1.1.",
        "010.1.1.1",    "1.1.1.00",   "0x1.1.1.1",    "$A.1.1.1",   "+1.1.1.1",    "-1.1.1.1",  " 1.1.1.1",
        "1.1.1.1 ",     "1.1. 1.1",   "localhost",    "gateway.lan", "1.1.1.a",    "",          "1000.1.1.1",
        "1e2.1.1.1",
    };
    for (const char* address : bad)
        EXPECT_FALSE(Check_Device_Address(QString::fromLatin1(address))) << address;
    // Digits of other scripts are no decimal digits here.
    EXPECT_FALSE(Check_Device_Address(QStringLiteral("1.1.1.\uFF11")));
    EXPECT_FALSE(Check_Device_Address(QStringLiteral("1.1.1.\u0661")));
}

struct SearchCase {
    const char* what;
    uint32_t startTicks;
    std::vector<Status> outcomes;
    Status otherwise;
    bool found;
    int32_t ping_res;
    int echoes;
    bool failed;
};

// Worked out with an unanswered echo taking 400 ms, an answered one 3 ms and
// a 10 ms pause after each: the search goes on while at most 5000 ms have
// passed after an echo's pause.
const SearchCase kSearches[] = {
    {"answered twice", 1000, {}, Status::Answered, true, 1, 2, false},
    // 12 silent echoes end at 4920 ms, the 13th at 5330 ms.
    {"never answered", 1000, {}, Status::NotAnswered, false, 2, 13, false},
    {"never answered across the tick counter's wrap", 0xFFFFF000u, {}, Status::NotAnswered, false, 2, 13, false},
    // 13 ms, then 13 silent echoes: 4933 ms after 12, 5343 ms after 13.
    {"answered, then silent until the budget ends", 1000, {Status::Answered}, Status::NotAnswered, false, 2, 14,
     false},
    {"silent, answered, answered", 1000, {Status::NotAnswered, Status::Answered}, Status::Answered, true, 1, 3, false},
    {"answers need not follow each other", 1000, {Status::Answered, Status::NotAnswered}, Status::Answered, true, 1, 3,
     false},
    // 12 silent echoes (4920 ms); the 13th is answered at 4933 ms, within the
    // budget, so a 14th is sent: answered, found; silent, not found.
    {"two late answers within the budget", 1000, std::vector<Status>(12, Status::NotAnswered), Status::Answered, true,
     1, 14, false},
    {"a late answer, then a silent echo past the budget", 1000,
     {Status::NotAnswered, Status::NotAnswered, Status::NotAnswered, Status::NotAnswered, Status::NotAnswered,
      Status::NotAnswered, Status::NotAnswered, Status::NotAnswered, Status::NotAnswered, Status::NotAnswered,
      Status::NotAnswered, Status::NotAnswered, Status::Answered},
     Status::NotAnswered, false, 2, 14, false},
    {"answered only after the budget", 1000, std::vector<Status>(13, Status::NotAnswered), Status::Answered, false, 2,
     13, false},
    {"the first echo fails", 1000, {Status::Failed}, Status::Answered, false, 0, 1, true},
    {"a failure after an answer ends the search", 1000, {Status::Answered, Status::Failed}, Status::Answered, false, 1,
     2, true},
    {"a failure after a silent echo", 1000, {Status::NotAnswered, Status::Failed}, Status::Answered, false, 2, 2,
     true},
};

TEST(DeviceSearch, EchoesUntilTwoAnswersOrTheBudget)
{
    for (const SearchCase& c : kSearches) {
        SCOPED_TRACE(c.what);
        testing_support::ScriptedNetwork network(c.startTicks);
        for (Status s : c.outcomes)
            network.script({s});
        network.otherwise = c.otherwise;
        int served = 0;
        const Device_Search_Result r = Send_Ping(QStringLiteral("192.168.2.7"), network, network, [&] {
            ++served;
            return true;
        });
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.ping_res, c.ping_res);
        EXPECT_EQ(int(network.sent().size()), c.echoes);
        EXPECT_EQ(r.echoFailed, c.failed);
        EXPECT_FALSE(r.echoNotPermitted);
        EXPECT_EQ(r.error, c.failed ? QStringLiteral("scripted failure") : QString());
        // The window is served once after every echo that had an outcome.
        EXPECT_EQ(served, c.failed ? c.echoes - 1 : c.echoes);
        for (const auto& sent : network.sent()) {
            EXPECT_EQ(sent.host, QStringLiteral("192.168.2.7"));
            EXPECT_EQ(sent.payload, QByteArray("192.168.2.7"));
            EXPECT_EQ(sent.timeout.count(), 400);
        }
    }
}

TEST(DeviceSearch, EchoesGoBackToBackWithATenMillisecondPause)
{
    testing_support::ScriptedNetwork network(500);
    network.script({Status::NotAnswered, Status::Answered, Status::NotAnswered});
    network.otherwise = Status::Answered;
    Send_Ping(QStringLiteral("10.0.0.7"), network, network, [] { return true; });
    std::vector<uint32_t> at;
    for (const auto& sent : network.sent())
        at.push_back(sent.at - network.startTicks());
    EXPECT_EQ(at, (std::vector<uint32_t>{0, 410, 423, 833}));
}

TEST(DeviceSearch, NoSocketAllowedIsToldApartFromAFailure)
{
    testing_support::ScriptedNetwork network;
    network.script({Status::NotPermitted});
    network.failure = QStringLiteral("raw socket: Operation not permitted");
    const Device_Search_Result r = Send_Ping(QStringLiteral("10.0.0.7"), network, network, [] { return true; });
    EXPECT_FALSE(r.found);
    EXPECT_TRUE(r.echoFailed);
    EXPECT_TRUE(r.echoNotPermitted);
    EXPECT_EQ(r.ping_res, 0);
    EXPECT_EQ(r.error, QStringLiteral("raw socket: Operation not permitted"));
}

TEST(DeviceSearch, GivenUpWhenServingTheEventsSaysSo)
{
    testing_support::ScriptedNetwork network;
    network.otherwise = Status::Answered;
    const Device_Search_Result r = Send_Ping(QStringLiteral("10.0.0.7"), network, network, [] { return false; });
    EXPECT_TRUE(r.abandoned);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(network.sent().size(), 1u);
}

}  // namespace device_search_tests
