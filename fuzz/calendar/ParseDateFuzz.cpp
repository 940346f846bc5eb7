// Date texts and regional-settings patterns from anywhere: parsing, formatting and the Date
// property must never crash, read outside the text or loop.
#include "calendar/core/DateModel.h"
#include "runtime/Clock.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace {

class FuzzIntl final : public vxcal::IntlSettings {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::string read(std::string_view key, std::string_view def, std::size_t maxChars) const override {
        const auto it = values.find(key);
        return std::string(it == values.end() ? def : std::string_view(it->second)).substr(0, maxChars);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    // Header: format, language, year window, separator; then pattern and text split at the first NUL.
    const std::string_view rest(reinterpret_cast<const char*>(data) + 4, size - 4);
    const std::size_t split = rest.find('\0');
    const std::string pattern(split == std::string_view::npos ? std::string_view() : rest.substr(0, split));
    const std::string_view text = split == std::string_view::npos ? rest : rest.substr(split + 1);

    FuzzIntl intl;
    intl.values["sLongDate"] = pattern;
    intl.values["sShortDate"] = pattern;
    intl.values["sDate"] = std::string(1, static_cast<char>(data[3]));
    runtime::FixedClock clock(runtime::localTimePoint(1997, 3, 5));
    vxcal::LanguageTexts texts(intl);
    texts.setLanguageNumber(data[1] % 18);
    vxcal::DateModel model(texts, intl, clock);
    model.inputs.dateFormat = static_cast<short>(data[0] % 10);
    if (data[2] & 1) {
        model.inputs.minYear = 1950;
        model.inputs.maxYear = 2049;
    }
    model.inputs.dayMath = (data[2] & 2) != 0;

    const vxcal::ParsedDate p = model.parseDate(text);
    if (p.status == 0)
        (void)model.formatDate(p.month, p.day, p.year);
    (void)model.numericToFormat(text);
    if (model.setDate(text))
        (void)model.date();
    return 0;
}
