// One full paint of the calendar control against Qt's own calendar widget at the same size.
#include "calendar/control/VxcalndrCtrl.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

template <typename Widget> void paintOnce(benchmark::State& state, Widget& widget) {
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    widget.resize(size);
    QImage target(size, QImage::Format_RGB32);
    widget.render(&target); // lay out once before timing
    for (auto _ : state) {
        widget.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void vxCalendarPaint(benchmark::State& state) {
    vxcal::CVxcalndrCtrl calendar;
    calendar.InitNew();
    calendar.dispatchPut(QStringLiteral("DividerStyle"), ole::Variant::fromShort(3));
    calendar.dispatchPut(QStringLiteral("WeekNumbers"), ole::Variant::fromBool(true));
    paintOnce(state, calendar);
}

void qtCalendarPaint(benchmark::State& state) {
    QCalendarWidget calendar;
    paintOnce(state, calendar);
}

BENCHMARK(vxCalendarPaint)->Args({300, 250})->Args({800, 600})->Unit(benchmark::kMicrosecond);
BENCHMARK(qtCalendarPaint)->Args({300, 250})->Args({800, 600})->Unit(benchmark::kMicrosecond);

} // namespace
