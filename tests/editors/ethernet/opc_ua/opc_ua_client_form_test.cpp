// The OPC UA client editor: its file through the grids and back, the grids
// bound to the server selected when they were entered, the row commands,
// deleting a server, lists longer than a grid, Auto Pos, the check over
// the servers, adding through the dialog, browsing through the fake search
// library with the append questions, and a file it cannot read.

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/opc_ua/opc_ua_add_server_form.h"
#include "editors/ethernet/opc_ua/opc_ua_client_file.h"
#include "editors/ethernet/opc_ua/opc_ua_client_form.h"
#include "editors/ethernet/opc_ua/opc_ua_scan_server_form.h"
#include "opc_ua_editor_fixture.h"
#include "support/rule_form_user.h"

namespace opc_ua_client_form_tests {

using namespace opc_ua;
using opc_ua_testing::anonymousServer;
using opc_ua_testing::kFakeSearchFolder;
using opc_ua_testing::numericVariable;
using opc_ua_testing::opcUaFixture;
using opc_ua_testing::OpcUaEditorTest;
using opc_ua_testing::readFile;
using opc_ua_testing::whileShown;
using platform::MessageResult;
using F = TFOPC_UA_Client_Access;

constexpr int kDisplayName = 2;
constexpr int kTime = 10;
constexpr int kPosition = 11;

class OpcUaClientFormTest : public OpcUaEditorTest {
protected:
    OpcUaClientFormTest()
    {
        form.setAddServerDialog(&addServer);
        form.setScanDialog(&scan);
        scan.searchFolders = {kFakeSearchFolder};
    }

    void writeServers(const ServerList& servers)
    {
        platform::XmlDocument doc;
        ASSERT_TRUE(writeOPCUAClientFile(clientPath(), doc, servers));
    }
    void clickServer(int row)
    {
        grid::TExColumnGrid& g = *form.ECG_OPC_UA_Server;
        const platform::TRect r = g.CellRect(2, row);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    QString cell(int table, int col, int row) const { return form.table(table).grid().GetCellEx(col, row); }
    QStringList names(const std::vector<TOPC_UA_Variable>& list) const
    {
        QStringList out;
        for (const TOPC_UA_Variable& v : list)
            out << v.DispalyName;
        return out;
    }
    // Two servers with read and write variables.
    static ServerList twoServers()
    {
        ServerList servers = {anonymousServer("opc.tcp://a"), anonymousServer("opc.tcp://b")};
        servers[0].Var_List_R = {numericVariable("a1", 1, "Int16", "0"), numericVariable("a2", 2, "Int16", "2")};
        servers[0].Var_List_W = {numericVariable("aw", 3, "Float", "0")};
        servers[1].Var_List_R = {numericVariable("b1", 4, "Byte", "10")};
        for (TOPC_UA_Server& s : servers)
            for (TOPC_UA_Variable& v : s.Var_List_W) {
                v.VarArray = QStringLiteral("Var");
                v.Start = v.Len = QStringLiteral("0");
            }
        return servers;
    }
    // Scan with the browse dialog answered by `inDialog`.
    template <typename InDialog>
    bool scanWith(InDialog inDialog)
    {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &scan, [this] { scan.reject(); });
        guard.start(5000);
        return whileShown(scan, [this] { form.Scan_Server(); }, inDialog);
    }
    void acceptBrowse(bool read, bool write)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!scan.Timer_Scan->isActive(), 20000);
        QApplication::processEvents();
        scan.markAll(S::ColRead, read);
        scan.markAll(S::ColWrite, write);
        scan.done(platform::mrOk);
    }
    using S = TFOPC_UA_Scan_Server;

    TFOPC_UA_Add_Server addServer;
    TFOPC_UA_Scan_Server scan;
    TFOPC_UA_Client_Access form;
    testing_support::RuleFormUser user{form};
};

