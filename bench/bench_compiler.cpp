// Compiling the largest projects the editors allow into the device images.
//
//   BM_CompileLargestProject: 256 + 256 EtherCAT variables with long names
//   and initial values, 16 groups per direction, 1024 + 1024 MQTT topics
//   with long templates. Bank 3 of such a project needs more than the
//   device's 131072 bytes, so the compile reads and lays out everything and
//   is then refused ("refused" = 1).
//   BM_CompileLargestFittingProject: the same EtherCAT side and 1024 + 1024
//   topics with short texts, which fit; all three images are built.

#include <sys/resource.h>

#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "editors/ethercat_mqtt/project_files/mqtt_topic_file.h"
#include "params/bank_compiler.h"
#include "params/par_gen_file.h"
#include "platform/xml_document.h"

namespace {

QString longText(const char* prefix, int index, int length)
{
    QString text = QString::fromLatin1(prefix) + QString::number(index) + u'_';
    while (text.size() < length)
        text += u'x';
    return text.left(length);
}

void writeEtherCAT(const QString& folder, platform::XmlDocument& doc)
{
    ethercat_mqtt::EtherCATSlaveFile variables;
    for (int i = 0; i < 256; ++i) {
        ethercat_mqtt::EtherCATVariableRow in;
        in.Type = QStringLiteral("String");
        in.Length = QStringLiteral("120");
        in.Name = longText("In_Variable_", i, 64);
        in.InitValue = longText("init_", i, 120);
        in.Position = QString::number(i * 120);
        in.BitStart = QStringLiteral("0");
        variables.SlaveToMaster.push_back(in);
        ethercat_mqtt::EtherCATVariableRow out = in;
        out.Type = QStringLiteral("Float32");
        out.Length = QStringLiteral("4");
        out.Name = longText("Out_Variable_", i, 64);
        variables.MasterToSlave.push_back(out);
    }
    ethercat_mqtt::writeEtherCATSlaveFile(folder + QStringLiteral("/EtherCAT_Slave.xml"), doc, variables);

    ethercat_mqtt::EtherCATGroupFile groups;
    for (int g = 0; g < 16; ++g) {
        groups.Slave_to_Master.push_back({longText("Input_Group_", g, 48), QStringLiteral("16"), QString()});
        groups.Master_to_Slave.push_back({longText("Output_Group_", g, 48), QStringLiteral("16"), QString()});
    }
    ethercat_mqtt::writeEtherCATGroupFile(folder + QStringLiteral("/EtherCAT_Slave_Group.xml"), doc, groups);
}

void writeTopics(const QString& folder, platform::XmlDocument& doc, bool longTexts)
{
    ethercat_mqtt::MQTTTopicFile topics;
    for (int i = 0; i < 1024; ++i) {
        ethercat_mqtt::MQTTPublishRow pub;
        pub.Topic = longTexts ? longText("plant/line/publish/", i, 96) : QStringLiteral("p%1").arg(i);
        pub.Retained = QStringLiteral("N");
        pub.QoS = QStringLiteral("1");
        pub.DataType = QStringLiteral("Float");
        pub.Dimension = QStringLiteral("4");
        pub.Position = QString::number(i % 1500);
        pub.Template = longTexts ? QStringLiteral("{\"value\":$VALUE$,\"unit\":\"degC\",") + longText("\"note\":\"", i, 400)
                                       + QStringLiteral("\"}")
                                 : QStringLiteral("$VALUE$");
        pub.OnChange = QStringLiteral("Y");
        pub.OnTimer = QStringLiteral("Y");
        pub.Time = QStringLiteral("1000");
        pub.Mnemonic = longTexts ? longText("publish_", i, 32) : QString();
        topics.Publish.push_back(pub);
        ethercat_mqtt::MQTTSubscribeRow sub;
        sub.Topic = longTexts ? longText("plant/line/subscribe/", i, 96) : QStringLiteral("s%1").arg(i);
        sub.QoS = QStringLiteral("0");
        sub.DataType = QStringLiteral("Int");
        sub.Dimension = QStringLiteral("2");
        sub.Position = QString::number(i % 1500);
        sub.Template = longTexts ? longText("{\"set\":$VALUE$,\"", i, 400) : QStringLiteral("$VALUE$");
        topics.Subscribe.push_back(sub);
    }
    ethercat_mqtt::writeMQTTTopicFile(folder + QStringLiteral("/MQTT_Set_Topic.xml"), doc, topics);
}

void writeProject(const QString& folder, bool longTopics)
{
    platform::XmlDocument doc;
    params::writeParGenFile(folder + QStringLiteral("/ParGen.xml"), doc,
                            {{QStringLiteral("MQTT_Server_URL"), QStringLiteral("broker.example.com")},
                             {QStringLiteral("MQTT_Client_ID"), QStringLiteral("gateway")}});
    writeEtherCAT(folder, doc);
    writeTopics(folder, doc, longTopics);
}

params::BankSources sources(const QString& folder)
{
    return {folder, folder + QStringLiteral("/ParGen.xml"), folder + QStringLiteral("/EtherCAT_Slave.xml"),
            folder + QStringLiteral("/EtherCAT_Slave_Group.xml"), folder + QStringLiteral("/MQTT_Set_Topic.xml")};
}

void compileProject(benchmark::State& state, bool longTopics)
{
    QTemporaryDir dir;
    writeProject(dir.path(), longTopics);
    platform::XmlDocument doc;
    params::BankImages images;
    params::CompileResult result;
    for (auto _ : state) {
        result = params::Build_Bank_Images(sources(dir.path()), doc, images);
        benchmark::DoNotOptimize(images);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["refused"] = result.ok ? 0 : 1;
    state.counters["bank2_bytes"] = static_cast<double>(images.bank2.size());
    state.counters["bank3_bytes"] = static_cast<double>(images.bank3.size());
}

void BM_CompileLargestProject(benchmark::State& state)
{
    compileProject(state, true);
}

void BM_CompileLargestFittingProject(benchmark::State& state)
{
    compileProject(state, false);
}

}  // namespace

BENCHMARK(BM_CompileLargestProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompileLargestFittingProject)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
