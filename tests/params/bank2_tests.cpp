// The EtherCAT process-data map (bank2.bin): golden images, initial values,
// the table limits and the failures that stop a compile.

#include <gtest/gtest.h>

#include "params/bank2.h"
#include "params/image_expectation.h"
#include "platform/format_settings.h"
#include "support/temp_folder.h"

namespace bank2_tests {

using params_testing::ExpectedImage;
using params_testing::sameBytes;

constexpr uint32_t L = 0x80000;

struct Entry {
    uint8_t code, length, access, bit;
    uint32_t position, subindex, group, initAddress, nameLength, nameAddress;
};

// Bank 2 with the header's fixed addresses, `extra` bytes after the empty
// string, and every entry without a group.
ExpectedImage bank2Skeleton(size_t extra)
{
    ExpectedImage e(16557 + extra);
    e.u32(20, L + 16424).u32(32, L + 40).u32(36, L + 8232);
    for (int i = 0; i < 512; ++i)
        e.u32(40 + 32 * i + 16, 0xFFFFFFFF);
    return e;
}

void putEntry(ExpectedImage& e, bool slaveToMaster, int index, const Entry& v)
{
    const size_t at = (slaveToMaster ? 40 : 8232) + 32 * static_cast<size_t>(index);
    e.u8(at, v.code).u8(at + 1, v.length).u8(at + 2, v.access).u8(at + 3, v.bit);
    e.u32(at + 4, v.position).u32(at + 8, v.subindex).u32(at + 12, 0).u32(at + 16, v.group);
    e.u32(at + 20, v.initAddress).u32(at + 24, v.nameLength).u32(at + 28, v.nameAddress);
}

constexpr uint8_t kFallbackEeprom[] = {0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00};

void putFallbackIdentity(ExpectedImage& e)
{
    for (size_t i = 0; i < sizeof kFallbackEeprom; ++i)
        e.u8(i, kFallbackEeprom[i]);
    e.u16(14, 1);  // station address
}

TEST(Bank2Golden, NoVariableFileGivesTheEmptyMap)
{
    ExpectedImage e = bank2Skeleton(0);
    putFallbackIdentity(e);
    const params::BankImages images = params_testing::compileFolder(params_testing::fixture("root_only"));
    EXPECT_TRUE(sameBytes(images.bank2, e));
}

TEST(Bank2Golden, WithoutParGenTheIdentityStaysZero)
{
    testing_support::TempFolder folder;
    const params::BankImages images = params_testing::compileFolder(folder.path());
    EXPECT_TRUE(sameBytes(images.bank2, bank2Skeleton(0)));
}

TEST(Bank2Golden, OneVariableWithNameAndInitialValue)
{
    ExpectedImage e = bank2Skeleton(8);
    putFallbackIdentity(e);
    e.u16(28, 1);
    putEntry(e, true, 0, {6, 2, 1, 0, 4, 0, 0xFFFFFFFF, L + 16563, 5, L + 16557});
    e.text(16557, "Speed").bytes(16563, {0x02, 0x01});
    const params::BankImages images = params_testing::compileFolder(params_testing::fixture("ethercat_speed"));
    EXPECT_TRUE(sameBytes(images.bank2, e));
}

TEST(Bank2Golden, NamesGroupsAndSkippedRows)
{
    ExpectedImage e = bank2Skeleton(36);
    e.bytes(0, {0x01, 0x02});                   // "01zz02": the pair "zz" is skipped
    e.u16(14, 4464).u8(16, 1).u32(24, 16);      // 70000 keeps its low 16 bits; "0x10"
    e.u16(28, 6).u16(30, 2);
    putEntry(e, true, 0, {1, 1, 1, 3, 0, 0, 0, 0, 1, L + 16557});
    putEntry(e, true, 1, {5, 1, 1, 0, 1, 1, 0, 0, 0, L + 16556});
    putEntry(e, true, 2, {4, 4, 1, 0, 2, 2, 1, 0, 7, L + 16559});
    putEntry(e, true, 3, {8, 4, 1, 0, 6, 3, 1, 0, 1, L + 16567});
    putEntry(e, true, 4, {6, 2, 1, 0, 10, 4, 1, 0, 1, L + 16569});
    putEntry(e, true, 5, {3, 2, 1, 0, 12, 5, 0xFFFFFFFF, L + 16591, 1, L + 16571});
    // Master to slave: Position and BitStart are not taken; the group row
    // without a name is no group, so "Out2" is group 1.
    putEntry(e, false, 0, {5, 1, 0, 0, 0, 0, 0, 0, 1, L + 16573});
    putEntry(e, false, 1, {1, 1, 0, 0, 0, 1, 1, 0, 2, L + 16575});
    e.u32(16424, L + 16578).u32(16428, L + 16580);
    e.u32(16488, L + 16582).u32(16492, L + 16586);
    e.u8(16552, 2).u8(16553, 2);
    e.text(16557, std::string("a\0", 2) + "Temp\xC2\xB0" + std::string("C\0b\0c\0d\0x\0yy\0", 13));
    e.text(16578, std::string("A\0B\0Out\0Out2\0", 13));
    e.bytes(16591, {0xFE, 0xFF});
    const params::BankImages images = params_testing::compileFolder(params_testing::fixture("ethercat_groups"));
    EXPECT_TRUE(sameBytes(images.bank2, e));
}

// A project with one enabled slave-to-master variable without a name.
QByteArray oneVariable(const QByteArray& type, const QByteArray& length, const QByteArray& initValue)
{
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
           "<row Enable=\"Y\" Type=\"" + type + "\" Length=\"" + length + "\" Name=\"\" InitValue=\"" + initValue
           + "\" Position=\"0\" BitStart=\"0\" Group=\"\" Mnemonic=\"\" />"
             "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave /></EtherCAT_Slave_Variables></EtherCAT_Slave>";
}

params::BankImages compileVariables(const QByteArray& slaveFile, const QByteArray& groupFile = QByteArray())
{
    testing_support::TempFolder folder;
    folder.write(QStringLiteral("EtherCAT_Slave.xml"), slaveFile);
    if (!groupFile.isNull())
        folder.write(QStringLiteral("EtherCAT_Slave_Group.xml"), groupFile);
    return params_testing::compileFolder(folder.path());
}

struct InitCase {
    const char* type;
    const char* length;
    const char* text;
    std::vector<uint8_t> bytes;  // empty: no initial value
};

TEST(Bank2InitValues, EachTypeIsEncodedAsItsTableSays)
{
    const InitCase cases[] = {
        {"Bool", "1", "3", {0x01}},
        {"Bool", "1", "2", {0x00}},
        {"Int8", "1", "-1", {0xFF}},
        {"UInt8", "1", "300", {0x2C}},
        {"Int16", "2", "$1234", {0x34, 0x12}},
        {"UInt16", "2", "65537", {0x01, 0x00}},
        {"Int32", "4", "0x01020304", {0x04, 0x03, 0x02, 0x01}},
        {"UInt32", "4", "-2", {0xFE, 0xFF, 0xFF, 0xFF}},
        {"UInt32", "4", "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"Int32", "4", "12abc", {0, 0, 0, 0}},
        {"Float32", "4", "1.5", {0x00, 0x00, 0xC0, 0x3F}},
        {"Float32", "4", "1,5", {0x00, 0x00, 0xC0, 0x3F}},
        {"Float32", "4", "-2", {0x00, 0x00, 0x00, 0xC0}},
        {"Float32", "4", "1.5.0", {0, 0, 0, 0}},
        {"Float32", "4", "abc", {0, 0, 0, 0}},
        {"String", "4", "AB", {'A', 'B', 0, 0}},
        {"String", "4", "ABCDEF", {'A', 'B', 'C', 'D'}},
        // "é" and "€" in Windows-1252; "測" and an emoji it cannot hold are "?".
        {"String", "5", "\xC3\xA9\xE2\x82\xAC\xE6\xB8\xAC\xF0\x9F\x98\x80!", {0xE9, 0x80, '?', '?', '!'}},
        {"Array", "3", "0A0B", {0x0A, 0x0B, 0x00}},
        {"Array", "3", "0azzFf", {0x0A, 0x00, 0xFF}},
        {"Array", "2", "ABC", {0xAB, 0x00}},
        {"String", "x", "AB", {'A'}},  // a Length that is no number counts as 1
        {"Int16", "2", "", {}},
        {"Word", "2", "12", {}},  // unknown type: no initial value
    };
    for (const InitCase& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.text);
        for (const char* separator : {".", ","}) {
            platform::formatSettings().DecimalSeparator = QChar::fromLatin1(*separator);
            const params::BankImages images = compileVariables(oneVariable(c.type, c.length, c.text));
            ASSERT_EQ(images.bank2.size(), 16557 + static_cast<qsizetype>(c.bytes.size()));
            EXPECT_EQ(params_testing::le32(images.bank2, 40 + 20), c.bytes.empty() ? 0u : L + 16557);
            for (size_t i = 0; i < c.bytes.size(); ++i)
                EXPECT_EQ(params_testing::byteAt(images.bank2, 16557 + static_cast<int>(i)), c.bytes[i]) << i;
        }
    }
    platform::formatSettings() = platform::systemFormatSettings();
}

TEST(Bank2InitValues, UnknownTypeDoesNotShiftLaterValues)
{
    const QByteArray file =
        "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
        "<row Enable=\"Y\" Type=\"Word\" Length=\"2\" Name=\"\" InitValue=\"12\" Position=\"0\" BitStart=\"0\" />"
        "<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" Name=\"\" InitValue=\"7\" Position=\"2\" BitStart=\"0\" />"
        "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave /></EtherCAT_Slave_Variables></EtherCAT_Slave>";
    const params::BankImages images = compileVariables(file);
    ASSERT_EQ(images.bank2.size(), 16558);
    EXPECT_EQ(params_testing::byteAt(images.bank2, 40), 0);      // type code 0
    EXPECT_EQ(params_testing::byteAt(images.bank2, 41), 2);      // length from the row
    EXPECT_EQ(params_testing::le32(images.bank2, 40 + 20), 0u);  // no initial value
    EXPECT_EQ(params_testing::le32(images.bank2, 72 + 20), L + 16557);
    EXPECT_EQ(params_testing::byteAt(images.bank2, 16557), 7);
}

TEST(Bank2Limits, ExcessRowsGroupsAndEepromPairsAreLeftOut)
{
    QByteArray variables = "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>";
    for (int i = 0; i < 300; ++i)
        variables += "<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" Name=\"n\" InitValue=\"" + QByteArray::number(i % 256)
                     + "\" Position=\"0\" BitStart=\"0\" />";
    variables += "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave /></EtherCAT_Slave_Variables></EtherCAT_Slave>";
    QByteArray groups = "<G><Slave_to_Master>";
    for (int i = 0; i < 20; ++i)
        groups += "<row Group_Name=\"g\" Num_Variables=\"1\" />";
    groups += "</Slave_to_Master><Master_to_Slave /></G>";

    testing_support::TempFolder folder;
    folder.write(QStringLiteral("ParGen.xml"),
                 "<Par_Gen><EtherCAT_Slave_Eeprom_Config>0102030405060708090A0B0C0D0E0F10</EtherCAT_Slave_Eeprom_Config>"
                 "</Par_Gen>");
    folder.write(QStringLiteral("EtherCAT_Slave.xml"), variables);
    folder.write(QStringLiteral("EtherCAT_Slave_Group.xml"), groups);
    const params::BankImages images = params_testing::compileFolder(folder.path());

    // 256 names of 2 bytes, 16 group names of 2 bytes, 256 values of 1 byte.
    ASSERT_EQ(images.bank2.size(), 16557 + 512 + 32 + 256);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(params_testing::byteAt(images.bank2, i), i + 1);
    EXPECT_EQ(params_testing::le16(images.bank2, 14), 1);  // station address untouched
    EXPECT_EQ(params_testing::le16(images.bank2, 28), 256);
    EXPECT_EQ(params_testing::byteAt(images.bank2, 16552), 16);
    for (int n = 0; n < 256; ++n) {
        SCOPED_TRACE(n);
        const int entry = 40 + 32 * n;
        EXPECT_EQ(params_testing::le32(images.bank2, entry + 16), n < 16 ? static_cast<uint32_t>(n) : 0xFFFFFFFF);
        const uint32_t name = params_testing::le32(images.bank2, entry + 28) - L;
        EXPECT_EQ(name, 16557u + 2 * n);
        EXPECT_EQ(params_testing::byteAt(images.bank2, static_cast<int>(name)), 'n');
        const uint32_t value = params_testing::le32(images.bank2, entry + 20) - L;
        EXPECT_EQ(value, 16557u + 512 + 32 + n);
        EXPECT_EQ(params_testing::byteAt(images.bank2, static_cast<int>(value)), n);
    }
    for (int g = 0; g < 16; ++g) {
        const uint32_t name = params_testing::le32(images.bank2, 16424 + 4 * g) - L;
        EXPECT_EQ(name, 16557u + 512 + 2 * g);
        EXPECT_EQ(params_testing::byteAt(images.bank2, static_cast<int>(name)), 'g');
    }
}

TEST(Bank2Eeprom, PairsAreReadAsHexadecimal)
{
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"01zz02", {1, 2}},
        {"800F00CC8813ff00000000800000", {0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF, 0, 0, 0, 0, 0x80, 0, 0}},
        {"ABC", {0xAB, 0x0C}},
        {"", {}},
        {"-1 02", {0x02}},
    };
    for (const auto& [text, bytes] : cases) {
        SCOPED_TRACE(text);
        params::EtherCATHeader header;
        header.eeprom.fill(0x55);
        params::Parse_Eeprom_Config(QString::fromLatin1(text), header);
        for (size_t i = 0; i < header.eeprom.size(); ++i)
            EXPECT_EQ(header.eeprom[i], i < bytes.size() ? bytes[i] : 0) << i;
    }
}

}  // namespace bank2_tests
