// The Modbus serial, Modbus TCP and S7 editors on full tables: 512 + 512
// rules each, every column filled. The S7 editor has the widest tables
// (19 and 21 columns).
//
//   BM_Open...: showing the editor (reset, load, first paint) and closing
//   it again; it must stay well under 200 ms.
//   BM_OkS7Editor: OK on the full S7 tables: the checks and the file
//   written (the editor is shown again between iterations, outside the
//   timing).
//
// "messages" counts the message boxes shown; it must stay 0.

#include <QApplication>
#include <QTemporaryDir>

#include "app/app_state.h"
#include "app/language.h"
#include "bench_support.h"
#include "rule_editor_bench.h"
#include "editors/ethernet/modbus/modbus_rule_file.h"
#include "editors/ethernet/modbus/modbus_set_access_form.h"
#include "editors/ethernet/modbus/modbus_tcp_master_form.h"
#include "editors/ethernet/s7/s7_protocol_form.h"
#include "editors/ethernet/s7/s7_rule_file.h"

namespace {

using namespace rule_editor_bench;
using namespace ethernet_editors;

QString mnemonic(int i) { return QStringLiteral("Description of rule %1 of the plant").arg(i); }

// A project with both tables of the three editors full; every enabled rule
// valid; the S7 rules go to ten controllers, the most the gateway keeps.
struct FullProject {
    QTemporaryDir dir;

    FullProject()
    {
        app::Load_Default_Texts(app::textTable());
        app::AppState& state = app::appState();
        state.SW_Code = app::kSoftwareCode;
        state.Project_Path = dir.path();
        state.ModbusM_SetAccess_Path = dir.path() + QStringLiteral("/ModbusM_SetAccess.xml");
        state.ModbusTCPM_SetAccess_Path = dir.path() + QStringLiteral("/ModbusTCPM_SetAccess.xml");
        state.S7_Protocol_Path = dir.path() + QStringLiteral("/S7_Protocol.xml");
        platform::XmlDocument doc;

        ModbusRuleFile modbus;
        for (int i = 0; i < 512; ++i) {
            ModbusRule r;
            r.Enable = i % 9 == 4 ? QStringLiteral("N") : QStringLiteral("Y");
            r.IP_Address = QStringLiteral("192.168.1.%1").arg(1 + i % 200);
            r.Port = QStringLiteral("502");
            r.Slave_ID = QString::number(1 + i % 247);
            r.Type = i % 2 == 0 ? QStringLiteral("Holding Register") : QStringLiteral("Coil Status");
            r.Address = QString::number(i * 10);
            r.NPoint = QStringLiteral("1");
            r.PollTime = QStringLiteral("1000");
            r.OnChange = QStringLiteral("Y");
            r.OnCMD = QStringLiteral("N");
            r.MaxError = QStringLiteral("5");
            r.Position = QString::number(i * 2);
            r.Bit = QStringLiteral("0");
            r.Swap = QStringLiteral("N");
            r.SwapWord = QStringLiteral("N");
            r.Index_Topic = QStringLiteral("-1");
            r.Mnemonic = mnemonic(i);
            modbus.Read.push_back(r);
            modbus.Write.push_back(r);
        }
        writeModbusRuleFile(ModbusMaster::Serial, state.ModbusM_SetAccess_Path, doc, modbus);
        writeModbusRuleFile(ModbusMaster::Tcp, state.ModbusTCPM_SetAccess_Path, doc, modbus);

        S7RuleFile s7;
        for (int i = 0; i < 512; ++i) {
            S7Rule r;
            r.Enable = QStringLiteral("Y");
            r.PLC_Address = QStringLiteral("192.168.0.%1").arg(10 + i % 10);
            r.PLC_Port = QStringLiteral("102");
            r.PLC_Type = QStringLiteral("S71500");
            r.Rack = QStringLiteral("0");
            r.Slot = QStringLiteral("1");
            r.Data_Type = QStringLiteral("DWord");
            r.Data_Identifier = QStringLiteral("DB");
            r.DB_Number = QString::number(i);
            r.PLC_Area = QStringLiteral("Flags (M) (Merker)");
            r.PLC_Add = QString::number(i * 4);
            r.PLC_Bit = QStringLiteral("0");
            r.PollTime = QStringLiteral("500");
            r.OnChange = QStringLiteral("Y");
            r.OnCMD = QStringLiteral("Y");
            r.Position = QString::number(i * 2);
            r.Bit = QStringLiteral("0");
            r.Swap = QStringLiteral("Y");
            r.SwapWord = QStringLiteral("N");
            r.Mnemonic = mnemonic(i);
            s7.Read.push_back(r);
            s7.Write.push_back(r);
        }
        writeS7RuleFile(state.S7_Protocol_Path, doc, s7);
    }
};

void BM_OpenModbusSerialEditor(benchmark::State& state) { openEditor<FullProject, TFSetAccess>(state); }
void BM_OpenModbusTcpEditor(benchmark::State& state) { openEditor<FullProject, TFModbus_TCP_Master_Set_Access>(state); }
void BM_OpenS7Editor(benchmark::State& state) { openEditor<FullProject, TFS7_Protocol_Set_Access>(state); }

void BM_OkS7Editor(benchmark::State& state) { okEditor<FullProject, TFS7_Protocol_Set_Access>(state); }

}  // namespace

BENCHMARK(BM_OpenModbusSerialEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenModbusTcpEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenS7Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkS7Editor)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
