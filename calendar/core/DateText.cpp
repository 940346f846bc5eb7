// Date texts: formatting in the DateFormat patterns, reading them back, and the numeric
// "month/day/year" form the Date property also accepts.
#include "calendar/core/DateModel.h"

#include "runtime/Clock.h"
#include "vxrun/core/DateNormalizer.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace vxcal {

namespace {

constexpr std::size_t kMaxRun = 20;
constexpr std::size_t kMaxPattern = 50;

// A number printed space-padded to the width, every space then shown as "0".
std::string padded(int value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*d", width, value);
    std::string s(buf);
    for (char& c : s)
        if (c == ' ')
            c = '0';
    return s;
}

bool isLetterOrAbove(char c) {
    return static_cast<unsigned char>(c) >= 'A';
}

unsigned char foldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // Windows-1252 accented capitals
        return static_cast<unsigned char>(c + 32);
    return c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::size_t runLength(std::string_view p, std::size_t i) {
    std::size_t n = 1;
    while (n < kMaxRun && i + n < p.size() && p[i + n] == p[i])
        ++n;
    return n;
}

// Consecutive digits at pos; more than five of them read as 0.
int readDigits(std::string_view t, std::size_t& pos) {
    const std::size_t start = pos;
    long value = 0;
    while (pos < t.size() && t[pos] >= '0' && t[pos] <= '9') {
        if (pos - start < 6)
            value = value * 10 + (t[pos] - '0');
        ++pos;
    }
    return pos - start > 5 ? 0 : static_cast<int>(value);
}

std::string_view readWord(std::string_view t, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < t.size() && isLetterOrAbove(t[pos]))
        ++pos;
    return t.substr(start, pos - start);
}

// Leading sign and digits of a collected field, as the numeric form means them.
int leadingNumber(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && v < 100000000)
        v = v * 10 + (s[i++] - '0');
    return static_cast<int>(negative ? -v : v);
}

} // namespace

// The weekday is not checked, only passed over: the longest name of the current language that
// starts there ("Quarta-feira", "Domingo " with its blank), else a word of letters.
void DateModel::skipWeekdayName(std::string_view text, std::size_t& pos) const {
    std::size_t best = 0;
    for (int w = 0; w <= 6; ++w) {
        for (const std::string& name : {texts_.weekdayName(w), texts_.threeLetterWeekdayName(w)}) {
            if (name.size() > best && name.size() <= text.size() - pos &&
                equalsNoCase(text.substr(pos, name.size()), name))
                best = name.size();
        }
    }
    if (best > 0)
        pos += best;
    else
        readWord(text, pos);
}

std::optional<std::string> DateModel::pattern() const {
    switch (inputs.dateFormat) {
    case 0:
        return std::string("MM/dd/yyyy");
    case 1:
        return std::string(); // the day number, no pattern
    case 2:
        return std::string("MMMM' 'd', 'yyyy");
    case 3:
        return std::string("dddd', 'MMMM' 'd', 'yyyy");
    case 5:
        return intl_.read("sLongDate", "dddd', 'MMMM' 'd', 'yy", kMaxPattern);
    case 6:
        return std::string("dd'-'MMM'-'yy");
    case 4:
    case 7:
        return intl_.read("sShortDate", "M/d/yy", kMaxPattern);
    default:
        return std::nullopt;
    }
}

char DateModel::separator() const {
    const std::string s = intl_.read("sDate", "/", 1);
    return s.empty() ? '\0' : s[0];
}

