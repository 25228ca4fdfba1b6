// The BACnet server object editor: both tables through the file and back,
// the row limit and object limit from ParGen.xml, the Length a kind chosen
// in the write table presets, the unit picker on a double click in an Eng.
// Unit cell, the checks through the form, files that cannot be used, and the
// texts of its block.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "bacnet_editor_fixture.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/bacnet/bacnet_server_form.h"
#include "editors/fieldbus/bacnet/eng_unit_form.h"
#include "platform/modal_result.h"
#include "support/rule_form_user.h"

namespace bacnet_server_form_tests {

using bacnet::TFBACnetSlaveSetAccess;
using bacnet_testing::BACnetEditorTest;
using bacnet_testing::readFile;
using bacnet_testing::whileShown;
using platform::MessageKind;
using platform::MessageResult;
using testing_support::RuleFormUser;

const QByteArray kObjects =
    "<BACnet_to_Modbus>\n"
    "\t<BACnet_in_Read>\n"
    "\t\t<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" "
    "Swap=\"Y\" Mnemonic=\"Boiler temperature\" />\n"
    "\t\t<row Data_Type=\"Binary Input\" Eng_Unit=\"95\" Position=\"4\" Bit=\"3\" Length=\"\" "
    "Swap=\"\" Mnemonic=\"Pump running\" />\n"
    "\t</BACnet_in_Read>\n"
    "\t<BACnet_in_Write>\n"
    "\t\t<row Data_Type=\"Analog Out\" Eng_Unit=\"98\" Position=\"1496\" Bit=\"\" Length=\"4\" "
    "Swap=\"\" Mnemonic=\"Valve\" />\n"
    "\t</BACnet_in_Write>\n"
    "</BACnet_to_Modbus>\n"
    "<!--SW_VERSION = 1.000-->\n";

class ServerEditorTest : public BACnetEditorTest {
protected:
    ServerEditorTest() { form.setUnitPicker(&picker); }

    void showActive()
    {
        show(form);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // `count` objects of a table: Analog Input or Out of 1 byte at 0.
    static QByteArray objectRows(int count, bool read)
    {
        QByteArray rows;
        for (int i = 0; i < count; ++i)
            rows += QByteArray("<row Data_Type=\"") + (read ? "Analog Input" : "Analog Out")
                    + "\" Eng_Unit=\"0\" Position=\"0\" Bit=\"\" Length=\"1\" Swap=\"\" Mnemonic=\"m\" />";
        return rows;
    }

    bacnet::TFBACnet_Eng_Unit picker;
    TFBACnetSlaveSetAccess form;
};

TEST_F(ServerEditorTest, BothTablesComeFromTheFileAndOkWritesItBackUnchanged)
{
    writeServer(kObjects);
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(1), (QStringList{"Analog Input", "62", "0", "", "4", "Y", "Boiler temperature"}));
    EXPECT_EQ(form.table(1).rowTexts(1), (QStringList{"Analog Out", "98", "1496", "", "4", "", "Valve"}));
    EXPECT_TRUE(form.ECG_BACnet_in_Read->IsHiddenColumn(TFBACnetSlaveSetAccess::ColSwap));
    EXPECT_TRUE(form.ECG_BACnet_in_Write->IsHiddenColumn(TFBACnetSlaveSetAccess::ColSwap));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(serverPath()), kObjects);
}

TEST_F(ServerEditorTest, TheRowLimitAndTheObjectLimitComeFromParGen)
{
    writeServer("<BACnet_to_Modbus><BACnet_in_Read>" + objectRows(600, true) + "</BACnet_in_Read><BACnet_in_Write>"
                + objectRows(500, false) + "</BACnet_in_Write></BACnet_to_Modbus>");
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> parGen;  // empty: no ParGen.xml
        int rowCount;
        const char* message;  // nullptr: OK writes
    };
    const Case cases[] = {
        {"no ParGen.xml", {}, 2001, nullptr},
        {"long names", {{"BACnet_Desc_Chars_Limit", "1"}}, 1001, "Error!! Too many Requests. Max requests 1000"},
        {"another value", {{"BACnet_Desc_Chars_Limit", "1 "}}, 2001, nullptr},
        {"without the element", {{"BACnet_Type", "1"}}, 2001, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.reset();
        QFile::remove(app::appState().ParGen_Path);
        if (!c.parGen.empty())
            writeParGen(c.parGen);
        const QByteArray before = readFile(serverPath());
        show(form);
        EXPECT_EQ(form.ECG_BACnet_in_Read->RowCount(), c.rowCount);
        EXPECT_EQ(form.ECG_BACnet_in_Write->RowCount(), c.rowCount);
        EXPECT_EQ(form.table(1).cellText(TFBACnetSlaveSetAccess::ColDataType, 500), QStringLiteral("Analog Out"));
        EXPECT_EQ(form.ECG_BACnet_in_Read->Columns()[TFBACnetSlaveSetAccess::ColPosition]->ComboItems.size(), 1500);
        form.Btn_OKClick();
        if (c.message == nullptr) {
            EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
            EXPECT_FALSE(form.isVisible());
        } else {
            EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(readFile(serverPath()), before);
            form.close();
        }
    }
}

