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

QString strictParseError(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}

// Writes `value` into the text fields of one kind of file with the
// program's writer, reads the file back with the program's reader and
// returns the texts read. `file` is set to the path written.
using WriteAndRead = std::function<QStringList(const QString& value, const TempFolder& dir, QString& file)>;

struct FileKind {
    const char* name;
    WriteAndRead writeAndRead;
};

QStringList parGen(const QString& value, const TempFolder& dir, QString& file)
{
    file = dir.file("ParGen.xml");
    platform::XmlDocument doc;
    const QStringList names = {"MQTT_Password", "TLS_Server_Auth_Certificate", "EtherCAT_Slave_Name"};
    QHash<QString, QString> values;
    for (const QString& name : names)
        values.insert(name, value);
    EXPECT_TRUE(params::writeParGenFile(file, doc, values));
    params::ParGenFile read;
    EXPECT_TRUE(params::readParGenFile(file, doc, read));
    QStringList out;
    for (const QString& name : names)
        out << read.value(name).value_or("(missing)");
    return out;
}

QStringList settings(const QString& value, const TempFolder& dir, QString& file)
{
    app::AppState state;
    state.Exe_Path = dir.path();
    state.Project_Name = state.Last_IP_Address = state.Language_Name = value;
    platform::XmlDocument doc;
    EXPECT_TRUE(app::Save_Setting(state, doc));
    file = app::settingsFilePath(state);
    app::AppState read;
    read.Exe_Path = dir.path();
    app::Read_Settings(read, doc);
    return {read.Project_Name, read.Last_IP_Address, read.Language_Name};
}

QStringList etherCATSlave(const QString& value, const TempFolder& dir, QString& file)
{
    using namespace ethercat_mqtt;
    file = dir.file("EtherCAT_Slave.xml");
    EtherCATVariableRow row;
    row.Type = "Int8";
    row.Name = row.InitValue = row.Mnemonic = value;
    EtherCATSlaveFile data;
    data.SlaveToMaster = {row};
    data.MasterToSlave = {row};
    platform::XmlDocument doc;
    EXPECT_TRUE(writeEtherCATSlaveFile(file, doc, data));
    EtherCATSlaveFile read;
    EXPECT_TRUE(readEtherCATSlaveFile(file, doc, read).ok());
    if (read.SlaveToMaster.size() != 1 || read.MasterToSlave.size() != 1)
        return {"(rows lost)"};
    const EtherCATVariableRow& in = read.SlaveToMaster[0];
    return {in.Name, in.InitValue, in.Mnemonic, read.MasterToSlave[0].Name};
}

QStringList etherCATGroups(const QString& value, const TempFolder& dir, QString& file)
{
    using namespace ethercat_mqtt;
    file = dir.file("EtherCAT_Slave_Group.xml");
    EtherCATGroupFile data;
    data.Slave_to_Master = {{value, "1", value}};
    data.Master_to_Slave = {{value, "2", value}};
    platform::XmlDocument doc;
    EXPECT_TRUE(writeEtherCATGroupFile(file, doc, data));
    EtherCATGroupFile read;
    EXPECT_TRUE(readEtherCATGroupFile(file, doc, read).ok());
    if (read.Slave_to_Master.size() != 1 || read.Master_to_Slave.size() != 1)
        return {"(rows lost)"};
    return {read.Slave_to_Master[0].Group_Name, read.Slave_to_Master[0].Mnemonic, read.Master_to_Slave[0].Group_Name};
}

QStringList mqttTopics(const QString& value, const TempFolder& dir, QString& file)
{
    using namespace ethercat_mqtt;
    file = dir.file("MQTT_Set_Topic.xml");
    MQTTPublishRow publish;
    publish.Topic = publish.Template = publish.Mnemonic = value;
    MQTTSubscribeRow subscribe;
    subscribe.Topic = subscribe.InputTemplate = value;
    MQTTTopicFile data;
    data.Publish = {publish};
    data.Subscribe = {subscribe};
    platform::XmlDocument doc;
    EXPECT_TRUE(writeMQTTTopicFile(file, doc, data));
    MQTTTopicFile read;
    EXPECT_TRUE(readMQTTTopicFile(file, doc, read).ok());
    if (read.Publish.size() != 1 || read.Subscribe.size() != 1)
        return {"(rows lost)"};
    return {read.Publish[0].Topic, read.Publish[0].Template, read.Publish[0].Mnemonic, read.Subscribe[0].Topic,
            read.Subscribe[0].InputTemplate};
}

// The updater has its own reader; the texts are read back as it would find
// them, through the XML document.
QStringList updaterJob(const QString& value, const TempFolder& dir, QString& file)
{
    app::AppState state;
    state.Exe_Path = dir.path();
    state.Master_Path = value;
    platform::XmlDocument doc;
    EXPECT_TRUE(ethercat_mqtt::Compile_XML_Parameter_New_Boot(doc, state, value,
                                                              ethercat_mqtt::Update_Firmware_Only, false));
    file = ethercat_mqtt::jobFilePath(state);
    platform::XmlDocument job;
    EXPECT_TRUE(job.load(file));
    const QString fileName = job.root().child("Operations").child("Operation").childText("Ope_FileName");
    const QString suffix = "/" + ethercat_mqtt::kFirmwareImageName;
    return {job.root().childText("IP_Address_Dev"), fileName.endsWith(suffix) ? fileName.chopped(suffix.size()) : fileName};
}

