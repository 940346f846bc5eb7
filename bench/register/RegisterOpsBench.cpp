// Register operations on large registers: sorting and rebuilding every list line, deleting a
// scattered selection, toggling cleared marks on many lines.
#include "register/core/RegisterList.h"
#include "register/core/RegisterOps.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

std::vector<ledger::Item> makeItems(std::size_t count) {
    static const char* const kCodes[] = {"RENT", "GROC", "SAL", "UTIL", "PHON", "AUTO", "INS", "CASH"};
    std::mt19937 random(7);
    std::vector<ledger::Item> items;
    items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double date = runtime::kRegisterMinDate + static_cast<double>(random() % 40000);
        const auto cents = static_cast<std::int64_t>(random() % 500'000);
        items.push_back(
            ledger::makeItem(date, static_cast<std::int16_t>(i % 30000), "Standing order payment",
                             runtime::Currency::fromTicks((random() % 4 == 0 ? cents : -cents) * 100),
                             kCodes[random() % std::size(kCodes)]));
    }
    return items;
}

// Every tenth line, as a user's scattered selection.
std::vector<int> everyTenth(std::size_t count) {
    std::vector<int> selected;
    for (std::size_t i = 0; i < count; i += 10)
        selected.push_back(static_cast<int>(i));
    return selected;
}

void sortAndRefill(benchmark::State& state, ledger::SortOrder order) {
    const std::vector<ledger::Item> unsorted = makeItems(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<ledger::Item> items = unsorted;
        state.ResumeTiming();
        ledger::shellSort(items, order);
        std::vector<std::string> lines = ledger::registerLines(items);
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_SortOnDatesAndRefill(benchmark::State& state) {
    sortAndRefill(state, ledger::SortOrder::Date);
}
void BM_SortOnCodesAndRefill(benchmark::State& state) {
    sortAndRefill(state, ledger::SortOrder::Code);
}
BENCHMARK(BM_SortOnDatesAndRefill)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortOnCodesAndRefill)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Sorting a register that is already in order: what every save of an entry does.
void BM_ResortSortedAndRefill(benchmark::State& state) {
    std::vector<ledger::Item> items = makeItems(static_cast<std::size_t>(state.range(0)));
    ledger::shellSort(items, ledger::SortOrder::Date);
    for (auto _ : state) {
        ledger::shellSort(items, ledger::SortOrder::Date);
        std::vector<std::string> lines = ledger::registerLines(items);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_ResortSortedAndRefill)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_DeleteSelected(benchmark::State& state) {
    const std::vector<ledger::Item> all = makeItems(100'000);
    const std::vector<int> selected = everyTenth(all.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<ledger::Item> items = all;
        state.ResumeTiming();
        ledger::eraseSelected(items, selected);
        std::vector<std::string> lines = ledger::registerLines(items);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetLabel("10,000 of 100,000, with the refill");
}
BENCHMARK(BM_DeleteSelected)->Unit(benchmark::kMillisecond);

void BM_ToggleClearedSelected(benchmark::State& state) {
    std::vector<ledger::Item> items = makeItems(100'000);
    std::vector<std::string> lines = ledger::registerLines(items);
    const std::vector<int> selected = everyTenth(items.size());
    for (auto _ : state) {
        ledger::toggleClearedLines(items, lines, selected);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetLabel("10,000 of 100,000");
}
BENCHMARK(BM_ToggleClearedSelected)->Unit(benchmark::kMillisecond);

} // namespace
