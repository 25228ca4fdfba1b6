#include "params/par_gen_checks.h"

#include <QRegularExpression>

#include <functional>
#include <vector>

#include "platform/strings.h"

namespace params {
namespace par_gen_checks_detail {

// One check: the fields it reads (one, or the four octets of an address),
// the accepted range, the message id of each field and when it applies.
struct CheckRule {
    std::function<bool(const ParGenCheckSource&)> applies;
    QString field;  // the single field, or the octet fields' stem ("E_Ethernet_IP" + 1..4)
    enum Kind { Number, Octets, NotBlank } kind;
    qint64 lowest;
    qint64 highest;
    std::vector<int> textIds;  // one per field
};

// The field's text as a decimal integer; -1 for a text that is none (blanks
// around the digits included).
qint64 numberOf(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!decimal.match(text).hasMatch())
        return -1;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok ? value : -1;
}

bool always(const ParGenCheckSource&)
{
    return true;
}

std::vector<int> idRange(int first, int count = 4)
{
    std::vector<int> ids;
    for (int k = 0; k < count; ++k)
        ids.push_back(first + k);
    return ids;
}

const std::vector<CheckRule>& checkRules()
{
    using S = const ParGenCheckSource&;
    const auto dns = [](S s) { return s.checked(QStringLiteral("CB_EthConn_Enable_DNS")); };
    const auto box = [](const char* name) { return [name](S s) { return s.checked(QString::fromLatin1(name)); }; };
    const auto accessPoint = [](S s) { return s.listIndex(QStringLiteral("CB_WiFi2_Type")) == 0; };
    const auto apWith = [accessPoint](const char* name) {
        return [accessPoint, name](S s) { return accessPoint(s) && s.checked(QString::fromLatin1(name)); };
    };
    const auto stationBlock = [accessPoint](const char* first) {
        return [accessPoint, first](S s) {
            return !accessPoint(s) && s.visibleAndEnabled(QString::fromLatin1(first));
        };
    };
    const auto stationBlockWith = [stationBlock](const char* first, const char* gateway) {
        return [block = stationBlock(first), gateway](S s) { return block(s) && s.checked(QString::fromLatin1(gateway)); };
    };
    static const std::vector<CheckRule> rules = {
        {dns, QStringLiteral("E_EthConn_Pri_DNS_IP"), CheckRule::Octets, 0, 255, idRange(1563)},
        {dns, QStringLiteral("E_EthConn_Sec_DNS_IP"), CheckRule::Octets, 0, 255, idRange(1567)},
        {always, QStringLiteral("E_EtherCAT_Slave_Revision_Number"), CheckRule::Number, 0, 4294967295LL, {412}},
        {always, QStringLiteral("E_EtherCAT_Slave_Name"), CheckRule::NotBlank, 0, 0, {411}},
        {always, QStringLiteral("E_EtherCAT_Slave_Node_Address"), CheckRule::Number, 1, 192, {989}},
        {always, QStringLiteral("E_Ethernet_IP"), CheckRule::Octets, 0, 255, idRange(720)},
        {always, QStringLiteral("E_Ethernet_SM"), CheckRule::Octets, 0, 255, idRange(724)},
        {box("CB_Ethernet_En_GAT"), QStringLiteral("E_Ethernet_GAT"), CheckRule::Octets, 0, 255, idRange(728)},
        {[](S s) { return s.visibleAndEnabled(QStringLiteral("E_MQTT_Reproram_Value")); },
         QStringLiteral("E_MQTT_Reproram_Value"), CheckRule::Number, 0, 255, {1587}},
        {accessPoint, QStringLiteral("E_WiFi2_IP1_IP"), CheckRule::Octets, 0, 255, idRange(964)},
        {accessPoint, QStringLiteral("E_WiFi2_IP1_SM"), CheckRule::Octets, 0, 255, idRange(968)},
        {apWith("CB_WiFi2_IP1_En_GAT"), QStringLiteral("E_WiFi2_IP1_GAT"), CheckRule::Octets, 0, 255, idRange(972)},
        {apWith("CB_WiFi2_En_DHCP"), QStringLiteral("E_WiFi2_DHCP_First_IP"), CheckRule::Octets, 0, 255, idRange(976)},
        {apWith("CB_WiFi2_En_DHCP"), QStringLiteral("E_WiFi2_DHCP_SM"), CheckRule::Octets, 0, 255, idRange(980)},
        {apWith("CB_WiFi2_En_DHCP"), QStringLiteral("E_WiFi2_Lease_Time"), CheckRule::Number, 1, 99999999, {984}},
        {stationBlock("E_WiFi2_IP1_IP1"), QStringLiteral("E_WiFi2_IP1_IP"), CheckRule::Octets, 0, 255, {985, 986, 1588, 1589}},
        {stationBlock("E_WiFi2_IP1_IP1"), QStringLiteral("E_WiFi2_IP1_SM"), CheckRule::Octets, 0, 255, idRange(1590)},
        {stationBlockWith("E_WiFi2_IP1_IP1", "CB_WiFi2_IP1_En_GAT"), QStringLiteral("E_WiFi2_IP1_GAT"), CheckRule::Octets, 0, 255,
         idRange(1594)},
        {stationBlock("E_WiFi2_IP2_IP1"), QStringLiteral("E_WiFi2_IP2_IP"), CheckRule::Octets, 0, 255, idRange(1598)},
        {stationBlock("E_WiFi2_IP2_IP1"), QStringLiteral("E_WiFi2_IP2_SM"), CheckRule::Octets, 0, 255, idRange(1602)},
        {stationBlockWith("E_WiFi2_IP2_IP1", "CB_WiFi2_IP2_En_GAT"), QStringLiteral("E_WiFi2_IP2_GAT"), CheckRule::Octets, 0, 255,
         idRange(1606)},
        {always, QStringLiteral("E_NTP_Poll_Time"), CheckRule::Number, 0, 10000000, {1320}},
    };
    return rules;
}

}  // namespace par_gen_checks_detail

std::optional<ParGenCheckFailure> firstParGenCheckFailure(const ParGenCheckSource& source)
{
    using namespace par_gen_checks_detail;
    for (const CheckRule& rule : checkRules()) {
        if (!rule.applies(source))
            continue;
        if (rule.kind == CheckRule::NotBlank) {
            if (platform::trimBlanks(source.text(rule.field)).isEmpty())
                return ParGenCheckFailure{rule.textIds[0], rule.field};
            continue;
        }
        const bool octets = rule.kind == CheckRule::Octets;
        for (int k = 0; k < (octets ? 4 : 1); ++k) {
            const QString field = octets ? rule.field + QString::number(k + 1) : rule.field;
            const qint64 value = numberOf(source.text(field));
            if (value < rule.lowest || value > rule.highest)
                return ParGenCheckFailure{rule.textIds[k], field};
        }
    }
    return std::nullopt;
}

}  // namespace params
