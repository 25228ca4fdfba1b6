#pragma once

// The base of the editor tests: a scratch project folder the application
// state points at while a test runs, the built-in English texts and
// scripted message boxes. A suite's fixture adds the paths of its files.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace testing_support {

// A file's bytes; none when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EditorProjectTest : public ::testing::Test {
protected:
    EditorProjectTest()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = folder.path();
        state.Row_Clipboard.clear();
        state.Row_Clipboard_Check.clear();
    }
    ~EditorProjectTest() override { app::appState() = saved_; }

    // Shown modal (as the main window shows the editors) without a modal
    // loop of its own, so that the buttons' results close it.
    static void show(QDialog& form)
    {
        form.setModal(true);
        form.show();
        QApplication::processEvents();
        QApplication::processEvents();
    }

    TempFolder folder;
    ScriptedDialogs dialogs;

private:
    app::AppState saved_;
};

}  // namespace testing_support
