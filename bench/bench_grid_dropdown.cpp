// The grid drop-down over 5,000 items: opening its pop-up (the inner grid
// reloaded from the items, sized and shown) must take well under 100 ms,
// and each key typed in a narrow-down lookup (the grid filtered again and
// the first remaining row shown) under 20 ms; a find-as-you-type lookup is
// measured beside it.
#include "bench_support.h"

#include <chrono>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "controls/dropdown/grid_dropdown/ex_custom_grid_dropdown.h"

namespace {

using namespace dropdown;

struct Host {
    explicit Host(int items)
    {
        window.resize(400, 300);
        d = new TCustomExGridDropDown(&window);
        d->move(10, 10);
        d->Columns().Add().Header = QStringLiteral("Code");
        d->Columns().Add().Header = QStringLiteral("Name");
        d->Columns().Add().Header = QStringLiteral("Group");
        d->Columns()[1].AutoSize = true;
        d->SetLookupColumn(1);
        d->BeginUpdate();
        d->Items().Reserve(items);
        for (int i = 0; i < items; ++i)
            d->Items().Add({QString::number(i), QStringLiteral("Item %1").arg(i, 4, 10, QLatin1Char('0')),
                            QStringLiteral("Group %1").arg(i % 17)});
        d->EndUpdate();
        window.show();
        QApplication::processEvents();
    }
    QWidget window;
    TCustomExGridDropDown* d = nullptr;
};

void openGridDropDown(benchmark::State& state)
{
    const int items = int(state.range(0));
    Host host(items);
    host.d->SetItemIndex(items / 2);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        host.d->ShowDropDown();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        host.d->HideDropDown(true);
    }
    state.counters["items"] = items;
}

// Types "Item 49" key by key into the open pop-up; the time is per key.
void typeLookup(benchmark::State& state, TLookupMethod method)
{
    const int items = int(state.range(0));
    Host host(items);
    host.d->SetLookupMethod(method);
    host.d->ShowDropDown();
    const QString typed = QStringLiteral("Item 49");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (QChar c : typed) {
            QKeyEvent key(QEvent::KeyPress, c == u' ' ? Qt::Key_Space : Qt::Key(c.toUpper().unicode()),
                          Qt::NoModifier, QString(c));
            QApplication::sendEvent(host.d->GetGrid(), &key);
        }
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count() / typed.size());
        state.counters["rows_left"] = host.d->GetGrid()->RowCount() - 1;
        state.PauseTiming();
        host.d->GetGrid()->RemoveAllFilters();
        // Home in the list forgets the typed entry.
        QKeyEvent home(QEvent::KeyRelease, Qt::Key_Home, Qt::NoModifier);
        QApplication::sendEvent(host.d->GetGrid(), &home);
        state.ResumeTiming();
    }
    host.d->HideDropDown(true);
    state.counters["items"] = items;
}

void typeNarrowDown(benchmark::State& state) { typeLookup(state, lmNarrowDown); }
void typeFind(benchmark::State& state) { typeLookup(state, lmLookup); }

BENCHMARK(openGridDropDown)->Arg(5000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(typeNarrowDown)->Arg(5000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(typeFind)->Arg(5000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
