#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ledger {

// Helpers over single-byte Windows-1252 text, the form the fixed-length fields have on disk.
namespace cp1252 {

// Bytes that would break the tab-separated list lines and the exports: C0 controls (NUL is what
// fixed-length fields never assigned are filled with), DEL, and the five bytes Windows-1252 leaves
// unassigned. They are held as blanks, as typing turns them into blanks.
constexpr bool isControlByte(unsigned char b) {
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// Fills out[0, width) with the Windows-1252 form of a UTF-8 text: cut after `width` characters,
// padded with blanks, "?" for a character without a Windows-1252 form, control bytes as blanks.
void fitInto(char* out, std::size_t width, std::string_view utf8);
// Fills out[0, width) with Windows-1252 bytes as a file holds them, control bytes as blanks.
void repairInto(char* out, std::size_t width, std::string_view bytes);

// Writes the UTF-8 form of Windows-1252 bytes at `out` (room for 3 bytes per byte, plus one) and
// returns the end. No allocation: list lines are formatted straight into their output buffer with it.
char* writeUtf8(char* out, std::string_view bytes);
void appendUtf8(std::string& out, std::string_view bytes);
std::string toUtf8(std::string_view bytes);

// Whether the UTF-8 text is exactly what these bytes read as.
bool equalsUtf8(std::string_view bytes, std::string_view utf8);

// Place of each byte's character in text order (by its Unicode value), so that keys built of these
// ranks order fields exactly as their texts compare.
std::uint8_t textRank(unsigned char b);
// Text order of two byte strings of equal length.
std::strong_ordering compareText(std::string_view a, std::string_view b);

} // namespace cp1252

// A fixed-length text field of N characters, held as its N Windows-1252 bytes (blank padded)
// inside the record itself: a register of a million items is one block of memory, not two million
// heap strings. Reads and writes as UTF-8, as the rest of the program's text is.
template <std::size_t N> class FixedText {
public:
    FixedText() { bytes_.fill(' '); }
    explicit FixedText(std::string_view utf8) { *this = utf8; }

    // The bytes as a file holds them (control bytes become blanks).
    static FixedText fromBytes(std::string_view bytes) {
        FixedText t;
        cp1252::repairInto(t.bytes_.data(), N, bytes);
        return t;
    }

    // Stores a UTF-8 text as the field holds it: cut or blank padded to N characters, "?" for a
    // character the file cannot hold.
    FixedText& operator=(std::string_view utf8) {
        cp1252::fitInto(bytes_.data(), N, utf8);
        return *this;
    }

    // The UTF-8 text at its full width of N characters.
    std::string str() const { return cp1252::toUtf8(bytes()); }
    operator std::string() const { return str(); }
    std::string_view bytes() const { return {bytes_.data(), N}; }
    // The Windows-1252 byte of character i.
    char operator[](std::size_t i) const { return bytes_[i]; }
    static constexpr std::size_t size() { return N; }

    bool operator==(const FixedText&) const = default;
    friend bool operator==(const FixedText& t, std::string_view utf8) {
        return cp1252::equalsUtf8(t.bytes(), utf8);
    }
    friend std::strong_ordering operator<=>(const FixedText& a, const FixedText& b) {
        return cp1252::compareText(a.bytes(), b.bytes());
    }

    friend std::string operator+(const std::string& a, const FixedText& b) { return a + b.str(); }
    friend std::string operator+(const char* a, const FixedText& b) { return a + b.str(); }
    friend std::string operator+(const FixedText& a, const std::string& b) { return a.str() + b; }
    friend std::string operator+(const FixedText& a, const char* b) { return a.str() + b; }
    template <class Stream> friend Stream& operator<<(Stream& os, const FixedText& t) {
        return os << t.str();
    }

private:
    std::array<char, N> bytes_;
};

} // namespace ledger
