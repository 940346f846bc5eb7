// The saving half of the crash and disk-error tests: saves one file the way the register does and
// says how it went. The test runs it with VX_FILEIO_FAULT naming the point to die or fail at.
//
//   reliability_crash_child book|codes|settings PATH GENERATION SIZE
//
// GENERATION and SIZE choose the contents (a book of SIZE items, a code file of SIZE codes, a
// settings file whose recent-file names fill about SIZE bytes), so every generation differs.
// Prints "ready" just before saving, then one line per failure message; exits 0 when saved, 3
// when the save failed, 2 for bad arguments.
#include "register/core/ChequeBookFile.h"
#include "register/core/CodeFile.h"
#include "register/core/DiskError.h"
#include "reliability/ProfileStore.h"
#include "runtime/RuntimeError.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

ledger::ChequeBook book(int generation, int size) {
    ledger::ChequeBook b;
    b.title = "Generation " + std::to_string(generation);
    for (int i = 0; i < size; ++i) {
        b.items.push_back(ledger::makeItem(runtime::oleFromCivil(1997, 1 + i % 12, 1 + i % 28), i % 30000,
                                           "Item " + std::to_string(i) + " of " + std::to_string(generation),
                                           runtime::Currency::fromUnits(generation * 1000 + i), "HOME", ' '));
    }
    return b;
}

ledger::CodeTable codes(int generation, int size) {
    std::vector<ledger::CodeRecord> records;
    for (int i = 0; i < size; ++i) {
        records.push_back(ledger::makeCodeRecord("Code " + std::to_string(i) + "/" + std::to_string(generation),
                                                 "C" + std::to_string(i % 1000),
                                                 std::to_string(generation * 10 + i) + ".00"));
    }
    return ledger::CodeTable(std::move(records));
}

void ready() {
    std::puts("ready");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    const std::string kind = argv[1];
    const std::string path = argv[2];
    const int generation = std::atoi(argv[3]);
    const int size = std::atoi(argv[4]);
    if (kind == "book") {
        const ledger::ChequeBook b = book(generation, size);
        ready();
        try {
            ledger::saveChequeBook(path, b, "");
        } catch (const runtime::RuntimeError& e) {
            const auto prompt = ledger::diskErrorPrompt(e.number());
            std::printf("%s\n", prompt ? prompt->text.c_str() : e.what());
            return 3;
        }
        return 0;
    }
    if (kind == "codes") {
        const ledger::CodeTable table = codes(generation, size);
        ready();
        const ledger::CodeFileSave save = ledger::saveCodeFile(path, table);
        if (!save.ok) {
            std::printf("%s\n", save.message ? save.message->text.c_str() : "?");
            return 3;
        }
        return 0;
    }
    if (kind == "settings") {
        // One write: the whole file is replaced once.
        ProfileStore store(path);
        std::string names;
        while (static_cast<int>(names.size()) < size)
            names += "C:\\BOOKS\\GEN" + std::to_string(generation) + "_" + std::to_string(names.size()) + ".LGN;";
        ready();
        return store.writeString("RecentFiles", names) ? 0 : (std::puts("Unable to write profile string!"), 3);
    }
    if (kind == "settings-exit") {
        // Everything the register writes when it ends, with the messages it shows for failures.
        ProfileStore store(path);
        ledger::Settings settings;
        settings.formHeight = 6600 + generation;
        ready();
        const std::vector<std::string> failures = ledger::writeSettingsAtExit(store, settings);
        for (const std::string& f : failures)
            std::printf("%s\n", f.c_str());
        return failures.empty() ? 0 : 3;
    }
    return 2;
}
