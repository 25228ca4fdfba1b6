// The BACnet client checks as a table of cases: one right read rule and one
// right write rule, each case changing a few cells and naming the message
// OK then shows (prefix, row and rule text), or none. Then the lookups of
// the Property column's hint.

#include <functional>

#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/fieldbus/bacnet/bacnet_client_rules.h"
#include "support/qt_printers.h"

namespace bacnet_client_rules_tests {

using bacnet::BACnetClientFile;
using bacnet::BACnetReadRule;
using bacnet::BACnetWriteRule;

BACnetReadRule rightRead()
{
    BACnetReadRule r;
    r.IP_Address_Slave_ID = QStringLiteral("192.168.1.20");
    r.Object_Type = QStringLiteral("Analog Input");
    r.Instance = QStringLiteral("1");
    r.Property = QStringLiteral("Present Value (85)");
    r.NumByte = QStringLiteral("4");
    r.PollTime = QStringLiteral("1000");
    r.MaxError = QStringLiteral("0");
    r.Position = QStringLiteral("0");
    r.StartBit = QStringLiteral("0");
    return r;
}

BACnetWriteRule rightWrite()
{
    BACnetWriteRule w;
    w.IP_Address_Slave_ID = QStringLiteral("192.168.1.20");
    w.Object_Type = QStringLiteral("Analog Value");
    w.Data_Type = QStringLiteral("Real");
    w.Instance = QStringLiteral("2");
    w.Property = QStringLiteral("Present Value (85)");
    w.Priority = QStringLiteral("8");
    w.NumByte = QStringLiteral("4");
    w.OnTimer = QStringLiteral("Y");
    w.PollTime = QStringLiteral("1000");
    w.MaxError = QStringLiteral("0");
    w.Position = QStringLiteral("0");
    w.StartBit = QStringLiteral("0");
    return w;
}

// The message the editor shows for a failure: the table's prefix, the row,
// the rule's text and its tail.
QString message(const rule_editor::RuleFailure& f)
{
    const int prefix = f.table == 0 ? bacnet::client_texts::ReadErrorRow : bacnet::client_texts::WriteErrorRow;
    return app::langText(prefix) + QString::number(f.row) + app::langText(f.textId) + f.tail;
}

class ClientRules : public ::testing::Test {
protected:
    ClientRules() { app::Load_Default_Texts(app::textTable()); }
};

using Change = std::function<void(BACnetReadRule&, BACnetWriteRule&)>;
struct Case {
    const char* name;
    Change change;
    const char* message;  // nullptr: every rule passes
    int type = bacnet::kBACnetIP;
};

void checkCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BACnetClientFile rules{{rightRead()}, {rightWrite()}};
        c.change(rules.Read[0], rules.Write[0]);
        const std::optional<rule_editor::RuleFailure> failure = bacnet::checkBACnetClientRules(c.type, rules);
        // No failure shows as no message.
        EXPECT_EQ(failure ? message(*failure) : QString(), QString::fromUtf8(c.message));
    }
}