TEST_F(OpcUaClientFormTest, TheFileShowsInTheGridsAndOkWritesItBackUnchanged)
{
    writeClient(readFile(opcUaFixture("OPC_UA_Client.xml")));
    show(form);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.ECG_OPC_UA_Server->RowCount(), 3);
    EXPECT_EQ(form.ECG_OPC_UA_Server->GetCellEx(2, 1), "opc.tcp://10.0.0.5:4840");
    EXPECT_EQ(form.ECG_OPC_UA_Server->GetCellEx(1, 2), "N");
    EXPECT_EQ(form.table(F::Read).rowTexts(1),
              (QStringList{"Y", "Stamp", "Guid", "000012AB-0001-FFFF-0102-030405060708", "DateTime", "1", "Array", "2",
                           "3", "100", "0", ""}));
    EXPECT_EQ(form.table(F::Write).rowTexts(1),
              (QStringList{"Y", "Set point", "Numeric", "4294967295", "Float", "65535", "Y", "N", "Y", "500", "4", "x"}));
    EXPECT_EQ(form.windowTitle(), "OCP UA Client Access");
    EXPECT_EQ(form.Btn_OK->Caption(), "OK");
    EXPECT_EQ(form.Btn_PasteRow->Caption(), "Paste Row");
    EXPECT_EQ(form.Btn_Scan_Server->Caption(), "Scan");
    EXPECT_EQ(form.ECG_OPC_UA_Var_R->Columns()[7]->Header(), "Var/Array");
    EXPECT_EQ(form.PageControl1->tabText(1), "Variables in Write");

    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(clientPath()), readFile(opcUaFixture("OPC_UA_Client.xml")));
}

TEST_F(OpcUaClientFormTest, AGridIsStoredIntoTheServerSelectedWhenItWasEntered)
{
    writeServers(twoServers());
    show(form);
    user.typeInto(kTime, 1, QStringLiteral("250"));
    EXPECT_EQ(form.Ind_Server, 0);
    // Choosing the other server leaves the grid: the edit goes to the first.
    clickServer(2);
    EXPECT_EQ(form.Ind_Server, -1);
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_R[0].Time, "250");
    EXPECT_EQ(form.OPC_UA_Server_List[1].Var_List_R[0].Time, "100");
    EXPECT_EQ(cell(F::Read, kDisplayName, 1), "b1");
    EXPECT_EQ(cell(F::Read, kDisplayName, 2), "");

    // An edit still open in its cell goes with the grid too.
    user.clickCell(kPosition, 1);
    user.type(QStringLiteral("77"));
    clickServer(1);
    EXPECT_EQ(form.OPC_UA_Server_List[1].Var_List_R[0].Position, "77");
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_R[0].Position, "0");

    // A list ends at its first empty Display Name when it is left.
    clickServer(1);
    user.clickCell(kDisplayName, 1);
    form.ECG_OPC_UA_Var_R->SetCellEx(kDisplayName, 1, QString());
    clickServer(2);
    EXPECT_TRUE(form.OPC_UA_Server_List[0].Var_List_R.empty());
    EXPECT_EQ(names(form.OPC_UA_Server_List[1].Var_List_R), QStringList{"b1"});
}

