// The CAN frame and CANopen editors on full tables: 512 CAN rules per
// direction (every column filled), 30 + 30 PDOs, 256 + 256 SDO requests and
// 500 + 500 SDO server objects.
//
//   BM_OpenCANReceiveEditor / BM_OpenCANTransmitEditor: showing the editor
//   (the eight position lists of 2001 or 2501 choices rebuilt, reset, load,
//   first paint) and closing it again; it must stay well under 200 ms.
//   BM_OpenTransmitByteDropDown: opening the in-place drop-down of a Byte
//   cell of the transmit editor (2501 choices) and closing it.
//   BM_OkCANTransmitEditor: OK on the full transmit table: the checks and
//   the file written (the editor is shown again between iterations, outside
//   the timing).
//   BM_OpenPDOEditor / BM_OpenSDOClientEditor / BM_OpenSDOServerEditor:
//   showing the CANopen editors.
//   BM_WriteEDS: the EDS file of 30 + 30 PDOs and 1000 SDO server objects.
//
// "messages" counts the message boxes shown; it must stay 0.

#include <QApplication>
#include <QTemporaryDir>

#include "app/app_state.h"
#include "app/language.h"
#include "bench_support.h"
#include "rule_editor_bench.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/editors/grid_cell_editors.h"
#include "editors/fieldbus/can/can_frame_forms.h"
#include "editors/fieldbus/canopen/canopen_forms.h"
#include "editors/fieldbus/canopen/eds_writer.h"

namespace {

using namespace rule_editor_bench;
using namespace can_editors;
using namespace canopen;

QString mnemonic(int i) { return QStringLiteral("Description of frame %1 of the line").arg(i); }

// A project with every table full; every rule valid.
struct FullProject {
    QTemporaryDir dir;

