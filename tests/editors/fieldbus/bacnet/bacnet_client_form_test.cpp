// The BACnet client rule editor: the address column's header, visibility
// and the key column by the BACnet type of ParGen.xml; both tables through
// the file and back; Import EDE through the import dialog into the rows that
// hold nothing (never over rules, whatever the type), with the positions
// following the rules already there and a message when a table is full; the
// Property hint; the checks through the form; files that cannot be used; and
// the texts of its block.

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "bacnet_editor_fixture.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/bacnet/bacnet_client_form.h"
#include "editors/fieldbus/bacnet/ede_import_form.h"
#include "platform/modal_result.h"

namespace bacnet_client_form_tests {

using bacnet::TFBACnetAccess;
using bacnet::TFImportEDEFile;
using bacnet_testing::BACnetEditorTest;
using bacnet_testing::fixture;
using bacnet_testing::readFile;
using bacnet_testing::whileShown;
using platform::MessageKind;
using platform::MessageResult;

class ClientEditorTest : public BACnetEditorTest {
protected:
    ClientEditorTest()
    {
        form.setImportDialog(&importDialog);
        writeParGen({{"BACnet_Master_Type", "0"}});
    }

    // Import EDE of `file`: the dialog gets `address` and OK. False when the
    // dialog was not shown.
    bool importEde(const QString& file, const QString& address)
    {
        dialogs.chooseFile(file);
        return whileShown(
            importDialog, [this] { form.Btn_Import_CSVClick(); },
            [&] {
                importDialog.E_ID_IP->setText(address);
                QTest::mouseClick(importDialog.Btn_OK, Qt::LeftButton);
            });
    }
    QString roomController() const { return fixture(QStringLiteral("room_controller.csv")); }
    // Columns `columns` (real) of rows 1 .. count of a table.
    QStringList cells(int table, int count, std::initializer_list<int> columns) const
    {
        QStringList texts;
        for (int r = 1; r <= count; ++r) {
            QStringList row;
            for (const int c : columns)
                row << form.table(table).cellText(c, r);
            texts << row.join(u'|');
        }
        return texts;
    }

    TFImportEDEFile importDialog;
    TFBACnetAccess form;
};

TEST_F(ClientEditorTest, TheAddressColumnAndTheKeyColumnFollowTheBACnetType)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> parGen;  // empty: no ParGen.xml
        int type;
        const char* readHeader;  // nullptr: column 2 hidden
        const char* writeHeader;
        const char* message;
    };
    const Case cases[] = {
        {"BACnet/IP", {{"BACnet_Master_Type", "0"}}, 0, "IP Address", "IP Address", nullptr},
        {"MS/TP", {{"BACnet_Master_Type", "1"}}, 1, "Slave ID", "Slave ID", nullptr},
        {"another type", {{"BACnet_Master_Type", "2"}}, 2, nullptr, nullptr, nullptr},
        {"a type that is no number", {{"BACnet_Master_Type", "ip"}}, 0, "IP Address", "IP Address", nullptr},
        {"without the element",
         {{"BACnet_Type", "1"}},
         0,
         "IP Address",
         "IP Address",
         "Select the BACnet Type in the \"Set Communication\" section"},
        {"without ParGen.xml",
         {},
         0,
         "IP Address",
         "IP Address",
         "Select the BACnet Type in the \"Set Communication\" section"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.reset();
        QFile::remove(app::appState().ParGen_Path);
        if (!c.parGen.empty())
            writeParGen(c.parGen);
        show(form);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.App_BACnet_Type, c.type);
        EXPECT_EQ(dialogs.texts(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList());
        const bool shown = c.readHeader != nullptr;
        for (const int table : {0, 1}) {
            grid::TExColumnGrid* g = form.table(table).columnGrid();
            EXPECT_EQ(g->IsHiddenColumn(2), !shown) << table;
            if (shown) {
                EXPECT_EQ(g->Columns()[2]->Header(), QString::fromLatin1(table == 0 ? c.readHeader : c.writeHeader));
            }
            EXPECT_EQ(form.table(table).layout().keyColumn, shown ? 2 : 3);
            EXPECT_TRUE(g->IsHiddenColumn(table == 0 ? 15 : 19));
            EXPECT_TRUE(g->IsHiddenColumn(table == 0 ? 16 : 20));
        }
        EXPECT_EQ(form.activeTable(), 0);
        form.close();
    }
}

