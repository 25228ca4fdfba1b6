// The EtherCAT editors on full tables: 256 + 256 variables and 16 + 16
// groups.
//
//   BM_OpenVariableEditor / BM_OpenGroupEditor: showing the editor (reset,
//   load, computed columns, first paint) and closing it again.
//   BM_OkVariableEditor / BM_OkGroupEditor: OK on the full tables: the
//   checks, the questions' counts and the file written (the editor is shown
//   again between iterations, outside the timing).
//
// "messages" counts the message boxes shown; it must stay 0.

#include <QApplication>
#include <QTemporaryDir>

#include "app/app_state.h"
#include "app/language.h"
#include "bench_support.h"
#include "editors/ethercat_mqtt/ethercat_slave_form.h"
#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"
#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "platform/dialogs.h"

namespace {

// Answers every message No and counts them, so that no box ever waits.
class CountingDialogs final : public platform::Dialogs {
public:
    CountingDialogs() : previous_(platform::setDialogs(this)) {}
    ~CountingDialogs() override { platform::setDialogs(previous_); }
    platform::MessageResult message(platform::MessageKind, const QString&, platform::MessageButtons,
                                    QWidget*) override
    {
        ++count;
        return platform::MessageResult::No;
    }
    std::optional<QString> openFile(const platform::FileDialogOptions&, QWidget*) override { return {}; }
    std::optional<QString> saveFile(const platform::FileDialogOptions&, QWidget*) override { return {}; }
    int count = 0;

private:
    platform::Dialogs* previous_;
};

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
    }
};

void showNow(QDialog& form)
{
    form.setModal(true);
    form.show();
    QApplication::processEvents();
}

template <typename Form>
void openEditor(benchmark::State& state)
{
    FullProject project;
    CountingDialogs dialogs;
    Form form;
    for (auto _ : state) {
        showNow(form);
        form.close();
    }
    state.counters["messages"] = dialogs.count;
}

template <typename Form>
void okEditor(benchmark::State& state)
{
    FullProject project;
    CountingDialogs dialogs;
    Form form;
    for (auto _ : state) {
        state.PauseTiming();
        showNow(form);
        state.ResumeTiming();
        form.Btn_OKClick();
    }
    state.counters["messages"] = dialogs.count;
    state.counters["closed"] = form.isVisible() ? 0 : 1;
}

void BM_OpenVariableEditor(benchmark::State& state) { openEditor<ethercat_mqtt::TFEtherCATSlave>(state); }
void BM_OkVariableEditor(benchmark::State& state) { okEditor<ethercat_mqtt::TFEtherCATSlave>(state); }
void BM_OpenGroupEditor(benchmark::State& state) { openEditor<ethercat_mqtt::TFEtherCATSlave_Group>(state); }
void BM_OkGroupEditor(benchmark::State& state) { okEditor<ethercat_mqtt::TFEtherCATSlave_Group>(state); }

}  // namespace

BENCHMARK(BM_OpenVariableEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkVariableEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenGroupEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkGroupEditor)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
