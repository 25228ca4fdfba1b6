// The checks of the J1939 receive and transmit editors without a window:
// each rule in its order, and the running totals held against the data
// arrays (a message without a row).

#include <gtest/gtest.h>

#include "editors/fieldbus/j1939/j1939_frame_rules.h"

namespace j1939_frame_rules_tests {

using namespace j1939;
using rule_editor::RuleFailure;

// DP, PGN, SA, TP, Start, NByte, OnRequest, Time.
J1939ReceiveRule receive(const char* dp, const char* pgn, const char* sa, const char* tp, const char* start,
                         const char* count, const char* onRequest = "N", const char* time = "")
{
    J1939ReceiveRule r;
    r.DP = QString::fromLatin1(dp);
    r.PGN = QString::fromLatin1(pgn);
    r.SA = QString::fromLatin1(sa);
    r.TP = QString::fromLatin1(tp);
    r.TP_Start = QString::fromLatin1(start);
    r.TP_NByte = QString::fromLatin1(count);
    r.Delete = QStringLiteral("N");
    r.OnRequest = QString::fromLatin1(onRequest);
    r.OnReq_Time = QString::fromLatin1(time);
    return r;
}

TEST(J1939ReceiveRules, EachRuleInItsOrder)
{
    namespace t = receive_texts;
    struct Case {
        const char* name;
        J1939ReceiveRule rule;
        int text;  // 0: passes
    };
    const Case cases[] = {
        {"a whole frame", receive("0", "61444", "0", "N", "", ""), 0},
        {"no Data Page", receive("", "61444", "0", "N", "", ""), t::DataPage},
        {"a blank Data Page", receive(" ", "61444", "0", "N", "", ""), t::DataPage},
        {"Data Page before PGN", receive("", "x", "0", "N", "", ""), t::DataPage},
        {"PGN 65535 in hex", receive("1", "0xFFFF", "0", "N", "", ""), 0},
        {"PGN 65536", receive("1", "65536", "0", "N", "", ""), t::Pgn},
        {"PGN of one blank", receive("1", " ", "0", "N", "", ""), t::Pgn},
        {"SA 239", receive("0", "1", "239", "N", "", ""), 0},
        {"SA 240", receive("0", "1", "240", "N", "", ""), t::SourceAddress},
        {"transport 1780 + 5", receive("0", "1", "1", "Y", "1780", "5"), 0},
        {"transport 1780 + 6", receive("0", "1", "1", "Y", "1780", "6"), t::TransportSum},
        {"transport start 1786", receive("0", "1", "1", "Y", "1786", "0"), t::TransportStart},
        {"transport without N", receive("0", "1", "1", "Y", "0", ""), t::TransportSum},
        {"transport, N 0", receive("0", "1", "1", "Y", "0", "0"), 0},
        {"transport, no overflow", receive("0", "1", "1", "Y", "1785", "2147483647"), t::TransportSum},
        {"a y is no tick", receive("0", "1", "1", "y", "1780", "6"), t::FrameStart},
        {"single frame, Start only", receive("0", "1", "1", "N", "3", ""), t::BothFilled},
        {"single frame, N only", receive("0", "1", "1", "N", " ", "3"), t::BothFilled},
        {"single frame, Start 0", receive("0", "1", "1", "N", "0", "4"), t::FrameStart},
        {"single frame, N 9", receive("0", "1", "1", "N", "1", "9"), t::FrameCount},
        {"single frame 3 + 5", receive("0", "1", "1", "N", "3", "5"), 0},
        {"single frame 3 + 6", receive("0", "1", "1", "N", "3", "6"), t::FrameSum},
        {"requested every 2 ms", receive("0", "1", "1", "N", "", "", "Y", "2"), 0},
        {"requested every 1 ms", receive("0", "1", "1", "N", "", "", "Y", "1"), t::RequestTime},
        {"requested every 0 ms", receive("0", "1", "1", "N", "", "", "Y", "0"), t::RequestTime},
        {"requested every 10000000 ms", receive("0", "1", "1", "N", "", "", "Y", "10000000"), 0},
        {"requested every 10000001 ms", receive("0", "1", "1", "N", "", "", "Y", "10000001"), t::RequestTime},
        {"not requested, any time", receive("0", "1", "1", "N", "", "", "N", "never"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<RuleFailure> failure = checkJ1939ReceiveRules({receive("0", "1", "1", "N", "", ""), c.rule});
        if (c.text == 0)
            EXPECT_EQ(failure, std::nullopt);
        else
            EXPECT_EQ(failure, (RuleFailure{0, 2, c.text}));
    }
}

// The total counts the bytes each rule takes in the 1440-byte input array:
// N through the transport protocol, 8 for a whole frame, N for a part of a
// frame. Beyond the array, the message has no row.
TEST(J1939ReceiveRules, TheRunningTotalCountsTheBytesEachRuleTakes)
{
    const RuleFailure tooMany{0, 0, receive_texts::TooMany, QStringLiteral("1440")};
    std::vector<J1939ReceiveRule> frames(180, receive("0", "61444", "0", "N", "", ""));
    EXPECT_EQ(checkJ1939ReceiveRules(frames), std::nullopt) << "180 whole frames fill the array";
    frames.push_back(receive("0", "61444", "0", "N", "", ""));
    EXPECT_EQ(checkJ1939ReceiveRules(frames), tooMany);

    // Parts of frames count what they capture, not a whole frame more.
    std::vector<J1939ReceiveRule> parts(360, receive("0", "61444", "0", "N", "1", "4"));
    EXPECT_EQ(checkJ1939ReceiveRules(parts), std::nullopt) << "360 rules of 4 bytes make 1440";
    parts.push_back(receive("0", "61444", "0", "N", "7", "1"));
    EXPECT_EQ(checkJ1939ReceiveRules(parts), tooMany);

    std::vector<J1939ReceiveRule> mixed = {receive("0", "1", "0", "Y", "0", "1000")};
    mixed.insert(mixed.end(), 54, receive("0", "1", "0", "N", "", ""));
    mixed.push_back(receive("0", "1", "0", "N", "2", "6"));
    mixed.push_back(receive("0", "1", "0", "Y", "1785", "0"));
    EXPECT_EQ(checkJ1939ReceiveRules(mixed), std::nullopt) << "1000 + 432 + 6 + 0 + ...";
    mixed.push_back(receive("0", "1", "0", "N", "1", "3"));
    EXPECT_EQ(checkJ1939ReceiveRules(mixed), tooMany) << "1441";

    // The total comes before the request time of the same rule.
    std::vector<J1939ReceiveRule> late(180, receive("0", "1", "0", "N", "", ""));
    late.push_back(receive("0", "1", "0", "N", "", "", "Y", "0"));
    EXPECT_EQ(checkJ1939ReceiveRules(late), tooMany);
}

J1939TransmitRule transmit(const char* priority, const char* dp, const char* pgn, const char* sa, const char* count,
                           const char* onTimer = "N", const char* timer = "")
{
    J1939TransmitRule r;
    r.Priority = QString::fromLatin1(priority);
    r.DP = QString::fromLatin1(dp);
    r.PGN = QString::fromLatin1(pgn);
    r.SA = QString::fromLatin1(sa);
    r.TP_NByte = QString::fromLatin1(count);
    r.On_Request = r.On_Data_Change = QStringLiteral("N");
    r.On_Timer = QString::fromLatin1(onTimer);
    r.SendTimer = QString::fromLatin1(timer);
    return r;
}

TEST(J1939TransmitRules, EachRuleInItsOrderAndTheTotalOfTheOutputArray)
{
    namespace t = transmit_texts;
    const QString limit = QStringLiteral("512");
    struct Case {
        const char* name;
        J1939TransmitRule rule;
        std::optional<RuleFailure> failure;
    };
    const Case cases[] = {
        {"fine", transmit("7", "1", "0x1FFFF", "255", "0"), {}},
        {"priority 8", transmit("8", "1", "1", "1", "8"), RuleFailure{0, 2, t::Priority}},
        {"no Data Page", transmit("3", "", "1", "1", "8"), RuleFailure{0, 2, t::DataPage}},
        {"PGN 131072", transmit("3", "0", "131072", "1", "8"), RuleFailure{0, 2, t::Pgn}},
        {"SA 256", transmit("3", "0", "1", "256", "8"), RuleFailure{0, 2, t::SourceAddress}},
        {"513 bytes", transmit("3", "0", "1", "1", "513"), RuleFailure{0, 2, t::Count, limit}},
        {"no size", transmit("3", "0", "1", "1", ""), RuleFailure{0, 2, t::Count, limit}},
        {"on a timer of 0 ms", transmit("3", "0", "1", "1", "8", "Y", "0"), RuleFailure{0, 2, t::SendTimer}},
        {"on a timer of 65535 ms", transmit("3", "0", "1", "1", "8", "Y", "65535"), {}},
        {"not on a timer", transmit("3", "0", "1", "1", "8", "N", "0"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkJ1939TransmitRules({transmit("0", "0", "1", "1", "1"), c.rule}), c.failure);
    }
    std::vector<J1939TransmitRule> rules(2, transmit("3", "0", "1", "1", "256"));
    EXPECT_EQ(checkJ1939TransmitRules(rules), std::nullopt);
    rules.push_back(transmit("3", "0", "1", "1", "1"));
    EXPECT_EQ(checkJ1939TransmitRules(rules), (RuleFailure{0, 0, t::TooMany, limit}));
}

}  // namespace j1939_frame_rules_tests