TEST_F(ServerEditorTest, AKindChosenInTheWriteTablePresetsItsLength)
{
    showActive();
    RuleFormUser user(form);
    // Read table: no preset.
    user.typeInto(5, 1, QStringLiteral("2"));
    user.choose(1, 1, 5);  // Large Analog Value
    EXPECT_EQ(form.table(0).cellText(1, 1), QStringLiteral("Large Analog Value"));
    EXPECT_EQ(form.table(0).cellText(5, 1), QStringLiteral("2"));

    user.choosePage(1);
    ASSERT_EQ(form.activeTable(), 1);
    user.typeInto(5, 1, QStringLiteral("2"));
    user.choose(1, 1, 5);  // Large Analog Value
    EXPECT_EQ(form.table(1).cellText(1, 1), QStringLiteral("Large Analog Value"));
    EXPECT_EQ(form.table(1).cellText(5, 1), QStringLiteral("8"));
    user.choose(1, 2, 2);  // Binary Out
    EXPECT_EQ(form.table(1).cellText(5, 2), QStringLiteral("1"));
    user.choose(1, 3, 7);  // Multi State Output
    EXPECT_EQ(form.table(1).cellText(5, 3), QStringLiteral("4"));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
}

TEST_F(ServerEditorTest, ADoubleClickOnAnEngUnitCellOpensThePickerWithTheCellsCode)
{
    writeServer(kObjects);
    showActive();
    RuleFormUser user(form);
    const auto doubleClick = [&](int col, int row) {
        const platform::TRect r = user.grid().CellRect(col, row);
        const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        user.clickCell(col, row);
        QTest::mouseDClick(user.grid().viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    };

    // Shown with the cell's code; a unit chosen and OK puts its code in.
    QString shownCode;
    QString shownName;
    EXPECT_TRUE(whileShown(
        picker, [&] { doubleClick(2, 1); },
        [&] {
            shownCode = picker.E_Selected_EU->text();
            shownName = picker.Label5->text();
            picker.CB_Select_Type->setCurrentIndex(1);
            picker.CB_Select_TypeSelect();
            picker.CB_Select_Unit->setCurrentIndex(1);
            QTest::mouseClick(picker.Btn_Select_Eng_Unit, Qt::LeftButton);
            QTest::mouseClick(picker.Btn_OK, Qt::LeftButton);
        }));
    EXPECT_EQ(shownCode, QStringLiteral("62"));
    EXPECT_EQ(shownName, QStringLiteral("-> degrees-Celsius"));
    EXPECT_EQ(form.table(0).cellText(2, 1), QStringLiteral("116"));

    // Cancel leaves the cell; OK after typing takes the typed code.
    EXPECT_TRUE(whileShown(
        picker, [&] { doubleClick(2, 2); },
        [&] {
            picker.E_Selected_EU->setText(QStringLiteral("5"));
            QTest::mouseClick(picker.Btn_Cancel, Qt::LeftButton);
        }));
    EXPECT_EQ(form.table(0).cellText(2, 2), QStringLiteral("95"));
    EXPECT_TRUE(whileShown(
        picker, [&] { doubleClick(2, 3); },
        [&] {
            EXPECT_EQ(picker.Label5->text(), QStringLiteral("-> unknown"));
            picker.E_Selected_EU->setText(QStringLiteral("999"));
            QTest::mouseClick(picker.Btn_OK, Qt::LeftButton);
        }));
    EXPECT_EQ(form.table(0).cellText(2, 3), QStringLiteral("999"));
    // Other columns open nothing.
    EXPECT_FALSE(whileShown(
        picker, [&] { doubleClick(5, 1); }, [&] { picker.reject(); }));
}

TEST_F(ServerEditorTest, ChecksThroughTheFormOnTheirPage)
{
    writeServer(kObjects);
    using Cells = std::vector<std::tuple<int, int, int, const char*>>;  // table, row, column, text
    struct Case {
        const char* name;
        Cells cells;
        const char* message;
        int page;
    };
    const Case cases[] = {
        {"Analog Out one byte beyond",
         {{1, 1, 3, "1497"}},
         "Error row 1!! [BACnet in Write] Too many bytes to save starting from the Position indicate",
         1},
        {"Binary Input without Start Bit",
         {{0, 2, 4, ""}},
         "Error row 2!! [BACnet in Read] Bit must be between 0 and 7",
         0},
        {"Eng. Unit 70000",
         {{1, 1, 2, "70000"}},
         "Error row 1!! [BACnet in Write] Eng. Unit must be between 0 and 65535",
         1},
        {"a row after an empty Data Type is not checked", {{0, 4, 1, "Analog Input"}, {0, 4, 2, "x"}}, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        show(form);
        dialogs.reset();
        for (const auto& [table, r, column, text] : c.cells)
            form.table(table).setCellText(column, r, QString::fromUtf8(text));
        dialogs.answer(MessageResult::No);  // rows after the list are not saved
        form.Btn_OKClick();
        if (c.message != nullptr) {
            EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(c.message)});
            EXPECT_EQ(form.activeTable(), c.page);
        } else {
            EXPECT_EQ(dialogs.shown().size(), 1u);
            EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Confirmation);
        }
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(readFile(serverPath()), kObjects);
        form.close();
    }
}