std::string DateModel::formatDate(int month, int day, int year) const {
    const std::optional<std::string> pat = pattern();
    if (!pat)
        return {};
    if (inputs.dateFormat == 1)
        return std::to_string(dayNumber(month, day, year));
    const char sep = separator();
    const std::string_view p = *pat;
    std::string out;
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        if (c == 'M' || c == 'd' || c == 'y') {
            const std::size_t n = runLength(p, i);
            i += n;
            if (c == 'M') {
                if (n == 2)
                    out += padded(month, 2);
                else if (n == 3)
                    out += texts_.shortMonthName(month);
                else if (n == 4)
                    out += texts_.monthName(month);
                else
                    out += std::to_string(month);
            } else if (c == 'd') {
                if (n == 2)
                    out += padded(day, 2);
                else if (n == 3)
                    out += texts_.threeLetterWeekdayName(weekdayOf(month, day, year));
                else if (n == 4)
                    out += texts_.weekdayName(weekdayOf(month, day, year));
                else
                    out += std::to_string(day);
            } else {
                out += n > 2 ? padded(year, 4) : padded(year % 100, 2);
            }
        } else if (c == '\'') {
            const std::size_t close = p.find('\'', i + 1);
            const std::size_t end = close == std::string_view::npos ? p.size() : close;
            out += p.substr(i + 1, end - i - 1);
            i = end == p.size() ? end : end + 1;
        } else {
            if (inputs.dateFormat == 5 || c == sep)
                out += c;
            ++i;
        }
    }
    return out;
}

ParsedDate DateModel::parseDate(std::string_view text) const {
    ParsedDate r;
    if (text.empty()) {
        const std::time_t now = std::chrono::system_clock::to_time_t(clock_.now());
        std::tm local{};
        localtime_r(&now, &local);
        r.month = local.tm_mon + 1;
        r.day = local.tm_mday;
        r.year = local.tm_year + 1900;
        return r;
    }
    const std::optional<std::string> pat = pattern();
    if (!pat) {
        r.status = 380; // a stored format without a pattern reads nothing
        return r;
    }
    if (inputs.dateFormat == 1) {
        std::int32_t n = 0;
        if (text.size() <= 9)
            for (char c : text)
                n = n * 10 + ((c >= '0' && c <= '9') ? c - '0' : 0);
        const MonthDayYear d = dateOfDayNumber(n);
        if (d.year < vxrun::kMinNormalYear || d.year > vxrun::kMaxNormalYear) {
            r.status = 380; // a day number outside the calendar's years names no date
            return r;
        }
        r.month = d.month;
        r.day = d.day;
        r.year = d.year;
    } else {
        const std::string_view p = *pat;
        std::size_t i = 0;
        std::size_t pos = 0;
        while (i < p.size()) {
            const char c = p[i];
            if (c == 'M' || c == 'd' || c == 'y') {
                const std::size_t n = runLength(p, i);
                i += n;
                if (c == 'M' && (n == 3 || n == 4)) {
                    r.month = -1;
                    const std::string_view word = readWord(text, pos);
                    for (int m = 1; m <= 12 && !word.empty() && r.month == -1; ++m)
                        if (equalsNoCase(word, texts_.shortMonthName(m)) ||
                            equalsNoCase(word, texts_.monthName(m)))
                            r.month = m;
                } else if (c == 'M') {
                    r.month = readDigits(text, pos);
                } else if (c == 'd' && (n == 3 || n == 4)) {
                    skipWeekdayName(text, pos);
                } else if (c == 'd') {
                    r.day = readDigits(text, pos);
                } else {
                    r.year = readDigits(text, pos);
                }
            } else if (c == '\'') {
                ++i;
                while (i < p.size() && p[i] != '\'') {
                    ++i;
                    if (pos < text.size())
                        ++pos;
                }
                if (i < p.size())
                    ++i;
            } else {
                ++i;
                if (pos < text.size())
                    ++pos;
            }
        }
    }
    int m = r.month, d = r.day, y = r.year;
    if (!normalizeDate(m, d, y, true)) {
        r.status = 380;
        return r;
    }
    r.month = m;
    r.day = d;
    r.year = y;
    return r;
}

std::string DateModel::numericToFormat(std::string_view text) const {
    // month "/" day "/" year; anything after the second slash is the year.
    std::string fields[3];
    int field = 0;
    for (char c : text) {
        if (c == '/' && field < 2)
            ++field;
        else
            fields[field] += c;
    }
    const int month = leadingNumber(fields[0]);
    const int day = leadingNumber(fields[1]);
    int year = leadingNumber(fields[2]);
    if (year < inputs.minYear)
        year = inputs.minYear;
    if (year > inputs.maxYear)
        year = inputs.maxYear;
    std::string out = formatDate(month, day, year);
    if (out.size() > kMaxPattern)
        out.resize(kMaxPattern);
    return out;
}

} // namespace vxcal
