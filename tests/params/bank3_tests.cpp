// The MQTT client configuration (bank3.bin): golden images.

#include <gtest/gtest.h>

#include "params/bank3.h"
#include "params/image_expectation.h"
#include "support/temp_folder.h"

namespace bank3_tests {

using params_testing::ExpectedImage;
using params_testing::sameBytes;

constexpr uint32_t L = 0xA0000;

// The fixed part as it stands with no texts and no topics; `extra` bytes
// follow it.
ExpectedImage bank3Skeleton(size_t extra)
{
    ExpectedImage e(174 + extra);
    e.u32(8, L + 173).text(14, "MQTC").u8(22, 4).text(39, "MQTW");
    e.u32(101, L).u32(105, L).u32(109, L).u32(117, L);
    for (size_t at : {129, 141, 149, 161, 165})
        e.u32(at, L + 173);
    return e;
}

void putReference(ExpectedImage& e, size_t at, uint32_t address, uint32_t length)
{
    e.u32(at, address).u32(at + 4, length).u32(at + 8, address);
}

params::BankImages compileFiles(const QByteArray& parGen, const QByteArray& topics)
{
    testing_support::TempFolder folder;
    if (!parGen.isNull())
        folder.write(QStringLiteral("ParGen.xml"), parGen);
    if (!topics.isNull())
        folder.write(QStringLiteral("MQTT_Set_Topic.xml"), topics);
    return params_testing::compileFolder(folder.path());
}

TEST(Bank3Golden, WithoutParGenEverythingIsReset)
{
    const params::BankImages images = compileFiles(QByteArray(), QByteArray());
    EXPECT_TRUE(sameBytes(images.bank3, bank3Skeleton(0)));
}

TEST(Bank3Golden, RootOnlyParGenGivesModeTwoAndTheFallbacks)
{
    ExpectedImage e = bank3Skeleton(0);
    e.u32(0, 2).u32(4, 10).u16(12, 1883).u32(169, 1000);
    const params::BankImages images = params_testing::compileFolder(params_testing::fixture("root_only"));
    EXPECT_TRUE(sameBytes(images.bank3, e));
}

TEST(Bank3Golden, BrokerAddressIsTheFirstText)
{
    ExpectedImage e = bank3Skeleton(7);
    e.u32(0, 2).u32(4, 10).u16(12, 1883).u32(169, 1000);
    e.u32(8, L + 174).text(174, "broker");
    const params::BankImages images =
        compileFiles("<Par_Gen><MQTT_Server_URL>broker</MQTT_Server_URL></Par_Gen>", QByteArray());
    EXPECT_TRUE(sameBytes(images.bank3, e));
}

TEST(Bank3Golden, OneSubscriptionWithoutTexts)
{
    ExpectedImage e = bank3Skeleton(47);
    e.u32(97, 1).u32(101, L + 174).u32(105, L + 190).u32(109, L + 194);
    putReference(e, 174, L + 186, 3);
    e.text(186, "a/b");
    e.u32(190, 1);
    e.u32(194, 0).u32(198, 4).u32(202, 0).u32(206, L + 173).u32(210, L + 173);
    const params::BankImages images = compileFiles(
        QByteArray(), "<MQTT_Set_Topic><MQTT_Publish/><MQTT_Subscribe><row Topic=\"a/b\" QoS=\"1\" /></MQTT_Subscribe>"
                      "</MQTT_Set_Topic>");
    EXPECT_TRUE(sameBytes(images.bank3, e));
}

TEST(Bank3Golden, ConnectionTlsTopicsAndTemplates)
{
    ExpectedImage e = bank3Skeleton(365 - 174);
    // Fixed part.
    e.u32(0, 2).u32(4, 5).u32(8, L + 173).u16(12, 8883);
    putReference(e, 23, L + 174, 3);
    e.u16(35, 30).u8(37, 1).u8(38, 1);
    putReference(e, 47, L + 178, 1);
    e.u8(71, 1).u8(72, 2);
    putReference(e, 73, L + 180, 1);
    putReference(e, 85, L + 182, 2);
    e.u32(97, 1).u32(101, L + 194).u32(105, L + 210).u32(109, L + 214);
    e.u32(113, 2).u32(117, L + 247);
    e.u32(121, 1).u32(125, 0).u32(129, L + 185).u32(133, 4);
    e.u32(165, L + 190).u32(169, 60);
    // Connection texts.
    e.text(174, std::string("cid\0w\0u\0pw\0CERT\0ntp\0", 20));
    // Subscriptions: filter reference, filter, QoS, record, its template
    // (line break kept).
    putReference(e, 194, L + 206, 3);
    e.text(206, "s/1");
    e.u32(210, 0);
    e.u32(214, 20).u32(218, 16).u32(222, 3).u32(226, L + 241).u32(230, L + 173);
    e.text(241, "$V$\nx");
    // Publish records.
    e.u32(247, L + 345);
    putReference(e, 251, L + 350, 3);
    e.u8(263, 1).u32(264, 1).u32(268, L + 173).u32(272, L + 354).u32(280, 10).u16(284, 8).u16(286, 2);
    e.u32(288, 500).u32(292, 5);
    e.u32(296, L + 173);
    putReference(e, 300, L + 363, 1);
    e.u32(313, 2).u32(317, L + 173).u32(321, L + 173).u16(333, 4);
    // Their texts: description, topic, templates (line breaks removed).
    e.text(345, std::string("desc\0p/1\0$VALUE$!\0q\0", 20));
    const params::BankImages images = params_testing::compileFolder(params_testing::fixture("mqtt_topics"));
    EXPECT_TRUE(sameBytes(images.bank3, e));
}

TEST(Bank3Fields, WillQoSOutsideTheListTakesItsFallback)
{
    const std::pair<const char*, uint8_t> cases[] = {{"2", 2}, {"-1", 0}, {"3", 0}, {"x", 0}, {"255", 0}};
    for (const auto& [text, stored] : cases) {
        SCOPED_TRACE(text);
        const params::BankImages images = compileFiles(
            "<Par_Gen><MQTT_Will_QoS>" + QByteArray(text) + "</MQTT_Will_QoS></Par_Gen>", QByteArray());
        ASSERT_EQ(images.bank3.size(), 174);
        EXPECT_EQ(params_testing::byteAt(images.bank3, 72), stored);
    }
}

TEST(Bank3Fields, IntegerSettingsThatAreNot32BitIntegersTakeTheirFallbacks)
{
    struct Case {
        const char* element;
        const char* text;
        int offset;
        int size;
        uint32_t stored;
    };
    const Case cases[] = {
        {"MQTT_Server_Port", "2147483648", 12, 2, 1883},
        {"MQTT_Server_Port", "65537", 12, 2, 1},  // a 32-bit integer keeps its low 16 bits
        {"MQTT_Server_Port", "-1", 12, 2, 0xFFFF},
        {"MQTT_Keep_Alive", "4294967297", 35, 2, 0},
        {"MQTT_Clean_Session", "4294967297", 37, 1, 0},
        {"MQTT_Clean_Session", "257", 37, 1, 1},
        {"MQTT_ASync_Send_Time", "2147483648", 4, 4, 10},
        {"MQTT_ASync_Send_Time", "2147483647", 4, 4, 0x7FFFFFFF},
        {"NTP_Poll_Time", "-2147483649", 169, 4, 1000},
        {"TLS_Enable", "4294967297", 121, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.element) + " " + c.text);
        const QByteArray element = QByteArray(c.element);
        const params::BankImages images = compileFiles(
            "<Par_Gen><" + element + ">" + QByteArray(c.text) + "</" + element + "></Par_Gen>", QByteArray());
        ASSERT_EQ(images.bank3.size(), 174);
        const uint32_t stored = c.size == 1   ? params_testing::byteAt(images.bank3, c.offset)
                                : c.size == 2 ? params_testing::le16(images.bank3, c.offset)
                                              : params_testing::le32(images.bank3, c.offset);
        EXPECT_EQ(stored, c.stored);
    }
}

TEST(Bank3Text, DataTypeCodesAndLineBreaks)
{
    EXPECT_EQ(params::Get_MQTT_Data_Type(QStringLiteral("STRING")), 0u);
    EXPECT_EQ(params::Get_MQTT_Data_Type(QStringLiteral("INT")), 1u);
    EXPECT_EQ(params::Get_MQTT_Data_Type(QStringLiteral("FLOAT")), 2u);
    EXPECT_EQ(params::Get_MQTT_Data_Type(QStringLiteral("BASE64")), 3u);
    EXPECT_EQ(params::Get_MQTT_Data_Type(QStringLiteral("HEX")), 0u);
    EXPECT_EQ(params::Remove_CR_LF(QStringLiteral("a\r\nb\nc\rd")), QStringLiteral("abcd"));
}

}  // namespace bank3_tests
