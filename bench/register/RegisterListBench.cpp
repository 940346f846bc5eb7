// The register list on a large book, as the user drives it: jump to the last item, sort on dates
// or codes, and toggle the cleared marks of or delete many selected items, each up to the painted
// list. The book is in random date order, the worst case for the sort. Offscreen platform.
#include "register/app/AppSettings.h"
#include "register/app/RegisterModel.h"
#include "register/app/frmChqList.h"
#include "register/core/ChequeBook.h"
#include "register/core/ChequeBookFile.h"
#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/SSCommand.h"
#include "ui/ScriptedPrompter.h"
#include "ui/Vx3dList.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTableView>

#include <algorithm>
#include <memory>
#include <random>

namespace {

constexpr std::size_t kItems = 1'000'000;
constexpr int kSelected = 10'000;

ledger::ChequeBook randomBook(std::size_t items) {
    static const char* const kCodes[] = {"RENT", "GROC", "SAL", "UTIL", "PHON", "AUTO", "INS", "CASH", "OPEN"};
    static const char* const kNames[] = {"Maple Court Rentals", "Greenleaf Grocers", "Payroll - Brightwater Ltd",
                                         "Lakeside Hydro", "Northline Mobile", "ATM"};
    std::mt19937 random(1995);
    ledger::ChequeBook book;
    book.title = "Benchmark";
    book.items.reserve(items);
    for (std::size_t i = 0; i < items; ++i) {
        const double date = runtime::kRegisterMinDate + static_cast<double>(random() % 9000);
        const auto cents = static_cast<std::int64_t>(1 + random() % 250'000);
        book.items.push_back(ledger::makeItem(date, static_cast<std::int16_t>(i % 30000),
                                              kNames[random() % std::size(kNames)],
                                              runtime::Currency::fromTicks(random() % 5 == 0 ? cents * 100 : -cents * 100),
                                              kCodes[random() % std::size(kCodes)], ' '));
    }
    return book;
}

// Counts the paints of the list, so that a measurement is known to end with the list painted.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// One main window with the large book open, shared by the benchmarks (opening it is measured by
// openToFilledList).
struct Fixture {
    QTemporaryDir dir;
    ui::ScriptedPrompter prompter;
    runtime::FixedClock clock{runtime::localTimePoint(2026, 12, 7, 13, 5)};
    ui::MemoryClipboard clipboard;
    ui::RecordingPrinter printer;
    std::unique_ptr<ledger::ProfileSettingsStore> store;
    std::unique_ptr<ledger::frmChqList> window;
    std::vector<ledger::Item> original;
    PaintCounter paints;

    Fixture() {
        qputenv("LEDGERINE_WINDIR", dir.path().toLocal8Bit());
        qputenv("LEDGERINE_PROGDIR", dir.path().toLocal8Bit());
        const QString path = dir.filePath(QStringLiteral("bench.lgn"));
        ledger::ChequeBook book = randomBook(kItems);
        original = book.items;
        ledger::saveChequeBook(path.toStdString(), book, "");
        store = std::make_unique<ledger::ProfileSettingsStore>();
        window = std::make_unique<ledger::frmChqList>(prompter, clock, clipboard, printer, *store);
        window->resize(1000, 700);
        window->show();
        window->session().openPath(path);
        registerList = window->findChild<ui::Vx3dList*>(QStringLiteral("lstChqList"));
        registerList->view()->viewport()->installEventFilter(&paints);
        settle();
    }
    // Delivers what is pending, the window's paint among it: each measurement ends with the list
    // painted as the user would see it, and painted once.
    static void settle() { QApplication::processEvents(); }
    // Ends a measured step: what it left pending is delivered, and the list must have been painted.
    void showResult(benchmark::State& state, int paintsBefore) {
        settle();
        if (paints.count == paintsBefore)
            state.SkipWithError("the list was not painted");
    }
    // The window's controls by object name, as the tests reach them; looked up outside the timing.
    ui::Vx3dList& list() { return *registerList; }
    ui::SSCommand* button(const char* name) const {
        return window->findChild<ui::SSCommand*>(QLatin1String(name));
    }
    ui::Vx3dList* registerList = nullptr;
    // Back to the generated items in their random order, nothing selected.
    void restore() {
        window->session().update([this](ledger::ChequeBook& b) {
            b.items = original;
            return false;
        });
        settle();
    }
    // Every 100th item (10,000 ranges in the view's selection: the worst case), or one block of
    // items as a shift-click selects them.
    void selectSpread(bool spread = true) {
        list().clearSelection();
        const int step = spread ? list().ListCount() / kSelected : 1;
        for (int i = 0; i < kSelected; ++i)
            list().setSelected(i * step, true);
        list().ensureVisible(0); // the user changes lines that are in sight
        settle();
    }
};

Fixture& fixture() {
    static Fixture* f = new Fixture; // lives to the end: the window needs the application
    return *f;
}

void jumpToLastAndPaint(benchmark::State& state) {
    Fixture& f = fixture();
    ui::SSCommand* first = f.button("UpPointer");
    ui::SSCommand* last = f.button("DownPointer");
    for (auto _ : state) {
        state.PauseTiming();
        first->click();
        Fixture::settle();
        const int painted = f.paints.count;
        state.ResumeTiming();
        last->click();
        f.showResult(state, painted);
    }
    if (f.list().ListIndex() != f.list().ListCount() - 1)
        state.SkipWithError("the last item is not current");
}
BENCHMARK(jumpToLastAndPaint)->Unit(benchmark::kMillisecond);

void sortAndShow(benchmark::State& state) {
    Fixture& f = fixture();
    ui::SSCommand* command = f.button(state.range(0) == 0 ? "cmdSortDates" : "cmdSortCodes");
    for (auto _ : state) {
        state.PauseTiming();
        f.restore();
        const int painted = f.paints.count;
        state.ResumeTiming();
        command->click();
        f.showResult(state, painted);
    }
    state.SetLabel(state.range(0) == 0 ? "dates" : "codes");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kItems));
}
BENCHMARK(sortAndShow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void toggleClearedSelected(benchmark::State& state) {
    Fixture& f = fixture();
    f.selectSpread(state.range(0) == 0);
    ui::SSCommand* cleared = f.button("ctlCleared");
    for (auto _ : state) {
        const int painted = f.paints.count;
        cleared->click();
        f.showResult(state, painted);
    }
    if (f.list().SelCount() != kSelected)
        state.SkipWithError("the selection was lost");
    state.SetLabel(state.range(0) == 0 ? "spread" : "block");
}
BENCHMARK(toggleClearedSelected)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void deleteSelected(benchmark::State& state) {
    Fixture& f = fixture();
    ui::SSCommand* confirm = f.button("picChkmark");
    for (auto _ : state) {
        state.PauseTiming();
        f.restore();
        f.selectSpread(state.range(0) == 0);
        f.prompter.reset();
        f.prompter
            .expectMsgBox(QStringLiteral("Ledgerine 95"),
                          QStringLiteral("Save backup Ledgerine file before deleteing selected item(s)?"),
                          ui::vbYesNo + ui::vbQuestion, ui::vbNo)
            .expectMsgBox(QStringLiteral("Ledgerine 95"),
                          QStringLiteral("Deleted items CANNOT be recovered\n         CONTINUE?"),
                          ui::vbYesNo + ui::vbQuestion, ui::vbYes);
        f.button("cmdDelete")->click();
        Fixture::settle(); // the user sees the confirming panel before clicking it
        const int painted = f.paints.count;
        state.ResumeTiming();
        confirm->click();
        f.showResult(state, painted);
    }
    if (f.list().ListCount() != static_cast<int>(kItems) - kSelected)
        state.SkipWithError("the selected items were not deleted");
    state.SetLabel(state.range(0) == 0 ? "spread" : "block");
}
BENCHMARK(deleteSelected)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
