// The IEC 61850 client and server editors and the TLS certificate list of
// the family's other variants: created with the other forms, shown by their
// step buttons (which this variant keeps hidden) on the open project's
// files, and following a language change.

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "app/language.h"
#include "controls/button/lb_button.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethernet/iec61850/client_form.h"
#include "editors/ethernet/iec61850/server_variables_form.h"
#include "editors/ethernet/tls/tls_known_cert_form.h"
#include "main_window_fixture.h"

namespace iec61850_steps_tests {

using main_window_testing::MainWindowTest;

TEST_F(MainWindowTest, TheIec61850EditorsAreCreatedShownByTheirStepsAndFollowTheLanguage)
{
    startWithProject(QStringLiteral("Plant"));
    const QStringList created = forms->created();
    const int clientAt = created.indexOf("TFIEC_61850_Access");
    EXPECT_GT(clientAt, created.indexOf("TFDMXDefVal"));
    EXPECT_EQ(created.indexOf("TFIEC61850_Variables"), clientAt + 1) << created.join(u' ').toStdString();
    EXPECT_EQ(created.indexOf("TFTLS_Server_Known_Cert"), clientAt + 2);
    auto* access = form<iec61850::TFIEC_61850_Access>("TFIEC_61850_Access");
    auto* variables = form<iec61850::TFIEC61850_Variables>("TFIEC61850_Variables");
    auto* certificates = form<tls_certificates::TFTLS_Server_Known_Cert>("TFTLS_Server_Known_Cert");
    ASSERT_NE(access, nullptr);
    ASSERT_NE(variables, nullptr);
    ASSERT_NE(certificates, nullptr);
    for (const char* step : {"Btn_IEC61850_Client", "Btn_IEC61850_Access", "Btn_TLS_List_Certificates"})
        EXPECT_TRUE(main().stepButton(step)->isHidden()) << step << " is not a step of this variant";

    const QByteArray client = "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"Gone\" FileName=\"gone.icd\" />"
                              "</List_ICD_Files></IEC_68850_Client>";
    dir.write(QStringLiteral("PROJECTS/Plant/IEC_61850_Client.xml"), client);
    const QByteArray server = "<IEC61850_Variables><row Name=\"Feeder_P\" /></IEC61850_Variables>";
    dir.write(QStringLiteral("PROJECTS/Plant/IEC61850_Variables.xml"), server);
    const QByteArray known = "<TLS_Server_Known_Cert><row Certificate=\"PEM\" /></TLS_Server_Known_Cert>";
    dir.write(QStringLiteral("PROJECTS/Plant/TLS_Known_Cert.xml"), known);
    const struct {
        const char* button;
        QDialog* form;
        button::TLbButton* cancel;
        std::function<QString()> shown;
        const char* expected;
    } steps[] = {
        {"Btn_IEC61850_Client", access, access->Btn_Cancel,
         [access] { return access->LB_IEC_Devices->count() > 0 ? access->LB_IEC_Devices->item(0)->text() : QString(); },
         "Gone (SCL file not available)"},
        {"Btn_IEC61850_Access", variables, variables->Btn_Cancel, [variables] { return variables->ECG->GetCellEx(2, 1); },
         "Feeder_P"},
        {"Btn_TLS_List_Certificates", certificates, certificates->Btn_Cancel,
         [certificates] { return certificates->ESG->GetCellEx(2, 1); }, "PEM"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        bool shownModal = false;
        QString cell;
        soon([&] {
            shownModal = step.form->isVisible() && step.form->isModal();
            cell = step.shown();
            QTest::mouseClick(step.cancel, Qt::LeftButton);
        });
        main().Btn_Click(main().stepButton(step.button));
        EXPECT_TRUE(shownModal);
        EXPECT_EQ(cell, QString::fromLatin1(step.expected));
        EXPECT_FALSE(step.form->isVisible());
    }
    // The client editor told of its missing catalog file once it was open.
    EXPECT_EQ(script.shown().size(), 1u) << script.texts().join(u'\n').toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/IEC_61850_Client.xml")), client);
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/IEC61850_Variables.xml")), server);
    EXPECT_EQ(dir.read(QStringLiteral("PROJECTS/Plant/TLS_Known_Cert.xml")), known);

    app::textTable().Lang_Texts[3204] = QStringLiteral("Aggiungi Var");
    app::textTable().Lang_Texts[3316] = QStringLiteral("Nome");
    app::textTable().Lang_Texts[3416] = QStringLiteral("Certificato");
    forms->Change_Language();
    EXPECT_EQ(access->Btn_AddVar->Caption(), QStringLiteral("Aggiungi Var"));
    EXPECT_EQ(variables->ECG->Columns()[2]->Header(), QStringLiteral("Nome"));
    EXPECT_EQ(certificates->ESG->GetCellEx(2, 0), QStringLiteral("Certificato"));
}

}  // namespace iec61850_steps_tests
