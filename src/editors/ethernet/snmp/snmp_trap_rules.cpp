#include "editors/ethernet/snmp/snmp_trap_rules.h"

#include <QSet>

#include "app/shared_checks.h"
#include "platform/strings.h"

namespace snmp {
namespace trap_rules_detail {

// The texts of one table's rules.
struct TableTexts {
    int communityName;
    int type;
    int position;
    int startBit;
    int startBitString;
    int bits;
    int bytes;
    int description;
    int conversion;
};

constexpr TableTexts kReadTexts = {
    trap_texts::ReadCommunityName, trap_texts::ReadType,  trap_texts::ReadPosition,
    trap_texts::ReadStartBit,      trap_texts::ReadStartBitString, trap_texts::ReadBits,
    trap_texts::ReadBytes,         trap_texts::ReadDescription,    trap_texts::ReadConversion};
constexpr TableTexts kWriteTexts = {
    trap_texts::WriteCommunityName, trap_texts::WriteType,  trap_texts::WritePosition,
    trap_texts::WriteStartBit,      trap_texts::WriteStartBitString, trap_texts::WriteBits,
    trap_texts::WriteBytes,         trap_texts::WriteDescription,    trap_texts::WriteConversion};

bool blank(const QString& text) { return platform::trimBlanks(text).isEmpty(); }
int32_t number(const QString& text) { return platform::parseIntOr(text, -1); }

bool letterOrDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// A variable's fields that both tables check.
struct VariableFields {
    const QString& communityName;
    const QString& type;
    const QString& position;
    const QString& startBit;
    const QString& numBits;
    const QString& description;
    const QString& conversion;
};

// The text of the first rule a variable breaks; the rules of a read row
// alone (its timer and its trap address) come as their outcomes, taken in
// their places.
std::optional<int> variableRuleBroken(const VariableFields& row, const TableTexts& texts,
                                      const std::optional<int>& timerBroken, const std::optional<int>& addressBroken)
{
    if (Check_Error_CommName_Desc(row.communityName, NameCheck::CommunityName) != 0)
        return texts.communityName;
    if (blank(row.type))
        return texts.type;
    const bool integer = row.type.toUpper() == QStringLiteral("INT");
    if (timerBroken)
        return timerBroken;
    if (blank(row.position))
        return texts.position;
    if (blank(row.startBit))
        return texts.startBit;
    if (!integer && platform::trimBlanks(row.startBit) != QStringLiteral("0"))
        return texts.startBitString;
    const int32_t size = number(row.numBits);
    if (integer && (size < 1 || size > 64))
        return texts.bits;
    if (!integer && (size < 1 || size > 16))
        return texts.bytes;
    if (Check_Error_CommName_Desc(row.description, NameCheck::Description) != 0)
        return texts.description;
    if (addressBroken)
        return addressBroken;
    if (blank(row.conversion))
        return texts.conversion;
    return std::nullopt;
}

std::optional<int> readRuleBroken(const SNMPTrapReadRow& r)
{
    std::optional<int> timer;
    if (r.On_Timer.toUpper() == QStringLiteral("Y")) {
        const int32_t time = number(r.Time);
        if (time < 1 || time > kMaxTrapTime)
            timer = trap_texts::ReadTime;
    }
    std::optional<int> address;
    QString part1, part2, part3, part4;
    if (!app::Split_IP_Address(r.IP_Address, part1, part2, part3, part4))
        address = trap_texts::ReadIPAddress;
    return variableRuleBroken(
        {r.Community_Name, r.Type, r.Position, r.Bit, r.NumBits, r.Description, r.Conversion}, kReadTexts, timer,
        address);
}

std::optional<int> writeRuleBroken(const SNMPTrapWriteRow& r)
{
    return variableRuleBroken({r.Community_Name, r.Type, r.Position, r.Bit, r.NumBits, r.Description, r.Conversion},
                              kWriteTexts, std::nullopt, std::nullopt);
}

}  // namespace trap_rules_detail
using namespace trap_rules_detail;

int Check_Error_CommName_Desc(const QString& text, NameCheck kind)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool valid = i == 0 && kind == NameCheck::Description ? c >= u'a' && c <= u'z' : letterOrDigit(c);
        if (!valid)
            return 1;
    }
    return 0;
}

bool variableEnabled(const QString& enable) { return enable.toUpper() == QStringLiteral("Y"); }

QStringList variableIndexes(const QStringList& enableTexts)
{
    QStringList labels;
    labels.reserve(enableTexts.size());
    int counter = 1;
    for (const QString& enable : enableTexts)
        labels << (variableEnabled(enable) ? QString::number(counter++) : QString());
    return labels;
}

std::optional<rule_editor::RuleFailure> checkSNMPTrapVariables(const SNMPTrapFile& file)
{
    constexpr int read = 0;
    constexpr int write = 1;
    // SL_Check_Desc: the descriptions of the rows checked, and the table of
    // the last one.
    QSet<QString> descriptions;
    std::optional<int> repeatedIn;
    const auto note = [&](const QString& description, int table) {
        if (descriptions.contains(description) && !repeatedIn)
            repeatedIn = table;
        descriptions.insert(description);
    };
    for (size_t i = 0; i < file.Read.size(); ++i) {
        const SNMPTrapReadRow& r = file.Read[i];
        if (!variableEnabled(r.Enable))
            continue;
        if (const auto text = readRuleBroken(r))
            return rule_editor::RuleFailure{read, int(i) + 1, *text};
        note(r.Description, read);
    }
    for (size_t i = 0; i < file.Write.size(); ++i) {
        const SNMPTrapWriteRow& r = file.Write[i];
        if (!variableEnabled(r.Enable))
            continue;
        if (const auto text = writeRuleBroken(r))
            return rule_editor::RuleFailure{write, int(i) + 1, *text};
        note(r.Description, write);
    }
    if (repeatedIn)
        return rule_editor::RuleFailure{*repeatedIn, 0, trap_texts::DescriptionsNotDistinct};
    return std::nullopt;
}

}  // namespace snmp
