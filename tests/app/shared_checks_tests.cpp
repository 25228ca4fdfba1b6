#include <gtest/gtest.h>

#include "app/shared_checks.h"
#include "platform/format_settings.h"

TEST(SharedChecks, SplitIpAddress)
{
    struct Case {
        const char* text;
        bool valid;
        const char* parts[4];
    };
    const Case cases[] = {
        {" 192.168.0.1 ", true, {"192", "168", "0", "1"}},
        {"192.168.0", false, {"192", "168", "-", "-"}},
        {"192.168.0.256", false, {"192", "168", "0", "256"}},
        {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"1. 2 .3.4", true, {"1", "2", "3", "4"}},
        {"$C0.168.0.1", true, {"$C0", "168", "0", "1"}},
        {"a.b.c.d", false, {"a", "b", "c", "d"}},
        {"", false, {"-", "-", "-", "-"}},
        {"-1.0.0.0", false, {"-1", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QString p[4] = {"-", "-", "-", "-"};
        EXPECT_EQ(app::Split_IP_Address(c.text, p[0], p[1], p[2], p[3]), c.valid);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(p[i], c.parts[i]) << "part " << i + 1;
    }
}

TEST(SharedChecks, DecodeIpAddress)
{
    struct Case {
        const char* text;
        bool error;
        uint8_t bytes[4];
    };
    const Case cases[] = {
        {"10.0.0.1", false, {10, 0, 0, 1}},
        {"10.0.300.1", true, {10, 0, 0, 1}},
        {"$0A.0.0.$FF", false, {10, 0, 0, 255}},
        {"10.0.0.1 ", true, {10, 0, 0, 0}},  // not trimmed
        {"10.0.0", true, {10, 0, 0, 0}},
        {"10", true, {0, 0, 0, 10}},  // parts 1-3 have no "." to end them
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t b[4] = {99, 99, 99, 99};
        EXPECT_EQ(app::Decode_IP_Address(c.text, b[0], b[1], b[2], b[3]), c.error);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(b[i], c.bytes[i]) << "byte " << i + 1;
    }
    uint8_t b[4] = {7, 7, 7, 7};
    EXPECT_TRUE(app::Decode_IP_Address("", b[0], b[1], b[2], b[3]));
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(b[3], 7);
}

TEST(SharedChecks, DecodeIpPort)
{
    struct Case {
        const char* text;
        bool ok;
        uint8_t bytes[4];
        uint16_t port;
    };
    const Case cases[] = {
        {"192.168.0.10:502", true, {192, 168, 0, 10}, 502},
        {" 10 . 0 . 0 . 1 : 65535 ", true, {10, 0, 0, 1}, 65535},
        {"192.168.0.10", false, {0, 0, 0, 0}, 0},
        {"192.168.0.10:70000", false, {0, 0, 0, 0}, 0},
        {"192.168.0.300:80", false, {0, 0, 0, 0}, 0},
        {"192.168.0.10:", false, {0, 0, 0, 0}, 0},
        {"1.2.3:4", false, {0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        uint8_t b[4] = {9, 9, 9, 9};
        uint16_t port = 9;
        EXPECT_EQ(app::Decode_IP_Port(c.text, b[0], b[1], b[2], b[3], port), c.ok);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(b[i], c.bytes[i]) << "byte " << i + 1;
        EXPECT_EQ(port, c.port);
    }
}

TEST(SharedChecks, DecimalSeparatorAndTextToFloat)
{
    EXPECT_EQ(app::Decimal_Separator_From_Setting("."), '.');
    EXPECT_EQ(app::Decimal_Separator_From_Setting(","), ',');
    EXPECT_EQ(app::Decimal_Separator_From_Setting(""), ',');
    EXPECT_EQ(app::Decimal_Separator_From_Setting(";"), ',');
    const QChar sep = app::Get_Decimal_Separator();
    EXPECT_TRUE(sep == ',' || sep == '.');

    platform::FormatSettings& fs = platform::formatSettings();
    const platform::FormatSettings saved = fs;
    struct Case {
        char formatSeparator;
        char separator;
        const char* text;
        bool ok;
        float value;
    };
    const Case cases[] = {
        {',', ',', "1.5", true, 1.5f},
        {',', ',', "1,5", true, 1.5f},
        {'.', '.', "1,5", true, 1.5f},
        {'.', '.', " -2.25 ", true, -2.25f},
        {'.', '.', "1e3", true, 1000.0f},
        {'.', '.', "abc", false, 1.0f},
        {'.', '.', "", false, 1.0f},
        {'.', '.', "1.2.3", false, 1.0f},
        {',', '.', "1.5", false, 1.0f},  // caller's separator differs from the number format
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fs.DecimalSeparator = QChar(c.formatSeparator);
        float v = -7.0f;
        EXPECT_EQ(app::Text_To_Float(c.text, QChar(c.separator), v), c.ok);
        EXPECT_FLOAT_EQ(v, c.value);
    }
    fs = saved;
}

TEST(SharedChecks, CheckOid)
{
    struct Case {
        QString text;
        int code;
    };
    const Case cases[] = {
        {"1.3.6.1.2.1", 0},
        {".1.3", 3},
        {"1.3.", 4},
        {"1..3", 5},
        {"1.3a", 2},
        {QString(62, '1'), 1},
        {QString(61, '1'), 6},
        {"1.4294967296", 6},
        {"1.4294967295", 0},
        {"1", 0},
        {"", 2},
        {"1 .3", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(app::Check_OID(c.text), c.code);
    }
}

TEST(SharedChecks, SnmpV3StringsAndSecurityFlags)
{
    EXPECT_EQ(app::Check_SNMP_V3_String("user", true), 0);
    EXPECT_EQ(app::Check_SNMP_V3_String("user", false), 2);
    EXPECT_EQ(app::Check_SNMP_V3_String("pass word", false), 3);
    EXPECT_EQ(app::Check_SNMP_V3_String(QString(16, 'a'), true), 1);
    EXPECT_EQ(app::Check_SNMP_V3_String("", true), 2);
    EXPECT_EQ(app::Check_SNMP_V3_String("Passw0rd", false), 0);
    EXPECT_EQ(app::Check_SNMP_V3_String(QString::fromUtf8("us\xC3\xA8r"), true), 3);

    EXPECT_EQ(app::Get_SNMP_Security_Flags(" auth priv "), 3);
    EXPECT_EQ(app::Get_SNMP_Security_Flags("Auth NoPriv"), 1);
    EXPECT_EQ(app::Get_SNMP_Security_Flags("NOAUTH NOPRIV"), 0);
    EXPECT_EQ(app::Get_SNMP_Security_Flags("  "), -1);
}

TEST(SharedChecks, ProtocolNamesAndComPorts)
{
    QString a = "x", b = "y";
    EXPECT_EQ(app::Get_Protocol_Names(a, b), 1);
    EXPECT_EQ(a, "MQTT");
    EXPECT_EQ(b, "");
    for (const QString& port : app::List_COM_Ports()) {
        bool ok = false;
        const int n = port.toInt(&ok);
        EXPECT_TRUE(ok && n >= 1 && n <= 256) << port.toStdString();
    }
}
