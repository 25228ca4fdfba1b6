#pragma once

// The program's office servers behind the automation factory: each server
// adds its program names to one registry, which answers CreateObject and
// GetActiveObject for them. The program installs it at start.

#include <functional>
#include <map>
#include <memory>

#include <QString>

#include "platform/automation/automation.h"

namespace platform::office {

// How one program name is served.
struct ServerEntry {
    // A new instance.
    std::function<automation::ObjectRef()> create;
    // The running instance, nullptr when none runs (may be empty: the server
    // has no running instances).
    std::function<automation::ObjectRef()> active;
};

class ServerRegistry final : public automation::ObjectFactory {
public:
    // Program names match without regard to case; a later entry replaces one
    // of the same name.
    void Add(const QString& programName, ServerEntry entry);
    bool Has(const QString& programName) const;

    automation::ObjectRef CreateObject(const QString& programName) override;
    automation::ObjectRef GetActiveObject(const QString& programName) override;

private:
    std::map<QString, ServerEntry> entries_;
};

// A registry with every server of the program.
std::shared_ptr<ServerRegistry> OfficeServers();
// Installs OfficeServers() as the process's object factory.
void InstallOfficeServers();

}  // namespace platform::office
