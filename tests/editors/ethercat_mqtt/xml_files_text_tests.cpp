// Texts through every XML file the program writes: what is written reads
// back unchanged (CR included), what XML cannot hold is left out so that the
// file stays well-formed, and a file that is not in its declared encoding is
// refused by every reader with the parser's message.

#include <functional>

#include <QFileInfo>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/language.h"
#include "app/settings_file.h"
#include "editors/ethercat_mqtt/esi_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "editors/ethercat_mqtt/updater_job.h"
#include "params/bank_compiler.h"
#include "params/forms/par_gen_form.h"
#include "params/par_gen_file.h"
#include "platform/xml_document.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace xml_files_text_tests {

using testing_support::TempFolder;

// ParGen.xml in Latin-1 without a declaration: every reader refuses it with
// the parser's message, and nothing writes over it.
TEST(XmlFileTexts, AFileNotInItsEncodingIsRefusedByEveryReader)
{
    TempFolder dir;
    const QByteArray latin1 = "<Par_Gen><MQTT_Password>K\xE4se</MQTT_Password></Par_Gen>";
    const QString parGenPath = dir.write("ParGen.xml", latin1);
    const QString message = "Not well-formed XML at offset 25: the text is not valid UTF-8";
    app::Load_Default_Texts(app::textTable());
    app::AppState& state = app::appState();
    const app::AppState saved = state;
    state.Project_Path = dir.path();
    state.ParGen_Path = parGenPath;
    state.EtherCAT_Slave_Path = dir.file("EtherCAT_Slave.xml");
    platform::XmlDocument doc;

    params::ParGenFile file;
    QString error;
    EXPECT_FALSE(params::readParGenFile(parGenPath, doc, file, &error));
    EXPECT_TRUE(error.contains(message)) << error.toStdString();

    params::BankImages images;
    const params::CompileResult compiled =
        params::Build_Bank_Images(params::BankSources::fromAppState(state), doc, images);
    EXPECT_FALSE(compiled.ok);
    EXPECT_TRUE(compiled.error.contains(message)) << compiled.error.toStdString();

    error.clear();
    EXPECT_FALSE(ethercat_mqtt::Create_ESI_File(dir.file("device.xml"), state, doc, &error));
    EXPECT_TRUE(error.contains(message)) << error.toStdString();

    {
        testing_support::ScriptedDialogs dialogs;
        params::TFParGen form;
        EXPECT_FALSE(form.FormShow());
        ASSERT_EQ(dialogs.texts().size(), 1);
        EXPECT_TRUE(dialogs.texts().front().contains(message)) << dialogs.texts().front().toStdString();
    }
    EXPECT_EQ(dir.read("ParGen.xml"), latin1);
    state = saved;
}

}  // namespace xml_files_text_tests
