#pragma once

#include <functional>
#include <memory>

#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/forms/form_set.h"
#include "app/forms/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace main_window_testing {

// A fresh program in a scratch folder: the form set and a dialogs double.
struct MainWindowTest : ::testing::Test {
    testing_support::TempFolder dir;
    testing_support::ScriptedDialogs script;
    std::unique_ptr<app_forms::FormSet> forms;

    MainWindowTest() { app::appState() = app::AppState(); }

    void start() { forms = std::make_unique<app_forms::FormSet>(dir.path()); }
    // Starts with the project `name` (its folder created) open.
    void startWithProject(const QString& name)
    {
        QDir().mkpath(dir.file(QStringLiteral("PROJECTS/") + name + QStringLiteral("/bin")));
        dir.write(QStringLiteral("Velmoraxis.xml"),
                  QStringLiteral("<Conf_Settings><lastproj><projectname>%1</projectname></lastproj></Conf_Settings>")
                      .arg(name)
                      .toUtf8());
        start();
    }
    app_forms::TFZuderivuridFirmWare& main() { return forms->mainWindow(); }
    template <typename Form>
    Form* form(const char* name)
    {
        return qobject_cast<Form*>(forms->form(QString::fromLatin1(name)));
    }
    // Runs `action` on the next event-loop turn (to answer a modal dialog).
    static void soon(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }
};

}  // namespace main_window_testing
