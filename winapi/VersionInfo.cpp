#include "winapi/VersionInfo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace winapi {

namespace {

constexpr std::string_view kSectionName = ".vxversion";
constexpr std::string_view kRecordMagic{"VXVR\0", 5};
constexpr std::uint64_t kMaxRecord = 64 * 1024;
constexpr DWORD kInfoMagic = 0x49565856; // "VXVI"

// The buffer handed to callers: decoded parts first, then the record's key/value text.
struct InfoHeader {
    DWORD magic;
    DWORD size;
    VS_FIXEDFILEINFO fixed;
    std::uint16_t translation[2];
    DWORD hasTranslation;
};

class FileReader {
public:
    explicit FileReader(const char* path) : in_(path, std::ios::binary) {
        if (in_) {
            in_.seekg(0, std::ios::end);
            size_ = static_cast<std::uint64_t>(std::max<std::streamoff>(0, in_.tellg()));
        }
    }
    bool ok() const { return static_cast<bool>(in_); }
    bool read(std::uint64_t offset, std::uint64_t count, void* out) {
        if (offset > size_ || count > size_ - offset)
            return false;
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(static_cast<char*>(out), static_cast<std::streamsize>(count));
        return static_cast<std::uint64_t>(in_.gcount()) == count;
    }

private:
    std::ifstream in_;
    std::uint64_t size_ = 0;
};

std::uint64_t little(const unsigned char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

// The bytes of the ".vxversion" section of a little-endian ELF file (32- or 64-bit).
std::optional<std::vector<char>> readVersionSection(const char* path) {
    if (path == nullptr)
        return std::nullopt;
    FileReader f(path);
    unsigned char ident[64] = {};
    if (!f.ok() || !f.read(0, 52, ident) ||
        std::memcmp(ident,
                    "\x7F"
                    "ELF",
                    4) != 0 ||
        ident[5] != 1)
        return std::nullopt;
    const bool is64 = ident[4] == 2;
    if (!is64 && ident[4] != 1)
        return std::nullopt;
    if (is64 && !f.read(0, 64, ident))
        return std::nullopt;
    const std::uint64_t shoff = is64 ? little(ident + 0x28, 8) : little(ident + 0x20, 4);
    const std::uint64_t shentsize = little(ident + (is64 ? 0x3A : 0x2E), 2);
    const std::uint64_t shnum = little(ident + (is64 ? 0x3C : 0x30), 2);
    const std::uint64_t shstrndx = little(ident + (is64 ? 0x3E : 0x32), 2);
    if (shentsize < (is64 ? 64u : 40u) || shnum == 0 || shstrndx >= shnum)
        return std::nullopt;

    struct Section {
        std::uint64_t name, type, offset, size;
    };
    auto section = [&](std::uint64_t index) -> std::optional<Section> {
        unsigned char h[64] = {};
        if (!f.read(shoff + index * shentsize, is64 ? 64 : 40, h))
            return std::nullopt;
        if (is64)
            return Section{little(h, 4), little(h + 4, 4), little(h + 0x18, 8), little(h + 0x20, 8)};
        return Section{little(h, 4), little(h + 4, 4), little(h + 0x10, 4), little(h + 0x14, 4)};
    };
    const auto names = section(shstrndx);
    if (!names)
        return std::nullopt;
    for (std::uint64_t i = 0; i < shnum; ++i) {
        const auto s = section(i);
        if (!s)
            return std::nullopt;
        char name[16] = {};
        if (s->name >= names->size ||
            !f.read(names->offset + s->name, std::min<std::uint64_t>(sizeof name, names->size - s->name),
                    name))
            continue;
        if (std::string_view(name, ::strnlen(name, sizeof name)) != kSectionName)
            continue;
        if (s->type == 8 /* SHT_NOBITS */ || s->size < kRecordMagic.size() || s->size > kMaxRecord)
            return std::nullopt;
        std::vector<char> bytes(static_cast<std::size_t>(s->size));
        if (!f.read(s->offset, s->size, bytes.data()))
            return std::nullopt;
        if (std::string_view(bytes.data(), kRecordMagic.size()) != kRecordMagic)
            return std::nullopt;
        return bytes;
    }
    return std::nullopt;
}

// The key/value pairs of a record that starts at data: key, NUL, value, NUL, ... up to an empty
// key or the end. Returns the value of key, or nullptr.
const char* findValue(const char* data, std::size_t size, std::string_view key, bool ignoreCase) {
    std::size_t pos = 0;
    auto next = [&]() -> std::optional<std::string_view> {
        if (pos >= size)
            return std::nullopt;
        const char* start = data + pos;
        const std::size_t n = ::strnlen(start, size - pos);
        if (n == size - pos)
            return std::nullopt; // unterminated
        pos += n + 1;
        return std::string_view(start, n);
    };
    auto same = [&](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
                   if (!ignoreCase)
                       return x == y;
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    };
    while (true) {
        const auto k = next();
        if (!k || k->empty())
            return nullptr;
        const std::size_t valuePos = pos;
        const auto v = next();
        if (!v)
            return nullptr;
        if (same(*k, key))
            return data + valuePos;
    }
}

// "5.01.00.00" as the two halves of a version.
bool parseVersion(const char* text, DWORD& ms, DWORD& ls) {
    if (text == nullptr)
        return false;
    unsigned parts[4] = {0, 0, 0, 0};
    int part = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '.') {
            if (++part > 3)
                return false;
        } else if (*p >= '0' && *p <= '9') {
            parts[part] = std::min(parts[part] * 10 + static_cast<unsigned>(*p - '0'), 0xFFFFu);
        } else {
            return false;
        }
    }
    ms = (parts[0] << 16) | parts[1];
    ls = (parts[2] << 16) | parts[3];
    return true;
}

