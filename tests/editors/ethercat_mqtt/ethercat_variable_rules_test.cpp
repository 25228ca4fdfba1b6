// The variable editor's rules without a window: the Length a type sets,
// the packing of Position and Start Bit, the group shown per row and the
// checks of OK with their texts and row numbers.

#include <gtest/gtest.h>

#include "editors/ethercat_mqtt/ethercat_variable_rules.h"

namespace ethercat_variable_rules_tests {

using namespace ethercat_mqtt;
using rule_editor::RuleFailure;

TEST(EtherCATVariableTypes, EachTypeSetsItsLengthAndLocksOnlyFixedSizes)
{
    struct Case {
        const char* type;
        const char* length;
        bool locked;
    };
    const Case cases[] = {
        {"Bool", "1", true},   {"Int8", "1", true},    {"Int16", "2", true},     {"Int32", "4", true},
        {"UInt8", "1", true},  {"UInt16", "2", true},  {"UInt32", "4", true},    {"Float32", "4", true},
        {"Array", "10", false}, {"String", "10", false},
    };
    QStringList order;
    for (const Case& c : cases) {
        order << c.type;
        const std::optional<TypeLength> length = VarSetLength(c.type);
        ASSERT_TRUE(length) << c.type;
        EXPECT_EQ(length->length, c.length) << c.type;
        EXPECT_EQ(length->locked, c.locked) << c.type;
    }
    EXPECT_EQ(etherCATVariableTypes(), order);
    // Names are compared exactly; other texts leave Length alone.
    for (const char* other : {"bool", "INT8", " Int8", "", "Word"})
        EXPECT_FALSE(VarSetLength(other)) << other;
}

// Rows of enabled variables: "Type:Length", "-" before a type disables the
// row.
std::vector<VariableSlot> slotsOf(const QStringList& rows)
{
    std::vector<VariableSlot> out;
    for (QString row : rows) {
        VariableSlot s;
        s.enabled = !row.startsWith(u'-');
        if (!s.enabled)
            row.remove(0, 1);
        const QStringList parts = row.split(u':');
        s.type = parts[0];
        s.length = parts.size() > 1 ? parts[1] : QString();
        out.push_back(s);
    }
    return out;
}

// "position/bit" per packed row.
QStringList placesOf(const std::vector<PackedPlace>& places)
{
    QStringList out;
    for (const PackedPlace& p : places)
        out << p.position + u'/' + p.startBit;
    return out;
}

TEST(EtherCATPacking, PositionsAndStartBits)
{
    struct Case {
        const char* name;
        QStringList rows;
        QStringList places;
    };
    const QStringList eightBools(8, QStringLiteral("Bool:1"));
    const Case cases[] = {
        {"bits share a byte, other types start on the next",
         {"Bool:1", "Bool:1", "Int16:2", "Bool:1", "Bool:1"},
         {"0/0", "0/1", "1/0", "3/0", "3/1"}},
        {"nine Bools take two bytes",
         eightBools + QStringList{"Bool:1"},
         {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0"}},
        {"eight Bools then a UInt16 leave no empty byte",
         eightBools + QStringList{"UInt16:2"},
         {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0"}},
        {"no alignment: an Int32 after three Bools", {"Bool:1", "Bool:1", "Bool:1", "Int32:4", "Int8:1"},
         {"0/0", "0/1", "0/2", "1/0", "5/0"}},
        {"a disabled row does not end a run of bits", {"Bool:1", "-Int8:1", "Bool:1", "UInt8:1"},
         {"0/0", "0/0", "0/1", "1/0"}},
        {"a disabled Bool takes no bit", {"Bool:1", "-Bool:1", "Bool:1"}, {"0/0", "0/0", "0/1"}},
        {"String takes Length + 1, Array Length", {"String:10", "Array:10", "Float32:4", "UInt32:4", "Int8:1"},
         {"0/0", "11/0", "21/0", "25/0", "29/0"}},
        {"a run of bits closed by another type starts afresh", {"Bool:1", "Int8:1", "Bool:1", "Bool:1"},
         {"0/0", "1/0", "2/0", "2/1"}},
        {"a type outside the list takes Length; a Length that is no number takes 0",
         {"Word:3", "Array:x", "Int8:1"},
         {"0/0", "3/0", "3/0"}},
        {"the list ends at the first empty Type", {"Int8:1", "Int16:2", ":", "Int8:1"}, {"0/0", "1/0"}},
        {"a Type of blanks is empty", {"Int8:1", "  :1", "Int8:1"}, {"0/0"}},
        {"a disabled row also needs a Type", {"Int8:1", "-:1", "Int8:1"}, {"0/0"}},
        {"nothing before an empty first row", {":", "Int8:1"}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placesOf(Calc_Position_Bit(slotsOf(c.rows))), c.places) << c.name;
}

TEST(EtherCATGroupDisplay, GroupsTakeRunsOfRowsWhoseBoxIsOn)
{
    struct Case {
        const char* name;
        std::vector<bool> enabled;
        std::vector<EtherCATGroup> groups;
        std::vector<QString> shown;
    };
    const Case cases[] = {
        {"a disabled row inside a run shows nothing; empty rows with their box on count",
         {true, false, true, true, true, true, true},
         {{"A", 2}, {"B", 3}},
         {"A", "", "A", "B", "B", "B", ""}},
        {"groups of no variables are skipped", {true, true, true}, {{"A", 0}, {"B", -2}, {"C", 1}}, {"C", "", ""}},
        {"variables after the last group belong to none", {true, true, true}, {{"A", 1}}, {"A", "", ""}},
        {"a group larger than the rest of the table ends with it", {true, false, true}, {{"A", 5}}, {"A", "", "A"}},
        {"a group that starts past the last row shows nowhere", {true, true, true, true},
         {{"A", 4}, {"B", 2}, {"C", 1}}, {"A", "A", "A", "A"}},
        {"a huge group still ends", {false, true}, {{"A", 2147483647}, {"B", 1}}, {"", "A"}},
        {"no rows", {}, {{"A", 3}}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Show_Group(c.enabled, c.groups), c.shown) << c.name;
}

TEST(EtherCATArrayText, OnlyHexadecimalDigits)
{
    for (const char* good : {"", "0123456789", "abcdefABCDEF", "0a1B"})
        EXPECT_TRUE(CheckArraySting(good)) << good;
    for (const char* bad : {"0G", " 0A", "0x0A", "0A-", "ÄA"})
        EXPECT_FALSE(CheckArraySting(QString::fromUtf8(bad))) << bad;
}

// A variable row: Enable, Type, Length, InitValue.
EtherCATVariableRow variable(const char* enable, const char* type, const char* length, const char* init = "")
{
    EtherCATVariableRow row;
    row.Enable = enable;
    row.Type = type;
    row.Length = length;
    row.InitValue = init;
    return row;
}

TEST(EtherCATVariableChecks, EveryRuleInOrderWithItsRow)
{
    using namespace variable_texts;
    struct Case {
        const char* name;
        std::vector<EtherCATVariableRow> toMaster;
        std::vector<EtherCATVariableRow> toSlave;
        std::optional<RuleFailure> failure;
    };
    const auto ok = std::optional<RuleFailure>();
    const auto fail = [](int table, int row, int text) { return std::optional<RuleFailure>({table, row, text}); };
    const Case cases[] = {
        {"Array Length 0", {variable("Y", "Array", "0")}, {}, fail(0, 1, StoMArrayLength)},
        {"Array Length 256", {variable("Y", "Array", "256")}, {}, fail(0, 1, StoMArrayLength)},
        {"Array Length no number", {variable("Y", "Array", "x", "00")}, {}, fail(0, 1, StoMArrayLength)},
        {"Array Length empty", {variable("Y", "Array", "")}, {}, fail(0, 1, StoMArrayLength)},
        {"Array Length 255, no Init Value", {variable("Y", "Array", "255")}, {}, ok},
        {"Array two bytes", {variable("Y", "Array", "2", "0a1B")}, {}, ok},
        {"Array odd characters", {variable("Y", "Array", "2", "0a1")}, {}, fail(0, 1, StoMArrayInitOdd)},
        {"Array odd before not hex", {variable("Y", "Array", "2", "0G1")}, {}, fail(0, 1, StoMArrayInitOdd)},
        {"Array more bytes than Length", {variable("Y", "Array", "1", "0A0B")}, {}, fail(0, 1, StoMArrayInitTooLong)},
        {"Array too long before not hex", {variable("Y", "Array", "2", "0G0A0B")}, {},
         fail(0, 1, StoMArrayInitTooLong)},
        {"Array not hex", {variable("Y", "Array", "2", "0G")}, {}, fail(0, 1, StoMArrayInitNotHex)},
        {"String Length 0", {variable("Y", "String", "0")}, {}, fail(0, 1, StoMStringLength)},
        {"String longer than Length", {variable("Y", "String", "3", "abcd")}, {}, fail(0, 1, StoMStringInitTooLong)},
        {"String as long as Length", {variable("Y", "String", "3", "abc")}, {}, ok},
        {"other types are free", {variable("Y", "Int8", "x", "zzz"), variable("Y", "Bool", "", "")}, {}, ok},
        {"type names are exact", {variable("Y", "array", "0")}, {}, ok},
        {"disabled rows are skipped", {variable("N", "Array", "0"), variable("Y", "String", "0")}, {},
         fail(0, 2, StoMStringLength)},
        {"the row number is the failing row's", {variable("Y", "Int8", "1"), variable("Y", "Bool", "1"),
                                                 variable("Y", "Array", "4", "123")},
         {}, fail(0, 3, StoMArrayInitOdd)},
        {"master-to-slave Array", {}, {variable("Y", "Int8", "1"), variable("Y", "Array", "0")},
         fail(1, 2, MtoSLength)},
        {"master-to-slave String", {}, {variable("Y", "String", "300")}, fail(1, 1, MtoSLength)},
        {"master-to-slave Init Value is not checked", {}, {variable("Y", "Array", "1", "0G0G0")}, ok},
        {"master-to-slave disabled", {}, {variable("N", "String", "0")}, ok},
        {"slave-to-master first", {variable("Y", "String", "0")}, {variable("Y", "Array", "0")},
         fail(0, 1, StoMStringLength)},
    };
    for (const Case& c : cases) {
        EtherCATSlaveFile file;
        file.SlaveToMaster = c.toMaster;
        file.MasterToSlave = c.toSlave;
        EXPECT_EQ(checkEtherCATVariables(file), c.failure) << c.name;
    }
}

}  // namespace ethercat_variable_rules_tests
