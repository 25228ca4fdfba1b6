// Each editor driven as a user drives it: rows typed, choices picked from
// the drop-down lists, boxes clicked, pages switched, OK pressed; the file
// written is compared with the one worked out by hand for those entries.

#include "editors/ethernet/ethernet_editor_fixture.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"
#include "support/rule_form_user.h"
#include "editors/ethernet/s7/s7_protocol_form.h"

namespace ethernet_rule_forms_gui_tests {

using ethernet_editor_testing::EthernetEditorTest;
using ethernet_editor_testing::readFile;
using testing_support::RuleFormUser;

class RuleFormsGuiTest : public EthernetEditorTest {
protected:
    // Shown wide enough for every column, and active.
    static void open(QDialog& form, int width)
    {
        form.resize(width, 480);
        show(form);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

// Shown read columns: 1 Enable, 2 Slave ID, 3 Type, 4 Address, 5 NPoint,
// 6 Poll Time, 7 Max Error, 8 Position, 9 Start Bit, 10 Swap, 11 SwapWord,
// 12 Mnemonic (the Topic column is hidden). Write columns: 1 Enable, 2 Slave
// ID, 3 Type, 4 Address, 5 NPoint, 6 Poll Time, 7 On Change, 8 On CMD,
// 9 Max Error, 10 Position, 11 Start Bit, 12 Swap, 13 SwapWord, 14 Mnemonic.
TEST_F(RuleFormsGuiTest, ModbusSerialRulesTypedAndChosenAreSavedOnOk)
{
    ethernet_editors::TFSetAccess form;
    open(form, 1100);
    RuleFormUser user(form);
    user.typeInto(2, 1, QStringLiteral("1"));
    user.choose(3, 1, 2);
    user.typeInto(4, 1, QStringLiteral("100"));
    user.typeInto(5, 1, QStringLiteral("10"));
    user.typeInto(6, 1, QStringLiteral("1000"));
    user.typeInto(7, 1, QStringLiteral("3"));
    user.choose(8, 1, 4);
    user.clickCell(10, 1);
    user.typeInto(12, 1, QStringLiteral("Boiler"));

    user.clickCell(1, 2);
    user.typeInto(2, 2, QStringLiteral("247"));
    user.choose(3, 2, 0);
    user.typeInto(4, 2, QStringLiteral("0"));
    user.typeInto(5, 2, QStringLiteral("16"));
    user.typeInto(6, 2, QStringLiteral("500"));
    user.typeInto(7, 2, QStringLiteral("0"));
    user.choose(8, 2, 2);
    user.choose(9, 2, 3);

    user.choosePage(1);
    ASSERT_EQ(form.activeTable(), 1);
    user.typeInto(2, 1, QStringLiteral("2"));
    user.choose(3, 1, 0);
    user.typeInto(4, 1, QStringLiteral("5"));
    user.typeInto(5, 1, QStringLiteral("8"));
    user.typeInto(6, 1, QStringLiteral("0"));
    user.clickCell(7, 1);
    user.typeInto(9, 1, QStringLiteral("0"));
    user.choose(10, 1, 1);
    // A coil without its Start Bit is refused, and the form stays open.
    user.press(form.Btn_OK);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error row 1!! [Modbus Write] Bit must be between 0 and 7"));
    EXPECT_TRUE(form.isVisible());
    dialogs.reset();
    user.choose(11, 1, 0);
    user.clickCell(13, 1);
    user.typeInto(14, 1, QStringLiteral("Valves"));

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(modbusPath()),
              QByteArray("<EtherNetIP_to_Modbus>\n"
                         "\t<Modbus_Read>\n"
                         "\t\t<row Enable=\"Y\" Slave_ID=\"1\" Type=\"Holding Register\" Address=\"100\" NPoint=\"10\" "
                         "PollTime=\"1000\" MaxError=\"3\" Position=\"4\" Bit=\"\" Swap=\"Y\" SwapWord=\"\" "
                         "Index_Topic=\"\" Mnemonic=\"Boiler\" />\n"
                         "\t\t<row Enable=\"N\" Slave_ID=\"247\" Type=\"Coil Status\" Address=\"0\" NPoint=\"16\" "
                         "PollTime=\"500\" MaxError=\"0\" Position=\"2\" Bit=\"3\" Swap=\"\" SwapWord=\"\" "
                         "Index_Topic=\"\" Mnemonic=\"\" />\n"
                         "\t</Modbus_Read>\n"
                         "\t<Modbus_Write>\n"
                         "\t\t<row Enable=\"Y\" Slave_ID=\"2\" Type=\"Coil Status\" Address=\"5\" NPoint=\"8\" "
                         "PollTime=\"0\" OnChange=\"Y\" OnCMD=\"\" MaxError=\"0\" Position=\"1\" Bit=\"0\" Swap=\"\" "
                         "SwapWord=\"Y\" Mnemonic=\"Valves\" />\n"
                         "\t</Modbus_Write>\n"
                         "</EtherNetIP_to_Modbus>\n"
                         "<!--SW_VERSION = 1.001-->\n"));
}

// Shown read columns: 1 Enable, 2 Slave IP Address, 3 Port, 4 Slave ID,
// 5 Type, 6 Address, 7 NPoint, 8 Poll Time, 9 Max Error, 10 Position,
// 11 Start Bit, 12 Swap, 13 Swap Word, 14 Mnemonic. Write columns: 1 .. 8 as
// read, 9 On Change, 10 On CMD, 11 Max Error, 12 Position, 13 Start Bit,
// 14 Swap, 15 Swap Word, 16 Mnemonic.
TEST_F(RuleFormsGuiTest, ModbusTcpRulesTypedAndChosenAreSavedOnOk)
{
    ethernet_editors::TFModbus_TCP_Master_Set_Access form;
    open(form, 1250);
    RuleFormUser user(form);
    user.typeInto(2, 1, QStringLiteral("192.168.1.300"));
    user.typeInto(3, 1, QStringLiteral("502"));
    user.typeInto(4, 1, QStringLiteral("1"));
    user.choose(5, 1, 3);
    user.typeInto(6, 1, QStringLiteral("30"));
    user.typeInto(7, 1, QStringLiteral("4"));
    user.typeInto(8, 1, QStringLiteral("250"));
    user.typeInto(9, 1, QStringLiteral("0"));
    user.choose(10, 1, 10);
    user.typeInto(14, 1, QStringLiteral("Meter"));
    user.press(form.Btn_OK);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error row 1!! [Modbus Read] Slave IP Address must be a valid "
                                                      "TCP IP Address (Ex. 192.168.1.125)"));
    dialogs.reset();
    // The cell's text replaced: select it all, then type.
    user.clickCell(2, 1);
    RuleFormUser::key(Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    RuleFormUser::type(QStringLiteral("192.168.1.20"));
    RuleFormUser::key(Qt::Key_Return);

    user.choosePage(1);
    user.typeInto(2, 1, QStringLiteral("192.168.1.21"));
    user.typeInto(3, 1, QStringLiteral("502"));
    user.typeInto(4, 1, QStringLiteral("3"));
    user.choose(5, 1, 1);
    user.typeInto(6, 1, QStringLiteral("40001"));
    user.typeInto(7, 1, QStringLiteral("123"));
    user.typeInto(8, 1, QStringLiteral("1000"));
    user.clickCell(10, 1);
    user.typeInto(11, 1, QStringLiteral("5"));
    user.choose(12, 1, 0);
    user.clickCell(14, 1);
    user.typeInto(16, 1, QStringLiteral("Set points"));

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(modbusTcpPath()),
              QByteArray("<PROFINET_Master_to_Modbus_TCP_Master>\n"
                         "\t<Modbus_Read>\n"
                         "\t\t<row Enable=\"Y\" IP_Address=\"192.168.1.20\" Port=\"502\" Slave_ID=\"1\" "
                         "Type=\"Input Register\" Address=\"30\" NPoint=\"4\" PollTime=\"250\" MaxError=\"0\" "
                         "Position=\"10\" Bit=\"\" Swap=\"\" SwapWord=\"\" Index_Topic=\"-1\" Mnemonic=\"Meter\" />\n"
                         "\t</Modbus_Read>\n"
                         "\t<Modbus_Write>\n"
                         "\t\t<row Enable=\"Y\" IP_Address=\"192.168.1.21\" Port=\"502\" Slave_ID=\"3\" "
                         "Type=\"Holding Register\" Address=\"40001\" NPoint=\"123\" PollTime=\"1000\" OnChange=\"\" "
                         "OnCMD=\"Y\" MaxError=\"5\" Position=\"0\" Bit=\"\" Swap=\"Y\" SwapWord=\"\" "
                         "Mnemonic=\"Set points\" />\n"
                         "\t</Modbus_Write>\n"
                         "</PROFINET_Master_to_Modbus_TCP_Master>\n"
                         "<!--SW_VERSION = 1.001-->\n"));
}

