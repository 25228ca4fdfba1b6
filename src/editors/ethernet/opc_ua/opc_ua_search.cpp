#include "editors/ethernet/opc_ua/opc_ua_search.h"

#include "editors/ethernet/opc_ua/opc_ua_model.h"
#include "platform/codepage.h"
#include "platform/dynamic_library.h"

namespace opc_ua {
namespace search_detail {

QString copied(const char* text)
{
    return text != nullptr ? platform::fromAnsi(QByteArray(text)) : QString();
}

}  // namespace search_detail
using namespace search_detail;

app::opcua_server_to_discover SearchServer::record() const
{
    return {server_address.constData(), user_pass_auth_flag, username.constData(), password.constData(),
            cert.constData(), priv_key.constData(), security_type, security_policy};
}

SearchServer searchServerOf(const TOPC_UA_Server& server)
{
    SearchServer s;
    s.server_address = platform::toAnsi(server.ServerAddress);
    s.user_pass_auth_flag = app::Str_To_Authorization(server.Authorization);
    s.username = platform::toAnsi(server.UserName);
    s.password = platform::toAnsi(server.Password);
    s.cert = platform::toAnsi(server.Certificate);
    s.priv_key = platform::toAnsi(server.PrivateKey);
    s.security_type = app::Str_To_SecurityType(server.SecurityType);
    s.security_policy = app::Str_To_SecurityPolicy(server.SecurityPolicy);
    return s;
}

BrowseResult browseServer(const SearchServer& server, const QStringList& folders)
{
    BrowseResult result;
    const std::unique_ptr<platform::DynamicLibrary> library = platform::DynamicLibrary::open(kSearchLibrary, folders);
    if (!library) {
        result.status = BrowseStatus::LibraryMissing;
        return result;
    }
    const auto begin = library->function<app::opcua_client_begin_fn>(kClientBegin);
    const auto returnVariable = library->function<app::opcua_return_variable_fn>(kReturnVariable);
    if (begin == nullptr || returnVariable == nullptr) {
        result.status = BrowseStatus::FunctionMissing;
        return result;
    }
    const int32_t count = begin(server.record());
    if (count <= 0)
        return result;
    result.variables.resize(size_t(count));
    for (int32_t i = 0; i < count; ++i) {
        BrowsedVariable& found = result.variables[size_t(i)];
        returnVariable(&found.record, i);
        // The texts belong to the library, which is released below.
        found.stringname = copied(found.record.stringname);
        found.byteString = copied(found.record.byteString);
        found.displayName = copied(found.record.displayName);
        found.record.stringname = nullptr;
        found.record.byteString = nullptr;
        found.record.displayName = nullptr;
    }
    return result;
}

QStringList browseRowCells(const BrowsedVariable& found, int number)
{
    const app::opcua_structure& r = found.record;
    const QString yes = QStringLiteral("Y");
    const bool read = r.accessLevel == 0 || (r.accessLevel & 1) != 0;
    const bool write = r.accessLevel == 0 || (r.accessLevel & 2) != 0;
    QString access = QStringLiteral("Read/Write");
    if (r.accessLevel == 1)
        access = QStringLiteral("Read");
    else if (r.accessLevel == 2)
        access = QStringLiteral("Write");
    return {QString::number(number),
            read ? yes : QString(),
            write ? yes : QString(),
            found.displayName,
            app::NodeType_To_Str(r.identifierType),
            // The identifier as NodeID_To_Str gives it, from the copied texts.
            variableFromBrowse(found).NodeID(),
            app::VarType_To_Str(r.dataType),
            QString::number(r.nameSpaceIndex),
            access};
}

}  // namespace opc_ua
