// The IEC 61850 SCL reader on generated files of 1, 2.5 and 5 MB: an IED of
// many logical devices, each with its own data types (so that the templates
// grow with the file), measurement, breaker, switch and I/O nodes, and data
// sets in its node zero whose members point into the device's nodes.
//
//   BM_ReadSclText: the bytes parsed and decoded into the model. The time
//   per byte must stay the same at every size: the fitted complexity is
//   O(N) in the file size.
//   BM_ShowIedTree: the client editor showing the tree of the 5 MB file's
//   IED when it is chosen in the catalog (its data objects open on demand).
//
// "objects" counts the data objects and attributes built, "members" the
// data-set members resolved.

#include <QByteArray>
#include <QListWidget>
#include <QTreeWidget>

#include "app/app_state.h"
#include "app/language.h"
#include "bench_support.h"
#include "editors/ethernet/iec61850/client_form.h"
#include "editors/ethernet/iec61850/scl_reader.h"

namespace {

using namespace iec61850;

QByteArray number(int value) { return QByteArray::number(value); }

// The types of logical device k: a measured value, a complex measured
// value with a sub data object, a controllable double point, a mode, and
// their attribute types.
QByteArray typesOf(int k)
{
    const QByteArray n = number(k);
    return "<LNodeType id=\"LLN0_" + n + "\" lnClass=\"LLN0\"><DO name=\"Mod\" type=\"ENC_" + n + "\"/>"
           "<DO name=\"Beh\" type=\"ENC_" + n + "\"/><DO name=\"Health\" type=\"ENC_" + n + "\"/></LNodeType>\n"
           "<LNodeType id=\"MMXU_" + n + "\" lnClass=\"MMXU\"><DO name=\"TotW\" type=\"MV_" + n + "\"/>"
           "<DO name=\"TotVAr\" type=\"MV_" + n + "\"/><DO name=\"Hz\" type=\"MV_" + n + "\"/>"
           "<DO name=\"PhV\" type=\"WYE_" + n + "\"/><DO name=\"A\" type=\"WYE_" + n + "\"/></LNodeType>\n"
           "<LNodeType id=\"XCBR_" + n + "\" lnClass=\"XCBR\"><DO name=\"Pos\" type=\"DPC_" + n + "\"/>"
           "<DO name=\"BlkOpn\" type=\"DPC_" + n + "\"/><DO name=\"Mod\" type=\"ENC_" + n + "\"/></LNodeType>\n"
           "<LNodeType id=\"GGIO_" + n + "\" lnClass=\"GGIO\"><DO name=\"AnIn1\" type=\"MV_" + n + "\"/>"
           "<DO name=\"AnIn2\" type=\"MV_" + n + "\"/><DO name=\"SPCSO1\" type=\"DPC_" + n + "\"/></LNodeType>\n"
           "<DOType id=\"ENC_" + n + "\" cdc=\"ENC\"><DA name=\"stVal\" bType=\"Enum\" type=\"Beh\" fc=\"ST\"/>"
           "<DA name=\"q\" bType=\"Quality\" fc=\"ST\"/><DA name=\"t\" bType=\"Timestamp\" fc=\"ST\"/>"
           "<DA name=\"ctlModel\" bType=\"Enum\" type=\"CtlModels\" fc=\"CF\"/></DOType>\n"
           "<DOType id=\"MV_" + n + "\" cdc=\"MV\"><DA name=\"mag\" bType=\"Struct\" type=\"AV_" + n + "\" fc=\"MX\"/>"
           "<DA name=\"q\" bType=\"Quality\" fc=\"MX\"/><DA name=\"t\" bType=\"Timestamp\" fc=\"MX\"/>"
           "<DA name=\"units\" bType=\"Struct\" type=\"Unit_" + n + "\" fc=\"CF\"/>"
           "<DA name=\"db\" bType=\"INT32U\" fc=\"CF\"/></DOType>\n"
           "<DOType id=\"CMV_" + n + "\" cdc=\"CMV\"><DA name=\"cVal\" bType=\"Struct\" type=\"Vec_" + n
           + "\" fc=\"MX\"/><DA name=\"q\" bType=\"Quality\" fc=\"MX\"/><DA name=\"t\" bType=\"Timestamp\" fc=\"MX\"/>"
           "</DOType>\n"
           "<DOType id=\"WYE_" + n + "\" cdc=\"WYE\"><SDO name=\"phsA\" type=\"CMV_" + n + "\"/>"
           "<SDO name=\"phsB\" type=\"CMV_" + n + "\"/><SDO name=\"phsC\" type=\"CMV_" + n + "\"/></DOType>\n"
           "<DOType id=\"DPC_" + n + "\" cdc=\"DPC\"><DA name=\"stVal\" bType=\"Dbpos\" fc=\"ST\"/>"
           "<DA name=\"q\" bType=\"Quality\" fc=\"ST\"/><DA name=\"t\" bType=\"Timestamp\" fc=\"ST\"/>"
           "<DA name=\"Oper\" bType=\"Struct\" type=\"Oper_" + n + "\" fc=\"CO\"/>"
           "<DA name=\"ctlModel\" bType=\"Enum\" type=\"CtlModels\" fc=\"CF\"/></DOType>\n"
           "<DAType id=\"AV_" + n + "\"><BDA name=\"f\" bType=\"FLOAT32\"/><BDA name=\"i\" bType=\"INT32\"/></DAType>\n"
           "<DAType id=\"Vec_" + n + "\"><BDA name=\"mag\" bType=\"Struct\" type=\"AV_" + n + "\"/>"
           "<BDA name=\"ang\" bType=\"Struct\" type=\"AV_" + n + "\"/></DAType>\n"
           "<DAType id=\"Unit_" + n + "\"><BDA name=\"SIUnit\" bType=\"Enum\" type=\"SIUnit\"/>"
           "<BDA name=\"multiplier\" bType=\"Enum\" type=\"Multiplier\"/></DAType>\n"
           "<DAType id=\"Oper_" + n + "\"><BDA name=\"ctlVal\" bType=\"BOOLEAN\"/>"
           "<BDA name=\"origin\" bType=\"Struct\" type=\"Orig_" + n + "\"/><BDA name=\"ctlNum\" bType=\"INT8U\"/>"
           "<BDA name=\"T\" bType=\"Timestamp\"/><BDA name=\"Test\" bType=\"BOOLEAN\"/></DAType>\n"
           "<DAType id=\"Orig_" + n + "\"><BDA name=\"orCat\" bType=\"Enum\" type=\"OrCat\"/>"
           "<BDA name=\"orIdent\" bType=\"Octet64\"/></DAType>\n";
}

// Logical device k with its nodes and the data sets of its node zero.
QByteArray logicalDeviceOf(int k)
{
    const QByteArray n = number(k);
    const QByteArray ld = "LD" + n;
    QByteArray xml = "<LDevice inst=\"" + ld + "\"><LN0 lnClass=\"LLN0\" lnType=\"LLN0_" + n + "\" inst=\"\">";
    for (int set = 0; set < 2; ++set) {
        xml += "<DataSet name=\"DS" + number(set) + "\">";
        for (int i = 1; i <= 4; ++i) {
            xml += "<FCDA ldInst=\"" + ld + "\" lnClass=\"MMXU\" lnInst=\"" + number(i) + "\" doName=\"TotW\" daName=\"mag\" fc=\"MX\"/>";
            xml += "<FCDA ldInst=\"" + ld + "\" lnClass=\"XCBR\" lnInst=\"" + number(i) + "\" doName=\"Pos\" fc=\"ST\"/>";
            xml += "<FCDA ldInst=\"" + ld + "\" lnClass=\"MMXU\" doName=\"phsB\" daName=\"cVal\" fc=\"MX\"/>";
        }
        xml += "</DataSet>";
    }
    xml += "<GSEControl name=\"GoCB" + n + "\" datSet=\"DS0\" appID=\"app" + n + "\"/></LN0>";
    for (int i = 1; i <= 4; ++i) {
        xml += "<LN lnClass=\"MMXU\" lnType=\"MMXU_" + n + "\" inst=\"" + number(i) + "\" prefix=\"\"/>";
        xml += "<LN lnClass=\"XCBR\" lnType=\"XCBR_" + n + "\" inst=\"" + number(i) + "\" prefix=\"Q" + number(i) + "\"/>";
        xml += "<LN lnClass=\"GGIO\" lnType=\"GGIO_" + n + "\" inst=\"" + number(i) + "\"/>";
    }
    return xml + "</LDevice>\n";
}

// An SCL file of at least `bytes` bytes.
QByteArray generatedScl(int bytes)
{
    QByteArray devices;
    QByteArray templates;
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SCL version=\"2007\"><Header id=\"bench\"/>"
                            "<IED name=\"BenchIED\"><AccessPoint name=\"AP1\"><Server>\n";
    const QByteArray middle = "</Server></AccessPoint></IED>\n<DataTypeTemplates>\n";
    const QByteArray tail = "<EnumType id=\"Beh\"><EnumVal ord=\"1\">on</EnumVal></EnumType></DataTypeTemplates></SCL>\n";
    for (int k = 0; head.size() + devices.size() + middle.size() + templates.size() + tail.size() < bytes; ++k) {
        devices += logicalDeviceOf(k);
        templates += typesOf(k);
    }
    return head + devices + middle + templates + tail;
}

int objectCount(const std::vector<std::unique_ptr<TIEC_DA>>& list)
{
    int count = 0;
    for (const auto& da : list)
        count += 1 + objectCount(da->List_DA);
    return count;
}

int objectCount(const std::vector<std::unique_ptr<TIEC_DO>>& list)
{
    int count = 0;
    for (const auto& object : list)
        count += 1 + objectCount(object->List_DO) + objectCount(object->List_DA);
    return count;
}

void BM_ReadSclText(benchmark::State& state)
{
    const QByteArray text = generatedScl(int(state.range(0)));
    int objects = 0;
    int members = 0;
    for (auto _ : state) {
        const SclRead read = readSclText(text, QStringLiteral("bench.scd"));
        if (!read.ok() || read.device->truncated) {
            state.SkipWithError("the generated file was not read whole");
            break;
        }
        objects = 0;
        members = 0;
        for (const auto& ld : read.device->List_LDevice)
            for (const auto& ln : ld->List_LN) {
                objects += objectCount(ln->List_DO);
                for (const auto& set : ln->List_DataSet)
                    members += int(set->List_DA.size());
            }
    }
    state.SetComplexityN(text.size());
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
    state.counters["objects"] = objects;
    state.counters["members"] = members;
}

void BM_ShowIedTree(benchmark::State& state)
{
    app::Load_Default_Texts(app::textTable());
    app::appState().SW_Code = app::kSoftwareCode;
    TFIEC_61850_Access form;
    SclRead read = readSclText(generatedScl(5 << 20), QStringLiteral("bench.scd"));
    form.List_IEC_Dev.push_back({std::move(read.device), false});
    form.Show_IEC_Devices();
    int nodes = 0;
    for (auto _ : state) {
        form.LB_IEC_Devices->setCurrentRow(-1);
        form.LB_IEC_Devices->setCurrentRow(0);
        nodes = 0;
        for (QTreeWidgetItemIterator it(form.TV_IEC_Device); *it != nullptr; ++it)
            ++nodes;
    }
    state.counters["nodes"] = nodes;
}

}  // namespace

BENCHMARK(BM_ReadSclText)
    ->Arg(1 << 20)
    ->Arg(5 << 19)
    ->Arg(5 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowIedTree)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
