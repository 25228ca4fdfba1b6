// The EtherNet/IP scanner editor, its EDS connection picker and the PROFINET
// file name dialog are created with the other forms (no step shows them in
// this variant); the editor imports through the picker of the form set, and
// all three follow a language change.

#include <QLabel>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethernet/ethernet_ip/eds_picker_form.h"
#include "editors/ethernet/ethernet_ip/scanner_form.h"
#include "editors/ethernet/profinet/profinet_file_name_form.h"
#include "main_window_fixture.h"

namespace ethernet_ip_profinet_forms_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheEtherNetIPAndProfinetFormsAreCreatedAndFollowTheLanguage)
{
    start();
    const QStringList created = forms->created();
    const qsizetype profinet = created.indexOf("TFProfinetFileName");
    ASSERT_GT(profinet, created.indexOf("TFMQTT_Set_Topic")) << created.join(u' ').toStdString();
    EXPECT_EQ(created.indexOf("TFEtherNEtIP_EDS"), profinet + 1);
    EXPECT_EQ(created.indexOf("TFEtherNetIP_Master_Access"), profinet + 2);
    EXPECT_LT(created.indexOf("TFEtherNetIP_Master_Access"), created.indexOf("TFEtherCATSlave_Group"));

    auto* scanner = form<ethernet_ip::TFEtherNetIP_Master_Access>("TFEtherNetIP_Master_Access");
    auto* picker = form<ethernet_ip::TFEtherNEtIP_EDS>("TFEtherNEtIP_EDS");
    auto* fileName = form<profinet::TFProfinetFileName>("TFProfinetFileName");
    ASSERT_NE(scanner, nullptr);
    ASSERT_NE(picker, nullptr);
    ASSERT_NE(fileName, nullptr);
    EXPECT_EQ(&scanner->edsPicker(), picker);
    EXPECT_EQ(picker->title.L_SW_Code->text(), QStringLiteral("CQ41T17"));
    EXPECT_EQ(fileName->title.L_SW_Code->text(), QStringLiteral("CQ41T17"));

    app::textTable().Lang_Texts[4916] = QStringLiteral("Indirizzo IP");
    app::textTable().Lang_Texts[4959] = QStringLiteral("Importa EDS");
    app::textTable().Lang_Texts[5007] = QStringLiteral("Nome Connessione");
    app::textTable().Lang_Texts[4804] = QStringLiteral("Parte Utente");
    forms->Change_Language();
    EXPECT_EQ(scanner->ECG->Columns()[2]->Header(), QStringLiteral("Indirizzo IP"));
    EXPECT_EQ(scanner->Btn_Import_EDS->Caption(), QStringLiteral("Importa EDS"));
    EXPECT_EQ(picker->ECG->Columns()[1]->Header(), QStringLiteral("Nome Connessione"));
    EXPECT_EQ(fileName->L_UsedPart->text(), QStringLiteral("Parte Utente"));
    EXPECT_TRUE(script.shown().empty()) << script.texts().join(u'\n').toStdString();
}

}  // namespace ethernet_ip_profinet_forms_tests
