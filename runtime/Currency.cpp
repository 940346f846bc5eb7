#include "runtime/Currency.h"

#include "runtime/RuntimeError.h"

#include <cmath>
#include <limits>

namespace runtime {

namespace {

[[noreturn]] void overflow() {
    throw RuntimeError(6);
}

std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) {
        overflow();
    }
    return r;
}

std::int64_t checkedMul(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) {
        overflow();
    }
    return r;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

Currency Currency::fromUnits(std::int64_t units) {
    return fromTicks(checkedMul(units, kTicksPerUnit));
}

Currency Currency::fromDouble(double value) {
    if (!std::isfinite(value)) {
        overflow();
    }
    const double scaled = std::round(value * static_cast<double>(kTicksPerUnit)); // half away from zero
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (scaled >= kLimit || scaled < -kLimit) {
        overflow();
    }
    return fromTicks(static_cast<std::int64_t>(scaled));
}

std::optional<Currency> Currency::parse(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    bool dollar = false;
    // "$-5" and "-$5" are both what a user types for a negative amount.
    for (int i = 0; i < 2 && !text.empty(); ++i) {
        if (text.front() == '$' && !dollar) {
            dollar = true;
            text.remove_prefix(1);
        } else if (text.front() == '-' && !negative) {
            negative = true;
            text.remove_prefix(1);
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }

    // Accumulate the magnitude as a negative number so that the most negative value still fits.
    std::int64_t acc = 0;
    int decimals = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    int roundDigit = -1; // the fifth decimal, decides the rounding
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    for (char c : text) {
        if (c == '.') {
            if (seenPoint) {
                return std::nullopt;
            }
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        seenDigit = true;
        const int d = c - '0';
        if (seenPoint && decimals == 4) {
            if (roundDigit < 0) {
                roundDigit = d;
            }
            continue;
        }
        if (seenPoint) {
            ++decimals;
        }
        if (acc < (kMin + d) / 10) {
            return std::nullopt;
        }
        acc = acc * 10 - d;
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    for (; decimals < 4; ++decimals) {
        if (acc < kMin / 10) {
            return std::nullopt;
        }
        acc *= 10;
    }
    if (roundDigit >= 5) {
        if (acc == kMin) {
            return std::nullopt;
        }
        --acc;
    }
    if (!negative) {
        if (acc == kMin) {
            return std::nullopt;
        }
        acc = -acc;
    }
    return fromTicks(acc);
}

std::string Currency::toString() const {
    const bool negative = ticks_ < 0;
    // Unsigned magnitude so that the most negative value has a magnitude too.
    std::uint64_t mag =
        negative ? 0 - static_cast<std::uint64_t>(ticks_) : static_cast<std::uint64_t>(ticks_);
    std::string out = std::to_string(mag / kTicksPerUnit);
    std::uint64_t frac = mag % kTicksPerUnit;
    if (frac != 0) {
        std::string digits = std::to_string(frac + kTicksPerUnit).substr(1); // four digits, leading zeros
        while (digits.back() == '0') {
            digits.pop_back();
        }
        out += '.';
        out += digits;
    }
    return negative ? "-" + out : out;
}

Currency Currency::operator+(Currency other) const {
    return fromTicks(checkedAdd(ticks_, other.ticks_));
}

Currency Currency::operator-(Currency other) const {
    std::int64_t r = 0;
    if (__builtin_sub_overflow(ticks_, other.ticks_, &r)) {
        overflow();
    }
    return fromTicks(r);
}

Currency Currency::operator-() const {
    if (ticks_ == std::numeric_limits<std::int64_t>::min()) {
        overflow();
    }
    return fromTicks(-ticks_);
}

Currency Currency::operator*(std::int64_t factor) const {
    return fromTicks(checkedMul(ticks_, factor));
}

} // namespace runtime
