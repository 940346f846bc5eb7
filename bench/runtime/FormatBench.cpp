// Formatting runs once per list line on every refill of the register, so it must stay cheap.
#include "runtime/Format.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void BM_FormatCurrencyBalance(benchmark::State& state) {
    std::int64_t ticks = -123456789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            runtime::formatCurrency(runtime::Currency::fromTicks(ticks), "###,##0.00;(###,##0.00)"));
        ticks += 9973;
    }
}
BENCHMARK(BM_FormatCurrencyBalance);

void BM_FormatCurrencyOptionalDecimals(benchmark::State& state) {
    std::int64_t ticks = 31415926535;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::formatCurrency(runtime::Currency::fromTicks(ticks),
                                                         "###,###,##0.00##;(###,###,##0.00##)"));
        ++ticks;
    }
}
BENCHMARK(BM_FormatCurrencyOptionalDecimals);

void BM_FormatNumberChequeNo(benchmark::State& state) {
    double n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::formatNumber(n, "00000"));
        n += 1;
    }
}
BENCHMARK(BM_FormatNumberChequeNo);

void BM_FormatDateShort(benchmark::State& state) {
    double d = 29221;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::formatDate(d, "mm/dd/yy"));
        d = d < 73050 ? d + 1 : 29221;
    }
}
BENCHMARK(BM_FormatDateShort);

void BM_FormatDateClock(benchmark::State& state) {
    double d = 45351.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::formatDate(d, "h:mm AMPM "));
        d += 1.0 / 1440;
    }
}
BENCHMARK(BM_FormatDateClock);

} // namespace
