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
#include "support/editor_project_test.h"
#include "support/qt_printers.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace snmp_testing {

inline QString fixture(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethernet/snmp/") + name;
}

using testing_support::readFile;

// A scratch project: the application state points at its files while the
// test runs.
class SNMPEditorTest : public testing_support::EditorProjectTest {
protected:
    SNMPEditorTest()
    {
        app::AppState& state = app::appState();
        state.SNMP_Manager_Path = managerPath();
        state.SNMP_Trap_Path = trapPath();
    }

    QString managerPath() const { return folder.file(QStringLiteral("SNMP_Manager.xml")); }
    QString trapPath() const { return folder.file(QStringLiteral("SNMP_Trap.xml")); }
    void writeManager(const QByteArray& xml) const { folder.write(QStringLiteral("SNMP_Manager.xml"), xml); }
    void writeTrap(const QByteArray& xml) const { folder.write(QStringLiteral("SNMP_Trap.xml"), xml); }

};

}  // namespace snmp_testing
