// The SNMP agent variable editor: both tables through the file and back,
// column 0 numbering the enabled variables after a load, a click on a box
// and the row buttons, the checks through the form, files that cannot be
// used or lack a list, and the texts of its block; then a user's keys and
// clicks, whose file gives the MIB module its variables.

#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/snmp/snmp_mib.h"
#include "editors/ethernet/snmp/snmp_trap_form.h"
#include "snmp_editor_fixture.h"

namespace snmp_trap_form_tests {

using platform::MessageKind;
using snmp::TFSNMP_Trap_Access;
using snmp_testing::fixture;
using snmp_testing::readFile;
using snmp_testing::SNMPEditorTest;

class TrapEditorTest : public SNMPEditorTest {
protected:
    grid::TExStringGrid& grid(int table) const { return form.table(table).grid(); }
    // Column 0 of rows 1 .. count.
    QStringList indexes(int table, int count) const
    {
        QStringList texts;
        for (int r = 1; r <= count; ++r)
            texts << grid(table).GetCellEx(0, r);
        return texts;
    }
    QString messages() const { return dialogs.texts().join(u'\n'); }

    TFSNMP_Trap_Access form;
};

TEST_F(TrapEditorTest, BothTablesComeFromTheFileAndOkWritesItBackUnchanged)
{
    const QByteArray original = readFile(fixture(QStringLiteral("SNMP_Trap.xml")));
    ASSERT_FALSE(original.isEmpty());
    writeTrap(original);
    show(form);
    EXPECT_EQ(form.table(0).rowTexts(1),
              (QStringList{"Y", "Pumeld", "Int", "Y", "N", "Y", "5000", "0", "0", "16", "temp", "192.168.1.200",
                           "Float * 10", "Oven temperature"}));
    EXPECT_EQ(form.table(1).rowTexts(1), (QStringList{"Y", "Vorstik", "Int", "20", "3", "4", "", "None", ""}));
    // The disabled row 2 takes no index; the rows after the list are reset
    // rows, enabled.
    EXPECT_EQ(indexes(0, 5), (QStringList{"1", "", "2", "3", "4"}));
    EXPECT_EQ(indexes(1, 2), (QStringList{"1", "2"}));
    form.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(trapPath()), original);
}