TEST_F(ServerEditorTest, FilesThatCannotBeUsedAreNeverOverwrittenAndSurplusRowsAreReported)
{
    for (const QByteArray& bytes : {QByteArray("<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog"),
                                    QByteArray("<BACnet_Master_Access><BACnet_Read /></BACnet_Master_Access>")}) {
        dialogs.reset();
        writeServer(bytes);
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
        EXPECT_TRUE(dialogs.shown()[0].text.contains(serverPath())) << messages().toStdString();
        EXPECT_EQ(readFile(serverPath()), bytes);
    }

    dialogs.reset();
    writeParGen({{"BACnet_Desc_Chars_Limit", "1"}});
    writeServer("<BACnet_to_Modbus><BACnet_in_Read>" + objectRows(1003, true) + "</BACnet_in_Read></BACnet_to_Modbus>");
    show(form);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("The file ") + serverPath()
                                           + QStringLiteral(" holds 3 rows more than the table \"BACnet in Read\" can "
                                                            "show: they are not shown, and OK would remove them from "
                                                            "the file.")});
    EXPECT_EQ(form.table(0).savedRowCount(), 1000);
}

TEST_F(ServerEditorTest, RowButtonsAndTheTextsOfTheBlock)
{
    writeServer(kObjects);
    show(form);
    // Copy on one page, paste on the other: refused.
    form.setActiveTable(0);
    form.Btn_CopyRowClick();
    form.setActiveTable(1);
    form.ECG_BACnet_in_Write->FocusCell(2, 2);
    form.Btn_PasteRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!!! Copy a valid row before Paste it"});
    // Insert gives an empty row; Delete asks with the row number.
    dialogs.reset();
    form.ECG_BACnet_in_Write->FocusCell(2, 1);
    form.Btn_InsRowClick();
    EXPECT_EQ(form.table(1).rowTexts(1), QStringList(7));
    EXPECT_EQ(form.table(1).cellText(1, 2), QStringLiteral("Analog Out"));
    dialogs.answer(MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 1"});
    EXPECT_EQ(form.table(1).cellText(1, 1), QStringLiteral("Analog Out"));

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set BACnet Server Objects"));
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("BACnet in Read"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("BACnet in Write"));
    EXPECT_EQ(form.Btn_PasteRow->toolTip(), QStringLiteral("Paste the Copied Fields in the Selected Row"));
    const QStringList headers = {"N", "Data Type", "Eng. Unit", "Position", "Start Bit", "Length", "Swap", "Mnemonic"};
    for (int c = 0; c < headers.size(); ++c) {
        EXPECT_EQ(form.ECG_BACnet_in_Read->Columns()[c]->Header(), headers[c]);
        EXPECT_EQ(form.ECG_BACnet_in_Write->Columns()[c]->Header(), headers[c]);
    }
    EXPECT_EQ(form.ECG_BACnet_in_Write->Columns()[1]->ComboItems.size(), 10);
    EXPECT_EQ(form.ECG_BACnet_in_Read->Columns()[1]->ComboItems.value(12), QStringLiteral("Accumulator"));
    app::textTable().Lang_Texts[2209] = QStringLiteral("BACnet in Scrittura");
    form.Set_Lang();
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("BACnet in Scrittura"));
}

}  // namespace bacnet_server_form_tests
