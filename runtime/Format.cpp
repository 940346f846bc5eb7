#include "runtime/Format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace runtime {

namespace {

// A non-negative decimal number: the digits and how many of them stand before the point
// (may be negative or exceed the digit count: "5" with point 3 is 500, with point -1 is 0.05).
struct Decimal {
    std::string digits;
    int point = 0;
};

// One section of a number pattern, split into literal text around the digit places.
struct NumberSection {
    std::string prefix;
    std::string suffix;
    bool hasPlaces = false;
    int minIntDigits = 0; // "0" places from the first "0" to the point
    bool grouping = false;
    bool hasPoint = false;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
    bool percent = false;
};

// Splits at ";" outside quotes and escapes.
std::vector<std::string_view> splitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && !quoted) {
            ++i;
        } else if (c == ';' && !quoted) {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

NumberSection parseSection(std::string_view text) {
    NumberSection s;
    bool inDecimals = false;
    bool seenIntZero = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // Literal text: everything before the first place goes in front of the number, everything
        // after it behind the number (a literal between places is moved behind it).
        std::string& literal = s.hasPlaces ? s.suffix : s.prefix;
        if (c == '"') {
            const std::size_t end = text.find('"', i + 1);
            const std::size_t stop = end == std::string_view::npos ? text.size() : end;
            literal.append(text.substr(i + 1, stop - i - 1));
            i = stop;
        } else if (c == '\\') {
            if (i + 1 < text.size()) {
                literal += text[++i];
            }
        } else if ((c == '0' || c == '#') && !inDecimals) {
            s.hasPlaces = true;
            if (c == '0') {
                seenIntZero = true;
            }
            if (seenIntZero) {
                ++s.minIntDigits;
            }
        } else if ((c == '0' || c == '#') && inDecimals) {
            // "#" decimals are optional; a "0" after a "#" still counts as required up to there.
            if (c == '0') {
                s.requiredDecimals += s.optionalDecimals + 1;
                s.optionalDecimals = 0;
            } else {
                ++s.optionalDecimals;
            }
        } else if (c == '.' && !s.hasPoint) {
            s.hasPoint = true;
            s.hasPlaces = true;
            inDecimals = true;
        } else if (c == ',' && s.hasPlaces && !inDecimals) {
            s.grouping = true;
        } else {
            if (c == '%') {
                s.percent = true;
            }
            literal += c;
        }
    }
    return s;
}

// Rounds half away from zero to the given number of decimals and returns the integer digits
// (no leading zeros, "" for zero) and exactly `decimals` fraction digits.
void roundFixed(const Decimal& d, int decimals, std::string& intPart, std::string& fracPart) {
    std::string whole;
    std::string rest;
    if (d.point > 0) {
        const auto n = static_cast<std::size_t>(d.point);
        whole = d.digits.substr(0, std::min(n, d.digits.size()));
        if (n > d.digits.size()) {
            whole.append(n - d.digits.size(), '0');
        }
        rest = n < d.digits.size() ? d.digits.substr(n) : std::string();
    } else {
        rest = std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    }
    const auto dec = static_cast<std::size_t>(decimals);
    std::string fixed = whole + rest.substr(0, std::min(dec, rest.size()));
    if (rest.size() < dec) {
        fixed.append(dec - rest.size(), '0');
    }
    if (rest.size() > dec && rest[dec] >= '5') {
        std::size_t i = fixed.size();
        while (i > 0 && fixed[i - 1] == '9') {
            fixed[--i] = '0';
        }
        if (i == 0) {
            fixed.insert(fixed.begin(), '1');
        } else {
            ++fixed[i - 1];
        }
    }
    intPart = fixed.substr(0, fixed.size() - dec);
    fracPart = fixed.substr(fixed.size() - dec);
    const std::size_t firstNonZero = intPart.find_first_not_of('0');
    intPart.erase(0, firstNonZero == std::string::npos ? intPart.size() : firstNonZero);
}

