#pragma once

// The session of a server: what stands in for attaching to a running
// application. An instance runs from its creation until it is told "Quit";
// the session holds it meanwhile (with its open documents), so that a caller
// that lets go of an instance without quitting it can attach to it again.

#include <vector>

#include "platform/automation/automation.h"

namespace platform::office {

class RunningInstances {
public:
    void Started(const automation::ObjectRef& instance) { running_.push_back(instance); }
    void Quit(const automation::AutomationObject* instance);
    // The instance started last of those still running; nullptr when none.
    automation::ObjectRef Active() const { return running_.empty() ? nullptr : running_.back(); }
    // Every instance quits (tests start from no running application).
    void QuitAll() { running_.clear(); }

private:
    std::vector<automation::ObjectRef> running_;
};

}  // namespace platform::office
