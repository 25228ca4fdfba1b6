#include "app/forms/form_support.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/app_state.h"
#include "app/version_check.h"
#include "platform/form_border.h"

namespace app_forms {

void setClientArea(QWidget* form, int width, int height, bool resizable)
{
    if (resizable)
        form_parts::setClientArea(form, width, height, true);
    else
        platform::setFixedSizeForm(form, width, height);
}

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
