#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// A money amount held as a signed count of ten-thousandths, so sums of entries never drift the
// way binary floating point does. Every operation that leaves the 64-bit range throws
// RuntimeError(6) "Overflow".
class Currency {
public:
    static constexpr std::int64_t kTicksPerUnit = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromTicks(std::int64_t ticks) {
        Currency c;
        c.ticks_ = ticks;
        return c;
    }
    // Whole units (e.g. dollars); throws RuntimeError(6) when out of range.
    static Currency fromUnits(std::int64_t units);
    // Rounds half away from zero to four places; NaN, infinities and out-of-range values throw
    // RuntimeError(6).
    static Currency fromDouble(double value);
    // Text as an entry box accepts it: optional leading "$", optional leading "-" (either order),
    // digits with at most one ".", surrounding blanks ignored. More than four decimals are
    // rounded half away from zero. Anything else (empty, a lone "-" or ".", letters, commas, a
    // second "." or "-") gives std::nullopt; a value outside the range also gives std::nullopt.
    static std::optional<Currency> parse(std::string_view text);

    constexpr std::int64_t ticks() const { return ticks_; }
    double toDouble() const { return static_cast<double>(ticks_) / kTicksPerUnit; }
    // Shortest plain text that reads back to the same value: no "$", no grouping, a leading
    // "-" when negative, trailing zero decimals dropped ("12.5", "-0.0001", "3").
    std::string toString() const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency operator*(std::int64_t factor) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency&) const = default;
    constexpr bool operator==(const Currency&) const = default;

private:
    std::int64_t ticks_ = 0;
};

} // namespace runtime
