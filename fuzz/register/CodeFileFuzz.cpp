// Any bytes given to the budget/code file reader either load whole or load nothing; what loads
// writes back and reads again to the same table without a message, and every list line can be
// built.
#include "register/core/CodeFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ledger::CodeFileLoad load = ledger::decodeCodeFile(bytes, "fuzz.csv");
    if (load.noCodeFile) {
        if (!load.table.empty() || load.messages.empty()) {
            std::abort();
        }
        return 0;
    }
    for (const ledger::CodeRecord& record : load.table.records()) {
        (void)ledger::pickerLine(record);
        (void)ledger::maintenanceLine(record);
    }
    const ledger::CodeFileLoad again = ledger::decodeCodeFile(ledger::encodeCodeFile(load.table), "fuzz.csv");
    if (again.noCodeFile || !again.messages.empty() || again.table != load.table) {
        std::abort();
    }
    return 0;
}
