// The BACnet server checks as a table of cases, the object limit of both
// tables together, and the lengths a kind chosen in the write table presets.

#include <gtest/gtest.h>

#include "app/language.h"
#include "editors/fieldbus/bacnet/bacnet_server_rules.h"
#include "support/qt_printers.h"

namespace bacnet_server_rules_tests {

using bacnet::BACnetServerFile;
using bacnet::BACnetServerObject;

BACnetServerObject object(const char* kind, const char* position, const char* length, const char* bit = "")
{
    return {QString::fromLatin1(kind), QStringLiteral("62"),        QString::fromLatin1(position),
            QString::fromLatin1(bit),  QString::fromLatin1(length), QString(),
            QStringLiteral("m")};
}

// The message the editor shows: "Error row " + row + the rule's text + its
// tail, or the text alone when it names no row.
QString message(const rule_editor::RuleFailure& f)
{
    const QString text = app::langText(f.textId) + f.tail;
    return f.row > 0 ? app::langText(bacnet::server_texts::ErrorRow) + QString::number(f.row) + text : text;
}

class ServerRules : public ::testing::Test {
protected:
    ServerRules() { app::Load_Default_Texts(app::textTable()); }
};

TEST_F(ServerRules, EngUnitPositionStartBitLengthAndLastByte)
{
    struct Case {
        const char* name;
        BACnetServerFile objects;
        const char* message;  // nullptr: all pass
    };
    const Case cases[] = {
        {"Analog Input ending on the array's last byte", {{object("Analog Input", "1496", "4")}, {}}, nullptr},
        {"Analog Input one byte beyond",
         {{object("Analog Input", "1497", "4")}, {}},
         "Error row 1!! [BACnet in Read] Too many bytes to save starting from the Position indicate"},
        {"Binary Value without Start Bit, its Length not looked at",
         {{object("Binary Value", "3", "99")}, {}},
         "Error row 1!! [BACnet in Read] Bit must be between 0 and 7"},
        {"write Binary Value without Start Bit",
         {{}, {object("Binary Value", "3", "1", " ")}},
         "Error row 1!! [BACnet in Write] Bit must be between 0 and 7"},
        {"Binary Out at the last position with a bit", {{}, {object("Binary Out", "1499", "", "7")}}, nullptr},
        {"a read Integer Value has no length test", {{object("Integer Value", "1499", "1")}, {}}, nullptr},
        {"... only its last byte: Position + Length - 1",
         {{object("Integer Value", "1499", "2")}, {}},
         "Error row 1!! [BACnet in Read] Too many bytes to save starting from the Position indicate"},
        {"... Position - 1 when Length is empty", {{object("Integer Value", "0", "")}, {}}, nullptr},
        {"a write Integer Value takes 1 to 4 bytes",
         {{}, {object("Integer Value", "0", "5")}},
         "Error row 1!! [BACnet in Write] Length with variable \"Integer Value\" must be between 1 and 4"},
        {"Large Analog Value of 8 bytes", {{object("Large Analog Value", "0", "8")}, {}}, nullptr},
        {"Large Analog Value of 9 bytes",
         {{}, {object("Large Analog Value", "0", "9")}},
         "Error row 1!! [BACnet in Write] Length with variable \"Large Analog Value\" must be between 1 and 8"},
        {"Life Safety Point of 3 bytes",
         {{object("Life Safety Point", "0", "3")}, {}},
         "Error row 1!! [BACnet in Read] Length with variable \"Life Safety Point\" must be 1 or 2"},
        {"Access Door of 2 bytes",
         {{object("Access Door", "0", "2")}, {}},
         "Error row 1!! [BACnet in Read] Length with variable \"Access Door\" must be equal to 1"},
        {"Multi State Output of 0 bytes",
         {{}, {object("Multi State Output", "0", "0")}},
         "Error row 1!! [BACnet in Write] Length with variable \"Multi State Output\" must be between 1 and 4"},
        {"Analog Out with a Length that is no number",
         {{}, {object("Analog Out", "0", "four")}},
         "Error row 1!! [BACnet in Write] Length with variable \"Analog Out\" must be between 1 and 4"},
        {"a kind is compared as written", {{object("analog input", "0", "9")}, {}}, nullptr},
        {"a write kind in the read table has no range", {{object("Analog Out", "0", "9")}, {}}, nullptr},
        {"Eng. Unit 70000",
         {{BACnetServerObject{"Analog Input", "70000", "0", "", "4", "", ""}}, {}},
         "Error row 1!! [BACnet in Read] Eng. Unit must be between 0 and 65535"},
        {"empty Eng. Unit",
         {{}, {BACnetServerObject{"Analog Out", "", "0", "", "4", "", ""}}},
         "Error row 1!! [BACnet in Write] Eng. Unit must be between 0 and 65535"},
        {"Eng. Unit 65535 (a code beyond the table)",
         {{BACnetServerObject{"Analog Input", "65535", "0", "", "4", "", ""}}, {}},
         nullptr},
        {"Position 1500",
         {{}, {object("Analog Out", "1500", "1")}},
         "Error row 1!! [BACnet in Write] Position must be between 0 and 1499"},
        {"empty Position",
         {{object("Analog Input", "", "1")}, {}},
         "Error row 1!! [BACnet in Read] Position must be between 0 and 1499"},
        {"the second row, the read table first",
         {{object("Analog Input", "0", "4"), object("Analog Input", "0", "5")}, {object("Analog Out", "0", "5")}},
         "Error row 2!! [BACnet in Read] Length with variable \"Analog Input\" must be between 1 and 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<rule_editor::RuleFailure> failure = bacnet::checkBACnetServerObjects(c.objects, {});
        // No failure shows as no message.
        EXPECT_EQ(failure ? message(*failure) : QString(), QString::fromUtf8(c.message));
    }
}

TEST_F(ServerRules, BothTablesTogetherHoldAtMostTheLimit)
{
    BACnetServerFile objects;
    objects.Read.assign(600, object("Analog Input", "0", "1"));
    objects.Write.assign(500, object("Analog Out", "0", "1"));
    EXPECT_EQ(bacnet::serverObjectLimit(false), 2000);
    EXPECT_EQ(bacnet::serverObjectLimit(true), 1000);
    EXPECT_FALSE(bacnet::checkBACnetServerObjects(objects, {1500, 1500, bacnet::serverObjectLimit(false)}));
    const auto failure = bacnet::checkBACnetServerObjects(objects, {1500, 1500, bacnet::serverObjectLimit(true)});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(message(*failure), QStringLiteral("Error!! Too many Requests. Max requests 1000"));
    objects.Write.resize(400);
    EXPECT_FALSE(bacnet::checkBACnetServerObjects(objects, {1500, 1500, 1000}));
    // A row's failure comes before the count.
    objects.Write.push_back(object("Analog Out", "0", "7"));
    objects.Write.push_back(object("Analog Out", "0", "1"));
    EXPECT_EQ(bacnet::checkBACnetServerObjects(objects, {1500, 1500, 1000})->row, 401);
}

TEST(ServerKinds, TheListsOfBothTablesAndTheLengthsTheWriteTablePresets)
{
    EXPECT_EQ(bacnet::serverObjectKinds(bacnet::InRead),
              (QStringList{"Analog Input", "Analog Value", "Binary Input", "Binary Value", "Positive Integer Value",
                           "Large Analog Value", "Integer Value", "Multi State Input", "Multi State Value",
                           "Life Safety Point", "Life Safety Zone", "Access Door", "Accumulator"}));
    EXPECT_EQ(
        bacnet::serverObjectKinds(bacnet::InWrite),
        (QStringList{"Analog Out", "Analog Value", "Binary Out", "Binary Value", "Positive Integer Value",
                     "Large Analog Value", "Integer Value", "Multi State Output", "Multi State Value", "Access Door"}));
    struct Preset {
        const char* kind;
        const char* length;  // nullptr: none
    };
    const Preset presets[] = {
        {"Analog Out", "4"},      {"analog value", "4"},           {"Binary Out", "1"},
        {"Binary Value", "1"},    {"Positive Integer Value", "4"}, {"Large Analog Value", "8"},
        {"Integer Value", "4"},   {"Multi State Output", "4"},     {"Multi State Value", "4"},
        {"Access Door", "1"},     {"Octet String", "1"},           {"Analog Input", nullptr},
        {" Analog Out", nullptr},
    };
    for (const Preset& p : presets)
        EXPECT_EQ(bacnet::writeLengthPreset(QString::fromLatin1(p.kind)),
                  p.length ? std::optional<QString>(QString::fromLatin1(p.length)) : std::nullopt)
            << p.kind;
}

}  // namespace bacnet_server_rules_tests
