// The browse dialog with the fake search library loaded as the program
// loads it: the server record handed over, the variables shown with their
// access marks, Select All and Clear All, the texts kept after the library
// is released, and the messages of a missing library or function.

#include <QLabel>
#include <QTest>
#include <QTimer>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/opc_ua/opc_ua_scan_server_form.h"
#include "opc_ua_editor_fixture.h"

namespace opc_ua_scan_server_tests {

using opc_ua::TFOPC_UA_Scan_Server;
using opc_ua_testing::kFakeSearchFolder;
using opc_ua_testing::kIncompleteSearchFolder;
using opc_ua_testing::OpcUaEditorTest;
using S = TFOPC_UA_Scan_Server;

class OpcUaScanServerTest : public OpcUaEditorTest {
protected:
    OpcUaScanServerTest() { dialog.searchFolders = {kFakeSearchFolder}; }

    // Shows the dialog for `address` and waits for its browse.
    void browse(const char* address)
    {
        opc_ua::TOPC_UA_Server server = opc_ua_testing::anonymousServer(address);
        server.Authorization = QStringLiteral("Username and Password");
        server.UserName = QStringLiteral("operator");
        server.Password = QStringLiteral(u"pass\u00e9");
        server.Certificate = QStringLiteral("CERT");
        server.PrivateKey = QStringLiteral("KEY");
        server.SecurityType = QStringLiteral("Sign");
        server.SecurityPolicy = QStringLiteral("Basic 256 SHA 256");
        dialog.Server = opc_ua::searchServerOf(server);
        show(dialog);
        // The label shows while the browse waits for its timer; on a loaded
        // machine the timer may already have run during the showing.
        if (dialog.Timer_Scan->isActive()) {
            EXPECT_TRUE(dialog.LWaiting->isVisible());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Timer_Scan->isActive(), 20000);
        QApplication::processEvents();
    }
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < S::ColumnCount; ++c)
            cells << dialog.ECG_OPC_UA_Scan_Var->GetCellEx(c, r);
        return cells;
    }

    TFOPC_UA_Scan_Server dialog;
};

TEST_F(OpcUaScanServerTest, TheVariablesFoundAreShownWithTheirAccessMarks)
{
    browse("opc.tcp://10.0.0.5:4840");
    EXPECT_FALSE(dialog.LWaiting->isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    ASSERT_EQ(dialog.ECG_OPC_UA_Scan_Var->RowCount(), 7);
    // The first variable echoes the server record as the library got it:
    // the texts in the ANSI code page, the codes of the choices.
    EXPECT_EQ(row(1), (QStringList{"1", "Y", "", "Echo", "String",
                                   QStringLiteral(u"opc.tcp://10.0.0.5:4840|operator|pass\u00e9|CERT|KEY"), "String",
                                   "113", "Read"}));
    EXPECT_EQ(row(2), (QStringList{"2", "Y", "Y", "Counter", "Numeric", "4294967295", "Int32", "2", "Read/Write"}));
    EXPECT_EQ(row(3), (QStringList{"3", "", "Y", "Stamp", "Guid", "000012AB-0001-FFFF-0102-030405060708", "DateTime",
                                   "1", "Write"}));
    EXPECT_EQ(row(4), (QStringList{"4", "Y", "Y", "Blob", "ByteString", "BS-7", "ByteString", "3", "Read/Write"}));
    EXPECT_EQ(row(5), (QStringList{"5", "", "", "", "", "", "", "65535", "Read/Write"}));
    EXPECT_EQ(row(6), (QStringList{"6", "Y", "", QStringLiteral(u"Temp\u00e9rature"), "Numeric", "7", "Float", "0",
                                   "Read"}));

    // The library is released: the copies stand.
    dialog.hide();
    ASSERT_EQ(dialog.List_Var.size(), 6u);
    EXPECT_EQ(dialog.List_Var[1].displayName, "Counter");
    EXPECT_EQ(dialog.List_Var[2].displayName, "Stamp");
    EXPECT_EQ(dialog.List_Var[3].byteString, "BS-7");
    EXPECT_EQ(dialog.List_Var[0].record.displayName, nullptr);

    // Shown again without a server: the last result again.
    dialog.Server = opc_ua::SearchServer();
    show(dialog);
    EXPECT_FALSE(dialog.Timer_Scan->isActive());
    EXPECT_EQ(row(2)[3], "Counter");
}

TEST_F(OpcUaScanServerTest, SelectAndClearAllSetOneColumnOfMarks)
{
    browse("opc.tcp://plc");
    dialog.Btn_SelectAllRead->OnClick(dialog.Btn_SelectAllRead);
    dialog.Btn_ClearAllWrite->OnClick(dialog.Btn_ClearAllWrite);
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(dialog.ECG_OPC_UA_Scan_Var->GetCellEx(S::ColRead, r), "Y") << r;
        EXPECT_EQ(dialog.ECG_OPC_UA_Scan_Var->GetCellEx(S::ColWrite, r), "N") << r;
    }
    EXPECT_EQ(dialog.marked(S::ColRead), std::vector<bool>(6, true));
    dialog.markAll(S::ColRead, false);
    dialog.ECG_OPC_UA_Scan_Var->SetCellEx(S::ColWrite, 3, QStringLiteral("Y"));
    EXPECT_EQ(dialog.marked(S::ColWrite), (std::vector<bool>{false, false, true, false, false, false}));
}

TEST_F(OpcUaScanServerTest, NothingFoundGivesAnEmptyGridThatSelectAllLeavesEmpty)
{
    browse("opc.tcp://none");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(dialog.List_Var.empty());
    EXPECT_EQ(dialog.ECG_OPC_UA_Scan_Var->RowCount(), 2);
    dialog.markAll(S::ColRead, true);
    EXPECT_EQ(dialog.ECG_OPC_UA_Scan_Var->GetCellEx(S::ColRead, 1), "");
}

TEST_F(OpcUaScanServerTest, AMissingLibraryOrFunctionIsReportedAndTheWaitingLabelStays)
{
    testing_support::TempFolder empty;
    struct Case {
        QString folder;
        const char* message;
    };
    for (const Case& c : {Case{empty.path(), "Error DLL not Found!!"},
                          Case{kIncompleteSearchFolder, "Error Functions in DLL not Found!!"}}) {
        SCOPED_TRACE(c.message);
        dialogs.reset();
        dialog.searchFolders = {c.folder};
        browse("opc.tcp://plc");
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_TRUE(dialog.LWaiting->isVisible());
        EXPECT_TRUE(dialog.List_Var.empty());
        EXPECT_EQ(dialog.ECG_OPC_UA_Scan_Var->RowCount(), 2);
        dialog.hide();
    }
}

}  // namespace opc_ua_scan_server_tests
