// The DeviceNet offset editor on slaves of the most bytes: the byte tables
// hold up to 65535 bytes each (65536 rows with the header).
//
//   BM_ShowOffsetEditor: showing the editor (both files read, the first
//   slave's 65535 + 65535 bytes shown, first paint) and closing it again.
//   BM_SwitchOffsetSlave: picking the other slave: the tables' 2 x 65535
//   bytes go back into the slave shown, the other's come in.
//   BM_OkOffsetEditor: OK: the checks over every byte and the file of
//   4 x 65535 rows written.
//
// Showing and switching must stay well under 200 ms; OK, which writes the
// whole file, is measured to see it does not grow. "messages" counts the
// message boxes shown; it must stay 0.

#include <QApplication>
#include <QTemporaryDir>

#include "app/app_state.h"
#include "app/language.h"
#include "bench_support.h"
#include "rule_editor_bench.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/fieldbus/devicenet/devicenet_network_file.h"
#include "editors/fieldbus/devicenet/devicenet_offset_file.h"
#include "editors/fieldbus/devicenet/devicenet_offset_form.h"

namespace {

using namespace rule_editor_bench;

// Two slaves of 65535 input and 65535 output bytes; every input byte and
// 1440 output bytes of the first slave placed, with descriptions.
struct LargestSlaves {
    QTemporaryDir dir;

    LargestSlaves()
    {
        app::Load_Default_Texts(app::textTable());
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = dir.path();
        state.DNETM_Net_Path = dir.path() + QStringLiteral("/DNETM_Net.xml");
        state.DNETM_DefOff_Path = dir.path() + QStringLiteral("/DNETM_DefOff.xml");
        platform::XmlDocument doc;
        devicenet::writeDeviceNetNetworkFile(state.DNETM_Net_Path, doc,
                                             {{"5", "65535", "65535", "first"}, {"6", "65535", "65535", "second"}});
        std::vector<devicenet::DeviceNetNode> nodes(2);
        for (int j = 0; j < 65535; ++j) {
            nodes[0].ByteIN.push_back({QString::number(j % 1440), QStringLiteral("Input byte %1").arg(j)});
            nodes[0].ByteOUT.push_back(
                {j < 1440 ? QString::number(j) : QStringLiteral("None"), QStringLiteral("Output byte %1").arg(j)});
        }
        devicenet::writeDeviceNetOffsetFile(state.DNETM_DefOff_Path, doc, nodes);
    }
};

void BM_ShowOffsetEditor(benchmark::State& state)
{
    LargestSlaves project;
    CountingDialogs dialogs;
    devicenet::TFDefOffset form;
    for (auto _ : state) {
        showNow(form);
        form.close();
    }
    state.counters["rows"] = form.ECG_ByteIN->RowCount();
    state.counters["messages"] = dialogs.count;
}

void BM_SwitchOffsetSlave(benchmark::State& state)
{
    LargestSlaves project;
    CountingDialogs dialogs;
    devicenet::TFDefOffset form;
    showNow(form);
    int row = 1;
    for (auto _ : state) {
        row = 3 - row;
        form.ECG_DN_Slaves->FocusCell(0, row);
        form.ECG_DN_SlavesClick();
        QApplication::processEvents();
    }
    state.counters["rows"] = form.ECG_ByteOUT->RowCount();
    state.counters["messages"] = dialogs.count;
}

void BM_OkOffsetEditor(benchmark::State& state) { okEditor<LargestSlaves, devicenet::TFDefOffset>(state); }

}  // namespace

BENCHMARK(BM_ShowOffsetEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchOffsetSlave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkOffsetEditor)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
