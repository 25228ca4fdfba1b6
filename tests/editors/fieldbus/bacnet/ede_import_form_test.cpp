// The EDE import dialog: the objects of a tool's export with their ticks,
// clicks on the ticks (a Write tick refused on an object that cannot be
// commanded), Select All and Unselect All, the device address OK checks by
// BACnet type, and what each showing reads afresh or keeps.

#include <QLabel>
#include <QLineEdit>

#include "bacnet_editor_fixture.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/bacnet/ede_import_form.h"
#include "platform/modal_result.h"

namespace ede_import_form_tests {

using bacnet::TFImportEDEFile;
using bacnet_testing::BACnetEditorTest;
using bacnet_testing::clickCell;
using bacnet_testing::fixture;
using bacnet_testing::whileShown;

class ImportDialogTest : public BACnetEditorTest {
protected:
    ImportDialogTest() { dialog.EDE_File = fixture(QStringLiteral("room_controller.csv")); }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < TFImportEDEFile::ColumnCount; ++c)
            cells << dialog.ECG->GetCellEx(c, r);
        return cells;
    }
    void showActive()
    {
        show(dialog);
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    TFImportEDEFile dialog;
};

TEST_F(ImportDialogTest, ListsTheObjectsOfAToolsExportWithTheirTicks)
{
    show(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import BACnet EDE File"));
    const QStringList headers = {"N",           "Import",   "Read",        "Write",      "Name",
                                 "Object Type", "Instance", "Description", "Commandable"};
    for (int c = 0; c < headers.size(); ++c)
        EXPECT_EQ(dialog.ECG->Columns()[c]->Header(), headers[c]);
    EXPECT_EQ(dialog.LID_IP->text(), QStringLiteral("IP Address / Slave ID of the BACnet Device"));
    ASSERT_EQ(dialog.List_EDE_Var.size(), 6u);
    EXPECT_EQ(dialog.ECG->RowCount(), 7);
    EXPECT_EQ(row(1), (QStringList{"1", "Y", "Y", "N", "RoomTemp", "0", "1", "Room temperature", "N"}));
    EXPECT_EQ(row(4), (QStringList{"4", "Y", "Y", "Y", "Valve", "4", "1", "Heating valve", "Y"}));
    EXPECT_EQ(row(6), (QStringList{"6", "Y", "Y", "N", "Energy", "46", "1", "Energy meter", "N"}));
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
}

TEST_F(ImportDialogTest, ClicksOnTheTicksAndAWriteTickRefusedOnAnObjectThatCannotBeCommanded)
{
    showActive();
    // Row 1 is a sensor: its Write box stays "N".
    clickCell(*dialog.ECG, TFImportEDEFile::ColWrite, 1);
    EXPECT_EQ(dialogs.texts(), QStringList{"Error line 1!! The Variable is only in read"});
    EXPECT_EQ(dialog.ECG->GetCellEx(TFImportEDEFile::ColWrite, 1), QStringLiteral("N"));
    EXPECT_FALSE(dialog.List_EDE_Var[0].write);
    // Row 2 can be commanded: its Write box follows the clicks.
    dialogs.reset();
    clickCell(*dialog.ECG, TFImportEDEFile::ColWrite, 2);
    EXPECT_EQ(dialog.ECG->GetCellEx(TFImportEDEFile::ColWrite, 2), QStringLiteral("N"));
    EXPECT_FALSE(dialog.List_EDE_Var[1].write);
    clickCell(*dialog.ECG, TFImportEDEFile::ColWrite, 2);
    EXPECT_TRUE(dialog.List_EDE_Var[1].write);
    clickCell(*dialog.ECG, TFImportEDEFile::ColRead, 1);
    EXPECT_FALSE(dialog.List_EDE_Var[0].read);
    clickCell(*dialog.ECG, TFImportEDEFile::ColImport, 3);
    EXPECT_FALSE(dialog.List_EDE_Var[2].import);
    EXPECT_EQ(dialog.ECG->GetCellEx(TFImportEDEFile::ColImport, 3), QStringLiteral("N"));
    // The Commandable column only shows.
    clickCell(*dialog.ECG, TFImportEDEFile::ColCommandable, 1);
    EXPECT_EQ(dialog.ECG->GetCellEx(TFImportEDEFile::ColCommandable, 1), QStringLiteral("N"));
    EXPECT_FALSE(dialog.List_EDE_Var[0].commandable);
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
}

TEST_F(ImportDialogTest, UnselectAllThenSelectAllTickImportAloneForEveryObject)
{
    show(dialog);
    dialog.List_EDE_Var[1].write = false;
    QTest::mouseClick(dialog.Btn_Unselect_All, Qt::LeftButton);
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(dialog.ECG->GetCellEx(TFImportEDEFile::ColImport, r), QStringLiteral("N")) << r;
    for (const bacnet::TBACnet_Var& v : dialog.List_EDE_Var)
        EXPECT_FALSE(v.import);
    QTest::mouseClick(dialog.Btn_Select_All, Qt::LeftButton);
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(dialog.ECG->GetCellEx(TFImportEDEFile::ColImport, r), QStringLiteral("Y")) << r;
    for (const bacnet::TBACnet_Var& v : dialog.List_EDE_Var)
        EXPECT_TRUE(v.import && v.read);
    EXPECT_FALSE(dialog.List_EDE_Var[1].write) << "Read and Write stay as they were";
    EXPECT_TRUE(dialog.List_EDE_Var[3].write);
}

TEST_F(ImportDialogTest, OkChecksTheDeviceAddressByBACnetType)
{
    struct Case {
        int type;
        const char* address;
        const char* message;  // nullptr: OK closes the dialog
    };
    const Case cases[] = {
        {0, "192.168.1.40", nullptr},
        {0, "192.168.1.256", "Error!! IP Address is not correct"},
        {0, "192.168.1", "Error!! IP Address is not correct"},
        {0, "", "Error!! IP Address is not correct"},
        {1, "0", nullptr},
        {1, "254", nullptr},
        {1, "255", "Error!! Slave ID must be between 0 and 254"},
        {1, "x", "Error!! Slave ID must be between 0 and 254"},
        {2, "anything", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.address);
        dialogs.reset();
        dialog.App_BACnet_Type = c.type;
        show(dialog);
        dialog.E_ID_IP->setText(QString::fromLatin1(c.address));
        QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
        if (c.message == nullptr) {
            EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), platform::mrOk);
        } else {
            EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
            EXPECT_TRUE(dialog.isVisible());
            dialog.close();
        }
    }
}

