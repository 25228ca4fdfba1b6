// The add-server dialog: its layout by authorization, the security policy
// that follows the security type, its checks, the captions of its two
// modes, and a server's settings into the fields and back.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "controls/button/lb_button.h"
#include "editors/ethernet/opc_ua/opc_ua_add_server_form.h"
#include "opc_ua_editor_fixture.h"

namespace opc_ua_add_server_tests {

using opc_ua::TFOPC_UA_Add_Server;
using opc_ua_testing::OpcUaEditorTest;

class OpcUaAddServerTest : public OpcUaEditorTest {
protected:
    TFOPC_UA_Add_Server dialog;
};

TEST_F(OpcUaAddServerTest, TheAuthorizationChoosesTheFieldsAndTheHeight)
{
    struct Case {
        int authorization;
        bool user;
        bool certificate;
        int securityType;  // top of CB_Sec_Type
        int policy;
        int mnemonic;
        int height;
    };
    const Case cases[] = {
        {0, false, false, 168, 200, 232, 308},
        {1, true, false, 232, 264, 296, 372},
        {2, false, true, 368, 400, 432, 508},
    };
    show(dialog);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.authorization);
        dialog.CB_Auth->setCurrentIndex(c.authorization);
        EXPECT_EQ(dialog.E_User->isVisible(), c.user);
        EXPECT_EQ(dialog.L_Pass->isVisible(), c.user);
        EXPECT_EQ(dialog.RE_Certificate->isVisible(), c.certificate);
        EXPECT_EQ(dialog.L_Priv_Key->isVisible(), c.certificate);
        EXPECT_EQ(dialog.CB_Sec_Type->y(), c.securityType);
        EXPECT_EQ(dialog.L_Sec_Type->y(), c.securityType + 3);
        EXPECT_EQ(dialog.CB_Sec_Policy->y(), c.policy);
        EXPECT_EQ(dialog.E_Mnemonic->y(), c.mnemonic);
        EXPECT_EQ(dialog.L_Mnemonic->y(), c.mnemonic + 3);
        EXPECT_EQ(dialog.height(), c.height);
        EXPECT_EQ(dialog.buttons.P_Button->y(), c.height - 40);
        EXPECT_TRUE(dialog.isVisible());
    }
    EXPECT_EQ(dialog.E_User->y(), 168);
    EXPECT_EQ(dialog.E_Pass->y(), 200);
    EXPECT_EQ(dialog.RE_Certificate->geometry(), QRect(dialog.RE_Certificate->x(), 168, dialog.RE_Certificate->width(), 89));
    EXPECT_EQ(dialog.RE_Priv_Key->y(), 268);
    EXPECT_EQ(dialog.width(), 407);
}

TEST_F(OpcUaAddServerTest, SecurityTypeNoneForcesAndLocksThePolicy)
{
    show(dialog);
    dialog.CB_Sec_Type->setCurrentIndex(2);
    dialog.CB_Sec_Policy->setCurrentIndex(3);
    EXPECT_TRUE(dialog.CB_Sec_Policy->isEnabled());
    dialog.CB_Sec_Type->setCurrentIndex(0);
    EXPECT_EQ(dialog.CB_Sec_Policy->currentText(), "None");
    EXPECT_FALSE(dialog.CB_Sec_Policy->isEnabled());
    dialog.CB_Sec_Type->setCurrentIndex(1);
    EXPECT_TRUE(dialog.CB_Sec_Policy->isEnabled());
    EXPECT_EQ(dialog.CB_Sec_Policy->currentText(), "None");
}

TEST_F(OpcUaAddServerTest, OkChecksTheFieldsOfTheAuthorizationOnly)
{
    show(dialog);
    dialog.E_Server_Add->setText(QStringLiteral("   "));
    dialog.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!! The Server Address cannot be empty"});
    EXPECT_TRUE(dialog.isVisible());

    dialog.E_Server_Add->setText(QStringLiteral("opc.tcp://plc:4840"));
    dialog.CB_Auth->setCurrentIndex(2);
    dialog.RE_Certificate->setPlainText(QStringLiteral("CERT"));
    dialogs.reset();
    dialog.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"Error!! The Private Key cannot be empty"});

    // Hidden certificate fields keep their texts; Anonymous asks for no user.
    dialog.CB_Auth->setCurrentIndex(0);
    dialogs.reset();
    dialog.Btn_OKClick();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(dialog.result(), platform::mrOk);
    opc_ua::TOPC_UA_Server server;
    dialog.store(server);
    EXPECT_EQ(server.Certificate, "CERT");
    EXPECT_EQ(server.Authorization, "Anonymous");
}

TEST_F(OpcUaAddServerTest, AddModeStartsEmptyAndModifyModeShowsTheServer)
{
    opc_ua::TOPC_UA_Server server = opc_ua_testing::anonymousServer("opc.tcp://a", false);
    server.Authorization = QStringLiteral("Username and Password");
    server.UserName = QStringLiteral("operator");
    server.Password = QStringLiteral("pa<ss");
    server.Certificate = QStringLiteral("line 1\nline 2");
    server.SecurityType = QStringLiteral("Sign and Encrypt");
    server.SecurityPolicy = QStringLiteral("AES 128 SHA 256 RSA OAEP");
    server.Mnemonic = QStringLiteral("press");

    dialog.FormType = TFOPC_UA_Add_Server::ModifyServer;
    dialog.fill(server);
    show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Modify OPC UA Server");
    EXPECT_EQ(dialog.title.L_SW_Desc->text(), "Modify OPC UA Server");
    EXPECT_TRUE(dialog.E_User->isVisible());
    opc_ua::TOPC_UA_Server back;
    dialog.store(back);
    EXPECT_TRUE(back == server);
    dialog.hide();

    dialog.FormType = TFOPC_UA_Add_Server::AddServer;
    show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Add OPC UA Server");
    EXPECT_TRUE(dialog.CB_OPC_UA_Server_Enable->isChecked());
    EXPECT_EQ(dialog.E_Server_Add->text(), "");
    EXPECT_EQ(dialog.RE_Certificate->toPlainText(), "");
    EXPECT_EQ(dialog.CB_Auth->currentIndex(), 0);
    EXPECT_EQ(dialog.CB_Sec_Type->currentIndex(), 0);
    EXPECT_EQ(dialog.height(), 308);

    // Texts that match no item: the last name of each list.
    dialog.CB_Auth->setCurrentIndex(-1);
    dialog.CB_Sec_Type->setCurrentIndex(-1);
    dialog.CB_Sec_Policy->setCurrentIndex(-1);
    dialog.store(back);
    EXPECT_EQ(back.Authorization, "Certificate");
    EXPECT_EQ(back.SecurityType, "Sign and Encrypt");
    EXPECT_EQ(back.SecurityPolicy, "AES 256 SHA 256 RSA PSS");
}

}  // namespace opc_ua_add_server_tests
