#include "platform/office/running_instances.h"

#include <algorithm>

namespace platform::office {

void RunningInstances::Quit(const automation::AutomationObject* instance)
{
    running_.erase(std::remove_if(running_.begin(), running_.end(),
                                  [instance](const automation::ObjectRef& r) { return r.get() == instance; }),
                   running_.end());
}

}  // namespace platform::office
