#include "winapi/Profile.h"

#include "runtime/FileIo.h"
#include "runtime/RuntimeError.h"
#include "winapi/Paths.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace winapi {

namespace {

// Settings files are small; anything bigger is not one of ours and is left alone.
constexpr std::uintmax_t kMaxProfileSize = 16u * 1024u * 1024u;

// Upper case in Windows-1252, so that names with accented letters match like on Windows.
unsigned char foldCase(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A: return 0x8A; // s caron
    case 0x9C: return 0x8C; // oe
    case 0x9E: return 0x8E; // z caron
    case 0xFF: return 0x9F; // y diaeresis
    default: return c;
    }
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldCase(static_cast<unsigned char>(x)) == foldCase(static_cast<unsigned char>(y));
           });
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// One line of the file as read; the text is kept so that writing changes only what it must.
struct Line {
    enum class Kind { Other, Section, Entry };
    std::string text;
    Kind kind = Kind::Other;
    std::string name; // section name or key, trimmed
    std::string value;
};

struct Profile {
    std::vector<Line> lines;

    // Index of the first line of the first section of that name, or npos.
    std::size_t findSection(std::string_view section) const {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].kind == Line::Kind::Section && sameName(lines[i].name, section))
                return i;
        return npos;
    }
    // One past the last line that belongs to the section starting at start.
    std::size_t sectionEnd(std::size_t start) const {
        std::size_t i = start + 1;
        while (i < lines.size() && lines[i].kind != Line::Kind::Section)
            ++i;
        return i;
    }
    std::size_t findKey(std::size_t start, std::string_view key) const {
        const std::size_t end = sectionEnd(start);
        for (std::size_t i = start + 1; i < end; ++i)
            if (lines[i].kind == Line::Kind::Entry && sameName(lines[i].name, key))
                return i;
        return npos;
    }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
};

// One line's meaning, as views into the text it was read from.
struct LineView {
    std::string_view text;
    Line::Kind kind = Line::Kind::Other;
    std::string_view name;
    std::string_view value;
};

LineView classify(std::string_view text) {
    LineView line;
    line.text = text;
    // A NUL byte ends the line's meaning, as it ends every string handed to a caller; the bytes are
    // kept so that rewriting the file changes only what it must.
    const std::string_view t = trim(text.substr(0, text.find('\0')));
    if (!t.empty() && t.front() == '[') {
        line.kind = Line::Kind::Section;
        std::string_view name = t.substr(1);
        if (const auto close = name.find(']'); close != std::string_view::npos)
            name = name.substr(0, close);
        line.name = trim(name);
    } else if (!t.empty() && t.front() != ';') {
        if (const auto eq = t.find('='); eq != std::string_view::npos) {
            line.kind = Line::Kind::Entry;
            line.name = trim(t.substr(0, eq));
            line.value = trim(t.substr(eq + 1));
        }
    }
    return line;
}

Line parseLine(std::string text) {
    const LineView view = classify(text);
    Line line{std::string(), view.kind, std::string(view.name), std::string(view.value)};
    line.text = std::move(text);
    return line;
}

// Calls visit with each line of the file in turn until it returns false. Reading goes through here
// without building a table: every read parses the file afresh.
template <class Visit> void forEachLine(std::string_view bytes, Visit&& visit) {
    while (!bytes.empty()) {
        const auto nl = bytes.find('\n');
        std::string_view text = bytes.substr(0, nl);
        bytes = nl == std::string_view::npos ? std::string_view() : bytes.substr(nl + 1);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (!visit(classify(text)))
            return;
    }
}

// Calls visit with each entry of the first section of that name, as the write path finds it.
template <class Visit> void forEachEntryOf(std::string_view bytes, std::string_view section, Visit&& visit) {
    bool inSection = false;
    forEachLine(bytes, [&](const LineView& line) {
        if (line.kind == Line::Kind::Section) {
            if (inSection)
                return false;
            inSection = sameName(line.name, section);
            return true;
        }
        return !inSection || line.kind != Line::Kind::Entry || visit(line);
    });
}

Profile parseProfile(std::string_view bytes) {
    Profile profile;
    profile.lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    forEachLine(bytes, [&](const LineView& line) {
        profile.lines.push_back(
            Line{std::string(line.text), line.kind, std::string(line.name), std::string(line.value)});
        return true;
    });
    return profile;
}

