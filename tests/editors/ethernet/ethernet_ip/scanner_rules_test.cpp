// The scanner editor's checks and its EDS import mapping, without a window.

#include <gtest/gtest.h>

#include "editors/ethernet/ethernet_ip/scanner_rules.h"
#include "support/qt_printers.h"

namespace scanner_rules_tests {

using ethernet_ip::EtherNetIPScannerRow;
using rule_editor::RuleFailure;
namespace texts = ethernet_ip::scanner_texts;

EtherNetIPScannerRow validRow(const char* address = "192.168.1.10")
{
    return {"Y",   QString::fromLatin1(address), "0", "16", "0", "8", "100", "1", "100", "1", "101", "Default",
            "4",   "Valve island"};
}

std::optional<RuleFailure> checkOne(const EtherNetIPScannerRow& row)
{
    return ethernet_ip::checkScannerRows({validRow("10.0.0.1"), row});
}

TEST(ScannerRules, EachFieldOfAnEnabledRowWithItsMessage)
{
    struct Case {
        QString EtherNetIPScannerRow::*field;
        const char* value;
        int text;  // 0: passes
    };
    using R = EtherNetIPScannerRow;
    const Case cases[] = {
        {&R::IP_Address, "192.168.1", texts::IPAddress},
        {&R::IP_Address, "192.168.1.256", texts::IPAddress},
        {&R::IP_Address, " 10.1.2.3 ", 0},
        {&R::Start_Input, "", texts::StartInput},
        {&R::Start_Input, "-1", texts::StartInput},
        {&R::Start_Input, "65536", texts::StartInput},
        {&R::Start_Input, "65535", 0},
        {&R::Start_Input, "12 ", texts::StartInput},  // read without trimming
        {&R::Start_Input, " 12", 0},
        {&R::Num_Input, "abc", texts::NumInput},
        {&R::Start_Output, "70000", texts::StartOutput},
        {&R::Num_Output, "-5", texts::NumOutput},
        {&R::Time_Poll, "0", texts::TimePoll},
        {&R::Time_Poll, "1", 0},
        {&R::Time_Poll, "100000000", 0},
        {&R::Time_Poll, "100000001", texts::TimePoll},
        {&R::Instance_T_O, "65536", texts::InstanceTO},
        {&R::Instance_T_O, "0x10", 0},
        {&R::Connection_Point_T_O, "", texts::ConnPointTO},
        {&R::Instance_O_T, "x", texts::InstanceOT},
        {&R::Connection_Point_O_T, "65536", texts::ConnPointOT},
        // Freshly reset rows hold empty header formats, not "Default".
        {&R::Dim_Header_T_O, "", texts::DimHeaderTO},
        {&R::Dim_Header_T_O, "8", texts::DimHeaderTO},
        {&R::Dim_Header_T_O, "  deFAULT ", 0},
        {&R::Dim_Header_T_O, "7", 0},
        {&R::Dim_Header_O_T, "Defaults", texts::DimHeaderOT},
        {&R::Dim_Header_O_T, "0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EtherNetIPScannerRow row = validRow();
        row.*c.field = QString::fromLatin1(c.value);
        const std::optional<RuleFailure> failure = checkOne(row);
        if (c.text == 0)
            EXPECT_EQ(failure, std::nullopt);
        else
            EXPECT_EQ(failure, (RuleFailure{0, 2, c.text}));
    }
}

TEST(ScannerRules, RulesGoInColumnOrder)
{
    EtherNetIPScannerRow row = validRow("1.2.3");
    row.Time_Poll.clear();
    row.Dim_Header_O_T.clear();
    EXPECT_EQ(checkOne(row), (RuleFailure{0, 2, texts::IPAddress}));
    row.IP_Address = QStringLiteral("1.2.3.4");
    EXPECT_EQ(checkOne(row), (RuleFailure{0, 2, texts::TimePoll}));
    row.Time_Poll = QStringLiteral("5");
    EXPECT_EQ(checkOne(row), (RuleFailure{0, 2, texts::DimHeaderOT}));
}

TEST(ScannerRules, DisabledRowsAreNotChecked)
{
    EtherNetIPScannerRow off = validRow("not an address");
    off.Time_Poll = QStringLiteral("0");
    off.Num_Input = QStringLiteral("60000");
    for (const char* enable : {"N", "", "y ", "yes"}) {
        SCOPED_TRACE(enable);
        off.Enable = QString::fromLatin1(enable);
        EXPECT_EQ(ethernet_ip::checkScannerRows({off, validRow()}), std::nullopt);
    }
    EtherNetIPScannerRow on = validRow();
    on.Enable = QStringLiteral("y");
    on.Time_Poll = QStringLiteral("0");
    EXPECT_EQ(ethernet_ip::checkScannerRows({on}), (RuleFailure{0, 1, texts::TimePoll}));
}

// The check ends at the first empty IP Address, whatever the row's Enable:
// the rows after it are not saved, so they are not checked either.
TEST(ScannerRules, TheCheckEndsAtTheFirstEmptyAddressEnabledOrNot)
{
    EtherNetIPScannerRow emptyOff = validRow("   ");
    emptyOff.Enable = QStringLiteral("N");
    EtherNetIPScannerRow broken = validRow();
    broken.Time_Poll = QStringLiteral("0");
    EXPECT_EQ(ethernet_ip::checkScannerRows({validRow(), emptyOff, broken}), std::nullopt);
    EtherNetIPScannerRow emptyOn = validRow("");
    EXPECT_EQ(ethernet_ip::checkScannerRows({emptyOn, broken}), std::nullopt);
}

TEST(ScannerRules, TotalsOfTheEnabledRows)
{
    const auto rows = [](int count, const char* inputs, const char* outputs) {
        std::vector<EtherNetIPScannerRow> all(size_t(count), validRow());
        for (EtherNetIPScannerRow& r : all) {
            r.Num_Input = QString::fromLatin1(inputs);
            r.Num_Output = QString::fromLatin1(outputs);
        }
        return all;
    };
    // Ten rows of 200 input bytes: 2000 in all.
    EXPECT_EQ(ethernet_ip::checkScannerRows(rows(10, "200", "0")), (RuleFailure{0, 0, texts::InputTotal, "1438"}));
    std::vector<EtherNetIPScannerRow> exact = rows(2, "719", "719");
    EXPECT_EQ(ethernet_ip::checkScannerRows(exact), std::nullopt);
    exact[1].Num_Output = QStringLiteral("720");
    EXPECT_EQ(ethernet_ip::checkScannerRows(exact), (RuleFailure{0, 0, texts::OutputTotal, "1438"}));
    // The input total is reported first; the limits are the editor's.
    EXPECT_EQ(ethernet_ip::checkScannerRows(rows(3, "600", "600")), (RuleFailure{0, 0, texts::InputTotal, "1438"}));
    EXPECT_EQ(ethernet_ip::checkScannerRows(rows(3, "600", "600"), {2000, 100}),
              (RuleFailure{0, 0, texts::OutputTotal, "100"}));
    // Disabled rows do not count.
    std::vector<EtherNetIPScannerRow> someOff = rows(10, "200", "0");
    for (size_t i = 0; i < 3; ++i)
        someOff[i].Enable = QStringLiteral("N");
    EXPECT_EQ(ethernet_ip::checkScannerRows(someOff), std::nullopt);
    EXPECT_EQ(ethernet_ip::checkScannerRows({}), std::nullopt);
}

TEST(ScannerRules, DataPathCheck)
{
    struct Case {
        const char* path;
        int expected;
        int result;
    };
    const Case cases[] = {
        {"20, 04, 24, 01", 4, 0}, {"20,04,24,01", 5, 2}, {"", 0, 0},        {"", 1, 2},
        {"20,04,", 2, 0},         {"20,,04", 2, 1},      {"20, 100", 2, 1}, {"0x20", 1, 1},
        {"  ", 0, 1},             {"ff,FF", 2, 0},       {"zz", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ethernet_ip::Err_Check_Data_Path(QString::fromLatin1(c.path), c.expected), c.result);
    }
}

TEST(ScannerRules, EdsImportTakesTheFirstRowWithoutAddressAndInstance)
{
    const QStringList empty(14);
    QStringList withAddress = empty;
    withAddress[1] = QStringLiteral("10.0.0.1");
    QStringList withInstance = empty;
    withInstance[7] = QStringLiteral("1");
    QStringList blanks = empty;
    blanks[1] = QStringLiteral("  ");
    blanks[7] = QStringLiteral(" ");
    EXPECT_EQ(ethernet_ip::edsImportRow({withAddress, withInstance, blanks, empty}), 2);
    EXPECT_EQ(ethernet_ip::edsImportRow({withAddress, withInstance}), -1);
    EXPECT_EQ(ethernet_ip::edsImportRow({}), -1);
}

TEST(ScannerRules, EdsImportMapsThePickerColumns)
{
    QStringList row = {"Y", "10.0.0.1", "0", "16", "0", "8", "100", "", "", "", "", "", "", "Drive"};
    // Connection, name, help, Instance O>T, Point O>T, Instance T>O, Point
    // T>O, Header O>T, Header T>O.
    ethernet_ip::applyEdsConnection(row, {"Connection2", "\"Owner\"", "\"\"", "100", "150", "101", "151", "Default", "3"});
    EXPECT_EQ(row, (QStringList{"Y", "10.0.0.1", "0", "16", "0", "8", "100", "101", "151", "100", "150", "3",
                                "Default", "Drive"}));
}

}  // namespace scanner_rules_tests
