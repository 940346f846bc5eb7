#include "register/core/FixedText.h"

#include "runtime/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ledger::cp1252 {

namespace {

// The UTF-8 form of every byte and its place in text order, made once from the runtime's own
// conversion so the two never disagree.
struct Tables {
    char utf8[256][4] = {};
    std::uint8_t length[256] = {};
    std::uint8_t rank[256] = {};

    Tables() {
        std::string forms[256];
        for (int b = 0; b < 256; ++b) {
            forms[b] = runtime::cp1252ToUtf8(std::string(1, static_cast<char>(b)));
            length[b] = static_cast<std::uint8_t>(forms[b].size());
            std::memcpy(utf8[b], forms[b].data(), forms[b].size());
        }
        // UTF-8 sequences order as their code points do.
        for (int b = 0; b < 256; ++b) {
            rank[b] = static_cast<std::uint8_t>(std::count_if(
                std::begin(forms), std::end(forms), [&](const std::string& f) { return f < forms[b]; }));
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

} // namespace

void repairInto(char* out, std::size_t width, std::string_view bytes) {
    // Every field of every record passes through here when a book is read.
    static constexpr auto kRepaired = [] {
        std::array<char, 256> table{};
        for (int b = 0; b < 256; ++b) {
            table[static_cast<std::size_t>(b)] =
                isControlByte(static_cast<unsigned char>(b)) ? ' ' : static_cast<char>(b);
        }
        return table;
    }();
    const std::size_t n = std::min(width, bytes.size());
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = kRepaired[static_cast<unsigned char>(bytes[i])];
    }
    std::memset(out + n, ' ', width - n);
}

void fitInto(char* out, std::size_t width, std::string_view utf8) {
    if (runtime::isAscii(utf8)) {
        repairInto(out, width, utf8);
    } else {
        repairInto(out, width, runtime::utf8ToCp1252(utf8));
    }
}

char* writeUtf8(char* out, std::string_view bytes) {
    const Tables& t = tables();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            *out++ = c;
        } else {
            std::memcpy(out, t.utf8[b], 4);
            out += t.length[b];
        }
    }
    return out;
}

void appendUtf8(std::string& out, std::string_view bytes) {
    const std::size_t at = out.size();
    out.resize(at + 3 * bytes.size() + 1); // writeUtf8 copies four bytes at a time
    out.resize(static_cast<std::size_t>(writeUtf8(out.data() + at, bytes) - out.data()));
}

std::string toUtf8(std::string_view bytes) {
    if (runtime::isAscii(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    appendUtf8(out, bytes);
    return out;
}

bool equalsUtf8(std::string_view bytes, std::string_view utf8) {
    const Tables& t = tables();
    std::size_t at = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const std::string_view form =
            b < 0x80 ? std::string_view(&c, 1) : std::string_view(t.utf8[b], t.length[b]);
        if (utf8.substr(at, form.size()) != form) {
            return false;
        }
        at += form.size();
    }
    return at == utf8.size();
}

std::uint8_t textRank(unsigned char b) {
    return tables().rank[b];
}

std::strong_ordering compareText(std::string_view a, std::string_view b) {
    const Tables& t = tables();
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto ra = t.rank[static_cast<unsigned char>(a[i])];
        const auto rb = t.rank[static_cast<unsigned char>(b[i])];
        if (ra != rb) {
            return ra <=> rb;
        }
    }
    return a.size() <=> b.size();
}

} // namespace ledger::cp1252