TEST_F(ClientRules, AddressObjectTypeInstanceAndProperty)
{
    checkCases({
        {"the right rules", [](BACnetReadRule&, BACnetWriteRule&) {}, nullptr},
        {"a disabled rule is not checked",
         [](BACnetReadRule& r, BACnetWriteRule&) {
             r.Enable = QStringLiteral("N");
             r.Object_Type.clear();
         },
         nullptr},
        {"Enable must be exactly Y",
         [](BACnetReadRule& r, BACnetWriteRule&) {
             r.Enable = QStringLiteral("y");
             r.Object_Type.clear();
         },
         nullptr},
        {"the same rule enabled", [](BACnetReadRule& r, BACnetWriteRule&) { r.Object_Type.clear(); },
         "Error in Read, row 1!! Object Type is not correct. Select one from the list"},
        {"an octet above 255", [](BACnetReadRule& r, BACnetWriteRule&) { r.IP_Address_Slave_ID = "192.168.1.256"; },
         "Error in Read, row 1!! IP Address is not correct"},
        {"three octets", [](BACnetReadRule&, BACnetWriteRule& w) { w.IP_Address_Slave_ID = "192.168.1"; },
         "Error in Write, row 1!! IP Address is not correct"},
        {"MS/TP slave id 255", [](BACnetReadRule& r, BACnetWriteRule&) { r.IP_Address_Slave_ID = "255"; },
         "Error in Read, row 1!! Slave ID must be between 0 and 254", bacnet::kBACnetMSTP},
        {"MS/TP slave ids 0 and 254 with blanks",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.IP_Address_Slave_ID = " 0 ";
             w.IP_Address_Slave_ID = "254";
         },
         nullptr, bacnet::kBACnetMSTP},
        {"MS/TP write slave id",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.IP_Address_Slave_ID = "3";
             w.IP_Address_Slave_ID = "x";
         },
         "Error in Write, row 1!! Slave ID must be between 0 and 254", bacnet::kBACnetMSTP},
        {"a type without address",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.IP_Address_Slave_ID.clear();
             w.IP_Address_Slave_ID = "anything";
         },
         nullptr, 2},
        {"object type in lower case with a trailing blank",
         [](BACnetReadRule& r, BACnetWriteRule&) { r.Object_Type = "analog input "; }, nullptr},
        {"an input type in a write rule", [](BACnetReadRule&, BACnetWriteRule& w) { w.Object_Type = "Analog Input"; },
         "Error in Write, row 1!! Object Type is not correct. Select one from the list"},
        {"the Accumulator in a write rule", [](BACnetReadRule&, BACnetWriteRule& w) { w.Object_Type = "Accumulator"; },
         "Error in Write, row 1!! Object Type is not correct. Select one from the list"},
        {"proprietary type 130 in both",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.Object_Type = "130";
             w.Object_Type = "130";
             w.Data_Type = "Octet String";
         },
         nullptr},
        {"127 is no proprietary type", [](BACnetReadRule& r, BACnetWriteRule&) { r.Object_Type = "127"; },
         "Error in Read, row 1!! Object Type is not correct. Select one from the list"},
        {"1024 is no proprietary type", [](BACnetReadRule&, BACnetWriteRule& w) { w.Object_Type = "1024"; },
         "Error in Write, row 1!! Object Type is not correct. Select one from the list"},
        {"instance 4294967295",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.Instance = "4294967295";
             w.Instance = "0";
         },
         nullptr},
        {"instance 4294967296", [](BACnetReadRule& r, BACnetWriteRule&) { r.Instance = "4294967296"; },
         "Error in Read, row 1!! Instance must be between 0 and 4294967295"},
        {"instance -1", [](BACnetReadRule&, BACnetWriteRule& w) { w.Instance = "-1"; },
         "Error in Write, row 1!! Instance must be between 0 and 4294967295"},
        {"Units on a Binary Input",
         [](BACnetReadRule& r, BACnetWriteRule&) {
             r.Object_Type = "Binary Input";
             r.Property = "Units (117)";
         },
         "Error in Read, row 1!! Property is not correct. Select one from the list"},
        {"Units on an Analog Input", [](BACnetReadRule& r, BACnetWriteRule&) { r.Property = "Units (117)"; }, nullptr},
        {"Scale on an Accumulator",
         [](BACnetReadRule& r, BACnetWriteRule&) {
             r.Object_Type = "Accumulator";
             r.Property = "scale (187)";
         },
         nullptr},
        {"Scale on an Analog Input", [](BACnetReadRule& r, BACnetWriteRule&) { r.Property = "Scale (187)"; },
         "Error in Read, row 1!! Property is not correct. Select one from the list"},
        {"Number of States of a Multi-State Value",
         [](BACnetReadRule& r, BACnetWriteRule&) {
             r.Object_Type = "Multi-State Value";
             r.Property = "Number of States (74)";
         },
         nullptr},
        {"a named property other than Present Value in a write rule",
         [](BACnetReadRule&, BACnetWriteRule& w) { w.Property = "Object Identifier (75)"; },
         "Error in Write, row 1!! Property is not correct. Select one from the list"},
        {"proprietary property 600 in both",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.Property = "600";
             w.Property = "600";
         },
         nullptr},
        {"511 is no proprietary property", [](BACnetReadRule& r, BACnetWriteRule&) { r.Property = "511"; },
         "Error in Read, row 1!! Property is not correct. Select one from the list"},
    });
}

