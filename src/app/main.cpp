#include <QApplication>
#include <QTimer>

#include "app/forms/form_set.h"
#include "app/forms/main_window.h"
#include "controls/grid/editors/dropdown/grid_dropdown_editor_host.h"
#include "platform/office/office_servers.h"
#include "platform/paths.h"
#include "platform/quit_signals.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    platform::quitOnTerminationSignals();
    // Every grid edits its drop-down kinds with the pickers.
    grid::InstallDropDownCellEditors();
    // Spreadsheets, documents and databases are reached through the office servers.
    platform::office::InstallOfficeServers();
    app_forms::FormSet forms(platform::executableFolder());
    forms.mainWindow().show();
    // Start-up measurements: close again as soon as the window is up.
    if (qEnvironmentVariableIsSet("CONFIGURATOR_CLOSE_WHEN_SHOWN"))
        QTimer::singleShot(0, &forms.mainWindow(), &QWidget::close);
    return application.exec();
}
