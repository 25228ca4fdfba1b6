#include "editors/ethernet/opc_ua/opc_ua_client_file.h"

#include "platform/paths.h"
#include "platform/strings.h"

namespace opc_ua {
namespace client_file_detail {

const QString kRoot = QStringLiteral("OPC_UA_Client");
const QString kServerList = QStringLiteral("OPC_UA_Server_List");
const QString kServer = QStringLiteral("OPC_UA_Server");
const QString kVariables = QStringLiteral("OPC_UA_Variables");
const QString kRead = QStringLiteral("OPC_UA_Read_Var");
const QString kWrite = QStringLiteral("OPC_UA_Write_Var");
const QString kVariable = QStringLiteral("Variable");
const QString kOne = QStringLiteral("1");
const QString kZero = QStringLiteral("0");

QString flag(bool on) { return on ? kOne : kZero; }
QString flag(const QString& yesNo) { return flag(yesNo == kYes); }

using ServerText = std::pair<const char*, QString TOPC_UA_Server::*>;
const ServerText kServerTexts[] = {
    {"ServerAddress", &TOPC_UA_Server::ServerAddress}, {"Authorization", &TOPC_UA_Server::Authorization},
    {"UserName", &TOPC_UA_Server::UserName},           {"Password", &TOPC_UA_Server::Password},
    {"Certificate", &TOPC_UA_Server::Certificate},     {"PrivateKey", &TOPC_UA_Server::PrivateKey},
    {"SecurityType", &TOPC_UA_Server::SecurityType},   {"SecurityPolicy", &TOPC_UA_Server::SecurityPolicy},
    {"Mnemonic", &TOPC_UA_Server::Mnemonic},
};

void writeVariable(platform::XmlElement list, const TOPC_UA_Variable& v, bool read)
{
    platform::XmlElement e = list.appendChild(kVariable);
    e.setAttribute(QStringLiteral("Enable"), flag(v.Enable));
    e.setAttribute(QStringLiteral("DisplayName"), v.DispalyName);
    e.setAttribute(QStringLiteral("NodeType"), v.NodeType());
    e.setAttribute(QStringLiteral("NodeID"), v.NodeID());
    e.setAttribute(QStringLiteral("VarType"), v.VarType());
    e.setAttribute(QStringLiteral("NameSpaceIndex"), QString::number(v.nameSpaceIndex));
    e.setAttribute(QStringLiteral("VarArray"), read ? v.VarArray : QStringLiteral("Var"));
    e.setAttribute(QStringLiteral("Start"), read ? v.Start : kZero);
    e.setAttribute(QStringLiteral("Length"), read ? v.Len : kZero);
    e.setAttribute(QStringLiteral("OnChange"), read ? kZero : flag(v.OnChange));
    e.setAttribute(QStringLiteral("OnCMD"), read ? kZero : flag(v.OnCMD));
    e.setAttribute(QStringLiteral("OnTimer"), read ? kZero : flag(v.OnTimer));
    e.setAttribute(QStringLiteral("Time"), v.Time);
    e.setAttribute(QStringLiteral("Position"), v.Position);
    e.setAttribute(QStringLiteral("Mnemonic"), v.Mnemonic);
}

// The reading of one file: stops at the first thing missing.
class Reader {
public:
    explicit Reader(ClientFileRead& result) : result_(result) {}

    platform::XmlElement element(const platform::XmlElement& parent, const QString& name)
    {
        platform::XmlElement e = parent.child(name);
        if (e.isNull() && result_.ok())
            result_.missingElement = name;
        return e;
    }

    // A required attribute.
    bool text(const platform::XmlElement& e, const QString& where, const char* name, QString& value)
    {
        const QString attribute = QString::fromLatin1(name);
        if (!e.hasAttribute(attribute)) {
            result_.where = where;
            result_.attribute = attribute;
            return false;
        }
        value = e.attribute(attribute);
        return true;
    }

