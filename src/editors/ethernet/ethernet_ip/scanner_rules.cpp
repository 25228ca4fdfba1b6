#include "editors/ethernet/ethernet_ip/scanner_rules.h"

#include "app/shared_checks.h"
#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "platform/strings.h"

namespace ethernet_ip {
namespace scanner_rules_detail {

constexpr int32_t kMaxWord = 65535;
constexpr int32_t kMaxPollTime = 100000000;
constexpr int32_t kMaxHeaderFormat = 7;

// Scanner columns as indexes of a row's texts (column - 1).
constexpr int kIPAddressText = 1;
constexpr int kInstanceTOText = 7;
constexpr int kConnPointTOText = 8;
constexpr int kInstanceOTText = 9;
constexpr int kConnPointOTText = 10;
constexpr int kDimHeaderTOText = 11;
constexpr int kDimHeaderOTText = 12;

bool inRange(const QString& text, int32_t lowest, int32_t highest)
{
    const int32_t value = platform::parseIntOr(text, -1);
    return value >= lowest && value <= highest;
}

bool validHeaderFormat(const QString& text)
{
    return platform::trimBlanks(text).toUpper() == QStringLiteral("DEFAULT") || inRange(text, 0, kMaxHeaderFormat);
}

bool validAddress(const QString& text)
{
    QString a, b, c, d;
    return app::Split_IP_Address(text, a, b, c, d);
}

}  // namespace scanner_rules_detail

using namespace scanner_rules_detail;

std::optional<rule_editor::RuleFailure> checkScannerRows(const std::vector<EtherNetIPScannerRow>& rows,
                                                         const ScannerLimits& limits)
{
    using namespace scanner_texts;
    int64_t inputs = 0;
    int64_t outputs = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const EtherNetIPScannerRow& r = rows[i];
        if (platform::trimBlanks(r.IP_Address).isEmpty())
            break;
        if (r.Enable.toUpper() != QStringLiteral("Y"))
            continue;
        const auto failure = [&](int text) { return rule_editor::RuleFailure{0, int(i) + 1, text}; };
        if (!validAddress(r.IP_Address))
            return failure(IPAddress);
        if (!inRange(r.Start_Input, 0, kMaxWord))
            return failure(StartInput);
        if (!inRange(r.Num_Input, 0, kMaxWord))
            return failure(NumInput);
        inputs += platform::parseIntOr(r.Num_Input, 0);
        if (!inRange(r.Start_Output, 0, kMaxWord))
            return failure(StartOutput);
        if (!inRange(r.Num_Output, 0, kMaxWord))
            return failure(NumOutput);
        outputs += platform::parseIntOr(r.Num_Output, 0);
        if (!inRange(r.Time_Poll, 1, kMaxPollTime))
            return failure(TimePoll);
        if (!inRange(r.Instance_T_O, 0, kMaxWord))
            return failure(InstanceTO);
        if (!inRange(r.Connection_Point_T_O, 0, kMaxWord))
            return failure(ConnPointTO);
        if (!inRange(r.Instance_O_T, 0, kMaxWord))
            return failure(InstanceOT);
        if (!inRange(r.Connection_Point_O_T, 0, kMaxWord))
            return failure(ConnPointOT);
        if (!validHeaderFormat(r.Dim_Header_T_O))
            return failure(DimHeaderTO);
        if (!validHeaderFormat(r.Dim_Header_O_T))
            return failure(DimHeaderOT);
    }
    if (inputs > limits.Num_Byte_In)
        return rule_editor::RuleFailure{0, 0, InputTotal, QString::number(limits.Num_Byte_In)};
    if (outputs > limits.Num_Byte_Out)
        return rule_editor::RuleFailure{0, 0, OutputTotal, QString::number(limits.Num_Byte_Out)};
    return std::nullopt;
}

int Err_Check_Data_Path(const QString& path, int expectedBytes)
{
    int count = 0;
    QString rest = path;
    while (!rest.isEmpty()) {
        const qsizetype comma = rest.indexOf(u',');
        const QString part = platform::trimBlanks(comma < 0 ? rest : rest.left(comma));
        rest = comma < 0 ? QString() : platform::trimBlanks(rest.mid(comma + 1));
        const int32_t value = platform::parseIntOr(QStringLiteral("0x") + part, -1);
        if (value < 0 || value > 0xFF)
            return 1;
        ++count;
    }
    return count < expectedBytes ? 2 : 0;
}

int edsImportRow(const std::vector<QStringList>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        const QStringList& texts = rows[i];
        if (platform::trimBlanks(texts.value(kIPAddressText)).isEmpty()
            && platform::trimBlanks(texts.value(kInstanceTOText)).isEmpty())
            return int(i);
    }
    return -1;
}

void applyEdsConnection(QStringList& rowTexts, const QStringList& pickerCells)
{
    struct Copy {
        int from;  // picker column
        int to;    // index of the row's texts
    };
    static constexpr Copy kCopies[] = {
        {TFEtherNEtIP_EDS::ColInstanceOT, kInstanceOTText},   {TFEtherNEtIP_EDS::ColConnPointOT, kConnPointOTText},
        {TFEtherNEtIP_EDS::ColInstanceTO, kInstanceTOText},   {TFEtherNEtIP_EDS::ColConnPointTO, kConnPointTOText},
        {TFEtherNEtIP_EDS::ColDimHeaderTO, kDimHeaderTOText}, {TFEtherNEtIP_EDS::ColDimHeaderOT, kDimHeaderOTText},
    };
    for (const Copy& copy : kCopies)
        if (copy.to < rowTexts.size())
            rowTexts[copy.to] = pickerCells.value(copy.from);
}

}  // namespace ethernet_ip
