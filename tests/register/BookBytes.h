#pragma once

// Cheque-book records built by hand from the record layout, independently of the writer.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace booktest {

class Rec {
public:
    Rec() : bytes_(50, '\0') {}

    Rec& i16(std::size_t at, int value) {
        bytes_[at] = static_cast<char>(value & 0xFF);
        bytes_[at + 1] = static_cast<char>((value >> 8) & 0xFF);
        return *this;
    }
    Rec& i64(std::size_t at, std::int64_t value) {
        for (int i = 0; i < 8; ++i) {
            bytes_[at + i] = static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF);
        }
        return *this;
    }
    Rec& f64(std::size_t at, double value) {
        std::int64_t bits;
        std::memcpy(&bits, &value, 8);
        return i64(at, bits);
    }
    // Windows-1252 bytes, blank padded.
    Rec& text(std::size_t at, std::string_view cp1252, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) {
            bytes_[at + i] = i < cp1252.size() ? cp1252[i] : ' ';
        }
        return *this;
    }
    Rec& ch(std::size_t at, char c) {
        bytes_[at] = c;
        return *this;
    }
    operator std::string() const { return bytes_; }

private:
    std::string bytes_;
};

inline std::string itemRecord(int flag, double date, int cheque, std::string_view particulars,
                              std::int64_t ticks, std::string_view code, char status) {
    return Rec()
        .i16(0, flag)
        .f64(2, date)
        .i16(10, cheque)
        .text(12, particulars, 25)
        .i64(37, ticks)
        .text(45, code, 4)
        .ch(49, status);
}

// Budget period start/end: only the date and the letter carry meaning.
inline std::string periodRecord(double date, char letter) {
    return itemRecord(0, date, 0, "", 0, "", letter);
}

inline std::string linkRecord(std::string_view name, int format = 4) {
    return Rec().i16(0, format).text(2, name, 48);
}

inline std::string trailerRecord(std::string_view title, std::string_view password, char sort, int day) {
    return itemRecord(0, 0.0, day, title, 0, password, sort);
}

// A minimal valid file around the given item records.
inline std::string bookBytes(const std::string& records, std::string_view password = "5827") {
    return records + periodRecord(29221.0, 'S') + periodRecord(73050.0, 'E') + linkRecord("") +
           trailerRecord("Test", password, 'D', 0);
}

} // namespace booktest