TEST_F(ClientRules, DataTypeNBytePriorityTimesAndTheOrderOfRows)
{
    checkCases({
        {"Analog Value written as Unsigned Int",
         [](BACnetReadRule&, BACnetWriteRule& w) { w.Data_Type = "Unsigned Int"; },
         "Error in Write, row 1!! Data Type is not correct. Aspected Data Type is Real"},
        {"Positive Integer Value written as Real",
         [](BACnetReadRule&, BACnetWriteRule& w) { w.Object_Type = "Positive Integer Value"; },
         "Error in Write, row 1!! Data Type is not correct. Aspected Data Type is Unsigned Int"},
        {"Life Safety Point takes no data type for its present value",
         [](BACnetReadRule&, BACnetWriteRule& w) {
             w.Object_Type = "Life Safety Point";
             w.Data_Type = "Enumerated";
         },
         "Error in Write, row 1!! Data Type is not correct"},
        {"Binary Value written as enumerated, any case",
         [](BACnetReadRule&, BACnetWriteRule& w) {
             w.Object_Type = "Binary Value";
             w.Data_Type = " enumerated";
             w.NumByte = "1";
         },
         nullptr},
        {"Boolean takes one byte",
         [](BACnetReadRule&, BACnetWriteRule& w) {
             w.Property = "600";
             w.Data_Type = "Boolean";
             w.NumByte = "2";
         },
         "Error in Write, row 1!! NByte must be between 0 and 1"},
        {"Octet String takes 255 bytes",
         [](BACnetReadRule&, BACnetWriteRule& w) {
             w.Property = "600";
             w.Data_Type = "Octet String";
             w.NumByte = "255";
         },
         nullptr},
        {"an unknown data type takes 255 bytes",
         [](BACnetReadRule&, BACnetWriteRule& w) {
             w.Property = "600";
             w.Data_Type = "Whatever";
             w.NumByte = "256";
         },
         "Error in Write, row 1!! NByte must be between 0 and 255"},
        {"Real takes 4 bytes", [](BACnetReadRule&, BACnetWriteRule& w) { w.NumByte = "5"; },
         "Error in Write, row 1!! NByte must be between 0 and 4"},
        {"read NByte 256", [](BACnetReadRule& r, BACnetWriteRule&) { r.NumByte = "256"; },
         "Error in Read, row 1!! NByte must be between 0 and 255"},
        {"priority 17", [](BACnetReadRule&, BACnetWriteRule& w) { w.Priority = "17"; },
         "Error in Write, row 1!! Priority must be between 0 and 16"},
        {"read poll time above 100000000", [](BACnetReadRule& r, BACnetWriteRule&) { r.PollTime = "100000001"; },
         "Error in Read, row 1!! Poll Time must be between 0 and 100000000 ms"},
        {"a write on timer without poll time",
         [](BACnetReadRule&, BACnetWriteRule& w) {
             w.OnTimer = "y";
             w.PollTime.clear();
         },
         "Error in Write, row 1!! Poll Time must be between 0 and 100000000"},
        {"a write not on timer needs no poll time",
         [](BACnetReadRule&, BACnetWriteRule& w) {
             w.OnTimer = "N";
             w.PollTime.clear();
         },
         nullptr},
        {"Max Err 65535 in both",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.MaxError = "65535";
             w.MaxError = "65535";
         },
         nullptr},
        {"read Max Err 65536", [](BACnetReadRule& r, BACnetWriteRule&) { r.MaxError = "65536"; },
         "Error in Read, row 1!! Max Err must be between 0 and 65535"},
        {"write Max Err empty", [](BACnetReadRule&, BACnetWriteRule& w) { w.MaxError.clear(); },
         "Error in Write, row 1!! Max Err must be between 0 and 65535"},
        {"the read rules are checked first",
         [](BACnetReadRule& r, BACnetWriteRule& w) {
             r.MaxError = "-1";
             w.Priority = "-1";
         },
         "Error in Read, row 1!! Max Err must be between 0 and 65535"},
    });

    BACnetClientFile rules{{rightRead(), rightRead(), rightRead()}, {rightWrite()}};
    rules.Read[2].Instance = QStringLiteral("x");
    const std::optional<rule_editor::RuleFailure> failure = bacnet::checkBACnetClientRules(bacnet::kBACnetIP, rules);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, (rule_editor::RuleFailure{0, 3, 2041}));
}