// Shown read columns: 1 Enable, 2 PLC Address, 3 PLC Port, 4 PLC Type,
// 5 Rack, 6 Slot, 7 Data Type, 8 Data Identifier, 9 DB Number, 10 PLC Area,
// 11 PLC Add, 12 PLC Bit, 13 Poll Time, 14 Position, 15 Start Bit, 16 Swap,
// 17 Swap Word, 18 Mnemonic. Write columns: 1 .. 13 as read, 14 On Change,
// 15 On CMD, 16 Position, 17 Start Bit, 18 Swap, 19 Swap Word, 20 Mnemonic.
TEST_F(RuleFormsGuiTest, S7RulesTypedAndChosenAreSavedOnOk)
{
    ethernet_editors::TFS7_Protocol_Set_Access form;
    open(form, 1650);
    RuleFormUser user(form);
    // The columns both tables share, typed and chosen alike.
    const auto controller = [&user](const char* address, int type, const char* slot, int dataType, const char* db,
                                    int area, const char* plcAdd, int plcBit, const char* pollTime) {
        user.typeInto(2, 1, QString::fromLatin1(address));
        user.typeInto(3, 1, QStringLiteral("102"));
        user.choose(4, 1, type);
        user.typeInto(5, 1, QStringLiteral("0"));
        user.typeInto(6, 1, QString::fromLatin1(slot));
        user.choose(7, 1, dataType);
        user.choose(8, 1, 1);
        user.typeInto(9, 1, QString::fromLatin1(db));
        user.choose(10, 1, area);
        user.typeInto(11, 1, QString::fromLatin1(plcAdd));
        user.choose(12, 1, plcBit);
        user.typeInto(13, 1, QString::fromLatin1(pollTime));
    };
    controller("192.168.0.10", 4, "1", 4, "5", 1, "12", 0, "500");
    user.choose(14, 1, 0);
    user.clickCell(16, 1);
    user.typeInto(18, 1, QStringLiteral("Tank level"));
    // Without a Start Bit the rule is refused.
    user.press(form.Btn_OK);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error row 1!! [S7comm Read] Start Bit cannot be empty"));
    dialogs.reset();
    user.choose(15, 1, 0);

    user.choosePage(1);
    controller("192.168.0.10", 5, "2", 5, "65535", 2, "65535", 3, "0");
    user.clickCell(14, 1);
    user.choose(16, 1, 7);
    user.choose(17, 1, 0);
    user.clickCell(19, 1);
    user.typeInto(20, 1, QStringLiteral("Speed set point"));

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(s7Path()),
              QByteArray("<S7_Protocol>\n"
                         "\t<S7_Protocol_Read>\n"
                         "\t\t<row Enable=\"Y\" PLC_Address=\"192.168.0.10\" PLC_Port=\"102\" PLC_Type=\"S71200\" "
                         "Rack=\"0\" Slot=\"1\" Data_Type=\"Int\" Data_Identifier=\"DB\" DB_Number=\"5\" "
                         "PLC_Area=\"Inputs (I)\" PLC_Add=\"12\" PLC_Bit=\"0\" PollTime=\"500\" Position=\"0\" "
                         "Bit=\"0\" Swap=\"Y\" SwapWord=\"\" Mnemonic=\"Tank level\" />\n"
                         "\t</S7_Protocol_Read>\n"
                         "\t<S7_Protocol_Write>\n"
                         "\t\t<row Enable=\"Y\" PLC_Address=\"192.168.0.10\" PLC_Port=\"102\" PLC_Type=\"S71500\" "
                         "Rack=\"0\" Slot=\"2\" Data_Type=\"DWord\" Data_Identifier=\"DB\" DB_Number=\"65535\" "
                         "PLC_Area=\"Output (Q)\" PLC_Add=\"65535\" PLC_Bit=\"3\" PollTime=\"0\" OnChange=\"Y\" "
                         "OnCMD=\"\" Position=\"7\" Bit=\"0\" Swap=\"\" SwapWord=\"Y\" "
                         "Mnemonic=\"Speed set point\" />\n"
                         "\t</S7_Protocol_Write>\n"
                         "</S7_Protocol>\n"
                         "<!--SW_VERSION = 1.000-->\n"));
}

}  // namespace ethernet_rule_forms_gui_tests
