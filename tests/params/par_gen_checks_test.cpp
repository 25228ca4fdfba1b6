// The checks of the general parameters form: their order, ranges, the
// conditions that apply them and the message of the first failure.

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

#include "params/par_gen_checks.h"

namespace par_gen_checks_tests {

// Form values that pass every check (an access point with DHCP and all
// gateways in use, DNS on).
class FakeForm final : public params::ParGenCheckSource {
public:
    FakeForm()
    {
        for (const char* stem : {"E_EthConn_Pri_DNS_IP", "E_EthConn_Sec_DNS_IP", "E_Ethernet_IP", "E_Ethernet_SM",
                                 "E_Ethernet_GAT", "E_WiFi2_IP1_IP", "E_WiFi2_IP1_SM", "E_WiFi2_IP1_GAT",
                                 "E_WiFi2_IP2_IP", "E_WiFi2_IP2_SM", "E_WiFi2_IP2_GAT", "E_WiFi2_DHCP_First_IP",
                                 "E_WiFi2_DHCP_SM"})
            for (int k = 1; k <= 4; ++k)
                texts[QString::fromLatin1(stem) + QString::number(k)] = QStringLiteral("10");
        texts["E_EtherCAT_Slave_Revision_Number"] = "0";
        texts["E_EtherCAT_Slave_Name"] = "devicename1";
        texts["E_EtherCAT_Slave_Node_Address"] = "1";
        texts["E_WiFi2_Lease_Time"] = "86400";
        texts["E_NTP_Poll_Time"] = "60";
        texts["E_MQTT_Reproram_Value"] = "999";  // hidden: never checked
        boxes = {"CB_EthConn_Enable_DNS", "CB_Ethernet_En_GAT", "CB_WiFi2_IP1_En_GAT", "CB_WiFi2_IP2_En_GAT",
                 "CB_WiFi2_En_DHCP"};
        shown = {"E_WiFi2_IP1_IP1"};
    }
    QString text(const QString& field) const override { return texts.value(field); }
    bool checked(const QString& box) const override { return boxes.contains(box); }
    int listIndex(const QString& list) const override { return list == "CB_WiFi2_Type" ? wifiType : -1; }
    bool visibleAndEnabled(const QString& field) const override { return shown.contains(field); }