bool parseTranslation(const char* text, std::uint16_t out[2]) {
    if (text == nullptr || std::strlen(text) != 8)
        return false;
    std::uint32_t v = 0;
    for (int i = 0; i < 8; ++i) {
        const char c = text[i];
        int d = c >= '0' && c <= '9'                     ? c - '0'
                : (c | 0x20) >= 'a' && (c | 0x20) <= 'f' ? (c | 0x20) - 'a' + 10
                                                         : -1;
        if (d < 0)
            return false;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    out[0] = static_cast<std::uint16_t>(v >> 16);
    out[1] = static_cast<std::uint16_t>(v & 0xFFFF);
    return true;
}

} // namespace

DWORD GetFileVersionInfoSizeA(const char* file, DWORD* handle) {
    if (handle != nullptr)
        *handle = 0;
    const auto record = readVersionSection(file);
    if (!record)
        return 0;
    return static_cast<DWORD>(sizeof(InfoHeader) + record->size() + 1);
}

BOOL GetFileVersionInfoA(const char* file, DWORD, DWORD len, void* data) {
    if (data == nullptr)
        return 0;
    const auto record = readVersionSection(file);
    if (!record || len < sizeof(InfoHeader) + record->size() + 1)
        return 0;
    InfoHeader h{};
    h.magic = kInfoMagic;
    h.size = static_cast<DWORD>(sizeof(InfoHeader) + record->size() + 1);
    h.fixed.dwSignature = 0xFEEF04BD;
    h.fixed.dwStrucVersion = 0x00010000;
    const char* pairs = record->data() + kRecordMagic.size();
    const std::size_t pairsSize = record->size() - kRecordMagic.size();
    parseVersion(findValue(pairs, pairsSize, "FileVersion", false), h.fixed.dwFileVersionMS,
                 h.fixed.dwFileVersionLS);
    parseVersion(findValue(pairs, pairsSize, "ProductVersion", false), h.fixed.dwProductVersionMS,
                 h.fixed.dwProductVersionLS);
    h.hasTranslation =
        parseTranslation(findValue(pairs, pairsSize, "Translation", false), h.translation) ? 1 : 0;
    auto* out = static_cast<char*>(data);
    std::memcpy(out, &h, sizeof h);
    std::memcpy(out + sizeof h, record->data(), record->size());
    out[sizeof h + record->size()] = '\0'; // closes a record that lacked its empty key
    return 1;
}

BOOL VerQueryValueA(const void* data, const char* subBlock, void** buffer, UINT* len) {
    if (data == nullptr || subBlock == nullptr || buffer == nullptr)
        return 0;
    InfoHeader h;
    std::memcpy(&h, data, sizeof h);
    if (h.magic != kInfoMagic || h.size < sizeof h + kRecordMagic.size())
        return 0;
    auto* base = static_cast<char*>(const_cast<void*>(data));
    auto* header = reinterpret_cast<InfoHeader*>(base);
    const std::string_view query(subBlock);
    auto answer = [&](void* p, UINT n) {
        *buffer = p;
        if (len != nullptr)
            *len = n;
        return 1;
    };
    if (query == "\\" || query.empty())
        return answer(&header->fixed, sizeof(VS_FIXEDFILEINFO));
    auto equalsNoCase = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    };
    if (equalsNoCase(query, "\\VarFileInfo\\Translation"))
        return h.hasTranslation ? answer(header->translation, 4) : 0;
    constexpr std::string_view kStrings = "\\StringFileInfo\\";
    if (!h.hasTranslation || query.size() < kStrings.size() + 9 ||
        !equalsNoCase(query.substr(0, kStrings.size()), kStrings))
        return 0;
    char block[9];
    std::snprintf(block, sizeof block, "%04X%04X", h.translation[0], h.translation[1]);
    if (!equalsNoCase(query.substr(kStrings.size(), 8), block) || query[kStrings.size() + 8] != '\\')
        return 0;
    const std::string_view name = query.substr(kStrings.size() + 9);
    if (name.empty() || equalsNoCase(name, "Translation"))
        return 0;
    const char* pairs = base + sizeof h + kRecordMagic.size();
    const std::size_t pairsSize = h.size - sizeof h - kRecordMagic.size();
    const char* value = findValue(pairs, pairsSize, name, true);
    if (value == nullptr)
        return 0;
    return answer(const_cast<char*>(value), static_cast<UINT>(std::strlen(value) + 1));
}

} // namespace winapi