TEST_F(ImportDialogTest, EachShowingReadsTheFileAgainAndKeepsTheAddressTyped)
{
    int result = -1;
    whileShown(
        dialog, [&] { result = dialog.exec(); },
        [&] {
            dialog.E_ID_IP->setText(QStringLiteral("10.1.2.3"));
            QTest::mouseClick(dialog.Btn_Unselect_All, Qt::LeftButton);
            QTest::mouseClick(dialog.Btn_Cancel, Qt::LeftButton);
        });
    EXPECT_EQ(result, platform::mrCancel);

    show(dialog);
    EXPECT_EQ(dialog.E_ID_IP->text(), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(dialog.ECG->GetCellEx(TFImportEDEFile::ColImport, 1), QStringLiteral("Y"));
    EXPECT_TRUE(dialog.List_EDE_Var[0].import);
    dialog.close();

    // A file of fewer than seven lines: one empty row; OK imports nothing.
    dialog.EDE_File = folder.write(QStringLiteral("short.csv"), "# mandatory\r\nk;1;n;0;1;;;;;N;N;;;;;\r\n");
    show(dialog);
    EXPECT_TRUE(dialog.List_EDE_Var.empty());
    EXPECT_EQ(dialog.ECG->RowCount(), 2);
    EXPECT_EQ(row(1), (QStringList{"1", "", "", "", "", "", "", "", ""}));
    QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
}

}  // namespace ede_import_form_tests
