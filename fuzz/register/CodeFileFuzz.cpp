// Any bytes given to the budget/code file reader either load whole or load nothing; what loads
// writes back and reads again to the same table without a message, and list lines can be built.
// Lines are built for the first kLines records only: every record goes through the same code, and
// building the lines of all of them slowed long inputs for no more coverage.
#include "register/core/CodeFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

constexpr std::size_t kLines = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ledger::CodeFileLoad load = ledger::decodeCodeFile(bytes, "fuzz.csv");
    if (load.noCodeFile) {
        if (!load.table.empty() || load.messages.empty()) {
            std::abort();
        }
        return 0;
    }
    const std::span records(load.table.records());
    for (const ledger::CodeRecord& record : records.first(std::min(kLines, records.size()))) {
        (void)ledger::pickerLine(record);
        (void)ledger::maintenanceLine(record);
    }
    const ledger::CodeFileLoad again = ledger::decodeCodeFile(ledger::encodeCodeFile(load.table), "fuzz.csv");
    if (again.noCodeFile || !again.messages.empty() || again.table != load.table) {
        std::abort();
    }
    return 0;
}
