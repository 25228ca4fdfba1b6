#include "editors/ethernet/iec61850/iec61850_shared.h"

#include "app/shared_checks.h"
#include "platform/strings.h"

namespace iec61850 {

bool multiplicationFactorValid(const QString& text, QChar separator)
{
    if (platform::trimBlanks(text).toUpper() == QLatin1String("NONE"))
        return true;
    float value = 0;
    return app::Text_To_Float(text, separator, value);
}

}  // namespace iec61850