TEST_F(ClientEditorTest, BothTablesComeFromTheFileAndOkWritesItBackUnchanged)
{
    const QByteArray original = readFile(fixture(QStringLiteral("BACnet_Master_Access.xml")));
    ASSERT_FALSE(original.isEmpty());
    writeClient(original);
    show(form);
    EXPECT_EQ(form.table(1).rowTexts(1), (QStringList{"Y",
                                                      "192.168.1.40",
                                                      "Analog Value",
                                                      "Real",
                                                      "1",
                                                      "Present Value (85)",
                                                      "8",
                                                      "4",
                                                      "N",
                                                      "",
                                                      "",
                                                      "",
                                                      "Y",
                                                      "N",
                                                      "",
                                                      "0",
                                                      "0",
                                                      "0",
                                                      "",
                                                      "",
                                                      "Setpoint"}));
    // The Swap and Convertion columns never reach the file.
    form.table(0).setCellText(15, 1, QStringLiteral("Y"));
    form.table(0).setCellText(16, 1, QStringLiteral("Float to Int"));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(clientPath()), original);
    show(form);
    EXPECT_EQ(form.table(0).cellText(15, 1), QString());
    EXPECT_EQ(form.table(0).cellText(16, 1), QString());
    form.close();

    // Missing attributes: Enable "Y", En Dest, Change and Timer "N".
    writeClient(
        "<BACnet_Master_Access><BACnet_Read><row IP_Address_Slave_ID=\"10.0.0.1\" /></BACnet_Read>"
        "<BACnet_Write><row IP_Address_Slave_ID=\"10.0.0.2\" /></BACnet_Write></BACnet_Master_Access>");
    show(form);
    EXPECT_EQ(cells(0, 1, {1, 2, 7}), QStringList{"Y|10.0.0.1|N"});
    EXPECT_EQ(cells(1, 1, {1, 2, 9, 13, 14}), QStringList{"Y|10.0.0.2|N|N|N"});
}

TEST_F(ClientEditorTest, AnImportIntoEmptyTablesStartsAtRowOneAndPositionZero)
{
    show(form);
    ASSERT_TRUE(importEde(roomController(), QStringLiteral("192.168.1.40")));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    // Read: type, instance, property, NByte, position, mnemonic.
    EXPECT_EQ(
        cells(0, 7, {2, 3, 4, 5, 6, 13, 17}),
        (QStringList{"192.168.1.40|Analog Input|1|Present Value (85)|4|0|RoomTemp - Room temperature",
                     "192.168.1.40|Analog Value|1|Present Value (85)|4|4|Setpoint - Temperature setpoint",
                     "192.168.1.40|Binary Input|1|Present Value (85)|1|8|Window - Window contact",
                     "192.168.1.40|Binary Output|1|Present Value (85)|1|9|Valve - Heating valve",
                     "192.168.1.40|Multi-State Value|1|Present Value (85)|4|10|Mode - Operating mode",
                     "192.168.1.40|Large Analog Value|1|Present Value (85)|8|14|Energy - Energy meter", "||||||"}));
    EXPECT_EQ(form.table(0).rowTexts(1),
              (QStringList{"Y", "192.168.1.40", "Analog Input", "1", "Present Value (85)", "4", "N", "", "", "", "1000",
                           "0", "0", "0", "N", "", "RoomTemp - Room temperature"}));
    // Write: the commandable objects, with their data types.
    EXPECT_EQ(cells(1, 4, {3, 4, 8, 17}), (QStringList{"Analog Value|Real|4|0", "Binary Output|Enumerated|1|4",
                                                       "Multi-State Value|Unsigned Int|4|5", "|||"}));
    EXPECT_EQ(form.table(1).rowTexts(2), (QStringList{"Y",
                                                      "192.168.1.40",
                                                      "Binary Output",
                                                      "Enumerated",
                                                      "1",
                                                      "Present Value (85)",
                                                      "0",
                                                      "1",
                                                      "N",
                                                      "",
                                                      "",
                                                      "",
                                                      "N",
                                                      "N",
                                                      "1000",
                                                      "0",
                                                      "4",
                                                      "0",
                                                      "N",
                                                      "",
                                                      "Valve - Heating valve"}));
    // The imported rules pass the checks.
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ClientEditorTest, AnImportFollowsTheRulesThereAndNeverWritesOverRowsThatHoldData)
{
    writeClient(readFile(fixture(QStringLiteral("BACnet_Master_Access.xml"))));
    show(form);
    // A gap after the list, and a row holding data after it.
    form.table(0).setCellText(2, 4, QStringLiteral("192.168.1.99"));
    form.table(0).setCellText(17, 5, QStringLiteral("a note"));
    // Only the Analog Value and the Binary Output.
    const QString file = folder.write(QStringLiteral("two.csv"),
                                      "P;\nV;\nT;\nA;\nL;\n;\n# mandatory;\n# keyname;\n"
                                      "k1;1;Setpoint;2;7;sp;;;;Y;N;;;;;\n"
                                      "k2;1;Valve;4;3;v;;;;Y;N;;;;;\n");
    ASSERT_TRUE(importEde(file, QStringLiteral("10.0.0.8")));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    // Rules ending at Position 10 + NByte 4: the new ones from 14, in row 3
    // and, past the rows holding data, row 6.
    EXPECT_EQ(cells(0, 6, {2, 3, 13, 17}),
              (QStringList{"192.168.1.40|Analog Input|6|RoomTemp - Room temperature", "192.168.1.41|Binary Input|10|",
                           "10.0.0.8|Analog Value|14|Setpoint - sp", "192.168.1.99|||", "|||a note",
                           "10.0.0.8|Binary Output|18|Valve - v"}));
    EXPECT_EQ(cells(1, 3, {2, 3, 17}),
              (QStringList{"192.168.1.40|Analog Value|0", "10.0.0.8|Analog Value|4", "10.0.0.8|Binary Output|8"}));
}

