// The NMEA 2000 receive and transmit editors: their checks without a
// window (fast packets, the running totals without a row), their files
// through the tables and back (the transmit file's root named as the
// receive file's), and the texts of their blocks.

#include <gtest/gtest.h>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"
#include "editors/fieldbus/nmea2000/nmea_frame_rules.h"
#include "editors/fieldbus/nmea2000/nmea_receive_form.h"
#include "editors/fieldbus/nmea2000/nmea_transmit_form.h"

namespace nmea_frames_tests {

using namespace nmea2000;
using fieldbus_project_testing::FieldbusEditorTest;
using rule_editor::RuleFailure;

NMEAReceiveRule receive(const char* pgn, const char* sa, const char* tp, const char* fp, const char* start,
                        const char* count)
{
    return {QString::fromLatin1(pgn), QString::fromLatin1(sa),    QString::fromLatin1(tp), QString::fromLatin1(fp),
            QString::fromLatin1(start), QString::fromLatin1(count), QStringLiteral("N"),      QString()};
}

TEST(NMEAReceiveRules, EachRuleInItsOrder)
{
    namespace t = receive_texts;
    struct Case {
        const char* name;
        NMEAReceiveRule rule;
        int text;  // 0: passes
    };
    const Case cases[] = {
        {"a whole frame", receive("0x1FFFF", "239", "N", "N", "", ""), 0},
        {"PGN 131072", receive("131072", "0", "N", "N", "", ""), t::Pgn},
        {"SA 240", receive("1", "240", "N", "N", "", ""), t::SourceAddress},
        {"fast packet 200 + 23", receive("1", "1", "N", "Y", "200", "23"), 0},
        {"fast packet 200 + 24", receive("1", "1", "N", "Y", "200", "24"), t::FastPacketSum},
        {"fast packet start 224", receive("1", "1", "N", "Y", "224", "0"), t::FastPacketStart},
        {"both ticked: the transport limits", receive("1", "1", "Y", "Y", "500", "10"), 0},
        {"transport start 1786", receive("1", "1", "Y", "N", "1786", "0"), t::TransportStart},
        {"transport 1780 + 6", receive("1", "1", "Y", "Y", "1780", "6"), t::TransportSum},
        {"single frame, N only", receive("1", "1", "N", "N", "", "2"), t::BothFilled},
        {"single frame, Start 9", receive("1", "1", "N", "N", "9", "1"), t::FrameStart},
        {"single frame, N 0", receive("1", "1", "N", "N", "1", "0"), t::FrameCount},
        {"single frame 4 + 5", receive("1", "1", "N", "N", "4", "5"), t::FrameSum},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<RuleFailure> failure = checkNMEAReceiveRules({receive("1", "1", "N", "N", "", ""), c.rule});
        if (c.text == 0)
            EXPECT_EQ(failure, std::nullopt);
        else
            EXPECT_EQ(failure, (RuleFailure{0, 2, c.text}));
    }
}

TEST(NMEAReceiveRules, TheRunningTotalCountsTheBytesEachRuleTakes)
{
    const RuleFailure tooMany{0, 0, receive_texts::TooMany, QStringLiteral("512")};
    EXPECT_EQ(checkNMEAReceiveRules(std::vector<NMEAReceiveRule>(62, receive("1", "1", "N", "N", "", ""))),
              std::nullopt)
        << "62 whole frames make 496";
    std::vector<NMEAReceiveRule> rules(2, receive("1", "1", "Y", "N", "0", "256"));
    EXPECT_EQ(checkNMEAReceiveRules(rules), std::nullopt);
    rules.push_back(receive("1", "1", "N", "Y", "0", "1"));
    EXPECT_EQ(checkNMEAReceiveRules(rules), tooMany);

    // A part of a frame counts what it captures.
    std::vector<NMEAReceiveRule> parts = {receive("1", "1", "Y", "N", "0", "452")};
    parts.insert(parts.end(), 10, receive("1", "1", "N", "N", "1", "6"));
    EXPECT_EQ(checkNMEAReceiveRules(parts), std::nullopt) << "452 + 60";
    parts.push_back(receive("1", "1", "N", "N", "1", "1"));
    EXPECT_EQ(checkNMEAReceiveRules(parts), tooMany);
}

NMEATransmitRule transmit(const char* priority, const char* sa, const char* fp, const char* count,
                          const char* onTimer = "N", const char* timer = "")
{
    NMEATransmitRule r;
    r.Priority = QString::fromLatin1(priority);
    r.PGN = QStringLiteral("127250");
    r.SA = QString::fromLatin1(sa);
    r.FP = QString::fromLatin1(fp);
    r.TP_NByte = QString::fromLatin1(count);
    r.On_Request = r.On_Data_Change = QStringLiteral("N");
    r.On_Timer = QString::fromLatin1(onTimer);
    r.SendTimer = QString::fromLatin1(timer);
    return r;
}

TEST(NMEATransmitRules, EachRuleInItsOrderAndTheTotalOfTheOutputArray)
{
    namespace t = transmit_texts;
    const QString limit = QStringLiteral("512");
    EXPECT_EQ(checkNMEATransmitRules({transmit("2", "240", "N", "8")}), (RuleFailure{0, 1, t::SourceAddress}));
    EXPECT_EQ(checkNMEATransmitRules({transmit("8", "1", "N", "8")}), (RuleFailure{0, 1, t::Priority}));
    EXPECT_EQ(checkNMEATransmitRules({transmit("2", "1", "N", "0")}), std::nullopt);
    EXPECT_EQ(checkNMEATransmitRules({transmit("2", "1", "N", "300")}), std::nullopt) << "Fast Packet takes no part";
    EXPECT_EQ(checkNMEATransmitRules({transmit("2", "1", "Y", "513")}), (RuleFailure{0, 1, t::Count, limit}));
    EXPECT_EQ(checkNMEATransmitRules({transmit("2", "1", "N", "8", "Y", "65536")}), (RuleFailure{0, 1, t::SendTimer}));
    // 56 rules of 9 bytes make 504, the 57th 513.
    std::vector<NMEATransmitRule> rules(62, transmit("2", "1", "N", "9"));
    EXPECT_EQ(checkNMEATransmitRules(rules), (RuleFailure{0, 0, t::TooMany, limit}));
    rules.resize(56);
    EXPECT_EQ(checkNMEATransmitRules(rules), std::nullopt);
}

class NMEAEditorTest : public FieldbusEditorTest {};

TEST_F(NMEAEditorTest, BothFilesComeBackUnchangedUnderTheSameRootName)
{
    const QByteArray received = writeFixture("NMEA_Rec_Frames.xml", QStringLiteral("nmea2000/NMEA_Rec_Frames.xml"));
    const QByteArray sent = writeFixture("NMEA_Send_Frames.xml", QStringLiteral("nmea2000/NMEA_Send_Frames.xml"));
    TFReceiveNMEA receiveForm;
    TFTransmitNMEA transmitForm;
    show(receiveForm);
    EXPECT_EQ(receiveForm.table(0).rowTexts(2),
              (QStringList{"0x1F805", "2", "N", "Y", "0", "43", "N", "GNSS & position"}));
    receiveForm.Btn_OKClick();
    show(transmitForm);
    EXPECT_EQ(transmitForm.table(0).rowTexts(2),
              (QStringList{"7", "0x1F014", "239", "Y", "300", "Y", "N", "N", "", "Product information"}));
    transmitForm.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_EQ(bytes("NMEA_Rec_Frames.xml"), received);
    EXPECT_EQ(bytes("NMEA_Send_Frames.xml"), sent);
    EXPECT_TRUE(bytes("NMEA_Send_Frames.xml").startsWith("<Receive_NMEA_2000>"));

    // Missing check boxes read "N", other missing attributes nothing.
    write("NMEA_Send_Frames.xml", "<Transmit><row Priority=\"1\" PGN=\"2\" /></Transmit>");
    show(transmitForm);
    EXPECT_EQ(transmitForm.table(0).rowTexts(1), (QStringList{"1", "2", "", "N", "", "N", "N", "N", "", ""}));
    write("NMEA_Rec_Frames.xml", "<Receive_NMEA_2000><row PGN=\"2\" /></Receive_NMEA_2000>");
    show(receiveForm);
    EXPECT_EQ(receiveForm.table(0).rowTexts(1), (QStringList{"2", "", "N", "N", "", "", "N", ""}));
}

TEST_F(NMEAEditorTest, ChecksThroughTheFormsAndTheTotalWithoutARow)
{
    TFReceiveNMEA form;
    show(form);
    for (int r = 1; r <= 2; ++r)
        form.table(0).setRowTexts(r, {"129025", "1", "Y", "N", "0", "256", "N", ""});
    form.table(0).setRowTexts(3, {"129025", "1", "N", "N", "2", "1", "N", ""});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!! Too many bytes of data, the max number is 512"});
    dialogs.reset();
    form.table(0).setRowTexts(3, {" ", "1", "N", "N", "", "", "N", ""});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error in row 3!! PGN must be between 0x00000 and 0x1FFFF"});
    EXPECT_FALSE(QFile::exists(path("NMEA_Rec_Frames.xml")));

    TFTransmitNMEA transmitForm;
    show(transmitForm);
    dialogs.reset();
    transmitForm.table(0).setRowTexts(1, {"2", "127250", "35", "N", "600"});
    transmitForm.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error in row 1!! Num Byte must be between 0 and 512"});
}

TEST_F(NMEAEditorTest, TextsOfBothBlocks)
{
    TFReceiveNMEA receiveForm;
    TFTransmitNMEA transmitForm;
    EXPECT_EQ(receiveForm.windowTitle(), QStringLiteral("Receive NMEA 2000 Frames"));
    EXPECT_EQ(transmitForm.windowTitle(), QStringLiteral("Transmit NMEA 2000 Frames"));
    EXPECT_EQ(receiveForm.sga->RowCount(), 63);
    EXPECT_EQ(transmitForm.sga->RowCount(), 63);
    EXPECT_EQ(receiveForm.sga->ColCount(), 9);
    EXPECT_EQ(transmitForm.sga->ColCount(), 11);
    EXPECT_EQ(receiveForm.sga->Columns()[TFReceiveNMEA::FastPacket]->Header(), QStringLiteral("Fast Packet"));
    EXPECT_EQ(transmitForm.sga->Columns()[TFTransmitNMEA::NumByte]->Header(), QStringLiteral("Num Byte"));
    EXPECT_EQ(receiveForm.Btn_OK->toolTip(), QStringLiteral("Confirm and save the NMEA 2000 Receive Frames List"));
    QString hint;
    receiveForm.sga->OnGridHint(receiveForm.sga, 0, TFReceiveNMEA::CancelData, hint);
    EXPECT_EQ(hint, QStringLiteral("Enable or Disable the Possibility to Cancel the Data if TimeOut is Elapsed"));
    transmitForm.sga->OnGridHint(transmitForm.sga, 0, TFTransmitNMEA::SendTimer, hint);
    EXPECT_EQ(hint, QStringLiteral("Insert the Time in Milliseconds between the NMEA 2000 Frames"));
}

}  // namespace nmea_frames_tests
