// The PDO editor driven as a user drives it: rows typed on both pages, the
// On Change box clicked, a failing Dimension reported on its page, OK; the
// file written is the one worked out by hand for those entries.

#include <QTest>

#include "editors/fieldbus/can/can_editor_fixture.h"
#include "editors/fieldbus/canopen/canopen_forms.h"
#include "support/rule_form_user.h"

namespace canopen_forms_gui_tests {

using can_testing::readFile;
using testing_support::RuleFormUser;

class CANopenFormsGuiTest : public can_testing::CANEditorTest {};

// Receive columns: 1 COB-ID, 2 Dimension, 3 .. 10 Add B1 .. B8, 11 TimeOut,
// 12 Mnemonic. Transmit: 1 .. 10 the same, 11 Send Time, 12 On Change,
// 13 Mnemonic.
TEST_F(CANopenFormsGuiTest, PDOsTypedOnBothPagesAreSavedOnOk)
{
    canopen::TFSet_PDO_Access form;
    form.resize(900, 480);
    show(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    RuleFormUser user(form);
    user.typeInto(1, 1, QStringLiteral("0x201"));
    user.typeInto(2, 1, QStringLiteral("2"));
    user.typeInto(3, 1, QStringLiteral("0"));
    user.typeInto(4, 1, QStringLiteral("1"));
    user.typeInto(5, 1, QStringLiteral("9999"));
    user.typeInto(11, 1, QStringLiteral("100"));

    user.choosePage(1);
    ASSERT_EQ(form.activeTable(), 1);
    user.typeInto(1, 1, QStringLiteral("$181"));
    user.typeInto(2, 1, QStringLiteral("9"));
    user.typeInto(3, 1, QStringLiteral("1499"));
    user.typeInto(11, 1, QStringLiteral("1000"));
    user.clickCell(12, 1);
    user.typeInto(13, 1, QStringLiteral("Out"));
    user.choosePage(0);
    user.press(form.Btn_OK);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Error row 1!! [Transmit PDO] Dimension must be between 1 and 8"));
    EXPECT_EQ(form.activeTable(), 1);
    dialogs.reset();
    user.typeInto(2, 1, QStringLiteral("1"));

    user.press(form.Btn_OK);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(state().PDO_CANopen_Path),
              QByteArray("<PDO_CANopen>\n"
                         "\t<Receive_PDO>\n"
                         "\t\t<row COB-ID=\"0x201\" Dimension=\"2\" Address_B1=\"0\" Address_B2=\"1\" "
                         "Address_B3=\"9999\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" "
                         "Address_B8=\"\" TimeOut=\"100\" Mnemonic=\"\" />\n"
                         "\t</Receive_PDO>\n"
                         "\t<Transmit_PDO>\n"
                         "\t\t<row COB-ID=\"$181\" Dimension=\"1\" Address_B1=\"1499\" Address_B2=\"\" "
                         "Address_B3=\"\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" "
                         "Address_B8=\"\" Send_Time=\"1000\" On_Change=\"Y\" Mnemonic=\"Out\" />\n"
                         "\t</Transmit_PDO>\n"
                         "</PDO_CANopen>\n"
                         "<!--SW_VERSION = 1.003-->\n"));
}

}  // namespace canopen_forms_gui_tests
