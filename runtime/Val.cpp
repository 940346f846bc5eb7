#include "runtime/Val.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace runtime {

namespace {

// Val ignores blanks, tabs and line feeds wherever they stand ("1 000" is 1000).
bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int digitValue(char c, int radix) {
    int v = -1;
    if (c >= '0' && c <= '9') {
        v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    }
    return v < radix ? v : -1;
}

// "&H" and "&O" literals are integers: 16-bit when they fit in four hex digits (so "&HFFFF" is
// -1 as in the classic runtime), 32-bit otherwise.
double radixValue(std::string_view text, std::size_t i, int radix) {
    std::uint64_t acc = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        if (isSkipped(text[i])) {
            continue;
        }
        const int d = digitValue(text[i], radix);
        if (d < 0) {
            break;
        }
        acc = acc * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        ++digits;
        if (acc > 0xFFFFFFFFu) {
            return 0; // too large for the classic runtime's Long: treated as no number
        }
    }
    if (acc <= 0xFFFF && (radix == 16 ? digits <= 4 : acc <= 0xFFFF)) {
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(acc)));
    }
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(acc)));
}

} // namespace

double val(std::string_view text) {
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isSkipped(text[i])) {
            ++i;
        }
    };
    skip();
    if (i + 1 < text.size() && text[i] == '&') {
        const char k = text[i + 1];
        if (k == 'H' || k == 'h') {
            return radixValue(text, i + 2, 16);
        }
        if (k == 'O' || k == 'o') {
            return radixValue(text, i + 2, 8);
        }
    }

    // Collect the recognised characters (blanks dropped) and convert them with from_chars, which
    // is exact and, unlike strtod, does not depend on the C locale's decimal point.
    std::string number;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i++] == '-';
    }
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isSkipped(c)) {
            continue;
        }
        if (c >= '0' && c <= '9') {
            digits = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0;
    }
    bool tiny = false;
    // An exponent counts only when digits follow it ("1e" is 1, "1e5" is 100000).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        bool negativeExponent = false;
        while (j < text.size() && isSkipped(text[j])) {
            ++j;
        }
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
            negativeExponent = text[j] == '-';
            exponent += text[j++];
        }
        bool expDigits = false;
        for (; j < text.size(); ++j) {
            if (isSkipped(text[j])) {
                continue;
            }
            if (text[j] < '0' || text[j] > '9') {
                break;
            }
            expDigits = true;
            if (exponent.size() < 8) { // a longer exponent is over- or underflow either way
                exponent += text[j];
            }
        }
        if (expDigits) {
            number += exponent;
            tiny = negativeExponent;
        }
    }
    double v = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), v);
    if (result.ec == std::errc::result_out_of_range) {
        // The classic runtime raised Overflow here; a reader of outside text wants a number, so
        // an out-of-range value saturates to the largest finite double (or to 0 when tiny).
        v = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    if (v == 0) {
        return 0; // never -0
    }
    return negative ? -v : v;
}

} // namespace runtime
