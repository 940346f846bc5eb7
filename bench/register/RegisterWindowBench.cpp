// Opening a cheque book as the register window does it, up to a filled and laid-out list: read,
// dispatch, sort, every list line built and added to the register list, balance and count shown.
// Runs on the offscreen platform, so no display is needed.
#include "register/app/AppSettings.h"
#include "register/app/frmChqList.h"
#include "register/core/ChequeBookFile.h"
#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/ScriptedPrompter.h"
#include "ui/Vx3dList.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <random>

namespace {

// The application object comes from the widget benchmarks' shared main.
QApplication& application() { return *qApp; }

// Years of a household's register: dated mostly in order with some late entries.
ledger::ChequeBook makeBook(std::size_t items) {
    static const char* const kCodes[] = {"RENT", "GROC", "SAL", "UTIL", "PHON", "AUTO", "INS", "CASH"};
    static const char* const kNames[] = {"Maple Court Rentals",     "Greenleaf Grocers",
                                         "Payroll - Brightwater Ltd", "Lakeside Hydro",
                                         "Northline Mobile",           "ATM"};
    std::mt19937 random(7);
    ledger::ChequeBook book;
    book.title = "Benchmark";
    double date = runtime::kRegisterMinDate;
    for (std::size_t i = 0; i < items; ++i) {
        date += random() % 3 == 0 ? 1 : 0;
        const double when = random() % 20 == 0 ? date - random() % 30 : date;
        const auto cents = static_cast<std::int64_t>(random() % 500'000);
        book.items.push_back(
            ledger::makeItem(when, static_cast<std::int16_t>(i % 30000), kNames[random() % std::size(kNames)],
                             runtime::Currency::fromTicks(random() % 5 == 0 ? cents * 100 : -cents * 100),
                             kCodes[random() % std::size(kCodes)], ' '));
    }
    return book;
}

void openToFilledList(benchmark::State& state) {
    QApplication& app = application();
    const auto items = static_cast<std::size_t>(state.range(0));
    QTemporaryDir dir;
    qputenv("LEDGERINE_WINDIR", dir.path().toLocal8Bit());
    const QString path = dir.filePath(QStringLiteral("bench.lgn"));
    ledger::saveChequeBook(path.toStdString(), makeBook(items), "");

    ui::ScriptedPrompter prompter;
    runtime::FixedClock clock{runtime::localTimePoint(2026, 12, 7, 13, 5)};
    ui::MemoryClipboard clipboard;
    ui::RecordingPrinter printer;
    ledger::ProfileSettingsStore store;
    auto window = std::make_unique<ledger::frmChqList>(prompter, clock, clipboard, printer, store);
    window->show();
    const auto* registerList = window->findChild<ui::Vx3dList*>(QStringLiteral("lstChqList"));
    app.processEvents();

    for (auto _ : state) {
        state.PauseTiming();
        prompter.reset();
        if (window->session().isOpen()) {
            prompter
                .expectMsgBox(QStringLiteral("Close File"),
                              QStringLiteral("Check Book File Currently Open. Save It?"),
                              ui::vbYesNo + ui::vbQuestion, ui::vbNo)
                .expectMsgBox(QStringLiteral("Close File"), QStringLiteral("Close without saving?"),
                              ui::vbYesNo + ui::vbQuestion, ui::vbYes);
            window->session().close();
            app.processEvents();
        }
        state.ResumeTiming();

        window->session().openPath(path);
        app.processEvents(); // the list lays out and paints once
        if (registerList->ListCount() != static_cast<int>(items)) {
            state.SkipWithError("the register list was not filled");
            break;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * items));
    window.reset();
    qunsetenv("LEDGERINE_WINDIR");
}

BENCHMARK(openToFilledList)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
