#pragma once

// The EtherCAT editors on a scratch project folder, with the built-in
// English texts and scripted message boxes.

#include <memory>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/editor_project_test.h"
#include "support/qt_printers.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace ethercat_editor_testing {

inline QString fixture(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/editors/ethercat_mqtt/editors/") + name;
}

using testing_support::readFile;

// A scratch project: the application state points at its files while the
// test runs.
class EditorTest : public testing_support::EditorProjectTest {
protected:
    EditorTest()
    {
        app::AppState& state = app::appState();
        state.EtherCAT_Slave_Path = slavePath();
        state.EtherCAT_Slave_Group_Path = groupPath();
        state.MQTT_Set_Topic_Path = topicPath();
        state.ParGen_Path = folder.file(QStringLiteral("ParGen.xml"));
    }

    QString slavePath() const { return folder.file(QStringLiteral("EtherCAT_Slave.xml")); }
    QString groupPath() const { return folder.file(QStringLiteral("EtherCAT_Slave_Group.xml")); }
    QString topicPath() const { return folder.file(QStringLiteral("MQTT_Set_Topic.xml")); }
    void writeTopics(const QByteArray& xml) const { folder.write(QStringLiteral("MQTT_Set_Topic.xml"), xml); }
    void writeSlave(const QByteArray& xml) const { folder.write(QStringLiteral("EtherCAT_Slave.xml"), xml); }
    void writeGroups(const QByteArray& xml) const { folder.write(QStringLiteral("EtherCAT_Slave_Group.xml"), xml); }

};

// Runs `action`; if `dialog` is shown meanwhile (modally, from inside the
// action), runs `inDialog` then, which is to close it. True when it was shown.
template <typename Action, typename InDialog>
bool whileShown(QDialog& dialog, Action action, InDialog inDialog)
{
    bool shown = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (shown || !dialog.isVisible())
            return;
        shown = true;
        poll.stop();
        inDialog();
    });
    poll.start();
    action();
    poll.stop();
    return shown;
}

// A group file as the group editor writes it, of the given slave-to-master
// and master-to-slave groups ("name=count" each, no mnemonic).
inline QByteArray groupFileXml(const QStringList& toMaster, const QStringList& toSlave)
{
    QByteArray xml = "<PROFINET_Master_to_Modbus_TCP_Master>\n";
    const auto list = [&xml](const char* name, const QStringList& groups) {
        if (groups.isEmpty()) {
            xml += QByteArray("\t<") + name + " />\n";
            return;
        }
        xml += QByteArray("\t<") + name + ">\n";
        for (const QString& g : groups) {
            const QStringList parts = g.split(u'=');
            xml += "\t\t<row Group_Name=\"" + parts[0].toUtf8() + "\" Num_Variables=\"" + parts[1].toUtf8()
                   + "\" Mnemonic=\"\" />\n";
        }
        xml += QByteArray("\t</") + name + ">\n";
    };
    list("Slave_to_Master", toMaster);
    list("Master_to_Slave", toSlave);
    xml += "</PROFINET_Master_to_Modbus_TCP_Master>\n<!--SW_VERSION = 1.001-->\n";
    return xml;
}

}  // namespace ethercat_editor_testing
