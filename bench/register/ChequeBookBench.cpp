// Opening (read, dispatch, sort, build every list line) and saving cheque books of 10,000 to
// 1,000,000 items.
#include "register/core/ChequeBookFile.h"
#include "register/core/RegisterList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A register as years of use leave it: mostly dated in order with some late entries, a handful of
// codes, a few cleared-mark changes, particulars of all lengths.
ledger::ChequeBook makeBook(std::size_t items) {
    static const char* const kCodes[] = {"RENT", "GROC", "SAL",  "UTIL", "PHON",
                                         "AUTO", "INS",  "CASH", "DINE", "MED"};
    static const char* const kNames[] = {"Maple Court Rentals",
                                         "Greenleaf Grocers",
                                         "Payroll - Brightwater Ltd",
                                         "Lakeside Hydro",
                                         "Northline Mobile",
                                         "Caf\xC3\xA9 Mocha Bistro",
                                         "ATM"};
    std::mt19937 random(42);
    ledger::ChequeBook book;
    book.title = "Benchmark";
    book.items.reserve(items);
    double date = runtime::kRegisterMinDate;
    for (std::size_t i = 0; i < items; ++i) {
        date += random() % 3 == 0 ? 1 : 0;
        const double when = random() % 20 == 0 ? date - random() % 30 : date;
        const auto cents = static_cast<std::int64_t>(random() % 500'000);
        const bool deposit = random() % 5 == 0;
        book.items.push_back(
            ledger::makeItem(when, static_cast<std::int16_t>(i % 30000), kNames[random() % std::size(kNames)],
                             runtime::Currency::fromTicks(deposit ? cents * 100 : -cents * 100),
                             kCodes[random() % std::size(kCodes)], random() % 2 ? 'c' : ' '));
        if (deposit) {
            book.items.back().status = book.items.back().status == 'c' ? 'd' : ' ';
        }
    }
    for (int day = 1; day <= 28; day += 3) {
        book.autoDupItems.push_back(
            ledger::makeItem(day, 0, "Standing order", runtime::Currency::fromUnits(-50), "AUTO", 'A'));
    }
    return book;
}

fs::path benchFile(std::size_t items) {
    return fs::temp_directory_path() /
           ("ledgercore-bench-" + std::to_string(::getpid()) + "-" + std::to_string(items) + ".lgn");
}

void openBook(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const fs::path path = benchFile(items);
    ledger::saveChequeBook(path, makeBook(items), "lgncodes.csv");
    for (auto _ : state) {
        ledger::ReadResult read = ledger::readChequeBookFile(path);
        ledger::ChequeBook book =
            ledger::makeChequeBook(path.string(), std::move(read.contents), ledger::SortOrder::Date, false);
        ledger::shellSort(book.items, book.sortOrder);
        std::vector<std::string> lines = ledger::registerLines(book.items);
        benchmark::DoNotOptimize(lines.data());
    }
    fs::remove(path);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * items));
}

// The steps of opening on their own.
void decodeBook(benchmark::State& state) {
    const std::string bytes =
        ledger::encodeChequeBook(makeBook(static_cast<std::size_t>(state.range(0))), "");
    for (auto _ : state) {
        ledger::ReadResult read = ledger::decodeChequeBook(bytes);
        benchmark::DoNotOptimize(read.contents.items.data());
    }
}

void sortOnDates(benchmark::State& state) {
    const ledger::ChequeBook book = makeBook(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<ledger::Item> items = book.items;
        state.ResumeTiming();
        ledger::shellSort(items, ledger::SortOrder::Date);
        benchmark::DoNotOptimize(items.data());
    }
}

void buildLines(benchmark::State& state) {
    const ledger::ChequeBook book = makeBook(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> lines = ledger::registerLines(book.items);
        benchmark::DoNotOptimize(lines.data());
    }
}

void sortOnCodes(benchmark::State& state) {
    const ledger::ChequeBook book = makeBook(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<ledger::Item> items = book.items;
        state.ResumeTiming();
        ledger::shellSort(items, ledger::SortOrder::Code);
        benchmark::DoNotOptimize(items.data());
    }
}

void saveBook(benchmark::State& state) {
    const auto items = static_cast<std::size_t>(state.range(0));
    const fs::path path = benchFile(items);
    const ledger::ChequeBook book = makeBook(items);
    for (auto _ : state) {
        ledger::saveChequeBook(path, book, "lgncodes.csv");
    }
    fs::remove(path);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * items));
}

void encodeBook(benchmark::State& state) {
    const ledger::ChequeBook book = makeBook(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string bytes = ledger::encodeChequeBook(book, "lgncodes.csv");
        benchmark::DoNotOptimize(bytes.data());
    }
}

BENCHMARK(openBook)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(decodeBook)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortOnDates)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(buildLines)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortOnCodes)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(saveBook)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(encodeBook)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