    FullProject()
    {
        app::Load_Default_Texts(app::textTable());
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = dir.path();
        state.CAN_Rec_Frames_Path = dir.path() + QStringLiteral("/CAN_Rec_Frames.xml");
        state.CAN_Send_Frames_Path = dir.path() + QStringLiteral("/CAN_Send_Frames.xml");
        state.PDO_CANopen_Path = dir.path() + QStringLiteral("/PDO_CANopen.xml");
        state.SDO_Client_CANopen_Path = dir.path() + QStringLiteral("/SDO_Client_CANopen.xml");
        state.SDO_Server_CANopen_Path = dir.path() + QStringLiteral("/SDO_Server_CANopen.xml");
        platform::XmlDocument doc;

        std::vector<CANReceiveFrame> received;
        std::vector<CANTransmitFrame> sent;
        for (int i = 0; i < 512; ++i) {
            CANReceiveFrame r;
            r.Enable = QStringLiteral("Y");
            r.COBID = QString::number(0x100 + i);
            r.CAN_Type = i % 2 == 0 ? kCAN20A : kCAN20B;
            r.Dim = QStringLiteral("8");
            r.TimeOut = QStringLiteral("1000");
            for (int k = 0; k < 8; ++k)
                r.*kFrameBytes<CANReceiveFrame>[size_t(k)] = QString::number((i * 8 + k) % 2000);
            r.Mnemonic = mnemonic(i);
            received.push_back(r);
            CANTransmitFrame t;
            t.Enable = QStringLiteral("Y");
            t.COBID = r.COBID;
            t.CAN_Type = r.CAN_Type;
            t.Dim = QStringLiteral("8");
            t.OnChange = QStringLiteral("Y");
            t.OnCMD = QStringLiteral("N");
            t.OnTimer = QStringLiteral("Y");
            t.Time = QStringLiteral("100");
            for (int k = 0; k < 8; ++k)
                t.*kFrameBytes<CANTransmitFrame>[size_t(k)] = QString::number((i * 8 + k) % 2500);
            t.Mnemonic = mnemonic(i);
            sent.push_back(t);
        }
        writeCANReceiveFile(state.CAN_Rec_Frames_Path, doc, received);
        writeCANTransmitFile(state.CAN_Send_Frames_Path, doc, sent);

        TwoLists<PDORule> pdos;
        for (int i = 0; i < 30; ++i) {
            PDORule p;
            p.COB_ID = QString::number(0x200 + i);
            p.Dimension = QString::number(1 + i % 8);
            for (QString* a : {&p.Address_B1, &p.Address_B2, &p.Address_B3, &p.Address_B4, &p.Address_B5,
                               &p.Address_B6, &p.Address_B7, &p.Address_B8})
                *a = QString::number(i * 8);
            p.TimeOut = QStringLiteral("100");
            p.Send_Time = QStringLiteral("100");
            p.On_Change = QStringLiteral("Y");
            p.Mnemonic = mnemonic(i);
            pdos[0].push_back(p);
            pdos[1].push_back(p);
        }
        writeTwoLists(state.PDO_CANopen_Path, doc, pdoFileLayout(), pdos, nullptr);

        TwoLists<SDORequest> requests;
        for (int i = 0; i < 256; ++i) {
            SDORequest r;
            r.Device_ID = QString::number(1 + i % 127);
            r.Index = QStringLiteral("0x%1").arg(0x2000 + i, 4, 16);
            r.SubIndex = QString::number(i % 256);
            r.NByte = QStringLiteral("4");
            r.Poll_Time = QStringLiteral("100");
            r.Address_B1 = r.Address_B2 = r.Address_B3 = r.Address_B4 = QString::number(i * 4);
            r.TimeOut = QStringLiteral("0");
            r.On_Change = QStringLiteral("Y");
            r.Mnemonic = mnemonic(i);
            requests[0].push_back(r);
            requests[1].push_back(r);
        }
        writeTwoLists(state.SDO_Client_CANopen_Path, doc, sdoClientFileLayout(), requests, nullptr);

        TwoLists<SDOObject> objects;
        for (int i = 0; i < 500; ++i) {
            SDOObject o;
            o.Index = QStringLiteral("0x%1").arg(0x2000 + i / 20, 4, 16);
            o.SubIndex = QString::number(1 + i % 20);
            o.NByte = QString::number(1 << (i % 3));
            o.Address_B1 = o.Address_B2 = o.Address_B3 = o.Address_B4 = QString::number(i);
            o.Mnemonic = mnemonic(i);
            objects[0].push_back(o);
            o.Index = QStringLiteral("0x%1").arg(0x3000 + i / 20, 4, 16);
            objects[1].push_back(o);
        }
        writeTwoLists(state.SDO_Server_CANopen_Path, doc, sdoServerFileLayout(), objects, nullptr);
    }
};

void BM_OpenCANReceiveEditor(benchmark::State& state) { openEditor<FullProject, TFReceiveCAN>(state); }
void BM_OpenCANTransmitEditor(benchmark::State& state) { openEditor<FullProject, TFTransmitCAN>(state); }
void BM_OpenPDOEditor(benchmark::State& state) { openEditor<FullProject, TFSet_PDO_Access>(state); }
void BM_OpenSDOClientEditor(benchmark::State& state) { openEditor<FullProject, TFSet_SDO_Client_Access>(state); }
void BM_OpenSDOServerEditor(benchmark::State& state) { openEditor<FullProject, TFSet_SDO_Server_Access>(state); }

void BM_OpenTransmitByteDropDown(benchmark::State& state)
{
    FullProject project;
    CountingDialogs dialogs;
    TFTransmitCAN form;
    showNow(form);
    grid::TExColumnGrid& g = *form.ECG_CAN_Transmit;
    qsizetype choices = 0;
    for (auto _ : state) {
        g.EditCell(TFTransmitCAN::kFirstByteColumn + 2, 5);
        QApplication::processEvents();
        state.PauseTiming();
        choices = g.Combobox() != nullptr && g.Combobox()->isVisible() ? g.Combobox()->count() : 0;
        g.HideEditor();
        g.FocusCell(2, 5);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["choices"] = double(choices);
    state.counters["messages"] = dialogs.count;
}

void BM_OkCANTransmitEditor(benchmark::State& state) { okEditor<FullProject, TFTransmitCAN>(state); }

void BM_WriteEDS(benchmark::State& state)
{
    FullProject project;
    platform::XmlDocument doc;
    const QString target = project.dir.path() + QStringLiteral("/gateway.eds");
    for (auto _ : state)
        Write_EDS_File(target, app::appState(), doc, QDateTime::currentDateTime());
}

}  // namespace

BENCHMARK(BM_OpenCANReceiveEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCANTransmitEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTransmitByteDropDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkCANTransmitEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPDOEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSDOClientEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSDOServerEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteEDS)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
