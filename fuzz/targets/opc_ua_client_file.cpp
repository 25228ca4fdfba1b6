// OPC_UA_Client.xml: the OPC UA client's servers and their variables. Any
// bytes give the servers read up to the first missing part, never a crash;
// the file written from them reads back the same servers (write variables
// with their fixed texts) and is written again byte for byte the same.

#include "editors/ethernet/opc_ua/opc_ua_client_file.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

namespace {

void sameVariables(const std::vector<opc_ua::TOPC_UA_Variable>& back,
                   const std::vector<opc_ua::TOPC_UA_Variable>& held, bool read)
{
    FUZZ_CHECK(back.size() == held.size());
    for (size_t k = 0; k < back.size() && k < held.size(); ++k) {
        const opc_ua::TOPC_UA_Variable& b = back[k];
        const opc_ua::TOPC_UA_Variable& v = held[k];
        FUZZ_CHECK(b.Enable == v.Enable && b.nameSpaceIndex == v.nameSpaceIndex);
        FUZZ_CHECK_EQUAL(b.DispalyName, v.DispalyName);
        FUZZ_CHECK_EQUAL(b.NodeType(), v.NodeType());
        FUZZ_CHECK_EQUAL(b.VarType(), v.VarType());
        FUZZ_CHECK_EQUAL(b.Time, v.Time);
        FUZZ_CHECK_EQUAL(b.Position, v.Position);
        FUZZ_CHECK_EQUAL(b.Mnemonic, v.Mnemonic);
        FUZZ_CHECK_EQUAL(b.VarArray, read ? v.VarArray : QStringLiteral("Var"));
        FUZZ_CHECK_EQUAL(b.Start, read ? v.Start : QStringLiteral("0"));
        FUZZ_CHECK_EQUAL(b.Len, read ? v.Len : QStringLiteral("0"));
        FUZZ_CHECK_EQUAL(b.OnChange, read ? opc_ua::kNo : v.OnChange);
        FUZZ_CHECK_EQUAL(b.OnCMD, read ? opc_ua::kNo : v.OnCMD);
        FUZZ_CHECK_EQUAL(b.OnTimer, read ? opc_ua::kNo : v.OnTimer);
        if (!v.NodeType().isEmpty())
            FUZZ_CHECK_EQUAL(b.NodeID(), v.NodeID());
    }
}

}  // namespace

FUZZ_TARGET(opc_ua_client_file)
{
    using namespace opc_ua;
    fuzz::FuzzedData input(data, size);
    const QString path = fuzz::scratchFile(QStringLiteral("OPC_UA_Client.xml"), input.takeRest());
    platform::XmlDocument doc;
    ServerList servers;
    const ClientFileRead read = readOPCUAClientFile(path, doc, servers);
    FUZZ_CHECK(read.exists);

    const QString written = fuzz::scratchPath(QStringLiteral("servers written"));
    FUZZ_CHECK(writeOPCUAClientFile(written, doc, servers));
    ServerList back;
    FUZZ_CHECK(readOPCUAClientFile(written, doc, back).ok());
    // Every server and variable comes back, with the texts as held; node
    // ids and data types come back as the model shows them.
    FUZZ_CHECK(back.size() == servers.size());
    for (size_t i = 0; i < back.size() && i < servers.size(); ++i) {
        TOPC_UA_Server server = servers[i];
        server.Var_List_R.clear();
        server.Var_List_W.clear();
        TOPC_UA_Server server_back = back[i];
        server_back.Var_List_R.clear();
        server_back.Var_List_W.clear();
        FUZZ_CHECK(server_back == server);
        sameVariables(back[i].Var_List_R, servers[i].Var_List_R, true);
        sameVariables(back[i].Var_List_W, servers[i].Var_List_W, false);
    }

    fuzz::checkWriteReadWrite(
        servers, [&](const QString& to, const ServerList& list) { return writeOPCUAClientFile(to, doc, list); },
        [&](const QString& from, ServerList& list) { return readOPCUAClientFile(from, doc, list).ok(); });
}
