#include "calculator/core/NumberText.h"

#include "runtime/Format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace abacon {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Drops blanks and separators, and turns "(x)" into "-x".
std::string normalised(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (!isBlank(c) && c != ',') {
            s += c;
        }
    }
    if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
        s = "-" + s.substr(1, s.size() - 2);
    }
    return s;
}

// Length of the number at the start of s (sign, digits, one ".", exponent); 0 when none.
std::size_t numberPrefix(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

} // namespace

std::string formatRegister(double value) {
    return runtime::formatNumber(value, kNumberFormat);
}

std::string registerText(double value) {
    std::string text = formatRegister(value);
    return text.size() <= kRegisterWidth ? text : plainText(value);
}

std::string plainText(double value) {
    if (value == 0.0) {
        return "0";
    }
    char buf[64];
    // "%G" drops trailing zeros and writes exponents as "1E-05", as the classic text of a double.
    // A long text loses digits rather than characters: cutting "1.63312393531954E+16" would
    // leave a different number in the register.
    for (int digits = 15; digits > 0; --digits) {
        std::snprintf(buf, sizeof buf, "%.*G", digits, value);
        if (std::char_traits<char>::length(buf) <= kRegisterWidth) {
            break;
        }
    }
    return buf;
}

double numberValue(std::string_view text) {
    const std::string s = normalised(text);
    const std::size_t n = numberPrefix(s);
    if (n == 0) {
        return 0.0;
    }
    return std::strtod(s.substr(0, n).c_str(), nullptr);
}

bool isNumberText(std::string_view text) {
    const std::string s = normalised(text);
    // "1E999" reads as infinity, which no register can hold.
    return !s.empty() && numberPrefix(s) == s.size() && std::isfinite(numberValue(s));
}

int integerDigits(std::string_view text) {
    int count = 0;
    for (char c : text) {
        if (c == '.' || c == 'E' || c == 'e') {
            break;
        }
        if (isDigit(c)) {
            ++count;
        }
    }
    return count;
}

bool isShortForm(std::string_view text) {
    return text.find_first_of("Ee") != std::string_view::npos;
}

std::string shortenedEntry(std::string_view text) {
    std::string bare = normalised(text);
    const double value = numberValue(bare);
    if (isShortForm(bare)) {
        // The exponent says how many places the integer part has; spell them out.
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.0f", std::trunc(value));
        bare = buf;
    }
    // Leading zeros are no places of the number ("000000000000012345678.5" is 12345678.5).
    const std::size_t first = std::min(bare.find_first_not_of("+-"), bare.size());
    std::size_t end = first;
    while (end + 1 < bare.size() && bare[end] == '0' && isDigit(bare[end + 1])) {
        ++end;
    }
    bare.erase(first, end - first);
    if (integerDigits(bare) > kMaxIntegerDigits) {
        bare.resize(static_cast<std::size_t>(kMaxIntegerDigits));
        return bare;
    }
    return plainText(value);
}

std::string trim(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && isBlank(text[b])) {
        ++b;
    }
    while (e > b && isBlank(text[e - 1])) {
        --e;
    }
    return std::string(text.substr(b, e - b));
}

std::string padLeft(std::string_view text, std::size_t width) {
    std::string s;
    if (text.size() < width) {
        s.assign(width - text.size(), ' ');
    }
    s += text;
    return s;
}

} // namespace abacon
