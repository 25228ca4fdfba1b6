// The CAN frame editors driven as a user drives them: rules typed, the Type
// and byte positions picked from the drop-down lists (the last position with
// End), boxes clicked, OK pressed; the file written is the one worked out by
// hand for those entries.

#include <QTest>

#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/can/can_frame_forms.h"
#include "support/rule_form_user.h"

namespace can_frame_forms_gui_tests {

using can_testing::readFile;
using testing_support::RuleFormUser;

class CANFormsGuiTest : public can_testing::CANEditorTest {
protected:
    // Shown wide enough for every column, and active.
    static void open(QDialog& form, int width)
    {
        form.resize(width, 480);
        show(form);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // Opens the drop-down list of a cell and takes its last item.
    static void chooseLast(RuleFormUser& user, int col, int row)
    {
        user.clickCell(col, row);
        RuleFormUser::key(Qt::Key_F2);
        RuleFormUser::key(Qt::Key_End);
        RuleFormUser::key(Qt::Key_Return);
    }
};

// Columns: 1 Enable, 2 CobID, 3 Type, 4 Dimension, 5 TimeOut, 6 .. 13
// Byte1 .. Byte8, 14 Mnemonic.
TEST_F(CANFormsGuiTest, ReceiveRulesTypedAndChosenAreSavedOnOk)
{
    can_editors::TFReceiveCAN form;
    open(form, 1100);
    RuleFormUser user(form);
    user.typeInto(2, 1, QStringLiteral("0x7FF"));
    user.choose(3, 1, 0);
    user.typeInto(4, 1, QStringLiteral("3"));
    user.typeInto(5, 1, QStringLiteral("500"));
    user.choose(6, 1, 1);
    chooseLast(user, 7, 1);
    user.choose(8, 1, 0);
    user.typeInto(14, 1, QStringLiteral("Drive"));

    user.clickCell(1, 2);
    user.typeInto(2, 2, QStringLiteral("2048"));
    user.choose(3, 2, 0);
    user.typeInto(4, 2, QStringLiteral("1"));
    user.typeInto(5, 2, QStringLiteral("0"));
    // An 11-bit identifier of 2048 is refused only while the rule is on.
    user.clickCell(1, 2);
    user.press(form.Btn_OK);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error row 2!! CobID must be between 0 and 2047"));
    EXPECT_TRUE(form.isVisible());
    dialogs.reset();
    user.clickCell(1, 2);

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(state().CAN_Rec_Frames_Path),
              QByteArray("<Receive_Frames>\n"
                         "\t<row Enable=\"Y\" COBID=\"0x7FF\" CAN_Type=\"2.0A (11 bits)\" Dim=\"3\" TimeOut=\"500\" "
                         "Byte1=\"0\" Byte2=\"1999\" Byte3=\"None\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" "
                         "Byte8=\"\" Mnemonic=\"Drive\" />\n"
                         "\t<row Enable=\"N\" COBID=\"2048\" CAN_Type=\"2.0A (11 bits)\" Dim=\"1\" TimeOut=\"0\" "
                         "Byte1=\"\" Byte2=\"\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" "
                         "Mnemonic=\"\" />\n"
                         "</Receive_Frames>\n"
                         "<!--SW_VERSION = 1.001-->\n"));
}

// Columns: 1 Enable, 2 CobID, 3 Type, 4 Dimension, 5 OnChange, 6 OnCMD,
// 7 OnTimer, 8 Time, 9 .. 16 Byte1 .. Byte8, 17 Mnemonic.
TEST_F(CANFormsGuiTest, TransmitRulesTypedAndChosenAreSavedOnOk)
{
    can_editors::TFTransmitCAN form;
    open(form, 1250);
    RuleFormUser user(form);
    user.typeInto(2, 1, QStringLiteral("0x1FFFFFFF"));
    user.choose(3, 1, 1);
    user.typeInto(4, 1, QStringLiteral("2"));
    user.clickCell(5, 1);
    user.clickCell(7, 1);
    // On a timer without its period: refused.
    user.press(form.Btn_OK);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error row 1!! Time must be between 0 and 100000000 milliseconds"));
    dialogs.reset();
    user.typeInto(8, 1, QStringLiteral("250"));
    chooseLast(user, 9, 1);
    user.choose(10, 1, 3);
    user.typeInto(17, 1, QStringLiteral("Valves"));

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(state().CAN_Send_Frames_Path),
              QByteArray("<Transmit_Frames>\n"
                         "\t<row Enable=\"Y\" COBID=\"0x1FFFFFFF\" CAN_Type=\"2.0B (29 bits)\" Dim=\"2\" "
                         "OnChange=\"Y\" OnCMD=\"\" OnTimer=\"Y\" Time=\"250\" Byte1=\"2499\" Byte2=\"2\" Byte3=\"\" "
                         "Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"Valves\" />\n"
                         "</Transmit_Frames>\n"
                         "<!--SW_VERSION = 1.001-->\n"));
}

}  // namespace can_frame_forms_gui_tests
