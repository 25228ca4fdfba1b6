#pragma once

// The BACnet editors on a scratch project folder, with the built-in English
// texts and scripted message boxes.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <gtest/gtest.h>

#include <QTest>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/ethercat_editor_fixture.h"
#include "support/editor_project_test.h"
#include "support/qt_printers.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace bacnet_testing {

using ethercat_editor_testing::whileShown;

// A mouse click in the middle of a grid's cell (shown column position).
inline void clickCell(grid::TExStringGrid& grid, int col, int row)
{
    const platform::TRect r = grid.CellRect(col, row);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    QApplication::processEvents();
}

inline QString fixture(const QString& name) { return QStringLiteral(TEST_DATA_DIR "/editors/fieldbus/bacnet/") + name; }

using testing_support::readFile;

// ParGen.xml holding `elements` ("name", "value") under its root.
inline QByteArray parGen(const std::vector<std::pair<const char*, const char*>>& elements)
{
    QByteArray xml = "<Par_Gen>\n";
    for (const auto& [name, value] : elements)
        xml += QByteArray("\t<") + name + ">" + value + "</" + name + ">\n";
    return xml + "</Par_Gen>\n<!--SW_VERSION = 1.001-->\n";
}

// A scratch project: the application state points at its files while the
// test runs.
class BACnetEditorTest : public testing_support::EditorProjectTest {
protected:
    BACnetEditorTest()
    {
        app::AppState& state = app::appState();
        state.Project_Name = QStringLiteral("Plant 7");
        state.ParGen_Path = folder.file(QStringLiteral("ParGen.xml"));
        state.BACnet_Master_Access_Path = clientPath();
        state.BACnet_Slave_Path = serverPath();
        state.BACnet_CSV_Path.clear();
    }

    QString clientPath() const { return folder.file(QStringLiteral("BACnet_Master_Access.xml")); }
    QString serverPath() const { return folder.file(QStringLiteral("BACnet_Slave.xml")); }
    void writeParGen(const std::vector<std::pair<const char*, const char*>>& elements) const
    {
        folder.write(QStringLiteral("ParGen.xml"), parGen(elements));
    }
    void writeClient(const QByteArray& xml) const { folder.write(QStringLiteral("BACnet_Master_Access.xml"), xml); }
    void writeServer(const QByteArray& xml) const { folder.write(QStringLiteral("BACnet_Slave.xml"), xml); }
    QString messages() const { return dialogs.texts().join(u'\n'); }

};

}  // namespace bacnet_testing
