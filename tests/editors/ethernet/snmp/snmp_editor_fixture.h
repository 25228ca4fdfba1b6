#pragma once

// The SNMP editors on a scratch project folder, with the built-in English
// texts and scripted message boxes.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "support/qt_printers.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace snmp_testing {

inline QString fixture(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/snmp/") + name;
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A scratch project: the application state points at its files while the
// test runs.
class SNMPEditorTest : public ::testing::Test {
protected:
    SNMPEditorTest()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = folder.path();
        state.SNMP_Manager_Path = managerPath();
        state.SNMP_Trap_Path = trapPath();
        state.Row_Clipboard.clear();
        state.Row_Clipboard_Check.clear();
    }
    ~SNMPEditorTest() override { app::appState() = saved_; }

    QString managerPath() const { return folder.file(QStringLiteral("SNMP_Manager.xml")); }
    QString trapPath() const { return folder.file(QStringLiteral("SNMP_Trap.xml")); }
    void writeManager(const QByteArray& xml) const { folder.write(QStringLiteral("SNMP_Manager.xml"), xml); }
    void writeTrap(const QByteArray& xml) const { folder.write(QStringLiteral("SNMP_Trap.xml"), xml); }

    // Shown modal (as the main window shows the editors) without a modal
    // loop of its own, so that the buttons' results close it.
    static void show(QDialog& form)
    {
        form.setModal(true);
        form.show();
        QApplication::processEvents();
        QApplication::processEvents();
    }

    testing_support::TempFolder folder;
    testing_support::ScriptedDialogs dialogs;

private:
    app::AppState saved_;
};

}  // namespace snmp_testing