TEST_F(ClientEditorTest, WithoutAddressColumnAnImportKeepsTheRulesListedByObjectType)
{
    writeParGen({{"BACnet_Master_Type", "2"}});
    writeClient(
        "<BACnet_Master_Access><BACnet_Read>"
        "<row Object_Type=\"Analog Input\" Instance=\"9\" NumByte=\"4\" Position=\"0\" Mnemonic=\"kept\" />"
        "</BACnet_Read><BACnet_Write /></BACnet_Master_Access>");
    show(form);
    ASSERT_EQ(form.table(0).savedRowCount(), 1);
    ASSERT_TRUE(importEde(roomController(), QStringLiteral("ignored")));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_EQ(cells(0, 3, {3, 4, 13, 17}),
              (QStringList{"Analog Input|9|0|kept", "Analog Input|1|4|RoomTemp - Room temperature",
                           "Analog Value|1|8|Setpoint - Temperature setpoint"}));
    EXPECT_EQ(form.table(0).savedRowCount(), 7);
}

TEST_F(ClientEditorTest, AnMstpImportWritesTheSlaveIdAndAFullTableStopsWithAMessage)
{
    writeParGen({{"BACnet_Master_Type", "1"}});
    show(form);
    EXPECT_EQ(form.ECG1->Columns()[2]->Header(), QStringLiteral("Slave ID"));
    // 510 read rules: room for two of the six read rules.
    for (int r = 1; r <= 510; ++r)
        form.table(0).setRowTexts(r, {"Y", "3", "Analog Input", QString::number(r), "Present Value (85)", "1"});
    ASSERT_TRUE(importEde(roomController(), QStringLiteral("17")));
    EXPECT_EQ(dialogs.texts(), QStringList{"The table \"BACnet Read\" is full: 4 objects of the EDE file have not "
                                           "been imported into it."});
    EXPECT_EQ(cells(0, 1, {2, 4}), QStringList{"3|1"}) << "rules already there stay";
    EXPECT_EQ(form.table(0).cellText(3, 510), QStringLiteral("Analog Input"));
    EXPECT_EQ(form.table(0).cellText(4, 510), QStringLiteral("510"));
    EXPECT_EQ(cells(0, 512, {2, 3}).mid(510), (QStringList{"17|Analog Input", "17|Analog Value"}));
    EXPECT_EQ(cells(1, 3, {2, 3}), (QStringList{"17|Analog Value", "17|Binary Output", "17|Multi-State Value"}));
}

