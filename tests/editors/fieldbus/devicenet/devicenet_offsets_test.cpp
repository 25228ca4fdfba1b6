// The DeviceNet offsets without a window: the offset file read and written,
// the slaves built from the network list, given their offsets by position,
// and the checks of OK with their messages.

#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/fieldbus/devicenet/devicenet_offset_file.h"
#include "editors/fieldbus/devicenet/devicenet_slaves.h"
#include "editors/fieldbus/fieldbus_project_fixture.h"
#include "support/temp_folder.h"

namespace devicenet_offsets_tests {

using namespace devicenet;
using fieldbus_project_testing::fixture;
using fieldbus_project_testing::readFile;

TEST(DeviceNetOffsetFile, ReadsEveryNodeByPositionAndWritesItBackUnchanged)
{
    const QByteArray original = readFile(fixture(QStringLiteral("devicenet/offsets_DNETM_DefOff.xml")));
    testing_support::TempFolder folder;
    const QString path = folder.write(QStringLiteral("DNETM_DefOff.xml"), original);
    platform::XmlDocument doc;
    std::vector<DeviceNetNode> nodes;
    ASSERT_TRUE(readDeviceNetOffsetFile(path, doc, nodes).ok());
    ASSERT_EQ(nodes.size(), 3u);
    ASSERT_EQ(nodes[0].ByteIN.size(), 3u);
    EXPECT_EQ(nodes[0].ByteIN[2].Offset, QStringLiteral("2"));
    EXPECT_EQ(nodes[0].ByteIN[2].Mnemonic, QStringLiteral("Pressure & flow"));
    EXPECT_TRUE(nodes[1].ByteIN.empty());
    ASSERT_EQ(nodes[1].ByteOUT.size(), 4u);
    EXPECT_EQ(nodes[1].ByteOUT[3].Offset, QStringLiteral("1439"));
    EXPECT_TRUE(nodes[2].ByteOUT.empty());

    ASSERT_TRUE(writeDeviceNetOffsetFile(path, doc, nodes));
    EXPECT_EQ(folder.read(QStringLiteral("DNETM_DefOff.xml")), original);

    ASSERT_TRUE(writeDeviceNetOffsetFile(path, doc, {}));
    EXPECT_EQ(folder.read(QStringLiteral("DNETM_DefOff.xml")), "<Define_Offset />\n<!--SW_VERSION = 1.000-->\n");
}

TEST(DeviceNetOffsetFile, ANodeWithoutItsListsOrAttributesReadsAsNoBytesAndEmptyTexts)
{
    testing_support::TempFolder folder;
    const QString path = folder.write(QStringLiteral("DNETM_DefOff.xml"),
                                      "<Define_Offset><Nodo_DNET><ByteOUT><row Mnemonic=\"m\" /></ByteOUT>"
                                      "</Nodo_DNET><Other /></Define_Offset>");
    platform::XmlDocument doc;
    std::vector<DeviceNetNode> nodes;
    ASSERT_TRUE(readDeviceNetOffsetFile(path, doc, nodes).ok());
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_TRUE(nodes[0].ByteIN.empty());
    ASSERT_EQ(nodes[0].ByteOUT.size(), 1u);
    EXPECT_EQ(nodes[0].ByteOUT[0].Offset, QString());
    EXPECT_EQ(nodes[0].ByteOUT[0].Mnemonic, QStringLiteral("m"));
    EXPECT_TRUE(nodes[1].ByteIN.empty() && nodes[1].ByteOUT.empty());
}

TEST(DeviceNetSlaves, TheNetworkListGivesSlavesWhoseBytesStartAsNone)
{
    std::vector<TSlave_DN> slaves;
    EXPECT_EQ(slavesFromNetwork({{"5", "3", "0", "a"}, {"0x3F", "0", "65535", ""}}, slaves), std::nullopt);
    ASSERT_EQ(slaves.size(), 2u);
    EXPECT_EQ(slaves[0].ID, 5);
    EXPECT_EQ(slaves[0].SL_ByteIN, (QStringList{"None", "None", "None"}));
    EXPECT_EQ(slaves[0].SL_ByteIN_M, (QStringList{"", "", ""}));
    EXPECT_TRUE(slaves[0].SL_ByteOUT.isEmpty());
    EXPECT_EQ(slaves[1].ID, 63);
    EXPECT_EQ(slaves[1].ByteOUT, 65535);
    EXPECT_EQ(slaves[1].SL_ByteOUT.size(), 65535);
}

// A value the list cannot hold stops the building: no slave lists of a
// wrapped size, and no half list.
TEST(DeviceNetSlaves, AValueThatIsNoCountNamesItsRowAndColumn)
{
    struct Case {
        DeviceNetSlave slave;
        SlaveListProblem problem;
    };
    const Case cases[] = {
        {{"x", "1", "1", ""}, {2, 1, "x", 255}},
        {{"256", "1", "1", ""}, {2, 1, "256", 255}},
        {{"", "1", "1", ""}, {2, 1, "", 255}},
        {{"1", "-1", "1", ""}, {2, 2, "-1", 65535}},
        {{"1", "1", "65536", ""}, {2, 3, "65536", 65535}},
        {{"1", "1", "4294967295", ""}, {2, 3, "4294967295", 65535}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem.text.toStdString());
        std::vector<TSlave_DN> slaves;
        EXPECT_EQ(slavesFromNetwork({{"1", "1", "1", ""}, c.slave}, slaves), c.problem);
        EXPECT_TRUE(slaves.empty());
    }
}

TEST(DeviceNetSlaves, OffsetsGoToTheSlavesByPositionAndWhatIsLeftIsCounted)
{
    std::vector<TSlave_DN> slaves;
    ASSERT_EQ(slavesFromNetwork({{"5", "2", "1", ""}, {"7", "0", "3", ""}}, slaves), std::nullopt);
    const std::vector<DeviceNetNode> nodes = {
        {{{"4", "in 0"}, {"5", "in 1"}, {"6", "in 2: no such byte"}}, {}},
        {{{"9", "no input bytes"}}, {{"20", "out 0"}}},
        {{}, {{"30", "a third slave"}}},
    };
    const OffsetSurplus surplus = applyOffsets(nodes, slaves);
    EXPECT_EQ(surplus.nodes, 1);
    EXPECT_EQ(surplus.bytes, 2);
    EXPECT_EQ(slaves[0].SL_ByteIN, (QStringList{"4", "5"}));
    EXPECT_EQ(slaves[0].SL_ByteIN_M, (QStringList{"in 0", "in 1"}));
    EXPECT_EQ(slaves[0].SL_ByteOUT, (QStringList{"None"}));
    EXPECT_EQ(slaves[1].SL_ByteOUT, (QStringList{"20", "None", "None"}));
    EXPECT_EQ(slaves[1].SL_ByteOUT_M, (QStringList{"out 0", "", ""}));

    const std::vector<DeviceNetNode> back = offsetNodes(slaves);
    ASSERT_EQ(back.size(), 2u);
    ASSERT_EQ(back[1].ByteOUT.size(), 3u);
    EXPECT_EQ(back[1].ByteOUT[0].Offset, QStringLiteral("20"));
    EXPECT_EQ(back[1].ByteOUT[2].Offset, QStringLiteral("None"));
    EXPECT_TRUE(back[1].ByteIN.empty());
}

// Slaves with the given output and input offsets (one list per slave).
std::vector<TSlave_DN> slavesWith(const std::vector<std::tuple<int, QStringList, QStringList>>& specs)
{
    std::vector<TSlave_DN> slaves;
    for (const auto& [id, inputs, outputs] : specs) {
        TSlave_DN s;
        s.ID = uint8_t(id);
        s.SL_ByteIN = inputs;
        s.SL_ByteIN_M = QStringList(inputs.size(), QString());
        s.SL_ByteOUT = outputs;
        s.SL_ByteOUT_M = QStringList(outputs.size(), QString());
        s.ByteIN = uint16_t(inputs.size());
        s.ByteOUT = uint16_t(outputs.size());
        slaves.push_back(s);
    }
    return slaves;
}

TEST(DeviceNetSlaves, ChecksOfOk)
{
    using F = OffsetFailure;
    struct Case {
        const char* name;
        std::vector<std::tuple<int, QStringList, QStringList>> slaves;
        std::optional<OffsetFailure> failure;
    };
    const Case cases[] = {
        {"an output position used twice",
         {{5, {}, {"10"}}, {6, {}, {"11"}}, {7, {}, {"None", "12", "13", "10"}}},
         F{F::SameOutput, 7, 3, "10", 5, 0}},
        {"the same position written another way", {{5, {}, {"16", "0x10"}}}, F{F::SameOutput, 5, 1, "0x10", 5, 0}},
        {"input bytes may share a position, and an output byte", {{5, {"10", "10"}, {"10"}}, {6, {"10"}, {}}}, {}},
        {"None, blanks and the edges pass", {{5, {" none ", "", "0"}, {"None", "1439", "0"}}}, {}},
        {"an input offset beyond the array", {{5, {"0", "1440"}, {}}}, F{F::InputOutside, 5, 1, "1440", 0, 0, 1439}},
        {"an output offset beyond the array", {{9, {}, {"1", "99999"}}}, F{F::OutputOutside, 9, 1, "99999", 0, 0, 1439}},
        {"a negative offset", {{9, {}, {"-1"}}}, F{F::OutputOutside, 9, 0, "-1", 0, 0, 1439}},
        {"an offset that is no number", {{9, {"Nothing"}, {}}}, F{F::InputOutside, 9, 0, "Nothing", 0, 0, 1439}},
        {"slave by slave, inputs first",
         {{5, {}, {"3", "3"}}, {6, {"2000"}, {}}},
         F{F::SameOutput, 5, 1, "3", 5, 0}},
        {"a slave's inputs before its outputs", {{5, {"-5"}, {"3", "3"}}}, F{F::InputOutside, 5, 0, "-5", 0, 0, 1439}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkDeviceNetOffsets(slavesWith(c.slaves)), c.failure);
    }
    // Another array size.
    EXPECT_EQ(checkDeviceNetOffsets(slavesWith({{1, {"8"}, {"7"}}}), 8, 8), (F{F::InputOutside, 1, 0, "8", 0, 0, 7}));
    EXPECT_EQ(checkDeviceNetOffsets(slavesWith({{1, {"7"}, {"8"}}}), 8, 9), std::nullopt);
}

TEST(DeviceNetSlaves, MessagesNameTheSlavesAndBytesAfterALineFeedAndACarriageReturn)
{
    app::Load_Default_Texts(app::textTable());
    using F = OffsetFailure;
    EXPECT_EQ(offsetFailureText(F{F::SameOutput, 7, 3, "10", 5, 0}),
              QStringLiteral("Error in ByteOUT! The same byte of EtherCAT is used in two bytes DeviceNet.\n\r"
                             "( First ID = 5 Byte = 0, Second ID = 7 Byte = 3)"));
    EXPECT_EQ(offsetFailureText(F{F::InputOutside, 12, 1, "1440", 0, 0, 1439}),
              QStringLiteral("Error in ByteIN! The offset of a byte must be None or a position of the data array from "
                             "0 to 1439\n\r( ID = 12 Byte = 1 Offset = 1440)"));
    EXPECT_TRUE(offsetFailureText(F{F::OutputOutside, 12, 1, "x", 0, 0, 1439}).startsWith("Error in ByteOUT! The offset"));
}

}  // namespace devicenet_offsets_tests
