#include <QApplication>

#include "app/forms/form_set.h"
#include "app/forms/main_window.h"
#include "platform/paths.h"
#include "platform/quit_signals.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    platform::quitOnTerminationSignals();
    app_forms::FormSet forms(platform::executableFolder());
    forms.mainWindow().show();
    return application.exec();
}