std::string group(const std::string& digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

// The digits of one section for a magnitude; `isZero` tells whether they round to zero.
std::string renderSection(const NumberSection& s, Decimal magnitude, bool& isZero) {
    if (s.percent) {
        magnitude.point += 2;
    }
    std::string intPart;
    std::string fracPart;
    roundFixed(magnitude, s.requiredDecimals + s.optionalDecimals, intPart, fracPart);
    isZero = intPart.empty() && fracPart.find_first_not_of('0') == std::string::npos;
    while (fracPart.size() > static_cast<std::size_t>(s.requiredDecimals) && fracPart.back() == '0') {
        fracPart.pop_back();
    }
    if (intPart.size() < static_cast<std::size_t>(s.minIntDigits)) {
        intPart.insert(0, static_cast<std::size_t>(s.minIntDigits) - intPart.size(), '0');
    }
    std::string out = s.prefix;
    if (s.hasPlaces) {
        out += s.grouping ? group(intPart) : intPart;
        if (s.hasPoint) {
            out += '.';
            out += fracPart;
        }
    }
    out += s.suffix;
    return out;
}

// The shortest plain text of a magnitude (no grouping, no exponent), used for an empty pattern.
std::string plainText(const Decimal& d) {
    if (d.digits.empty()) {
        return "0";
    }
    std::string intPart;
    std::string fracPart;
    roundFixed(d, std::max(0, static_cast<int>(d.digits.size()) - d.point), intPart, fracPart);
    while (!fracPart.empty() && fracPart.back() == '0') {
        fracPart.pop_back();
    }
    std::string out = intPart.empty() ? "0" : intPart;
    if (!fracPart.empty()) {
        out += '.' + fracPart;
    }
    return out;
}

std::string formatDecimal(bool negative, const Decimal& magnitude, std::string_view pattern) {
    if (pattern.empty()) {
        const std::string text = plainText(magnitude);
        return negative && text != "0" ? "-" + text : text;
    }
    const std::vector<std::string_view> sections = splitSections(pattern);
    const NumberSection positive = parseSection(sections[0]);
    bool isZero = false;
    if (negative && sections.size() > 1 && !sections[1].empty()) {
        const std::string text = renderSection(parseSection(sections[1]), magnitude, isZero);
        if (!isZero) {
            return text;
        }
    } else {
        std::string text = renderSection(positive, magnitude, isZero);
        if (!isZero) {
            return negative ? "-" + text : text;
        }
    }
    // Zero after rounding: never "-0.00" or "(0.00)"; a third section, when given, is for zero.
    if (sections.size() > 2 && !sections[2].empty()) {
        return renderSection(parseSection(sections[2]), Decimal{}, isZero);
    }
    return renderSection(positive, Decimal{}, isZero);
}

Decimal decimalFromDouble(double magnitude) {
    // Fifteen significant digits, as the classic runtime converted a double before formatting:
    // 1.005 is shown rounded as 1.01, not as its binary neighbour 1.00499999...
    std::array<char, 64> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buf.data(), static_cast<std::size_t>(r.ptr - buf.data()));
    const std::size_t e = text.find('e');
    Decimal d;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            d.digits += c;
        }
    }
    int exponent = 0;
    std::string_view expText = text.substr(e + 1);
    if (!expText.empty() && expText.front() == '+') {
        expText.remove_prefix(1);
    }
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    d.point = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        d.point = 0;
    }
    return d;
}

// ---- dates ----

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t runLength(std::string_view p, std::size_t i) {
    std::size_t n = 1;
    while (i + n < p.size() && lower(p[i + n]) == lower(p[i])) {
        ++n;
    }
    return n;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::string twoDigits(int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

bool hasTwelveHourMarker(std::string_view p) {
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (startsWithNoCase(p.substr(i), "ampm") || startsWithNoCase(p.substr(i), "am/pm")) {
            return true;
        }
    }
    return false;
}

} // namespace

// Number patterns work on an exact decimal form of the value, so the double and the currency
// paths share one renderer and a currency never passes through floating point.
std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return "";
    }
    return formatDecimal(value < 0, decimalFromDouble(std::fabs(value)), pattern);
}

std::string formatCurrency(Currency value, std::string_view pattern) {
    const std::int64_t t = value.ticks();
    const std::uint64_t mag = t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
    Decimal d;
    if (mag != 0) {
        d.digits = std::to_string(mag);
        d.point = static_cast<int>(d.digits.size()) - 4;
    }
    return formatDecimal(t < 0, d, pattern);
}

std::string formatDate(OleDate date, std::string_view pattern) {
    if (!isUsableDate(date)) {
        return "";
    }
    const CivilDate c = civilFromOle(date);
    const TimeOfDay t = timeOfDayFromOle(date);
    const bool twelveHour = hasTwelveHourMarker(pattern);
    std::string out;
    bool afterHour = false; // "m" right after an hour means minutes
    for (std::size_t i = 0; i < pattern.size();) {
        const std::string_view rest = pattern.substr(i);
        const char k = lower(pattern[i]);
        if (startsWithNoCase(rest, "ampm")) {
            out += t.hour < 12 ? "AM" : "PM";
            i += 4;
            continue;
        }
        if (startsWithNoCase(rest, "am/pm")) {
            const bool upper = rest[0] == 'A';
            out += t.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
            i += 5;
            continue;
        }
        if (k == 'y' || k == 'm' || k == 'd' || k == 'h' || k == 'n' || k == 's') {
            const std::size_t n = runLength(pattern, i);
            i += n;
            if (k == 'y') {
                out += n >= 3 ? std::to_string(c.year) : twoDigits(c.year % 100);
            } else if (k == 'd') {
                if (n >= 4) {
                    out += kDayNames[static_cast<std::size_t>(weekdayOf(date) - 1)];
                } else if (n == 3) {
                    out += std::string(kDayNames[static_cast<std::size_t>(weekdayOf(date) - 1)]).substr(0, 3);
                } else {
                    out += n == 2 ? twoDigits(c.day) : std::to_string(c.day);
                }
            } else if (k == 'm' && !(afterHour && n <= 2)) {
                if (n >= 4) {
                    out += kMonthNames[static_cast<std::size_t>(c.month - 1)];
                } else if (n == 3) {
                    out += std::string(kMonthNames[static_cast<std::size_t>(c.month - 1)]).substr(0, 3);
                } else {
                    out += n == 2 ? twoDigits(c.month) : std::to_string(c.month);
                }
            } else if (k == 'h') {
                int h = t.hour;
                if (twelveHour) {
                    h = h % 12 == 0 ? 12 : h % 12;
                }
                out += n >= 2 ? twoDigits(h) : std::to_string(h);
            } else if (k == 's') {
                out += n >= 2 ? twoDigits(t.second) : std::to_string(t.second);
            } else { // minutes: "n"/"nn", or "m"/"mm" after an hour
                out += n >= 2 ? twoDigits(t.minute) : std::to_string(t.minute);
            }
            afterHour = k == 'h';
            continue;
        }
        if (pattern[i] == '\\' && i + 1 < pattern.size()) {
            out += pattern[i + 1];
            i += 2;
            continue;
        }
        out += pattern[i];
        ++i;
    }
    return out;
}

} // namespace runtime
