#pragma once

// The CAN and CANopen editors on a scratch project folder, with the
// built-in English texts and scripted message boxes.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "editors/ethercat_mqtt/rule_editor/rule_failure.h"
#include "support/editor_project_test.h"
#include "support/qt_printers.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace can_testing {

using testing_support::readFile;

// The message box a failure gives: "Error row " (the form's text) + the
// row + the rule's text + its tail.
inline QString failureText(const std::optional<rule_editor::RuleFailure>& failure, int errorRowId)
{
    if (!failure)
        return QStringLiteral("passes");
    return app::langText(errorRowId) + QString::number(failure->row) + app::langText(failure->textId)
           + failure->tail;
}

// A scratch project: the application state points at its files while the
// test runs.
class CANEditorTest : public testing_support::EditorProjectTest {
protected:
    CANEditorTest()
    {
        app::AppState& state = app::appState();
        state.CAN_Rec_Frames_Path = folder.file(QStringLiteral("CAN_Rec_Frames.xml"));
        state.CAN_Send_Frames_Path = folder.file(QStringLiteral("CAN_Send_Frames.xml"));
        state.PDO_CANopen_Path = folder.file(QStringLiteral("PDO_CANopen.xml"));
        state.SDO_Client_CANopen_Path = folder.file(QStringLiteral("SDO_Client_CANopen.xml"));
        state.SDO_Server_CANopen_Path = folder.file(QStringLiteral("SDO_Server_CANopen.xml"));
    }

    static const app::AppState& state() { return app::appState(); }
    void write(const QString& path, const QByteArray& bytes) const
    {
        folder.write(QFileInfo(path).fileName(), bytes);
    }

};

}  // namespace can_testing