TEST_F(OpcUaClientFormTest, AfterADeleteTheGridsShowTheRemainingServerAndStoreIntoIt)
{
    writeServers(twoServers());
    show(form);
    clickServer(1);
    dialogs.answer(MessageResult::Yes);
    form.Delete_Server();
    EXPECT_EQ(dialogs.texts(), QStringList{"Do you really want to delete the selected OPC UA Server?"});
    EXPECT_EQ(dialogs.shown()[0].buttons, platform::MessageButtons::YesNoCancel);
    ASSERT_EQ(form.OPC_UA_Server_List.size(), 1u);
    EXPECT_EQ(cell(F::Read, kDisplayName, 1), "b1");
    EXPECT_EQ(cell(F::Read, kDisplayName, 2), "");
    EXPECT_EQ(cell(F::Write, kDisplayName, 1), "");
    // Leaving the grids now stores what they show, into the server they show.
    user.typeInto(kPosition, 1, QStringLiteral("30"));
    form.Btn_OKClick();
    ASSERT_EQ(form.OPC_UA_Server_List.size(), 1u);
    EXPECT_EQ(names(form.OPC_UA_Server_List[0].Var_List_R), QStringList{"b1"});
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_R[0].Position, "30");
    EXPECT_TRUE(form.OPC_UA_Server_List[0].Var_List_W.empty());

    // No and Cancel keep the server; without servers nothing is asked.
    dialogs.reset();
    show(form);
    dialogs.answer(MessageResult::No);
    form.Delete_Server();
    EXPECT_EQ(form.OPC_UA_Server_List.size(), 1u);
    dialogs.answer(MessageResult::Yes);
    form.Delete_Server();
    EXPECT_TRUE(form.OPC_UA_Server_List.empty());
    dialogs.reset();
    form.Delete_Server();
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(OpcUaClientFormTest, RowCommandsStoreTheGridIntoItsServer)
{
    writeServers(twoServers());
    show(form);
    form.ECG_OPC_UA_Var_R->FocusCell(2, 1);
    dialogs.answer(MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 1"});
    EXPECT_EQ(names(form.OPC_UA_Server_List[0].Var_List_R), QStringList{"a2"});
    form.Btn_CopyRowClick();
    form.ECG_OPC_UA_Var_R->FocusCell(2, 2);
    form.Btn_PasteRowClick();
    EXPECT_EQ(names(form.OPC_UA_Server_List[0].Var_List_R), (QStringList{"a2", "a2"}));
    form.setActiveTable(F::Write);
    form.Btn_PasteRowClick();  // copied from the other grid
    EXPECT_EQ(dialogs.texts().last(), "Error!!! Copy a valid row before Paste it");
    form.setActiveTable(F::Read);
    form.ECG_OPC_UA_Var_R->FocusCell(2, 1);
    form.Btn_InsRowClick();
    // The inserted row is empty, so the list ends before it.
    EXPECT_TRUE(form.OPC_UA_Server_List[0].Var_List_R.empty());
    EXPECT_EQ(form.OPC_UA_Server_List[1].Var_List_R.size(), 1u);
}

TEST_F(OpcUaClientFormTest, ListsLongerThanAGridKeepTheirVariablesBeyondIt)
{
    ServerList servers = twoServers();
    servers[0].Var_List_R.clear();
    for (uint32_t i = 0; i < 1100; ++i)
        servers[0].Var_List_R.push_back(numericVariable(QStringLiteral("v%1").arg(i).toLatin1().constData(), i,
                                                        "Byte", "0"));
    writeServers(servers);
    show(form);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.texts(), QStringList{"The OPC UA Server Number 1 has 1100 variables in the list \"Variables in "
                                           "Read\": the table shows the first 1024, the others are kept and saved "
                                           "with the server."});
    EXPECT_EQ(cell(F::Read, kDisplayName, 1024), "v1023");
    user.typeInto(kPosition, 3, QStringLiteral("7"));
    clickServer(2);
    ASSERT_EQ(form.OPC_UA_Server_List[0].Var_List_R.size(), 1100u);
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_R[2].Position, "7");
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_R[1099].DispalyName, "v1099");

    form.Btn_OKClick();
    ServerList saved;
    platform::XmlDocument doc;
    ASSERT_TRUE(readOPCUAClientFile(clientPath(), doc, saved).ok());
    EXPECT_EQ(saved[0].Var_List_R.size(), 1100u);
}

TEST_F(OpcUaClientFormTest, AutoPosPlacesTheSelectedServersVariablesAfterThePreviousServer)
{
    ServerList servers = twoServers();
    TOPC_UA_Variable array = numericVariable("arr", 9, "Int32", "");
    array.VarArray = QStringLiteral("Array");
    array.Len = QStringLiteral("3");
    servers[1].Var_List_R = {array, numericVariable("after", 5, "Byte", "")};
    writeServers(servers);
    show(form);
    clickServer(2);
    dialogs.answer(MessageResult::Yes);
    form.Btn_AutoPositionClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"With this operation all the positions for this Server OPC UA will be "
                                           "overwritten. Do you want to continue?"});
    // Behind a2 (position 2, Int16) of the first server; the array takes 12.
    EXPECT_EQ(cell(F::Read, kPosition, 1), "4");
    EXPECT_EQ(cell(F::Read, kPosition, 2), "16");
    EXPECT_EQ(form.OPC_UA_Server_List[1].Var_List_R[1].Position, "16");
    dialogs.answer(MessageResult::No);
    form.ECG_OPC_UA_Var_R->SetCellEx(kPosition, 1, QStringLiteral("99"));
    form.Btn_AutoPositionClick();
    EXPECT_EQ(form.OPC_UA_Server_List[1].Var_List_R[0].Position, "99");
}

