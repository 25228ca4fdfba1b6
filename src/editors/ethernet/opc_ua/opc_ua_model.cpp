#include "editors/ethernet/opc_ua/opc_ua_model.h"

#include <algorithm>

#include "editors/ethernet/opc_ua/opc_ua_search.h"
#include "platform/strings.h"

namespace opc_ua {
namespace model_detail {

// A hexadecimal number as "0x" + text reads it; 0 when it is none.
uint32_t hexOr0(const QString& text)
{
    return static_cast<uint32_t>(platform::parseIntOr(QStringLiteral("0x") + text, 0));
}

// The text before the first "-" of `rest` (all of it without one); `rest`
// keeps what follows.
QString takeGroup(QString& rest)
{
    const qsizetype dash = rest.indexOf(u'-');
    QString group = dash >= 0 ? rest.left(dash) : rest;
    rest = dash >= 0 ? rest.mid(dash + 1) : QString();
    return group;
}

}  // namespace model_detail
using namespace model_detail;

QString TOPC_UA_Variable::NodeType() const { return app::NodeType_To_Str(identifierType); }

void TOPC_UA_Variable::SetNodeType(const QString& text) { identifierType = app::Str_To_NodeType(text); }

QString TOPC_UA_Variable::NodeID() const
{
    switch (identifierType) {
    case app::kNodeNumeric: return QString::number(numeric);
    case app::kNodeString: return stringname;
    case app::kNodeGuid: return app::Guid_To_Str(guide1, guide2, guide3, guide4);
    case app::kNodeByteString: return byteString;
    default: return {};
    }
}

void TOPC_UA_Variable::SetNodeID(const QString& text)
{
    switch (identifierType) {
    case app::kNodeNumeric: {
        // The whole unsigned 32-bit range.
        const std::optional<int64_t> value = platform::parseInt64(text);
        numeric = value && *value >= 0 && *value <= 0xFFFFFFFFLL ? static_cast<uint32_t>(*value) : 0;
        break;
    }
    case app::kNodeString: stringname = text; break;
    case app::kNodeByteString: byteString = text; break;
    case app::kNodeGuid: {
        QString rest = platform::trimBlanks(text);
        guide1 = hexOr0(takeGroup(rest));
        guide2 = static_cast<uint16_t>(hexOr0(takeGroup(rest)));
        guide3 = static_cast<uint16_t>(hexOr0(takeGroup(rest)));
        for (int i = 0; i < 8; ++i) {
            if (rest.size() < 3) {
                guide4[i] = static_cast<uint8_t>(hexOr0(rest));
                rest.clear();
                continue;
            }
            guide4[i] = static_cast<uint8_t>(hexOr0(rest.left(2)));
            // After the second byte comes the "-" before the last group.
            rest = rest.mid(i == 1 ? 3 : 2);
        }
        break;
    }
    default: break;
    }
}

QString TOPC_UA_Variable::VarType() const
{
    return dataType >= 1 && dataType <= 14 ? app::VarType_To_Str(dataType) : app::VarType_To_Str(0);
}

void TOPC_UA_Variable::SetVarType(const QString& text)
{
    const QStringList& names = app::dataTypeNames();
    const auto at = std::find_if(names.begin(), names.end(),
                                 [&](const QString& name) { return name.compare(text, Qt::CaseInsensitive) == 0; });
    dataType = at != names.end() ? int32_t(at - names.begin()) : 0;
}

TOPC_UA_Variable variableFromBrowse(const BrowsedVariable& found)
{
    TOPC_UA_Variable v;
    v.Enable = true;
    v.nameSpaceIndex = found.record.nameSpaceIndex;
    v.identifierType = found.record.identifierType;
    v.numeric = found.record.numeric;
    v.guide1 = found.record.guide1;
    v.guide2 = found.record.guide2;
    v.guide3 = found.record.guide3;
    std::copy(std::begin(found.record.guide4), std::end(found.record.guide4), v.guide4);
    v.dataType = found.record.dataType;
    v.DispalyName = found.displayName;
    v.stringname = found.stringname;
    v.byteString = found.byteString;
    return v;
}

}  // namespace opc_ua
