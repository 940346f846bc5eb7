#include "ui/Vx3dList.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// The register's refill: redraw off, clear, one tab-separated line per item, redraw on.
void refillList(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral(" \t%1/15/97\t%2\tParticulars of item %3\t\t%4.00\tCODE\t%5.00")
                     .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                     .arg(i % 100000, 5, 10, QLatin1Char('0'))
                     .arg(i)
                     .arg(i % 997)
                     .arg(i * 3);
    ui::Vx3dList list("lstChqList", {"Date", "Chq #", "Particulars", "Deposit", "Withdraw", "Code", "Balance"});
    list.setMultiSelect(true);
    list.resize(640, 400);
    list.show();
    for (auto _ : state) {
        list.setRedraw(false);
        list.Clear();
        for (const QString& line : lines)
            list.AddItem(line);
        list.setRedraw(true);
        list.view()->viewport()->repaint();
        benchmark::DoNotOptimize(list.ListCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(refillList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