TEST_F(OpcUaClientFormTest, OkChecksTheServersAndWritesNothingOnAFailure)
{
    ServerList servers = twoServers();
    servers[1].Var_List_R[0].Time.clear();
    writeServers(servers);
    const QByteArray before = readFile(clientPath());
    show(form);
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error in Server Number 2 in Read Variable 1!! Time cannot be empty"});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(readFile(clientPath()), before);
    // An edit still in the grid is checked too.
    dialogs.reset();
    form.ECG_OPC_UA_Var_W->SetCellEx(kPosition, 1, QStringLiteral("1500"));
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(),
              QStringList{"Error in Server Number 1 in Write Variable 1!! Position must be between 0 and 1499"});
    EXPECT_EQ(form.activeTable(), F::Write);
}

TEST_F(OpcUaClientFormTest, AFileThatCannotBeReadIsNeverOverwritten)
{
    for (const QByteArray& broken :
         {QByteArray("<OPC_UA_Client><OPC_UA_Server_List>"),
          QByteArray("<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server Enable=\"1\" /></OPC_UA_Server_List>"
                     "</OPC_UA_Client>")}) {
        dialogs.reset();
        writeClient(broken);
        EXPECT_EQ(form.exec(), int(QDialog::Rejected));
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("OPC_UA_Client.xml")));
        form.Btn_OKClick();
        EXPECT_EQ(readFile(clientPath()), broken);
    }
    EXPECT_TRUE(dialogs.texts()[0].contains(QStringLiteral("OPC_UA_Server 1 has no attribute ServerAddress")))
        << dialogs.texts()[0].toStdString();
}

TEST_F(OpcUaClientFormTest, AddAndModifyGoThroughTheDialog)
{
    show(form);
    EXPECT_TRUE(whileShown(addServer, [this] { form.Add_Server(); }, [this] {
        EXPECT_EQ(addServer.windowTitle(), "Add OPC UA Server");
        addServer.E_Server_Add->setText(QStringLiteral("opc.tcp://new"));
        addServer.Btn_OKClick();
    }));
    ASSERT_EQ(form.OPC_UA_Server_List.size(), 1u);
    EXPECT_EQ(form.OPC_UA_Server_List[0].ServerAddress, "opc.tcp://new");
    EXPECT_TRUE(form.OPC_UA_Server_List[0].Enable);
    EXPECT_EQ(form.OPC_UA_Server_List[0].SecurityPolicy, "None");
    EXPECT_EQ(form.ECG_OPC_UA_Server->GetCellEx(2, 1), "opc.tcp://new");

    form.OPC_UA_Server_List[0].Var_List_R = {numericVariable("kept", 1, "Byte", "0")};
    form.Show_OPC_UA_Var_List();
    EXPECT_TRUE(whileShown(addServer, [this] { form.Modify_Server(); }, [this] {
        EXPECT_EQ(addServer.windowTitle(), "Modify OPC UA Server");
        EXPECT_EQ(addServer.E_Server_Add->text(), "opc.tcp://new");
        addServer.E_Mnemonic->setText(QStringLiteral("line 3"));
        addServer.Btn_OKClick();
    }));
    EXPECT_EQ(form.OPC_UA_Server_List[0].Mnemonic, "line 3");
    EXPECT_EQ(names(form.OPC_UA_Server_List[0].Var_List_R), QStringList{"kept"});
    EXPECT_EQ(cell(F::Read, kDisplayName, 1), "kept");
}