TEST_F(TrapEditorTest, ColumnZeroFollowsTheEnableBoxesAndTheRowButtons)
{
    writeTrap(readFile(fixture(QStringLiteral("SNMP_Trap.xml"))));
    show(form);
    form.activateWindow();
    const auto clickEnable = [this](int r) {
        const platform::TRect cell = form.ECG_SNMP_Read->CellRect(TFSNMP_Trap_Access::kEnableColumn, r);
        QTest::mouseClick(form.ECG_SNMP_Read->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        QApplication::processEvents();
    };
    clickEnable(2);
    EXPECT_EQ(form.table(0).cellText(1, 2), QStringLiteral("Y"));
    EXPECT_EQ(indexes(0, 4), (QStringList{"1", "2", "3", "4"}));
    clickEnable(1);
    EXPECT_EQ(indexes(0, 4), (QStringList{"", "1", "2", "3"}));
    clickEnable(2);
    EXPECT_EQ(indexes(0, 4), (QStringList{"", "", "1", "2"}));

    // Delete row 1: the rows below move up, and so do their indexes.
    form.ECG_SNMP_Read->FocusCell(2, 1);
    dialogs.answer(platform::MessageResult::Yes);
    form.Btn_DelRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Are you sure to delete the Row number 1"});
    EXPECT_EQ(indexes(0, 3), (QStringList{"", "1", "2"}));
    // Insert gives an enabled empty row.
    form.Btn_InsRowClick();
    EXPECT_EQ(indexes(0, 3), (QStringList{"1", "", "2"}));
    EXPECT_EQ(indexes(1, 2), (QStringList{"1", "2"})) << "the other table keeps its indexes";
}

TEST_F(TrapEditorTest, CopyOnOnePagePasteOnTheOtherIsRefused)
{
    writeTrap(readFile(fixture(QStringLiteral("SNMP_Trap.xml"))));
    show(form);
    form.setActiveTable(TFSNMP_Trap_Access::Read);
    form.Btn_CopyRowClick();
    form.setActiveTable(TFSNMP_Trap_Access::Write);
    form.ECG_SNMP_Write->FocusCell(2, 2);
    form.Btn_PasteRowClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!!! Copy a valid row before Paste it"});
    EXPECT_TRUE(form.table(1).keyEmpty(2));
}

TEST_F(TrapEditorTest, ChecksThroughTheFormOnTheirPage)
{
    const QByteArray original = readFile(fixture(QStringLiteral("SNMP_Trap.xml")));
    writeTrap(original);
    using Cells = std::vector<std::tuple<int, int, int, const char*>>;  // table, row, column, text
    struct Case {
        const char* name;
        Cells cells;
        const char* message;
        int page;
    };
    const Case cases[] = {
        {"write row without type", {{1, 1, 3, ""}}, "Error row 1!! [SNMP Write] Type must be selected", 1},
        {"string read row from bit 1", {{0, 3, 9, "1"}},
         "Error row 3!! [SNMP Read] Start Bit must be 0 if Type is String", 0},
        {"read and write alike", {{1, 1, 7, "level"}}, "Error!! The Descriptions must be all differents", 1},
        {"a disabled row is not checked", {{0, 2, 2, "bad name"}, {1, 1, 3, ""}},
         "Error row 1!! [SNMP Write] Type must be selected", 1},
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
        EXPECT_EQ(readFile(trapPath()), original);
        form.close();
    }
}

TEST_F(TrapEditorTest, FilesThatCannotBeUsedAreNeverOverwrittenAndAMissingListLeavesItsTableEmpty)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Case refused[] = {
        {"not well-formed", "<SNMP_Trap>\n\t<SNMP_Trap_Read>\n\t\t<row Enable=\"Y\" \n", " cannot be read: "},
        {"neither list", "<Modbus_Rules><row Enable=\"Y\" /></Modbus_Rules>", " has no element SNMP_Trap_Read"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.name);
        dialogs.reset();
        writeTrap(c.bytes);
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
        EXPECT_TRUE(dialogs.shown()[0].text.contains(trapPath() + QString::fromLatin1(c.message)))
            << messages().toStdString();
        EXPECT_EQ(readFile(trapPath()), c.bytes);
    }

    dialogs.reset();
    writeTrap("<SNMP_Trap><SNMP_Trap_Write><row Enable=\"N\" Community_Name=\"Vorstik\" Description=\"w\" />"
              "</SNMP_Trap_Write></SNMP_Trap>");
    show(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_EQ(form.table(0).savedRowCount(), 0);
    EXPECT_EQ(form.table(1).rowTexts(1), (QStringList{"N", "Vorstik", "", "", "", "", "w", "None", ""}));
}

TEST_F(TrapEditorTest, SurplusRowsAreReportedWithTheirPageWhenTheEditorIsShown)
{
    QByteArray xml = "<SNMP_Trap><SNMP_Trap_Read /><SNMP_Trap_Write>";
    for (int i = 1; i <= 258; ++i)
        xml += "<row Community_Name=\"c" + QByteArray::number(i) + "\" />";
    xml += "</SNMP_Trap_Write></SNMP_Trap>";
    writeTrap(xml);
    show(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("The file ") + trapPath()
                                           + QStringLiteral(" holds 2 rows more than the table \"SNMP Write\" can "
                                                            "show: they are not shown, and OK would remove them from "
                                                            "the file.")});
    EXPECT_EQ(form.table(1).cellText(2, 256), QStringLiteral("c256"));
    EXPECT_EQ(grid(1).GetCellEx(0, 256), QStringLiteral("256"));
}

