// The rule editors on full tables: 256 + 256 variables, 16 + 16 groups and
// 1024 + 1024 MQTT topics (every column filled, hidden ones too).
//
//   BM_OpenVariableEditor / BM_OpenGroupEditor / BM_OpenTopicEditor: showing
//   the editor (reset, load, computed columns, first paint) and closing it
//   again.
//   BM_OkVariableEditor / BM_OkGroupEditor / BM_OkTopicEditor: OK on the
//   full tables: the
//   checks, the questions' counts and the file written (the editor is shown
//   again between iterations, outside the timing).
//
// "messages" counts the message boxes shown; it must stay 0.

#include <QApplication>
#include <QTemporaryDir>

#include "app/app_state.h"
#include "app/language.h"
#include "bench_support.h"
#include "rule_editor_bench.h"
#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"
#include "editors/ethercat_mqtt/mqtt_set_topic_form.h"
#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"

namespace {

using namespace rule_editor_bench;

QString text(const char* prefix, int index, int length)
{
    QString t = QString::fromLatin1(prefix) + QString::number(index) + u'_';
    while (t.size() < length)
        t += u'x';
    return t.left(length);
}

// A project with both tables of each editor full, every row valid.
struct FullProject {
    QTemporaryDir dir;

    FullProject()
    {
        app::Load_Default_Texts(app::textTable());
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = dir.path();
        state.EtherCAT_Slave_Path = dir.path() + QStringLiteral("/EtherCAT_Slave.xml");
        state.EtherCAT_Slave_Group_Path = dir.path() + QStringLiteral("/EtherCAT_Slave_Group.xml");
        platform::XmlDocument doc;
        const char* const types[] = {"Bool", "Bool", "Int16", "UInt32", "Float32", "String", "Array", "Int8"};
        ethercat_mqtt::EtherCATSlaveFile variables;
        for (int i = 0; i < 256; ++i) {
            ethercat_mqtt::EtherCATVariableRow row;
            row.Enable = i % 17 == 5 ? QStringLiteral("N") : QStringLiteral("Y");
            row.Type = QString::fromLatin1(types[i % 8]);
            row.Length = row.Type == QStringLiteral("String") || row.Type == QStringLiteral("Array")
                             ? QStringLiteral("16")
                             : QStringLiteral("4");
            row.Name = text("Variable_", i, 48);
            row.InitValue = row.Type == QStringLiteral("Array") ? QStringLiteral("0A0B0C0D") : QStringLiteral("12");
            row.Mnemonic = text("Description of ", i, 64);
            variables.SlaveToMaster.push_back(row);
            row.InitValue.clear();
            variables.MasterToSlave.push_back(row);
        }
        ethercat_mqtt::writeEtherCATSlaveFile(state.EtherCAT_Slave_Path, doc, variables);
        ethercat_mqtt::EtherCATGroupFile groups;
        for (int g = 0; g < 16; ++g) {
            groups.Slave_to_Master.push_back({text("Input_Group_", g, 40), QStringLiteral("16"), text("M", g, 30)});
            groups.Master_to_Slave.push_back({text("Output_Group_", g, 40), QStringLiteral("16"), text("M", g, 30)});
        }
        ethercat_mqtt::writeEtherCATGroupFile(state.EtherCAT_Slave_Group_Path, doc, groups);

        state.MQTT_Set_Topic_Path = dir.path() + QStringLiteral("/MQTT_Set_Topic.xml");
        const char* const dataTypes[] = {"Int", "Float", "String", "Base64"};
        const char* const sizes[] = {"4", "8", "32", "64"};
        ethercat_mqtt::MQTTTopicFile topics;
        for (int i = 0; i < 1024; ++i) {
            ethercat_mqtt::MQTTPublishRow pub;
            pub.Topic = text("plant/area/line/publish/", i, 60);
            pub.Retained = QStringLiteral("Y");
            pub.QoS = QString::number(i % 3);
            pub.DataType = QString::fromLatin1(dataTypes[i % 4]);
            pub.Dimension = QString::fromLatin1(sizes[i % 4]);
            pub.Position = QString::number(i);
            pub.IPAddress = QStringLiteral("192.168.1.10");
            pub.InputTemplate = QStringLiteral("$IN$");
            pub.Template = QStringLiteral("{\n  \"value\": $VALUE$,\n  \"time\": \"$TIME$\"\n}");
            pub.OnChange = QStringLiteral("Y");
            pub.OnTimer = i % 2 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
            pub.Time = QStringLiteral("1000");
            pub.Mnemonic = text("Description of ", i, 64);
            topics.Publish.push_back(pub);
            ethercat_mqtt::MQTTSubscribeRow sub;
            sub.Topic = text("plant/area/line/subscribe/", i, 60);
            sub.Retained = QStringLiteral("N");
            sub.QoS = QString::number(i % 3);
            sub.DataType = pub.DataType;
            sub.Dimension = pub.Dimension;
            sub.Position = QString::number(1499 - i);
            sub.IPAddress = QStringLiteral("10.0.0.1");
            sub.Port = QStringLiteral("502");
            sub.EthType = QStringLiteral("TCP");
            sub.InputTemplate = QStringLiteral("$IN$");
            sub.Template = QStringLiteral("$VALUE$");
            sub.Mnemonic = text("Description of ", i, 64);
            topics.Subscribe.push_back(sub);
        }
        ethercat_mqtt::writeMQTTTopicFile(state.MQTT_Set_Topic_Path, doc, topics);
    }
};

void BM_OpenVariableEditor(benchmark::State& state) { openEditor<FullProject, ethercat_mqtt::TFEtherCATSlave>(state); }
void BM_OkVariableEditor(benchmark::State& state) { okEditor<FullProject, ethercat_mqtt::TFEtherCATSlave>(state); }
void BM_OpenGroupEditor(benchmark::State& state) { openEditor<FullProject, ethercat_mqtt::TFEtherCATSlave_Group>(state); }
void BM_OkGroupEditor(benchmark::State& state) { okEditor<FullProject, ethercat_mqtt::TFEtherCATSlave_Group>(state); }
void BM_OpenTopicEditor(benchmark::State& state) { openEditor<FullProject, ethercat_mqtt::TFMQTT_Set_Topic>(state); }
void BM_OkTopicEditor(benchmark::State& state) { okEditor<FullProject, ethercat_mqtt::TFMQTT_Set_Topic>(state); }

}  // namespace

BENCHMARK(BM_OpenVariableEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkVariableEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenGroupEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkGroupEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTopicEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkTopicEditor)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
