#pragma once

// Shared pieces of the rule editor benchmarks: a message stand-in that
// counts and never waits, and the timed showing and OK of an editor over a
// project the benchmark prepares.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>

#include "platform/dialogs.h"

namespace rule_editor_bench {

// Answers every message No and counts them, so that no box ever waits.
class CountingDialogs final : public platform::Dialogs {
public:
    CountingDialogs() : previous_(platform::setDialogs(this)) {}
    ~CountingDialogs() override { platform::setDialogs(previous_); }
    CountingDialogs(const CountingDialogs&) = delete;
    CountingDialogs& operator=(const CountingDialogs&) = delete;
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

inline void showNow(QDialog& form)
{
    form.setModal(true);
    form.show();
    QApplication::processEvents();
}

// Showing the editor (reset, load, first paint) and closing it again.
template <typename Project, typename Form>
void openEditor(benchmark::State& state)
{
    Project project;
    CountingDialogs dialogs;
    Form form;
    for (auto _ : state) {
        showNow(form);
        form.close();
    }
    state.counters["messages"] = dialogs.count;
}

// OK on the editor: the checks and the file written (the editor is shown
// again between iterations, outside the timing).
template <typename Project, typename Form>
void okEditor(benchmark::State& state)
{
    Project project;
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

}  // namespace rule_editor_bench