TEST_F(ClientEditorTest, TheFolderOfTheChosenFileIsRememberedWhateverTheDialogReturns)
{
    show(form);
    // A typed name that does not exist: no dialog, the folder remembered.
    const QString missing = folder.file(QStringLiteral("ede/missing.csv"));
    folder.write(QStringLiteral("ede/.keep"), {});
    EXPECT_FALSE(importEde(missing, QStringLiteral("1.2.3.4")));
    EXPECT_EQ(app::appState().BACnet_CSV_Path, folder.file(QStringLiteral("ede")));
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs()[0].filter, QStringLiteral("BACnet EDE File (*.csv)|*.csv"));
    EXPECT_EQ(dialogs.fileDialogs()[0].initialFolder, QString());

    // The dialog cancelled: nothing changes; the next open starts there.
    dialogs.chooseFile(roomController());
    EXPECT_TRUE(whileShown(
        importDialog, [this] { form.Btn_Import_CSVClick(); },
        [this] { QTest::mouseClick(importDialog.Btn_Cancel, Qt::LeftButton); }));
    EXPECT_EQ(dialogs.fileDialogs()[1].initialFolder, folder.file(QStringLiteral("ede")));
    EXPECT_EQ(form.table(0).savedRowCount(), 0);
    EXPECT_EQ(app::appState().BACnet_CSV_Path, QFileInfo(roomController()).absolutePath());
    // Cancel in the file dialog: nothing.
    dialogs.chooseFile(std::nullopt);
    EXPECT_FALSE(whileShown(
        importDialog, [this] { form.Btn_Import_CSVClick(); }, [] {}));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
}

TEST_F(ClientEditorTest, ThePropertyCellsOfTheReadTableHintTheirBytes)
{
    writeClient(readFile(fixture(QStringLiteral("BACnet_Master_Access.xml"))));
    show(form);
    const auto hint = [](grid::TExColumnGrid* g, int row, int shownColumn) {
        QString text = QStringLiteral("stale");
        g->OnGridHint(g, row, shownColumn, text);
        return text;
    };
    EXPECT_EQ(hint(form.ECG1, 1, 5), QStringLiteral("4"));
    EXPECT_EQ(hint(form.ECG1, 2, 5), QStringLiteral("1"));
    EXPECT_EQ(hint(form.ECG1, 3, 5), QString());
    EXPECT_EQ(hint(form.ECG1, 1, 4), QString());
    EXPECT_EQ(hint(form.ECG1, 0, 5), QString());
    EXPECT_EQ(hint(form.ECG2, 1, 6), QString());
    form.close();
    // Without the address column the Property is the fourth shown column.
    writeParGen({{"BACnet_Master_Type", "2"}});
    show(form);
    EXPECT_EQ(hint(form.ECG1, 1, 4), QStringLiteral("4"));
}