// The ESI file is written from ParGen.xml and EtherCAT_Slave.xml as the
// program wrote them, and read back as a device tool would.
QStringList esiFile(const QString& value, const TempFolder& dir, QString& file)
{
    app::AppState state;
    state.Project_Path = dir.path();
    state.ParGen_Path = dir.file("ParGen.xml");
    state.EtherCAT_Slave_Path = dir.file("EtherCAT_Slave.xml");
    platform::XmlDocument doc;
    EXPECT_TRUE(params::writeParGenFile(state.ParGen_Path, doc, {{"EtherCAT_Slave_Name", value}}));
    ethercat_mqtt::EtherCATVariableRow row;
    row.Type = "Int8";
    row.Length = "1";
    row.Name = value;
    ethercat_mqtt::EtherCATSlaveFile variables;
    variables.SlaveToMaster = {row};
    EXPECT_TRUE(ethercat_mqtt::writeEtherCATSlaveFile(state.EtherCAT_Slave_Path, doc, variables));
    file = dir.file("device.xml");
    EXPECT_TRUE(ethercat_mqtt::Create_ESI_File(file, state, doc));
    platform::XmlDocument esi;
    EXPECT_TRUE(esi.load(file));
    const platform::XmlElement device = esi.root().child("Descriptions").child("Devices").child("Device");
    QStringList out = {device.childText("Type")};
    for (const platform::XmlElement& name : device.children("Name"))
        out << name.text();
    out << device.child("TxPdo").child("Entry").childText("Name");
    return out;
}

const FileKind kFileKinds[] = {
    {"ParGen.xml", parGen},
    {"settings file", settings},
    {"EtherCAT_Slave.xml", etherCATSlave},
    {"EtherCAT_Slave_Group.xml", etherCATGroups},
    {"MQTT_Set_Topic.xml", mqttTopics},
    {"updater job file", updaterJob},
    {"ESI file", esiFile},
};

// Writes `written` through every kind of file and expects `read` back from
// each text field, from a file a strict XML reader accepts.
void expectEveryFileGivesBack(const QString& written, const QString& read)
{
    for (const FileKind& kind : kFileKinds) {
        SCOPED_TRACE(kind.name);
        TempFolder dir;
        QString file;
        const QStringList values = kind.writeAndRead(written, dir, file);
        ASSERT_FALSE(values.isEmpty());
        for (const QString& value : values)
            EXPECT_EQ(value.toStdString(), read.toStdString());
        EXPECT_EQ(strictParseError(dir.read(QFileInfo(file).fileName())).toStdString(), "");
    }
}

TEST(XmlFileTexts, EveryFileGivesBackTheTextItWasGiven)
{
    // CR alone, CR LF, LF, tab, markup characters, blanks at both ends and
    // text beyond ASCII (a character outside the BMP included).
    const QString text = QString::fromUtf8(" pass\rword\r\nline\nend\t<&>\"' \xC3\xA4\xE2\x82\xAC\xF0\x9F\x94\x92 ");
    expectEveryFileGivesBack(text, text);
}

TEST(XmlFileTexts, EveryFileLeavesOutWhatXmlCannotHold)
{
    QString text = QStringLiteral("a\x01" "b\x1F" "c\r");
    text += QChar(0xDC00);
    text += QChar(0xFFFE);
    text += QChar(0xFFFF);
    text += QStringLiteral("d");
    expectEveryFileGivesBack(text, QStringLiteral("abc\rd"));
}

// Names the ESI file takes from project files edited by hand: references
// to characters XML cannot hold are read, but never written.
TEST(XmlFileTexts, TheEsiFileLeavesOutWhatXmlCannotHoldFromHandEditedFiles)
{
    TempFolder dir;
    app::AppState state;
    state.Project_Path = dir.path();
    state.ParGen_Path = dir.write("ParGen.xml", "<Par_Gen><EtherCAT_Slave_Name>G&#1;W&#xFFFF;&#13;1</EtherCAT_Slave_Name></Par_Gen>");
    state.EtherCAT_Slave_Path = dir.write(
        "EtherCAT_Slave.xml",
        "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
        "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"v&#2;1&#x1B;\"/></EtherCAT_Slave_To_Master>"
        "<EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>");
    platform::XmlDocument doc;
    ASSERT_TRUE(ethercat_mqtt::Create_ESI_File(dir.file("device.xml"), state, doc));
    const QByteArray esi = dir.read("device.xml");
    EXPECT_EQ(strictParseError(esi).toStdString(), "");
    EXPECT_TRUE(esi.contains("<Name LcId=\"1033\">GW&#13;1</Name>\r\n")) << esi.constData();
    EXPECT_TRUE(esi.contains("<Name>v1</Name>\r\n")) << esi.constData();
}

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
