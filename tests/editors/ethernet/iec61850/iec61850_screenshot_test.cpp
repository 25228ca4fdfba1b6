// Pictures of the IEC 61850 client editor with an imported IED's tree open
// and both tables filled, of the server variable editor and of the TLS
// certificate list, written to <build>/screenshots/iec61850_editors for
// looking at.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_table.h"
#include "editors/ethernet/iec61850/client_form.h"
#include "editors/ethernet/iec61850/server_variables_form.h"
#include "editors/ethernet/tls/tls_known_cert_form.h"
#include "iec61850_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace iec61850_screenshot_tests {

using iec61850_testing::fixture;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class IEC61850Screenshot : public ::testing::Test {
protected:
    IEC61850Screenshot()
    {
        app::Load_Default_Texts(app::textTable());
        saved_ = app::appState();
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = project.path();
        state.IEC_61850_Client_Path = project.file(QStringLiteral("IEC_61850_Client.xml"));
        state.IEC61850_Variables_Path = project.file(QStringLiteral("IEC61850_Variables.xml"));
        state.TLS_Known_Cert_Path = project.file(QStringLiteral("TLS_Known_Cert.xml"));
    }
    ~IEC61850Screenshot() override { app::appState() = saved_; }

    static void show(QDialog& form)
    {
        form.setModal(true);
        form.show();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    static void grab(QWidget& form, const QString& name)
    {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/iec61850_editors");
        QDir().mkpath(dir);
        QApplication::processEvents();
        ASSERT_TRUE(form.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    testing_support::TempFolder project;
    testing_support::ScriptedDialogs dialogs;

private:
    app::AppState saved_;
};

TEST_F(IEC61850Screenshot, TheClientEditorWithATreeTheServerEditorAndTheCertificateList)
{
    project.write(QStringLiteral("ICD_Catalog/feeder.icd"), readBytes(fixture(QStringLiteral("feeder.icd"))));
    project.write(QStringLiteral("IEC_61850_Client.xml"), readBytes(fixture(QStringLiteral("IEC_61850_Client.xml"))));
    iec61850::TFIEC_61850_Access client;
    show(client);
    ASSERT_TRUE(client.isVisible());
    client.LB_IEC_Devices->setCurrentRow(0);
    const iec61850::TIEC_LN& mmxu1 = *client.List_IEC_Dev[0].device->List_LDevice[0]->List_LN[1];
    const iec61850::TIEC_DO& totW = *mmxu1.List_DO[0];
    client.treeNodeOf(&totW)->setExpanded(true);
    client.treeNodeOf(totW.List_DA[0].get())->setExpanded(true);
    client.TV_IEC_Device->setCurrentItem(client.treeNodeOf(totW.List_DA[0]->List_DA[0].get()));
    client.TV_IEC_Device->scrollToItem(client.treeNodeOf(&mmxu1), QAbstractItemView::PositionAtTop);
    grab(client, QStringLiteral("01_client_tree_and_attributes"));
    client.PC_DA_DataSet->setCurrentWidget(client.TS_DataSet);
    client.ECG_DataSet->FocusCell(2, 1);
    client.Show_DataSet_DAs();
    grab(client, QStringLiteral("02_client_data_sets_and_members"));
    client.close();

    project.write(QStringLiteral("IEC61850_Variables.xml"), readBytes(fixture(QStringLiteral("IEC61850_Variables.xml"))));
    iec61850::TFIEC61850_Variables server;
    show(server);
    ASSERT_TRUE(server.isVisible());
    grab(server, QStringLiteral("03_server_variables"));
    server.close();

    project.write(QStringLiteral("TLS_Known_Cert.xml"),
                  readBytes(QStringLiteral(TEST_DATA_DIR "/editors/ethernet/tls/TLS_Known_Cert.xml")));
    tls_certificates::TFTLS_Server_Known_Cert certificates;
    show(certificates);
    ASSERT_TRUE(certificates.isVisible());
    grab(certificates, QStringLiteral("04_tls_known_certificates"));
    certificates.close();
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().join(u'\n').toStdString();
}

}  // namespace iec61850_screenshot_tests