TEST_F(OpcUaClientFormTest, ADoubleClickOnAServerModifiesItAndElsewhereAddsOne)
{
    writeServers(twoServers());
    show(form);
    grid::TExColumnGrid& g = *form.ECG_OPC_UA_Server;
    const auto doubleClick = [&g](QPoint at) {
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    };
    const platform::TRect second = g.CellRect(2, 2);
    QString title;
    EXPECT_TRUE(whileShown(addServer, [&] { doubleClick(QPoint(second.Left + 5, second.Top + 5)); }, [&] {
        title = addServer.windowTitle();
        EXPECT_EQ(addServer.E_Server_Add->text(), "opc.tcp://b");
        addServer.reject();
    }));
    EXPECT_EQ(title, "Modify OPC UA Server");
    EXPECT_TRUE(whileShown(addServer, [&] { doubleClick(QPoint(second.Left + 5, second.Bottom + 40)); }, [&] {
        title = addServer.windowTitle();
        addServer.reject();
    }));
    EXPECT_EQ(title, "Add OPC UA Server");
    EXPECT_EQ(form.OPC_UA_Server_List.size(), 2u);
}

TEST_F(OpcUaClientFormTest, ScanAsksBeforeAppendingToAListThatHoldsVariables)
{
    writeServers(twoServers());
    show(form);
    // Read: No replaces the old variables; Write: Yes appends.
    dialogs.answer(MessageResult::No);
    dialogs.answer(MessageResult::Yes);
    ASSERT_TRUE(scanWith([this] {
        acceptBrowse(true, false);
        scan.ECG_OPC_UA_Scan_Var->SetCellEx(S::ColWrite, 2, QStringLiteral("Y"));
    }));
    EXPECT_EQ(dialogs.texts(), (QStringList{"Do you want to append the new variables in Read?",
                                            "Do you want to append the new variables in Write?"}));
    const TOPC_UA_Server& s = form.OPC_UA_Server_List[0];
    EXPECT_EQ(names(s.Var_List_R), (QStringList{"Echo", "Counter", "Stamp", "Blob", "Variable 5", QStringLiteral(u"Temp\u00e9rature")}));
    EXPECT_EQ(names(s.Var_List_W), (QStringList{"aw", "Counter"}));
    EXPECT_EQ(s.Var_List_W[1].NodeID(), "4294967295");
    EXPECT_EQ(cell(F::Read, kDisplayName, 3), "Stamp");
    EXPECT_EQ(cell(F::Read, kPosition, 3), "");
    // The browse's server was the selected one, and is forgotten after it.
    EXPECT_TRUE(s.Var_List_R[0].stringname.startsWith(QStringLiteral("opc.tcp://a|")));
    EXPECT_FALSE(scan.Server.isSet());

    // Cancel of the question keeps the list; Cancel of the browse asks nothing.
    dialogs.reset();
    dialogs.answer(MessageResult::Cancel);
    dialogs.answer(MessageResult::Cancel);
    ASSERT_TRUE(scanWith([this] { acceptBrowse(true, true); }));
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_R.size(), 6u);
    dialogs.reset();
    ASSERT_TRUE(scanWith([this] { scan.reject(); }));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_W.size(), 2u);
}

TEST_F(OpcUaClientFormTest, ScanNeedsAServerAndAnEmptyBrowseAddsNothing)
{
    show(form);
    form.Scan_Server();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!! Select one Server OPC UA before use the Scan operation"});
    form.OPC_UA_Server_List = {anonymousServer("opc.tcp://none")};
    form.Show_OPC_UA_Server_List();
    dialogs.reset();
    ASSERT_TRUE(scanWith([this] { acceptBrowse(true, true); }));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(form.OPC_UA_Server_List[0].Var_List_R.empty());
    // An empty list takes the marked variables without a question.
    form.OPC_UA_Server_List[0].ServerAddress = QStringLiteral("opc.tcp://plc");
    ASSERT_TRUE(scanWith([this] { acceptBrowse(false, true); }));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(form.OPC_UA_Server_List[0].Var_List_R.empty());
    EXPECT_EQ(form.OPC_UA_Server_List[0].Var_List_W.size(), 6u);
    EXPECT_EQ(cell(F::Write, kDisplayName, 2), "Counter");
}

}  // namespace opc_ua_client_form_tests