std::string serialize(const Profile& profile) {
    std::string out;
    for (const Line& line : profile.lines) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

// The file's bytes; nullopt when it is absent, unreadable or too big to be a profile.
std::optional<std::string> readProfile(const std::filesystem::path& path) {
    try {
        return runtime::readWholeFile(path, kMaxProfileSize);
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

DWORD copyString(std::string_view s, char* buffer, DWORD size) {
    if (buffer == nullptr || size == 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(s.size(), size - 1);
    if (n > 0)
        std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

// Names each followed by a NUL, then one more NUL; a list too long is cut with two NULs.
DWORD copyList(const std::vector<std::string_view>& names, char* buffer, DWORD size) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::string joined;
    for (const auto& name : names) {
        joined += name;
        joined += '\0';
    }
    if (joined.size() + 1 <= size) {
        std::memcpy(buffer, joined.data(), joined.size());
        buffer[joined.size()] = '\0';
        return static_cast<DWORD>(joined.size());
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, joined.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

bool hasLineBreak(const char* s) { return s != nullptr && std::strpbrk(s, "\r\n") != nullptr; }

// Looks up one value; nullopt when the file, section or key is absent.
std::optional<std::string> lookup(const char* section, const char* key, const char* file) {
    const auto bytes = readProfile(profilePath(file));
    if (!bytes)
        return std::nullopt;
    std::optional<std::string> found;
    forEachEntryOf(*bytes, trim(section), [&](const LineView& line) {
        if (!sameName(line.name, trim(key)))
            return true;
        found = unquote(line.value);
        return false;
    });
    return found;
}

} // namespace

std::filesystem::path profilePath(std::string_view file) {
    if (file.find('/') != std::string_view::npos)
        return std::filesystem::path(file);
    const std::filesystem::path dir = windowsDirectory();
    std::filesystem::path exact = dir / std::filesystem::path(file);
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    // Windows file names ignore case: "WIN.INI" finds "win.ini".
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameName(it->path().filename().string(), file))
            return it->path();
    }
    return exact;
}

DWORD GetPrivateProfileStringA(const char* section, const char* key, const char* def, char* buffer, DWORD size,
                               const char* file) {
    if (buffer == nullptr || size == 0 || file == nullptr)
        return 0;
    if (section == nullptr || key == nullptr) {
        std::vector<std::string_view> names;
        const auto bytes = readProfile(profilePath(file));
        if (bytes && section == nullptr) {
            forEachLine(*bytes, [&](const LineView& line) {
                if (line.kind == Line::Kind::Section &&
                    std::none_of(names.begin(), names.end(),
                                 [&](std::string_view n) { return sameName(n, line.name); }))
                    names.push_back(line.name);
                return true;
            });
        } else if (bytes) {
            forEachEntryOf(*bytes, section, [&](const LineView& line) {
                names.push_back(line.name);
                return true;
            });
        }
        return copyList(names, buffer, size);
    }
    if (const auto value = lookup(section, key, file))
        return copyString(*value, buffer, size);
    std::string_view fallback = def == nullptr ? std::string_view() : std::string_view(def);
    while (!fallback.empty() && fallback.back() == ' ')
        fallback.remove_suffix(1);
    return copyString(fallback, buffer, size);
}

UINT GetPrivateProfileIntA(const char* section, const char* key, int def, const char* file) {
    if (section == nullptr || key == nullptr || file == nullptr)
        return static_cast<UINT>(def);
    const auto value = lookup(section, key, file);
    if (!value || value->empty())
        return static_cast<UINT>(def);
    std::string_view s = *value;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // Unsigned arithmetic wraps like the Windows conversion instead of overflowing.
    UINT result = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            break;
        result = result * 10u + static_cast<UINT>(c - '0');
    }
    return negative ? 0u - result : result;
}

BOOL WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* file) {
    if (file == nullptr || *file == '\0')
        return 0;
    if (section == nullptr)
        return key == nullptr && value == nullptr ? 1 : 0; // all NULL only flushes a cache we do not keep
    // A line break or a stray delimiter would change the meaning of the rest of the file.
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) || std::strchr(section, ']') != nullptr ||
        (key != nullptr && std::strchr(key, '=') != nullptr))
        return 0;

    const std::string_view fileName(file);
    const bool bare = fileName.find('/') == std::string_view::npos;
    const std::filesystem::path path = profilePath(fileName);
    std::error_code ec;
    Profile profile;
    if (std::filesystem::exists(path, ec)) {
        const auto bytes = readProfile(path);
        if (!bytes)
            return 0; // never replace a file we could not read
        profile = parseProfile(*bytes);
    } else if (ec) {
        return 0;
    }

    const std::string keyText = key == nullptr ? std::string() : std::string(trim(key));
    const std::size_t s = profile.findSection(section);
    if (key == nullptr) {
        if (s == Profile::npos)
            return 1;
        profile.lines.erase(profile.lines.begin() + static_cast<std::ptrdiff_t>(s),
                            profile.lines.begin() + static_cast<std::ptrdiff_t>(profile.sectionEnd(s)));
    } else if (value == nullptr) {
        const std::size_t k = s == Profile::npos ? Profile::npos : profile.findKey(s, keyText);
        if (k == Profile::npos)
            return 1;
        profile.lines.erase(profile.lines.begin() + static_cast<std::ptrdiff_t>(k));
    } else if (s == Profile::npos) {
        if (!profile.lines.empty() && !trim(profile.lines.back().text).empty())
            profile.lines.push_back(parseLine(std::string()));
        profile.lines.push_back(parseLine("[" + std::string(section) + "]"));
        profile.lines.push_back(parseLine(keyText + "=" + value));
    } else if (const std::size_t k = profile.findKey(s, keyText); k != Profile::npos) {
        profile.lines[k] = parseLine(profile.lines[k].name + "=" + value);
    } else {
        // After the section's last non-blank line, so blank separators stay between sections.
        std::size_t at = profile.sectionEnd(s);
        while (at > s + 1 && trim(profile.lines[at - 1].text).empty())
            --at;
        profile.lines.insert(profile.lines.begin() + static_cast<std::ptrdiff_t>(at),
                             parseLine(keyText + "=" + value));
    }

    try {
        if (bare)
            std::filesystem::create_directories(path.parent_path());
        runtime::replaceFileAtomically(path, serialize(profile));
    } catch (const std::exception&) {
        return 0;
    }
    return 1;
}

} // namespace winapi
