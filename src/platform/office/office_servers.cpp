#include "platform/office/office_servers.h"

#include "platform/office/data_access/data_access.h"
#include "platform/office/spreadsheet/spreadsheet_server.h"
#include "platform/office/word/word_application.h"

namespace platform::office {

void ServerRegistry::Add(const QString& programName, ServerEntry entry)
{
    entries_[programName.toLower()] = std::move(entry);
}

bool ServerRegistry::Has(const QString& programName) const { return entries_.count(programName.toLower()) != 0; }

automation::ObjectRef ServerRegistry::CreateObject(const QString& programName)
{
    const auto found = entries_.find(programName.toLower());
    return found != entries_.end() && found->second.create ? found->second.create() : nullptr;
}

automation::ObjectRef ServerRegistry::GetActiveObject(const QString& programName)
{
    const auto found = entries_.find(programName.toLower());
    return found != entries_.end() && found->second.active ? found->second.active() : nullptr;
}

std::shared_ptr<ServerRegistry> OfficeServers()
{
    auto registry = std::make_shared<ServerRegistry>();
    spreadsheet::AddSpreadsheetServer(*registry);
    word::AddWordServer(*registry);
    data_access::AddDataAccessServers(*registry);
    return registry;
}

void InstallOfficeServers() { automation::InstallObjectFactory(OfficeServers()); }

}  // namespace platform::office