TEST_F(ClientEditorTest, ChecksThroughTheFormWithTheTablesPrefixAndPage)
{
    const QByteArray original = readFile(fixture(QStringLiteral("BACnet_Master_Access.xml")));
    writeClient(original);
    using Cells = std::vector<std::tuple<int, int, int, const char*>>;  // table, row, column, text
    struct Case {
        const char* name;
        Cells cells;
        const char* message;
        int page;
    };
    const Case cases[] = {
        {"write Max Err", {{1, 1, 16, "70000"}}, "Error in Write, row 1!! Max Err must be between 0 and 65535", 1},
        {"read object type",
         {{0, 1, 3, "Analog Output Value"}},
         "Error in Read, row 1!! Object Type is not correct. Select one from the list",
         0},
        {"write data type",
         {{1, 1, 4, "Double"}},
         "Error in Write, row 1!! Data Type is not correct. Aspected Data Type is Real",
         1},
        {"the disabled read rule is not checked, the enabled one is",
         {{0, 2, 4, "x"}, {0, 1, 12, "x"}},
         "Error in Read, row 1!! Max Err must be between 0 and 65535",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        show(form);
        dialogs.reset();
        for (const auto& [table, r, column, text] : c.cells)
            form.table(table).setCellText(column, r, QString::fromUtf8(text));
        form.Btn_OKClick();
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(form.activeTable(), c.page);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(readFile(clientPath()), original);
        form.close();
    }
}

TEST_F(ClientEditorTest, FilesThatCannotBeUsedAreNeverOverwritten)
{
    for (const QByteArray& bytes : {QByteArray("<BACnet_Master_Access><BACnet_Read><row Enable=\"Y\""),
                                    QByteArray("<BACnet_to_Modbus><BACnet_in_Read /></BACnet_to_Modbus>")}) {
        dialogs.reset();
        writeClient(bytes);
        bool opened = false;
        QTimer::singleShot(0, &form, [&] {
            opened = form.isVisible();
            form.Btn_OKClick();
        });
        EXPECT_EQ(form.exec(), QDialog::Rejected);
        QApplication::processEvents();
        EXPECT_FALSE(opened);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
        EXPECT_TRUE(dialogs.shown()[0].text.contains(clientPath())) << messages().toStdString();
        EXPECT_EQ(readFile(clientPath()), bytes);
    }
}

TEST_F(ClientEditorTest, ButtonsAndTheTextsOfTheBlock)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set BACnet Client Access"));
    EXPECT_EQ(form.Btn_CopyRow, nullptr);
    EXPECT_EQ(form.Btn_PasteRow, nullptr);
    EXPECT_EQ(form.Btn_Import_CSV->Caption(), QStringLiteral("Import EDE"));
    EXPECT_EQ(form.Btn_Import_CSV->geometry(), QRect(16 + 118 * 4, 6, 110, 28));
    EXPECT_EQ(form.Btn_InsRow->Caption(), QStringLiteral("Insert Row"));
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("BACnet Read"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("BACnet Write"));
    const QStringList read = {"N",       "Enable",   "IP Address", "Object Type", "Instance",   "Property",
                              "NByte",   "En Dest",  "D Net",      "D Len",       "D Add",      "Poll Time",
                              "Max Err", "Position", "Start Bit",  "Swap",        "Convertion", "Mnemonic"};
    const QStringList write = {"N",         "Enable",   "IP Address", "Object Type", "Data Type", "Instance",
                               "Property",  "Priority", "NByte",      "En Dest",     "D Net",     "D Len",
                               "D Add",     "Change",   "Timer",      "Poll Time",   "Max Err",   "Position",
                               "Start Bit", "Swap",     "Convertion", "Mnemonic"};
    ASSERT_EQ(form.ECG1->Columns().Count(), read.size());
    ASSERT_EQ(form.ECG2->Columns().Count(), write.size());
    for (int c = 0; c < read.size(); ++c)
        EXPECT_EQ(form.ECG1->Columns()[c]->Header(), read[c]) << c;
    for (int c = 0; c < write.size(); ++c)
        EXPECT_EQ(form.ECG2->Columns()[c]->Header(), write[c]) << c;
    EXPECT_EQ(form.ECG1->RowCount(), 513);
    EXPECT_EQ(form.ECG2->RowCount(), 513);
    EXPECT_EQ(form.ECG1->Columns()[9]->ComboItems,
              (QStringList{"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"}));
    EXPECT_EQ(form.ECG2->Columns()[4]->Editor(), grid::edComboList);
    EXPECT_EQ(form.ECG2->Columns()[3]->Editor(), grid::edComboEdit);
    show(form);
    EXPECT_EQ(form.ECG1->Columns()[13]->ComboItems.size(), 1440);
    EXPECT_EQ(form.ECG2->Columns()[17]->ComboItems.last(), QStringLiteral("1439"));

    // Delete asks with the row; Insert gives an enabled row.
    form.ECG1->FocusCell(3, 2);
    dialogs.answer(MessageResult::No);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 2"});
    form.table(0).setCellText(1, 2, QStringLiteral("N"));
    form.Btn_InsRowClick();
    EXPECT_EQ(form.table(0).cellText(1, 2), QStringLiteral("Y"));
    EXPECT_EQ(form.table(0).cellText(1, 3), QStringLiteral("N"));

    app::textTable().Lang_Texts[2010] = QStringLiteral("ID Slave");
    writeParGen({{"BACnet_Master_Type", "1"}});
    form.close();
    show(form);
    form.Set_Lang();
    EXPECT_EQ(form.ECG1->Columns()[2]->Header(), QStringLiteral("ID Slave"));
}

}  // namespace bacnet_client_form_tests
