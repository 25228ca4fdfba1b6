#include "editors/ethernet/opc_ua/opc_ua_client_rules.h"

#include <algorithm>

#include "editors/ethernet/opc_ua/opc_ua_search.h"
#include "platform/strings.h"

namespace opc_ua {
namespace rules_detail {

bool blank(const QString& text) { return platform::trimBlanks(text).isEmpty(); }

int number(const QString& text) { return platform::parseIntOr(text, -1); }

bool stringType(const TOPC_UA_Variable& v)
{
    const QString type = v.VarType().toUpper();
    return type == QLatin1String("STRING") || type == QLatin1String("BYTESTRING");
}

bool isArray(const TOPC_UA_Variable& v)
{
    return platform::trimBlanks(v.VarArray).toUpper() == QLatin1String("ARRAY");
}

// The farthest position + size over a list (positions that are no number
// count as 0).
int reach(const std::vector<TOPC_UA_Variable>& list)
{
    int farthest = 0;
    for (const TOPC_UA_Variable& v : list)
        farthest = std::max(farthest, platform::parseIntOr(v.Position, 0) + variableSize(v));
    return farthest;
}

void place(std::vector<TOPC_UA_Variable>& list, int position)
{
    for (TOPC_UA_Variable& v : list) {
        v.Position = QString::number(position);
        position += variableSize(v);
    }
}

rule_editor::RuleFailure failure(VariableList list, int textId, size_t server, size_t variable, bool withLimit = false)
{
    rule_editor::RuleFailure f{int(list), 0, textId};
    f.values = {QString::number(server + 1), QString::number(variable + 1)};
    if (withLimit)
        f.values << QString::number(kLastPosition);
    return f;
}

std::optional<int> checkRead(const TOPC_UA_Variable& v)
{
    using namespace client_texts;
    if (blank(v.VarArray))
        return VarArrayEmpty;
    if (isArray(v)) {
        if (stringType(v))
            return StringArray;
        if (number(v.Start) < 0)
            return ArrayStart;
        if (number(v.Len) < 0)
            return ArrayLength;
    } else if (stringType(v)) {
        if (number(v.Start) < 0)
            return StringStart;
        if (number(v.Len) < 0)
            return StringLength;
    }
    if (blank(v.Time))
        return ReadTimeEmpty;
    if (number(v.Time) < 1)
        return ReadTimeZero;
    if (blank(v.Position))
        return ReadPositionEmpty;
    if (number(v.Position) < 0 || number(v.Position) > kLastPosition)
        return ReadPositionRange;
    return std::nullopt;
}

std::optional<int> checkWrite(const TOPC_UA_Variable& v)
{
    using namespace client_texts;
    if (v.OnTimer == kYes) {
        if (blank(v.Time))
            return WriteTimeEmpty;
        if (number(v.Time) < 1)
            return WriteTimeZero;
    }
    if (blank(v.Position))
        return WritePositionEmpty;
    if (number(v.Position) < 0 || number(v.Position) > kLastPosition)
        return WritePositionRange;
    return std::nullopt;
}

}  // namespace rules_detail
using namespace rules_detail;

QStringList variableRowTexts(const TOPC_UA_Variable& v, VariableList list)
{
    QStringList texts = {v.Enable ? kYes : kNo, v.DispalyName, v.NodeType(), v.NodeID(), v.VarType(),
                         QString::number(v.nameSpaceIndex)};
    if (list == ReadList)
        texts << v.VarArray << v.Start << v.Len;
    else
        texts << v.OnChange << v.OnCMD << v.OnTimer;
    texts << v.Time << v.Position << v.Mnemonic;
    return texts;
}

TOPC_UA_Variable variableOfRow(const QStringList& texts, VariableList list)
{
    TOPC_UA_Variable v;
    v.Enable = texts.value(0) == kYes;
    v.DispalyName = texts.value(1);
    v.SetNodeType(texts.value(2));
    v.SetNodeID(texts.value(3));
    v.SetVarType(texts.value(4));
    v.nameSpaceIndex = static_cast<uint16_t>(platform::parseIntOr(texts.value(5), 0));
    if (list == ReadList) {
        v.VarArray = texts.value(6);
        v.Start = texts.value(7);
        v.Len = texts.value(8);
        v.OnChange = v.OnCMD = v.OnTimer = kNo;
    } else {
        v.OnChange = texts.value(6);
        v.OnCMD = texts.value(7);
        v.OnTimer = texts.value(8);
    }
    v.Time = texts.value(9);
    v.Position = texts.value(10);
    v.Mnemonic = texts.value(11);
    return v;
}

std::vector<TOPC_UA_Variable> markedVariables(const std::vector<BrowsedVariable>& found, const std::vector<bool>& marks)
{
    std::vector<TOPC_UA_Variable> variables;
    for (size_t i = 0; i < found.size() && i < marks.size(); ++i) {
        if (!marks[i])
            continue;
        TOPC_UA_Variable v = variableFromBrowse(found[i]);
        if (blank(v.DispalyName))
            v.DispalyName = !blank(v.NodeID()) ? v.NodeID() : QStringLiteral("Variable %1").arg(i + 1);
        variables.push_back(std::move(v));
    }
    return variables;
}

QStringList serverRowTexts(const TOPC_UA_Server& s, int number)
{
    return {QString::number(number), s.Enable ? kYes : kNo, s.ServerAddress, s.Authorization, s.UserName,
            s.Password,  s.Certificate, s.PrivateKey, s.SecurityType, s.SecurityPolicy, s.Mnemonic};
}

void replaceShownVariables(std::vector<TOPC_UA_Variable>& list, int shown, std::vector<TOPC_UA_Variable> rows)
{
    const size_t hidden = std::min(list.size(), size_t(std::max(shown, 0)));
    rows.insert(rows.end(), std::make_move_iterator(list.begin() + qsizetype(hidden)),
                std::make_move_iterator(list.end()));
    list = std::move(rows);
}

int GetLenVarType(const QString& typeName)
{
    const QString type = typeName.toUpper();
    if (type == QLatin1String("BOOLEAN") || type == QLatin1String("INT8") || type == QLatin1String("UINT8"))
        return 1;
    if (type == QLatin1String("INT16") || type == QLatin1String("UINT16"))
        return 2;
    if (type == QLatin1String("INT32") || type == QLatin1String("UINT32") || type == QLatin1String("FLOAT"))
        return 4;
    if (type == QLatin1String("INT64") || type == QLatin1String("UINT64") || type == QLatin1String("DOUBLE")
        || type == QLatin1String("DATETIME"))
        return 8;
    if (type == QLatin1String("GUID"))
        return 16;
    if (type == QLatin1String("STRING") || type == QLatin1String("BYTESTRING"))
        return 20;
    return 0;
}

int variableSize(const TOPC_UA_Variable& v)
{
    const int element = GetLenVarType(v.VarType());
    const int count = isArray(v) ? platform::parseIntOr(v.Len, 0) : 1;
    return count >= 1 ? element * count : element;
}

StartPositions Start_Position(const ServerList& servers, int selected)
{
    if (selected < 1 || selected > int(servers.size()))
        return {};
    const TOPC_UA_Server& before = servers[size_t(selected - 1)];
    return {reach(before.Var_List_R), reach(before.Var_List_W)};
}

void autoPosition(ServerList& servers, int selected)
{
    if (selected < 0 || selected >= int(servers.size()))
        return;
    const StartPositions start = Start_Position(servers, selected);
    place(servers[size_t(selected)].Var_List_R, start.read);
    place(servers[size_t(selected)].Var_List_W, start.write);
}

std::optional<rule_editor::RuleFailure> checkServers(const ServerList& servers)
{
    using namespace client_texts;
    for (size_t s = 0; s < servers.size(); ++s) {
        const TOPC_UA_Server& server = servers[s];
        for (size_t i = 0; i < server.Var_List_R.size(); ++i)
            if (server.Var_List_R[i].Enable)
                if (const std::optional<int> id = checkRead(server.Var_List_R[i]))
                    return failure(ReadList, *id, s, i, *id == ReadPositionRange);
        for (size_t i = 0; i < server.Var_List_W.size(); ++i)
            if (server.Var_List_W[i].Enable)
                if (const std::optional<int> id = checkWrite(server.Var_List_W[i]))
                    return failure(WriteList, *id, s, i, *id == WritePositionRange);
    }
    return std::nullopt;
}

int checkServerFields(const QString& address, int authorization, const QString& user, const QString& password,
                      const QString& certificate, const QString& key)
{
    using namespace add_server_texts;
    if (blank(address))
        return AddressEmpty;
    if (authorization == 1) {
        if (blank(user))
            return UserEmpty;
        if (blank(password))
            return PasswordEmpty;
    }
    if (authorization == 2) {
        if (blank(certificate))
            return CertificateEmpty;
        if (blank(key))
            return KeyEmpty;
    }
    return 0;
}

}  // namespace opc_ua
