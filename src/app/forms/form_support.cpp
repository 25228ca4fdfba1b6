#include "app/forms/form_support.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/app_state.h"
#include "app/version_check.h"

namespace app_forms {

TitlePanel makeTitlePanel(QWidget* form)
{
    return form_parts::makeTitlePanel(form, app::appState().SW_Code);
}

void openAddress(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

QString makerHomePage()
{
    return app::kMakerSite + QStringLiteral("/HOME/default.asp?frompg=") + app::kSoftwareCode;
}

}  // namespace app_forms
