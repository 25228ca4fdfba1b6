// The project files of the CAN frame editors: the defaults of attributes a
// row lacks (the transmit defaults above all), the files as written, and a
// file that is not XML.

#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/can/can_frame_file.h"

namespace can_frame_file_tests {

using namespace can_editors;

class CANFrameFileTest : public can_testing::CANEditorTest {
protected:
    platform::XmlDocument doc;
};

TEST_F(CANFrameFileTest, AReceiveRowLackingAttributesIsEnabledWithTimeOutZero)
{
    write(state().CAN_Rec_Frames_Path,
          "<Receive_Frames>\n"
          "\t<row COBID=\"0x181\" Dim=\"1\" />\n"
          "\t<row Enable=\"\" COBID=\"5\" TimeOut=\"\" Byte1=\"None\" Mnemonic=\" m \" />\n"
          "</Receive_Frames>\n<!--SW_VERSION = 1.001-->\n");
    std::vector<CANReceiveFrame> frames;
    const ethercat_mqtt::ProjectFileRead read = readCANReceiveFile(state().CAN_Rec_Frames_Path, doc, frames);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].Enable, QStringLiteral("Y"));
    EXPECT_EQ(frames[0].COBID, QStringLiteral("0x181"));
    EXPECT_EQ(frames[0].CAN_Type, QString());
    EXPECT_EQ(frames[0].TimeOut, QStringLiteral("0"));
    EXPECT_EQ(frames[0].Byte1, QString());
    // Attributes present but empty stay empty; texts are kept as they are.
    EXPECT_EQ(frames[1].Enable, QString());
    EXPECT_EQ(frames[1].TimeOut, QString());
    EXPECT_EQ(frames[1].Byte1, QStringLiteral("None"));
    EXPECT_EQ(frames[1].Mnemonic, QStringLiteral(" m "));
}

TEST_F(CANFrameFileTest, TransmitDefaults)
{
    write(state().CAN_Send_Frames_Path,
          "<Transmit_Frames>\n"
          // Neither OnChange nor OnTimer nor Time: sent on change, not on a timer.
          "\t<row COBID=\"1\" />\n"
          // A timed rule without its period: period 0.
          "\t<row COBID=\"2\" OnTimer=\"Y\" />\n"
          // Present attributes are taken as they are, empty ones too.
          "\t<row Enable=\"N\" COBID=\"3\" CAN_Type=\"\" OnChange=\"\" OnCMD=\"Y\" OnTimer=\"y\" Time=\"\" />\n"
          "\t<row COBID=\"4\" OnTimer=\"N\" Time=\"50\" />\n"
          "</Transmit_Frames>\n");
    std::vector<CANTransmitFrame> frames;
    ASSERT_TRUE(readCANTransmitFile(state().CAN_Send_Frames_Path, doc, frames).ok());
    ASSERT_EQ(frames.size(), 4u);
    const auto defaults = [](const CANTransmitFrame& f) {
        return QStringList{f.Enable, f.CAN_Type, f.OnChange, f.OnCMD, f.OnTimer, f.Time};
    };
    EXPECT_EQ(defaults(frames[0]), (QStringList{"Y", "2.0A (11 bits)", "Y", "N", "N", ""}));
    EXPECT_EQ(defaults(frames[1]), (QStringList{"Y", "2.0A (11 bits)", "Y", "N", "Y", "0"}));
    EXPECT_EQ(defaults(frames[2]), (QStringList{"N", "", "", "Y", "y", ""}));
    EXPECT_EQ(defaults(frames[3]), (QStringList{"Y", "2.0A (11 bits)", "Y", "N", "N", "50"}));
}

TEST_F(CANFrameFileTest, BothFilesAreWrittenWithTheirAttributesInColumnOrder)
{
    CANReceiveFrame r;
    r.Enable = "Y";
    r.COBID = "0x181";
    r.CAN_Type = kCAN20A;
    r.Dim = "2";
    r.TimeOut = "100";
    r.Byte1 = "0";
    r.Byte2 = "None";
    r.Byte3 = " junk ";
    r.Mnemonic = "Pump & \"valve\"";
    ASSERT_TRUE(writeCANReceiveFile(state().CAN_Rec_Frames_Path, doc, {r, CANReceiveFrame()}));
    EXPECT_EQ(can_testing::readFile(state().CAN_Rec_Frames_Path),
              QByteArray("<Receive_Frames>\n"
                         "\t<row Enable=\"Y\" COBID=\"0x181\" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" TimeOut=\"100\" "
                         "Byte1=\"0\" Byte2=\"None\" Byte3=\" junk \" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" "
                         "Byte8=\"\" Mnemonic=\"Pump &amp; &quot;valve&quot;\" />\n"
                         "\t<row Enable=\"\" COBID=\"\" CAN_Type=\"\" Dim=\"\" TimeOut=\"\" Byte1=\"\" Byte2=\"\" "
                         "Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"\" />\n"
                         "</Receive_Frames>\n"
                         "<!--SW_VERSION = 1.001-->\n"));

    CANTransmitFrame t;
    t.Enable = "N";
    t.COBID = "0x1FFFFFFF";
    t.CAN_Type = kCAN20B;
    t.Dim = "1";
    t.OnChange = "Y";
    t.OnCMD = "N";
    t.OnTimer = "Y";
    t.Time = "1000";
    t.Byte1 = "2499";
    ASSERT_TRUE(writeCANTransmitFile(state().CAN_Send_Frames_Path, doc, {t}));
    EXPECT_EQ(can_testing::readFile(state().CAN_Send_Frames_Path),
              QByteArray("<Transmit_Frames>\n"
                         "\t<row Enable=\"N\" COBID=\"0x1FFFFFFF\" CAN_Type=\"2.0B (29 bits)\" Dim=\"1\" "
                         "OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"Y\" Time=\"1000\" Byte1=\"2499\" Byte2=\"\" "
                         "Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"\" />\n"
                         "</Transmit_Frames>\n"
                         "<!--SW_VERSION = 1.001-->\n"));

    ASSERT_TRUE(writeCANTransmitFile(state().CAN_Send_Frames_Path, doc, {}));
    EXPECT_EQ(can_testing::readFile(state().CAN_Send_Frames_Path),
              QByteArray("<Transmit_Frames />\n<!--SW_VERSION = 1.001-->\n"));
}

TEST_F(CANFrameFileTest, AMissingFileGivesNoRowsAndAFileThatIsNotXmlAnError)
{
    std::vector<CANReceiveFrame> frames(3);
    ethercat_mqtt::ProjectFileRead read = readCANReceiveFile(state().CAN_Rec_Frames_Path, doc, frames);
    EXPECT_TRUE(read.ok());
    EXPECT_FALSE(read.exists);
    EXPECT_TRUE(frames.empty());

    write(state().CAN_Rec_Frames_Path, "<Receive_Frames><row COBID=\"1\"");
    read = readCANReceiveFile(state().CAN_Rec_Frames_Path, doc, frames);
    EXPECT_FALSE(read.ok());
    EXPECT_FALSE(read.reason.isEmpty());
    EXPECT_TRUE(frames.empty());
}

}  // namespace can_frame_file_tests
