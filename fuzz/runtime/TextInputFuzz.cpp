// Feeds arbitrary bytes to the readers of typed text: dates, amounts and numbers. Besides not
// crashing, every accepted value must survive the way the register uses it next.
#include "runtime/Cp1252.h"
#include "runtime/Currency.h"
#include "runtime/Format.h"
#include "runtime/OleDate.h"
#include "runtime/Val.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto date = runtime::parseTypedDate(text)) {
        // An accepted date is a real calendar day that formats to text.
        const runtime::CivilDate c = runtime::civilFromOle(*date);
        if (runtime::makeDate(c.year, c.month, c.day) != *date ||
            runtime::formatDate(*date, "mm/dd/yy").size() != 8) {
            std::abort();
        }
    }

    if (const auto amount = runtime::Currency::parse(text)) {
        const auto again = runtime::Currency::parse(amount->toString());
        if (!again || *again != *amount) {
            std::abort();
        }
        static_cast<void>(runtime::formatCurrency(*amount, "$#,##0.00;($#,##0.00)"));
        static_cast<void>(runtime::formatCurrency(*amount, "###,###,##0.00##;(###,###,##0.00##)"));
    }

    const double number = runtime::val(text);
    static_cast<void>(runtime::formatNumber(number, "###,##0.00;(###,##0.00)"));
    // The bytes as a display pattern too: patterns come from code, but must not crash on anything.
    static_cast<void>(runtime::formatNumber(number, text.substr(0, 64)));

    static_cast<void>(runtime::utf8ToCp1252(text));
    if (runtime::utf8ToCp1252(runtime::cp1252ToUtf8(text)) != text) {
        std::abort();
    }
    return 0;
}