TEST_F(TrapEditorTest, TextsOfTheBlock)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set SNMP Trap Access"));
    EXPECT_EQ(form.PageControl1->tabText(0), QStringLiteral("SNMP Read"));
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("SNMP Write"));
    EXPECT_EQ(form.activeTable(), TFSNMP_Trap_Access::Read);
    EXPECT_EQ(form.Btn_Cancel->toolTip(), QStringLiteral("Exit without save the SNMP Trap List"));
    const QStringList read = {"N", "Enable", "Community Name", "Type", "On Change", "On CMD", "On Timer", "Time (ms)",
                              "Position", "Start Bit", "Num Bits/Bytes", "Description", "IP Address", "Conversion",
                              "Mnemonic"};
    const QStringList write = {"N", "Enable", "Community Name", "Type", "Position", "Start Bit", "Num Bits/Bytes",
                               "Description", "Conversion", "Mnemonic"};
    ASSERT_EQ(form.ECG_SNMP_Read->ColCount(), 15);
    ASSERT_EQ(form.ECG_SNMP_Write->ColCount(), 10);
    EXPECT_EQ(form.ECG_SNMP_Read->RowCount(), 257);
    EXPECT_EQ(form.ECG_SNMP_Write->RowCount(), 257);
    for (int c = 0; c < read.size(); ++c)
        EXPECT_EQ(form.ECG_SNMP_Read->Columns()[c]->Header(), read[c]) << c;
    for (int c = 0; c < write.size(); ++c)
        EXPECT_EQ(form.ECG_SNMP_Write->Columns()[c]->Header(), write[c]) << c;
    struct Hint {
        int table;
        int column;
        const char* text;
    };
    const Hint hints[] = {
        {0, 9, "Insert the Start Bit of Array where to Read the data"},
        {0, 13, "Select the Data Conversion from Float to Int"},
        {1, 1, "Enable/Disable the Row with the SNMP Trap Request"},
        {1, 5, "Insert the Start Bit of Array where to Write the data"},
        {1, 6, "Insert the Number of Bits of SNMP Trap"},
        {1, 8, "Select the Data Conversion from Int to Float"},
    };
    for (const Hint& h : hints) {
        QString hint;
        grid(h.table).OnGridHint(&grid(h.table), 0, h.column, hint);
        EXPECT_EQ(hint, QString::fromLatin1(h.text)) << h.table << "," << h.column;
    }
    show(form);
    EXPECT_EQ(form.NByte_IN, 1440);
    EXPECT_EQ(form.ECG_SNMP_Write->Columns()[4]->ComboItems.size(), 1440);
    EXPECT_EQ(form.ECG_SNMP_Read->Columns()[9]->ComboItems, (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(form.ECG_SNMP_Write->Columns()[8]->ComboItems,
              (QStringList{"None", "Float", "Float * 10", "Float * 100", "Float / 10", "Float / 100"}));
    EXPECT_EQ(form.ECG_SNMP_Read->Columns()[2]->Editor(), grid::edComboEdit);
    EXPECT_EQ(form.ECG_SNMP_Read->Columns()[11]->EditLength, 15);

    app::textTable().Lang_Texts[4709] = QStringLiteral("SNMP Schreiben");
    form.Set_Lang();
    EXPECT_EQ(form.PageControl1->tabText(1), QStringLiteral("SNMP Schreiben"));
}

// ---------------------------------------------------------------- a user's keys and clicks

class TrapEditorUser {
public:
    explicit TrapEditorUser(TFSNMP_Trap_Access& form) : form_(form) {}

    grid::TExStringGrid& grid() const { return form_.table(form_.activeTable()).grid(); }
    void clickCell(int col, int row)
    {
        const platform::TRect r = grid().CellRect(col, row);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    void key(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QApplication::processEvents();
    }
    void type(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QApplication::processEvents();
        }
    }
    void typeInto(int col, int row, const QString& text)
    {
        clickCell(col, row);
        type(text);
        key(Qt::Key_Return);
    }
    // Opens the drop-down list of a cell and walks down to its entry `steps`.
    void choose(int col, int row, int steps)
    {
        clickCell(col, row);
        key(Qt::Key_F2);
        for (int i = 0; i < steps; ++i)
            key(Qt::Key_Down);
        key(Qt::Key_Return);
    }
    void choosePage(int page)
    {
        QTabBar* bar = form_.PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
        QApplication::processEvents();
    }
    void press(button::TLbButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }

private:
    TFSNMP_Trap_Access& form_;
};

TEST_F(TrapEditorTest, KeysAndClicksWriteAFileWhoseEnabledVariablesTheMibModuleNames)
{
    show(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    TrapEditorUser user(form);

    // Read row 1: an integer of 16 bits, with a description longer than the
    // 15 characters a description takes.
    user.typeInto(2, 1, QStringLiteral("Pumeld"));
    user.choose(3, 1, 0);  // Int
    user.choose(8, 1, 0);  // Position 0
    user.choose(9, 1, 0);  // Start Bit 0
    user.typeInto(10, 1, QStringLiteral("16"));
    user.typeInto(11, 1, QStringLiteral("ovenTemperature1234"));
    user.typeInto(12, 1, QStringLiteral("192.168.1.200"));
    user.choose(13, 1, 1);  // Float
    // Read rows 2 and 3: copies of row 1 with their own descriptions; row 2
    // then unticked.
    user.press(form.Btn_CopyRow);
    user.clickCell(11, 2);
    user.press(form.Btn_PasteRow);
    user.typeInto(11, 2, QStringLiteral("spare"));
    user.clickCell(11, 3);
    user.press(form.Btn_PasteRow);
    user.choose(3, 3, 1);  // String
    user.typeInto(10, 3, QStringLiteral("17"));
    user.typeInto(11, 3, QStringLiteral("level"));
    user.clickCell(1, 2);
    EXPECT_EQ(user.grid().GetCellEx(0, 2), QString());
    EXPECT_EQ(user.grid().GetCellEx(0, 3), QStringLiteral("2"));

    user.choosePage(1);
    ASSERT_EQ(form.activeTable(), TFSNMP_Trap_Access::Write);
    user.typeInto(2, 1, QStringLiteral("plant7"));
    user.choose(3, 1, 0);  // Int
    user.choose(4, 1, 2);  // Position 2
    user.choose(5, 1, 3);  // Start Bit 3
    user.typeInto(6, 1, QStringLiteral("4"));
    user.choose(8, 1, 0);  // None

    user.press(form.Btn_OK);
    // Row 3 is a string of 17 bytes: one too many.
    ASSERT_EQ(dialogs.texts(),
              QStringList{"Error row 3!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes"});
    EXPECT_EQ(form.activeTable(), TFSNMP_Trap_Access::Read);
    dialogs.reset();
    user.typeInto(10, 3, QStringLiteral("8"));
    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << messages().toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(trapPath()),
              "<SNMP_Trap>\n"
              "\t<SNMP_Trap_Read>\n"
              "\t\t<row Enable=\"Y\" Community_Name=\"Pumeld\" Type=\"Int\" On_Change=\"\" On_Command=\"\" "
              "On_Timer=\"\" Time=\"\" Position=\"0\" Bit=\"0\" NumBits=\"16\" Description=\"ovenTemperature\" "
              "IP_Address=\"192.168.1.200\" Conversion=\"Float\" Mnemonic=\"\" />\n"
              "\t\t<row Enable=\"N\" Community_Name=\"Pumeld\" Type=\"Int\" On_Change=\"\" On_Command=\"\" "
              "On_Timer=\"\" Time=\"\" Position=\"0\" Bit=\"0\" NumBits=\"16\" Description=\"spare\" "
              "IP_Address=\"192.168.1.200\" Conversion=\"Float\" Mnemonic=\"\" />\n"
              "\t\t<row Enable=\"Y\" Community_Name=\"Pumeld\" Type=\"String\" On_Change=\"\" On_Command=\"\" "
              "On_Timer=\"\" Time=\"\" Position=\"0\" Bit=\"0\" NumBits=\"8\" Description=\"level\" "
              "IP_Address=\"192.168.1.200\" Conversion=\"Float\" Mnemonic=\"\" />\n"
              "\t</SNMP_Trap_Read>\n"
              "\t<SNMP_Trap_Write>\n"
              "\t\t<row Enable=\"Y\" Community_Name=\"plant7\" Type=\"Int\" Position=\"2\" Bit=\"3\" NumBits=\"4\" "
              "Description=\"\" Conversion=\"None\" Mnemonic=\"\" />\n"
              "\t</SNMP_Trap_Write>\n"
              "</SNMP_Trap>\n"
              "<!--SW_VERSION = 1.000-->\n");

    // The module names the enabled variables with the indexes column 0 showed.
    platform::XmlDocument doc;
    const QStringList lines = snmp::Write_MIB_Lines(snmp::Load_SNMP_Trap_Variables(trapPath(), doc));
    EXPECT_TRUE(lines.contains(QStringLiteral("ovenTemperature OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS "
                                              "current DESCRIPTION \"ovenTemperature\" ::= { bufferinval 1 }")));
    EXPECT_TRUE(lines.contains(QStringLiteral("level OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS "
                                              "current DESCRIPTION \"level\" ::= { bufferinval 2 }")));
    EXPECT_TRUE(lines.contains(QStringLiteral("bufferoutval1 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write STATUS "
                                              "current DESCRIPTION \"\" ::= { bufferoutval 1 }")));
}

}  // namespace snmp_trap_form_tests
