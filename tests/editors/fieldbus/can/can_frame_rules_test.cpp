// The checks of the CAN frame editors: the identifier range chosen by the
// exact Type text, the Dimension, the TimeOut and Time, the byte positions
// up to the Dimension ("None" compared exactly), disabled rules, and the
// messages as the user reads them.

#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/can/can_frame_rules.h"

namespace can_frame_rules_tests {

using can_editors::CANReceiveFrame;
using can_editors::CANTransmitFrame;
using can_testing::failureText;

constexpr int kReceiveErrorRow = 2444;
constexpr int kTransmitErrorRow = 2547;

class CANFrameRulesTest : public can_testing::CANEditorTest {};

CANReceiveFrame receiveFrame()
{
    CANReceiveFrame f;
    f.Enable = QStringLiteral("Y");
    f.COBID = QStringLiteral("256");
    f.CAN_Type = can_editors::kCAN20A;
    f.Dim = QStringLiteral("2");
    f.TimeOut = QStringLiteral("0");
    f.Byte1 = QStringLiteral("0");
    f.Byte2 = QStringLiteral("1");
    return f;
}

CANTransmitFrame transmitFrame()
{
    CANTransmitFrame f;
    f.Enable = QStringLiteral("Y");
    f.COBID = QStringLiteral("256");
    f.CAN_Type = can_editors::kCAN20A;
    f.Dim = QStringLiteral("2");
    f.OnTimer = QStringLiteral("N");
    f.Byte1 = QStringLiteral("0");
    f.Byte2 = QStringLiteral("None");
    return f;
}

// The identifier range follows the Type cell compared exactly (after
// trimming): anything but "2.0A (11 bits)" is judged as 29 bits.
TEST_F(CANFrameRulesTest, TheIdentifierRangeFollowsTheExactTypeText)
{
    struct Case {
        const char* type;
        const char* cobId;
        const char* message;
    };
    const Case cases[] = {
        {"2.0A (11 bits)", "2047", "passes"},
        {"2.0A (11 bits)", "0x7FF", "passes"},
        {"2.0A (11 bits)", "$7FF", "passes"},
        {"2.0A (11 bits)", "0", "passes"},
        {"2.0A (11 bits)", "2048", "Error row 1!! CobID must be between 0 and 2047"},
        {"2.0A (11 bits)", "-1", "Error row 1!! CobID must be between 0 and 2047"},
        {"2.0A (11 bits)", "", "Error row 1!! CobID must be between 0 and 2047"},
        {"2.0A (11 bits)", "2047 ", "Error row 1!! CobID must be between 0 and 2047"},
        {"  2.0A (11 bits) ", "2048", "Error row 1!! CobID must be between 0 and 2047"},
        {"2.0B (29 bits)", "2048", "passes"},
        {"2.0B (29 bits)", "0x1FFFFFFF", "passes"},
        {"2.0B (29 bits)", "536870912", "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
        {"", "2048", "passes"},
        {"", "536870911", "passes"},
        {"", "536870912", "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
        {"2.0a (11 bits)", "2048", "passes"},
        {"2.0A", "2048", "passes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " / " + c.cobId);
        CANReceiveFrame r = receiveFrame();
        r.CAN_Type = QString::fromUtf8(c.type);
        r.COBID = QString::fromUtf8(c.cobId);
        EXPECT_EQ(failureText(can_editors::checkCANReceiveFrames({r}), kReceiveErrorRow), QString::fromUtf8(c.message));
        CANTransmitFrame t = transmitFrame();
        t.CAN_Type = r.CAN_Type;
        t.COBID = r.COBID;
        EXPECT_EQ(failureText(can_editors::checkCANTransmitFrames({t}), kTransmitErrorRow),
                  QString::fromUtf8(c.message));
    }
}

TEST_F(CANFrameRulesTest, ReceiveRulesInTheirOrder)
{
    using Edit = void (*)(CANReceiveFrame&);
    struct Case {
        const char* name;
        Edit edit;
        const char* message;
    };
    const Case cases[] = {
        {"valid", [](CANReceiveFrame&) {}, "passes"},
        {"dimension 0", [](CANReceiveFrame& f) { f.Dim = "0"; }, "Error row 1!! Dimension must be between 1 and 8"},
        {"dimension 9", [](CANReceiveFrame& f) { f.Dim = "9"; }, "Error row 1!! Dimension must be between 1 and 8"},
        {"dimension text", [](CANReceiveFrame& f) { f.Dim = "two"; },
         "Error row 1!! Dimension must be between 1 and 8"},
        {"dimension before time-out", [](CANReceiveFrame& f) { f.Dim = ""; f.TimeOut = ""; },
         "Error row 1!! Dimension must be between 1 and 8"},
        {"time-out empty", [](CANReceiveFrame& f) { f.TimeOut = ""; },
         "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds"},
        {"time-out at most", [](CANReceiveFrame& f) { f.TimeOut = "100000000"; }, "passes"},
        {"time-out beyond", [](CANReceiveFrame& f) { f.TimeOut = "100000001"; },
         "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds"},
        {"byte 1999", [](CANReceiveFrame& f) { f.Byte1 = "1999"; }, "passes"},
        {"byte 2000", [](CANReceiveFrame& f) { f.Byte1 = "2000"; },
         "Error row 1!! Byte1 must be between 0 and 1999 or None"},
        {"byte None", [](CANReceiveFrame& f) { f.Byte2 = " None "; }, "passes"},
        {"byte none", [](CANReceiveFrame& f) { f.Byte2 = "none"; },
         "Error row 1!! Byte2 must be between 0 and 1999 or None"},
        {"byte empty", [](CANReceiveFrame& f) { f.Byte1 = "  "; }, "passes"},
        {"byte negative", [](CANReceiveFrame& f) { f.Byte2 = "-1"; },
         "Error row 1!! Byte2 must be between 0 and 1999 or None"},
        // Dimension 3: Byte3 is checked, Byte4 to Byte8 may hold anything.
        {"byte 3 of 3", [](CANReceiveFrame& f) { f.Dim = "3"; f.Byte3 = "x"; f.Byte4 = "x"; },
         "Error row 1!! Byte3 must be between 0 and 1999 or None"},
        {"bytes beyond the dimension", [](CANReceiveFrame& f) { f.Byte3 = "x"; f.Byte8 = "5000"; }, "passes"},
        {"byte 8 of 8", [](CANReceiveFrame& f) { f.Dim = "8"; f.Byte8 = "2000"; },
         "Error row 1!! Byte8 must be between 0 and 1999 or None"},
        {"disabled", [](CANReceiveFrame& f) { f.Enable = "N"; f.COBID = "x"; f.Dim = ""; }, "passes"},
        {"enable empty", [](CANReceiveFrame& f) { f.Enable = ""; f.COBID = "x"; }, "passes"},
        {"enable y", [](CANReceiveFrame& f) { f.Enable = " y "; f.COBID = "x"; },
         "Error row 1!! CobID must be between 0 and 2047"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CANReceiveFrame f = receiveFrame();
        c.edit(f);
        EXPECT_EQ(failureText(can_editors::checkCANReceiveFrames({f}), kReceiveErrorRow), QString::fromUtf8(c.message));
    }
}

TEST_F(CANFrameRulesTest, TransmitRulesInTheirOrder)
{
    using Edit = void (*)(CANTransmitFrame&);
    struct Case {
        const char* name;
        Edit edit;
        const char* message;
    };
    const Case cases[] = {
        {"valid", [](CANTransmitFrame&) {}, "passes"},
        {"time unchecked without OnTimer", [](CANTransmitFrame& f) { f.Time = "abc"; }, "passes"},
        {"time empty with OnTimer", [](CANTransmitFrame& f) { f.OnTimer = "Y"; },
         "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
        {"OnTimer y", [](CANTransmitFrame& f) { f.OnTimer = " y"; f.Time = "100000001"; },
         "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
        {"time at most", [](CANTransmitFrame& f) { f.OnTimer = "Y"; f.Time = "100000000"; }, "passes"},
        {"dimension before time", [](CANTransmitFrame& f) { f.OnTimer = "Y"; f.Dim = "9"; },
         "Error row 1!! Dimension must be between 1 and 8"},
        {"byte 2499", [](CANTransmitFrame& f) { f.Byte1 = "2499"; }, "passes"},
        {"byte 2500", [](CANTransmitFrame& f) { f.Byte1 = "2500"; },
         "Error row 1!! Byte1 must be between 0 and 2499 or None"},
        {"byte 2 NONE", [](CANTransmitFrame& f) { f.Byte2 = "NONE"; },
         "Error row 1!! Byte2 must be between 0 and 2499 or None"},
        {"time before bytes", [](CANTransmitFrame& f) { f.OnTimer = "Y"; f.Byte1 = "x"; },
         "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
        {"disabled", [](CANTransmitFrame& f) { f.Enable = "N"; f.Byte1 = "x"; }, "passes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CANTransmitFrame f = transmitFrame();
        c.edit(f);
        EXPECT_EQ(failureText(can_editors::checkCANTransmitFrames({f}), kTransmitErrorRow),
                  QString::fromUtf8(c.message));
    }
}

TEST_F(CANFrameRulesTest, TheFirstFailingEnabledRowIsReported)
{
    std::vector<CANReceiveFrame> frames(4, receiveFrame());
    frames[0].Enable = QStringLiteral("N");
    frames[0].Dim = QStringLiteral("0");
    frames[2].TimeOut = QStringLiteral("-5");
    frames[3].COBID = QStringLiteral("5000");
    const auto failure = can_editors::checkCANReceiveFrames(frames);
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, (rule_editor::RuleFailure{0, 3, 2448}));
    EXPECT_FALSE(can_editors::checkCANReceiveFrames({}));
}

}  // namespace can_frame_rules_tests
