// The headless listing and its steps on registers in random date order (the sort's worst case and
// what `ledger_make_books` writes): decoding, sorting on dates and on codes, and `ledgrn list` without
// the process around it (reading the file, checking, sorting, formatting, one buffer to a sink).
#include "register/core/ChequeBookFile.h"
#include "register/core/RegisterList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<ledger::Item> randomItems(std::size_t count) {
    static const char* const kCodes[] = {"RENT", "GROC", "SAL",  "UTIL", "PHON",
                                         "AUTO", "INS",  "CASH", "DINE", "INT"};
    static const char* const kNames[] = {"Maple Court Rentals", "Greenleaf Grocers",
                                         "Payroll Brightwater Ltd", "Lakeside Hydro",
                                         "Caf\xC3\xA9 Mocha Bistro"};
    std::mt19937 random(1995);
    std::vector<ledger::Item> items;
    items.reserve(count);
    const double first = runtime::oleFromCivil(2000, 1, 1);
    for (std::size_t i = 0; i < count; ++i) {
        const auto cents = static_cast<std::int64_t>(1 + random() % 250'000);
        items.push_back(
            ledger::makeItem(first + static_cast<double>(random() % 9000),
                             static_cast<std::int16_t>(i % 30000), kNames[random() % std::size(kNames)],
                             runtime::Currency::fromTicks(random() % 4 ? -cents * 100 : cents * 100),
                             kCodes[random() % std::size(kCodes)], random() % 3 ? 'c' : ' '));
    }
    return items;
}

std::string randomBookBytes(std::size_t count) {
    ledger::ChequeBook book;
    book.title = "Benchmark";
    book.items = randomItems(count);
    return ledger::encodeChequeBook(book, "");
}

void decodeRandomBook(benchmark::State& state) {
    const std::string bytes = randomBookBytes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ledger::ReadResult read = ledger::decodeChequeBook(bytes);
        benchmark::DoNotOptimize(read.contents.items.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * state.range(0)));
}

// The sort order alone, as a view of the register would use it.
void sortOrderRandom(benchmark::State& state, ledger::SortOrder order) {
    const std::vector<ledger::Item> items = randomItems(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::uint32_t> result = ledger::shellSortOrder(items, order);
        benchmark::DoNotOptimize(result.data());
    }
}

// The sort commands: the register reordered in place.
void sortRandom(benchmark::State& state, ledger::SortOrder order) {
    const std::vector<ledger::Item> items = randomItems(static_cast<std::size_t>(state.range(0)));
    std::vector<ledger::Item> work;
    for (auto _ : state) {
        state.PauseTiming();
        work = items;
        state.ResumeTiming();
        ledger::shellSort(work, order);
        benchmark::DoNotOptimize(work.data());
    }
}

void listRandomBook(benchmark::State& state) {
    const fs::path path =
        fs::temp_directory_path() / ("ledgercore-list-bench-" + std::to_string(::getpid()) + ".lgn");
    runtime::replaceFileAtomically(path, randomBookBytes(static_cast<std::size_t>(state.range(0))));
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        const ledger::Listing listing =
            ledger::listRegister(path.string(), nullptr, [&](std::string_view text) {
                bytes += text.size();
                return true;
            });
        benchmark::DoNotOptimize(listing.ok);
    }
    fs::remove(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

BENCHMARK(decodeRandomBook)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortOrderRandom, dates, ledger::SortOrder::Date)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortOrderRandom, codes, ledger::SortOrder::Code)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortRandom, dates, ledger::SortOrder::Date)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sortRandom, codes, ledger::SortOrder::Code)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(listRandomBook)->Arg(1)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
