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
#include "support/qt_printers.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace can_testing {

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
class CANEditorTest : public ::testing::Test {
protected:
    CANEditorTest()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = folder.path();
        state.CAN_Rec_Frames_Path = folder.file(QStringLiteral("CAN_Rec_Frames.xml"));
        state.CAN_Send_Frames_Path = folder.file(QStringLiteral("CAN_Send_Frames.xml"));
        state.PDO_CANopen_Path = folder.file(QStringLiteral("PDO_CANopen.xml"));
        state.SDO_Client_CANopen_Path = folder.file(QStringLiteral("SDO_Client_CANopen.xml"));
        state.SDO_Server_CANopen_Path = folder.file(QStringLiteral("SDO_Server_CANopen.xml"));
        state.Row_Clipboard.clear();
        state.Row_Clipboard_Check.clear();
    }
    ~CANEditorTest() override { app::appState() = saved_; }

    static const app::AppState& state() { return app::appState(); }
    void write(const QString& path, const QByteArray& bytes) const
    {
        folder.write(QFileInfo(path).fileName(), bytes);
    }

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

}  // namespace can_testing
