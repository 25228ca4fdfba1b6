// Start-up time: from program entry to the main window shown with every form
// created. Measured twice: in this process (the form set built and shown),
// and as a whole program run under the offscreen platform that closes as
// soon as its window is up.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/app_state.h"
#include "app/forms/form_set.h"
#include "app/forms/main_window.h"
#include "platform/paths.h"

static void FormSetCreatedAndShown(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        app::appState() = app::AppState();
        app_forms::FormSet forms(dir.path());
        forms.mainWindow().show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(forms.created().size());
    }
}
BENCHMARK(FormSetCreatedAndShown)->Unit(benchmark::kMillisecond)->Iterations(20);

// The program keeps its folders and settings file next to its executable:
// each run starts from a copy in a scratch folder, so that nothing is left
// beside the benchmark.
static void WholeProgramRun(benchmark::State& state)
{
    const QString built = platform::joinPath(platform::executableFolder(), QStringLiteral("configurator"));
    QTemporaryDir scratch;
    const QString program = platform::joinPath(scratch.path(), QStringLiteral("configurator"));
    if (!scratch.isValid() || !QFile::copy(built, program)) {
        state.SkipWithError("the configurator could not be copied to a scratch folder");
        return;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CONFIGURATOR_CLOSE_WHEN_SHOWN"), QStringLiteral("1"));
    for (auto _ : state) {
        QProcess run;
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(scratch.path());
        run.start(program, {});
        if (!run.waitForFinished(10000) || run.exitCode() != 0) {
            state.SkipWithError("the configurator did not start and close");
            break;
        }
    }
}
BENCHMARK(WholeProgramRun)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
