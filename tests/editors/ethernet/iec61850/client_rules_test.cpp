// The IEC 61850 client editor without a window: its checks of the
// attribute table in their order, the fixed byte sizes of the basic types,
// and the Index of the rows when a catalog IED is removed.

#include <gtest/gtest.h>

#include "editors/ethernet/iec61850/client_access.h"
#include "editors/ethernet/iec61850/client_rules.h"
#include "platform/format_settings.h"

namespace client_rules_tests {

using namespace iec61850;
using rule_editor::RuleFailure;

ClientDaItem validRow()
{
    ClientDaItem row;
    row.Index = QStringLiteral("0");
    row.bType = QStringLiteral("FLOAT32");
    row.IPAddress = QStringLiteral("192.168.1.125");
    row.Port = QStringLiteral("102");
    row.OnTimer = QStringLiteral("N");
    row.Position = QStringLiteral("0");
    row.MoltFact = QStringLiteral("None");
    return row;
}

ClientDaItem stringRow(const char* type, const char* start, const char* count)
{
    ClientDaItem row = validRow();
    row.bType = QString::fromLatin1(type);
    row.StartByte = QString::fromLatin1(start);
    row.NumByte = QString::fromLatin1(count);
    return row;
}

TEST(ClientChecks, StringTypesGiveTheirByteRanges)
{
    using namespace client_texts;
    struct Case {
        ClientDaItem row;
        int text;  // 0: passes
    };
    const Case cases[] = {
        {stringRow("VisString255", "200", "55"), 0},
        {stringRow("VisString255", "200", "56"), SumString},
        {stringRow("VISSTRING255", "255", "1"), StartByteString},
        {stringRow("visstring255", "0", "0"), NumByteString},
        {stringRow("VisString255", "0", "256"), NumByteString},
        {stringRow("VisString255", "", "1"), StartByteString},
        {stringRow("Octet64", "63", "1"), 0},
        {stringRow("Octet64", "64", "1"), StartByteOctets},
        {stringRow("Octet64", "0", "65"), NumByteOctets},
        {stringRow("Octet64", "10", "55"), SumOctets},
        // Other types have no byte rule, whatever the cells hold.
        {stringRow("FLOAT32", "x", "300"), 0},
        {stringRow("VisString64", "", ""), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.row.bType + u' ' + c.row.StartByte + u' ' + c.row.NumByte).toStdString());
        const auto failure = checkClientAttributes({c.row}, u'.');
        if (c.text == 0)
            EXPECT_FALSE(failure.has_value());
        else
            EXPECT_EQ(failure, (RuleFailure{0, 1, c.text}));
    }
}