    QHash<QString, QString> texts;
    QSet<QString> boxes;
    QSet<QString> shown;
    int wifiType = 0;
};

std::optional<int> firstFailure(const FakeForm& form)
{
    if (const auto failure = params::firstParGenCheckFailure(form))
        return failure->textId;
    return std::nullopt;
}

TEST(ParGenChecks, ValidFormPasses)
{
    FakeForm form;
    EXPECT_EQ(firstFailure(form), std::nullopt);
    form.wifiType = 1;
    EXPECT_EQ(firstFailure(form), std::nullopt);
}

struct FieldCase {
    const char* field;
    const char* text;
    int wifiType;
    std::optional<int> expected;
};

TEST(ParGenChecks, EachFieldWithItsRangeAndMessage)
{
    const FieldCase cases[] = {
        {"E_EthConn_Pri_DNS_IP1", "256", 0, 1563},
        {"E_EthConn_Pri_DNS_IP4", "-1", 0, 1566},
        {"E_EthConn_Sec_DNS_IP3", "", 0, 1569},
        {"E_EthConn_Pri_DNS_IP1", "5 ", 0, 1563},
        {"E_EthConn_Pri_DNS_IP1", "\t5", 0, 1563},
        {"E_EthConn_Pri_DNS_IP1", "$5", 0, 1563},
        {"E_EtherCAT_Slave_Revision_Number", "12345678901", 0, 412},
        {"E_EtherCAT_Slave_Revision_Number", "4294967295", 0, std::nullopt},
        {"E_EtherCAT_Slave_Revision_Number", "4294967296", 0, 412},
        {"E_EtherCAT_Slave_Revision_Number", "", 0, 412},
        {"E_EtherCAT_Slave_Name", "   ", 0, 411},
        {"E_EtherCAT_Slave_Name", "", 0, 411},
        {"E_EtherCAT_Slave_Node_Address", "0", 0, 989},
        {"E_EtherCAT_Slave_Node_Address", "192", 0, std::nullopt},
        {"E_EtherCAT_Slave_Node_Address", "193", 0, 989},
        {"E_Ethernet_IP2", "x", 0, 721},
        {"E_Ethernet_IP2", "0x10", 0, 721},
        {"E_Ethernet_IP2", "$10", 0, 721},
        {"E_Ethernet_IP2", "1.5", 0, 721},
        {"E_Ethernet_SM4", "300", 0, 727},
        {"E_Ethernet_GAT1", "255", 0, std::nullopt},
        {"E_Ethernet_GAT3", "256", 0, 730},
        {"E_WiFi2_IP1_IP1", "256", 0, 964},
        {"E_WiFi2_IP1_SM2", "256", 0, 969},
        {"E_WiFi2_IP1_GAT4", "256", 0, 975},
        {"E_WiFi2_DHCP_First_IP3", "256", 0, 978},
        {"E_WiFi2_DHCP_SM1", "256", 0, 980},
        {"E_WiFi2_Lease_Time", "0", 0, 984},
        {"E_WiFi2_Lease_Time", "99999999", 0, std::nullopt},
        {"E_WiFi2_Lease_Time", "100000000", 0, 984},
        // As a station the first block has its own messages.
        {"E_WiFi2_IP1_IP1", "256", 1, 985},
        {"E_WiFi2_IP1_IP2", "256", 1, 986},
        {"E_WiFi2_IP1_IP3", "256", 1, 1588},
        {"E_WiFi2_IP1_IP4", "256", 1, 1589},
        {"E_WiFi2_IP1_SM1", "256", 1, 1590},
        {"E_WiFi2_IP1_GAT2", "256", 1, 1595},
        // Access-point fields are not checked for a station.
        {"E_WiFi2_DHCP_First_IP1", "256", 1, std::nullopt},
        {"E_WiFi2_Lease_Time", "0", 1, std::nullopt},
        // The second block is not shown in this build.
        {"E_WiFi2_IP2_IP1", "256", 1, std::nullopt},
        {"E_NTP_Poll_Time", "10000000", 0, std::nullopt},
        {"E_NTP_Poll_Time", "10000001", 0, 1320},
        {"E_NTP_Poll_Time", "", 0, 1320},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = '" + c.text + "'");
        FakeForm form;
        form.wifiType = c.wifiType;
        form.texts[c.field] = c.text;
        EXPECT_EQ(firstFailure(form), c.expected);
    }
}

TEST(ParGenChecks, ConditionsSwitchChecksOff)
{
    FakeForm form;
    form.texts["E_EthConn_Pri_DNS_IP1"] = "999";
    form.texts["E_Ethernet_GAT1"] = "999";
    form.texts["E_WiFi2_IP1_GAT1"] = "999";
    form.texts["E_WiFi2_DHCP_SM1"] = "999";
    form.boxes = {};
    EXPECT_EQ(firstFailure(form), std::nullopt);

    // The station's first block is skipped while its fields are hidden or disabled.
    FakeForm station;
    station.wifiType = 1;
    station.texts["E_WiFi2_IP1_IP1"] = "999";
    station.shown = {};
    EXPECT_EQ(firstFailure(station), std::nullopt);

    // The second block is checked only when its fields are shown and enabled.
    station.shown = {"E_WiFi2_IP2_IP1"};
    station.texts["E_WiFi2_IP2_GAT4"] = "999";
    EXPECT_EQ(firstFailure(station), 1609);

    FakeForm reprogram;
    reprogram.shown.insert("E_MQTT_Reproram_Value");
    EXPECT_EQ(firstFailure(reprogram), 1587);
}

TEST(ParGenChecks, StopsAtTheFirstFailureInTableOrder)
{
    FakeForm form;
    form.texts["E_NTP_Poll_Time"] = "";
    form.texts["E_Ethernet_SM2"] = "256";
    form.texts["E_Ethernet_SM1"] = "256";
    form.texts["E_EtherCAT_Slave_Node_Address"] = "0";
    const auto failure = params::firstParGenCheckFailure(form);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->textId, 989);
    EXPECT_EQ(failure->field, QStringLiteral("E_EtherCAT_Slave_Node_Address"));

    form.texts["E_EtherCAT_Slave_Node_Address"] = "5";
    EXPECT_EQ(firstFailure(form), 724);
    form.texts["E_Ethernet_SM1"] = "0";
    EXPECT_EQ(firstFailure(form), 725);
    form.texts["E_Ethernet_SM2"] = "0";
    EXPECT_EQ(firstFailure(form), 1320);
}

}  // namespace par_gen_checks_tests
