#include <QApplication>
#include <QMainWindow>

#include "app/app_state.h"
#include "app/language.h"
#include "app/settings_file.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/quit_signals.h"
#include "platform/xml_document.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    platform::quitOnTerminationSignals();

    app::AppState& state = app::appState();
    platform::XmlDocument scratch;
    app::Set_Folders(state, platform::executableFolder());
    app::Read_Settings(state, scratch);
    app::Set_Build_Identity(state);
    app::Load_Language(app::textTable(), state);
    app::Open_Project_Folder(state, state.Project_Name);

    QMainWindow window;
    window.setWindowTitle(state.Main_Caption);
    window.resize(694, 484);
    window.show();
    const int result = application.exec();

    QString error;
    if (!app::Save_Setting(state, scratch, &error))
        platform::dialogs().error(error);
    return result;
}