    bool variable(const platform::XmlElement& e, const QString& where, TOPC_UA_Variable& v)
    {
        const auto optional = [&e](const char* name, const QString& missing) {
            const QString attribute = QString::fromLatin1(name);
            return e.hasAttribute(attribute) ? e.attribute(attribute) : missing;
        };
        const auto yesNo = [&e](const char* name) {
            return e.attribute(QString::fromLatin1(name)) == kOne ? kYes : kNo;
        };
        v.Enable = e.attribute(QStringLiteral("Enable")) == kOne;
        QString nodeType, nodeId, varType, nameSpace;
        if (!text(e, where, "DisplayName", v.DispalyName) || !text(e, where, "NodeType", nodeType)
            || !text(e, where, "NodeID", nodeId) || !text(e, where, "VarType", varType)
            || !text(e, where, "NameSpaceIndex", nameSpace))
            return false;
        v.SetNodeType(nodeType);
        v.SetNodeID(nodeId);
        v.SetVarType(varType);
        // A namespace index is 16 bits: one beyond them would be stored
        // as another index.
        const std::optional<int32_t> index = platform::parseInt(nameSpace);
        if (!index || *index < 0 || *index > 0xFFFF) {
            result_.where = where;
            result_.attribute = QStringLiteral("NameSpaceIndex");
            result_.badNumber = nameSpace;
            result_.notNumber = true;
            return false;
        }
        v.nameSpaceIndex = static_cast<uint16_t>(*index);
        v.VarArray = optional("VarArray", QStringLiteral("Variable"));
        v.Start = optional("Start", kZero);
        v.Len = optional("Length", kZero);
        v.OnChange = yesNo("OnChange");
        v.OnCMD = yesNo("OnCMD");
        v.OnTimer = yesNo("OnTimer");
        return text(e, where, "Time", v.Time) && text(e, where, "Position", v.Position)
               && text(e, where, "Mnemonic", v.Mnemonic);
    }

    bool list(const platform::XmlElement& variables, const QString& name, const QString& where,
              std::vector<TOPC_UA_Variable>& into)
    {
        const platform::XmlElement list = element(variables, name);
        if (list.isNull())
            return false;
        int k = 0;
        for (const platform::XmlElement& e : list.children()) {
            TOPC_UA_Variable v;
            if (!variable(e, QStringLiteral("%1/%2/%3 %4").arg(where, name, e.name()).arg(++k), v))
                return false;
            into.push_back(std::move(v));
        }
        return true;
    }

    bool server(const platform::XmlElement& e, int number, TOPC_UA_Server& s)
    {
        const QString where = QStringLiteral("%1 %2").arg(e.name()).arg(number);
        s.Enable = e.attribute(QStringLiteral("Enable")) == kOne;
        for (const auto& [name, member] : kServerTexts)
            if (!text(e, where, name, s.*member))
                return false;
        const platform::XmlElement variables = element(e, kVariables);
        return !variables.isNull() && list(variables, kRead, where, s.Var_List_R)
               && list(variables, kWrite, where, s.Var_List_W);
    }

private:
    ClientFileRead& result_;
};

}  // namespace client_file_detail
using namespace client_file_detail;

ClientFileRead readOPCUAClientFile(const QString& path, platform::XmlDocument& doc, ServerList& servers)
{
    servers.clear();
    ClientFileRead result;
    if (!platform::fileExists(path))
        return result;
    result.exists = true;
    if (!doc.load(path, &result.parseError))
        return result;
    Reader reader(result);
    const platform::XmlElement root = doc.root();
    if (root.name() != kRoot) {
        result.missingElement = kRoot;
        return result;
    }
    const platform::XmlElement list = reader.element(root, kServerList);
    if (list.isNull())
        return result;
    int number = 0;
    for (const platform::XmlElement& e : list.children()) {
        TOPC_UA_Server server;
        if (!reader.server(e, ++number, server))
            return result;
        servers.push_back(std::move(server));
    }
    return result;
}

bool writeOPCUAClientFile(const QString& path, platform::XmlDocument& doc, const ServerList& servers, QString* error)
{
    doc.clear();
    platform::XmlElement list = doc.appendRoot(kRoot).appendChild(kServerList);
    for (const TOPC_UA_Server& s : servers) {
        platform::XmlElement e = list.appendChild(kServer);
        e.setAttribute(QStringLiteral("Enable"), flag(s.Enable));
        for (const auto& [name, member] : kServerTexts)
            e.setAttribute(QString::fromLatin1(name), s.*member);
        platform::XmlElement variables = e.appendChild(kVariables);
        platform::XmlElement read = variables.appendChild(kRead);
        for (const TOPC_UA_Variable& v : s.Var_List_R)
            writeVariable(read, v, true);
        platform::XmlElement write = variables.appendChild(kWrite);
        for (const TOPC_UA_Variable& v : s.Var_List_W)
            writeVariable(write, v, false);
    }
    return doc.save(path, error);
}

}  // namespace opc_ua