TEST_F(ClientRules, Destinations)
{
    const auto destination = [](const char* network, const char* length, const char* address) {
        return [=](BACnetReadRule& r, BACnetWriteRule&) {
            r.Enable_Destination = QStringLiteral(" y ");
            r.Destination_Network = QString::fromLatin1(network);
            r.Destination_Length = QString::fromLatin1(length);
            r.Destination_Address = QString::fromLatin1(address);
        };
    };
    const auto writeDestination = [](const char* network, const char* length, const char* address) {
        return [=](BACnetReadRule&, BACnetWriteRule& w) {
            w.Enable_Destination = QStringLiteral("Y");
            w.Destination_Network = QString::fromLatin1(network);
            w.Destination_Length = QString::fromLatin1(length);
            w.Destination_Address = QString::fromLatin1(address);
        };
    };
    checkCases({
        {"En Dest off: nothing checked", [](BACnetReadRule& r, BACnetWriteRule&) { r.Destination_Length = "x"; },
         nullptr},
        {"M3 with three bytes and blanks", destination("5", "M3", " 1, 2 ,3 "), nullptr},
        {"m2 in lower case", destination("65535", "m2", "10,255"), nullptr},
        {"M3 with two bytes", destination("5", "M3", "1,2"),
         "Error in Read, row 1!! Destination Address has too few bytes"},
        {"M3 with four bytes", destination("5", "M3", "1,2,3,4"),
         "Error in Read, row 1!! Destination Address has too many bytes"},
        {"an empty part", destination("5", "M3", "1,,3"),
         "Error in Read, row 1!! Bytes of Destination Address must be between 0 and 255"},
        {"a byte above 255", destination("5", "M1", "256"),
         "Error in Read, row 1!! Bytes of Destination Address must be between 0 and 255"},
        {"an empty Mn address", destination("5", "M1", ""),
         "Error in Read, row 1!! Destination Address has too few bytes"},
        {"M9", destination("5", "M9", "1"), "Error in Read, row 1!! Destination Length is Wrong, choose one in List"},
        {"M alone", destination("5", "M", "1"),
         "Error in Read, row 1!! Destination Length is Wrong, choose one in List"},
        {"length 3", destination("5", "3", "1"), "Error in Read, row 1!! Destination Lenght must be 1 or 2 or 6"},
        {"network 0", destination("0", "1", "1"),
         "Error in Read, row 1!! Destination Network must be between 1 and 65535"},
        {"one byte 255", destination("1", "1", "255"), nullptr},
        {"one byte 256", destination("1", "1", "256"),
         "Error in Read, row 1!! Destination Address must be between 0 and 255"},
        {"two bytes 0", destination("1", "2", "0"),
         "Error in Read, row 1!! Destination Address must be between 1 and 65535"},
        {"six bytes: address and port", destination("1", "6", " 192.168.0.15:47808 "), nullptr},
        {"six bytes without port", destination("1", "6", "192.168.0.15"),
         "Error in Read, row 1!! Destination Address must be in correct form, IP Address plus Port (ex. "
         "192.168.0.15:47808)"},
        {"write: M9", writeDestination("5", "M9", "1"),
         "Error in Write, row 1!! Destination Length is Wrong, choose one in List"},
        {"write: too many bytes", writeDestination("5", "M1", "1,2"),
         "Error in Write, row 1!! Destination Address has too many bytes"},
        {"write: length 3", writeDestination("5", "3", "1"),
         "Error in Write, row 1!! Destination Lenght must be 1 or 2 or 6"},
        {"write: network", writeDestination("70000", "1", "1"),
         "Error in Write, row 1!! Destination Network must be between 1 and 65535"},
    });
}

TEST(ClientPropertyHint, TheBytesOfTheReadProperty)
{
    struct Case {
        const char* objectType;
        const char* property;
        const char* hint;
    };
    const Case cases[] = {
        {"Analog Input", "Present Value (85)", "4"},
        {"Binary Input", "Present Value (85)", "1"},
        {"Large Analog Value", "Present Value (85)", "8"},
        {"Accumulator", "Prescale (185)", "5"},
        {"Analog Input", "Status Flags (111)", "1"},
        {"Binary Output", "Units (117)", ""},
        {"Analog Input", "600", ""},
        {"Analog Input", " ", ""},
        {"", "Present Value (85)", ""},
        {"130", "Present Value (85)", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bacnet::Str_Hint_Read(QString::fromLatin1(c.objectType), QString::fromLatin1(c.property)),
                  QString::fromLatin1(c.hint))
            << c.objectType << " / " << c.property;
}

}  // namespace bacnet_client_rules_tests