TEST(ClientChecks, AddressPortTimePositionAndFactorInTheirOrder)
{
    using namespace client_texts;
    using R = ClientDaItem;
    struct Case {
        const char* name;
        std::vector<std::pair<QString R::*, const char*>> cells;
        int text;
        const char* tail;
    };
    const Case cases[] = {
        {"valid", {}, 0, ""},
        {"no address", {{&R::IPAddress, ""}}, IPAddress, ""},
        {"three octets", {{&R::IPAddress, "192.168.1"}}, IPAddress, ""},
        {"octet above 255", {{&R::IPAddress, "192.168.1.256"}}, IPAddress, ""},
        {"address before port", {{&R::IPAddress, "x"}, {&R::Port, "-1"}}, IPAddress, ""},
        {"port 65535", {{&R::Port, "65535"}}, 0, ""},
        {"port 65536", {{&R::Port, "65536"}}, Port, ""},
        {"port empty", {{&R::Port, ""}}, Port, ""},
        {"time 0 without timer", {{&R::Time, "0"}}, 0, ""},
        {"time 0 on timer", {{&R::OnTimer, "Y"}, {&R::Time, "0"}}, Time, ""},
        {"longest time on timer", {{&R::OnTimer, " Y "}, {&R::Time, "100000000"}}, 0, ""},
        {"time too long", {{&R::OnTimer, "Y"}, {&R::Time, "100000001"}}, Time, ""},
        {"last position", {{&R::Position, "1399"}}, 0, ""},
        {"position past the array", {{&R::Position, "1400"}}, Position, "1399"},
        {"no position", {{&R::Position, ""}}, Position, "1399"},
        {"factor none", {{&R::MoltFact, " none "}}, 0, ""},
        {"factor with a comma", {{&R::MoltFact, "1,5"}}, 0, ""},
        {"factor with a point", {{&R::MoltFact, "1.5"}}, 0, ""},
        {"factor empty", {{&R::MoltFact, ""}}, Factor, ""},
        {"factor text", {{&R::MoltFact, "1.5x"}}, Factor, ""},
    };
    for (const QChar separator : {u'.', u','}) {
        const platform::FormatSettings saved = platform::formatSettings();
        platform::formatSettings().DecimalSeparator = separator;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " with the separator " + QString(separator).toStdString());
            ClientDaItem row = validRow();
            for (const auto& [member, text] : c.cells)
                row.*member = QString::fromUtf8(text);
            const auto failure = checkClientAttributes({validRow(), row}, separator);
            if (c.text == 0)
                EXPECT_FALSE(failure.has_value()) << failure->textId;
            else
                EXPECT_EQ(failure, (RuleFailure{0, 2, c.text, QString::fromUtf8(c.tail)}));
        }
        platform::formatSettings() = saved;
    }
}

TEST(ClientChecks, RowsWithoutBTypeAreSkippedAndTheScanGoesOn)
{
    ClientDaItem empty;
    ClientDaItem bad = validRow();
    bad.Port = QStringLiteral("70000");
    EXPECT_FALSE(checkClientAttributes({empty}, u'.').has_value());
    EXPECT_EQ(checkClientAttributes({empty, validRow(), empty, bad}, u'.'),
              (RuleFailure{0, 4, client_texts::Port}));
}

TEST(ClientStartAndNumByte, FixedSizeTypesAndTheOthers)
{
    const std::pair<const char*, const char*> fixed[] = {
        {"FLOAT32", "4"}, {"int32u", "4"}, {"INT32", "4"},   {"Quality", "4"},   {"FLOAT64", "8"},
        {"INT64", "8"},   {"INT8U", "1"},  {"INT8", "1"},    {"BOOLEAN", "1"},   {"Timestamp", "1"},
        {"Enum", "1"},    {"INT16U", "2"}, {"INT16", "2"},
    };
    for (const auto& [type, bytes] : fixed) {
        const auto size = fixedByteSize(QString::fromLatin1(type));
        ASSERT_TRUE(size.has_value()) << type;
        EXPECT_EQ(size->start, QStringLiteral("0")) << type;
        EXPECT_EQ(size->count, QString::fromLatin1(bytes)) << type;
    }
    for (const char* type : {"VisString255", "Octet64", "Struct", "Dbpos", "", "INT24"})
        EXPECT_FALSE(fixedByteSize(QString::fromLatin1(type)).has_value()) << type;
}

TEST(ClientCatalogRemoval, AnIedInUseStaysAndTheIndexesAboveMoveDown)
{
    const QStringList indexes = {"0", " 2", "x", "", "2 ", "0x1"};
    EXPECT_TRUE(catalogEntryInUse(0, indexes));
    EXPECT_TRUE(catalogEntryInUse(2, indexes));
    EXPECT_TRUE(catalogEntryInUse(1, indexes)) << "0x1 reads as 1";
    EXPECT_FALSE(catalogEntryInUse(3, indexes));
    // Removing entry 0 of three: the rows of 1 and 2 now say 0 and 1.
    QStringList after;
    for (const char* index : {"1", "2", "0x2", "junk", "-3"})
        after << indexAfterRemoval(QString::fromLatin1(index), 0);
    EXPECT_EQ(after, (QStringList{"0", "1", "1", "junk", "-3"}));
}

}  // namespace client_rules_tests
