// Any bytes given to the cheque-book reader either load whole or are refused; what loads writes
// back and reads again to the same register, and every list line can be built.
#include "register/core/ChequeBookFile.h"
#include "register/core/RegisterList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ledger::ReadResult read = ledger::decodeChequeBook(bytes);
    if (!read.ok()) {
        if (!read.contents.items.empty() || read.errorMessage.empty()) {
            std::abort();
        }
        return 0;
    }
    ledger::ChequeBook book =
        ledger::makeChequeBook("fuzz.lgn", read.contents, ledger::SortOrder::Code, false);
    ledger::shellSort(book.items, book.sortOrder);
    (void)ledger::registerLines(book.items);
    for (std::size_t i = 0; i < book.autoDupItems.size(); ++i) {
        (void)ledger::autoDupLine(book.autoDupItems[i], i);
    }
    const ledger::ReadResult again =
        ledger::decodeChequeBook(ledger::encodeChequeBook(book, book.codeFileLink));
    if (!again.ok() || again.contents.items != book.items) {
        std::abort();
    }
    return 0;
}
