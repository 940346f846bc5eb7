// Damaged files of every kind the suite reads (badfiles/, made by make-badfiles.py), each with the
// outcome a person sees, from one table (badfiles/MANIFEST.tsv: file, kind, expected). Nothing may
// crash, nothing may load half: a refused file keeps nothing, and every message says what is wrong.
//
// Outcome texts: a refused file gives its message; a file that loads gives "loaded N items" (or
// codes) and the messages shown on the way; a settings file gives the values that differ from the
// built-in ones ("defaults" when none does); a property bag gives its problems and the names kept.
// In messages, "%s" stands for the file's path and "\r" "\n" for CR and LF.
#include "register/core/ChequeBookFile.h"
#include "register/core/CodeFile.h"
#include "reliability/ProfileStore.h"

#ifdef VX_WITH_OLE
#include "ole/PropertyBag.h"
#endif

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

fs::path corpusDir() {
    const char* src = std::getenv("VX_SOURCE_DIR");
    return fs::path(src ? src : VX_SOURCE_DIR) / "tests/reliability/badfiles";
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts)
        out += (out.empty() ? "" : " | ") + p;
    return out;
}

std::string bookOutcome(const fs::path& path) {
    const ledger::ReadResult r = ledger::readChequeBookFile(path);
    if (!r.ok()) {
        // Refused whole: nothing was kept.
        EXPECT_TRUE(r.contents.items.empty() && r.contents.autoDupItems.empty()) << path;
        EXPECT_FALSE(r.errorMessage.empty()) << path;
        return r.errorMessage;
    }
    std::string out = "loaded " + std::to_string(r.contents.items.size()) + " items";
    if (!r.contents.messages.empty())
        out += ": " + joined(r.contents.messages);
    return out;
}

std::string codesOutcome(const fs::path& path) {
    ledger::CodeFileSource source;
    source.activePath = path.string();
    const ledger::CodeFileLoad load = ledger::loadCodeFile(source);
    std::vector<std::string> texts;
    for (const runtime::Message& m : load.messages)
        texts.push_back(m.text);
    if (!load.loaded()) {
        EXPECT_EQ(load.table.count(), 0u) << path;
        EXPECT_FALSE(texts.empty()) << path;
        return joined(texts);
    }
    std::string out = "loaded " + std::to_string(load.table.count()) + " codes";
    if (!texts.empty())
        out += ": " + joined(texts);
    return out;
}

std::string settingsOutcome(const fs::path& path) {
    const ledger::Settings s = readSettings(ProfileStore(path.string()));
    const ledger::Settings d;
    std::vector<std::string> changed;
    const auto note = [&](const char* key, auto value, auto builtIn) {
        if (value != builtIn) {
            std::ostringstream v;
            v << key << "=" << value;
            changed.push_back(v.str());
        }
    };
    note("FormHeight", s.formHeight, d.formHeight);
    note("FormWidth", s.formWidth, d.formWidth);
    note("ListHeight", s.listHeight, d.listHeight);
    note("ListWidth", s.listWidth, d.listWidth);
    note("FontName", s.fontName.size() > 20 ? s.fontName.substr(0, 20) + "..." : s.fontName, d.fontName);
    note("FontSize", s.fontSize, d.fontSize);
    note("FontBold", s.fontBold, d.fontBold);
    note("FontItalic", s.fontItalic, d.fontItalic);
    note("Messages", s.messages, d.messages);
    note("TextColor", s.textColor, d.textColor);
    note("BackColor", s.backColor, d.backColor);
    note("Backups", s.backups, d.backups);
    return changed.empty() ? "defaults" : joined(changed);
}

std::string bagOutcome([[maybe_unused]] const fs::path& path) {
#ifdef VX_WITH_OLE
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const ole::BagReadResult r = ole::PropertyBag::load(QByteArray::fromStdString(bytes));
    if (!r.ok) {
        EXPECT_TRUE(r.bag.names().isEmpty()) << path;
        return "not a property bag";
    }
    std::vector<std::string> parts;
    for (const QString& p : r.problems)
        parts.push_back(p.toStdString());
    return joined(parts) + "; kept: " + r.bag.names().join(QLatin1Char(' ')).toStdString();
#else
    return {};
#endif
}

// The manifest's escapes, and the path placeholder.
std::string unescape(const std::string& text, const fs::path& path) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
            out += text[++i] == 'r' ? '\r' : '\n';
        } else if (text.compare(i, 2, "%s") == 0) {
            out += path.string();
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string escape(std::string text, const fs::path& path) {
    for (std::size_t at; (at = text.find(path.string())) != std::string::npos;)
        text.replace(at, path.string().size(), "%s");
    std::string out;
    for (char c : text)
        out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

struct Row {
    std::string file, kind, expected;
};

std::vector<Row> manifest() {
    std::vector<Row> rows;
    std::ifstream in(corpusDir() / "MANIFEST.tsv");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        Row row;
        std::getline(fields, row.file, '\t');
        std::getline(fields, row.kind, '\t');
        std::getline(fields, row.expected);
        rows.push_back(row);
    }
    return rows;
}

std::string outcome(const std::string& kind, const fs::path& path) {
    if (kind == "book")
        return bookOutcome(path);
    if (kind == "codes")
        return codesOutcome(path);
    if (kind == "settings")
        return settingsOutcome(path);
    if (kind == "bag")
        return bagOutcome(path);
    ADD_FAILURE() << "unknown kind " << kind;
    return {};
}

TEST(BadFiles, EachGivesItsExpectedOutcome) {
    const std::vector<Row> rows = manifest();
    ASSERT_GE(rows.size(), 50u);
    const bool dump = std::getenv("VX_BADFILES_DUMP") != nullptr;
    for (const Row& row : rows) {
        const fs::path path = corpusDir() / row.file;
#ifndef VX_WITH_OLE
        if (row.kind == "bag")
            continue;
#endif
        const std::string got = outcome(row.kind, path);
        if (dump)
            std::printf("%s\t%s\t%s\n", row.file.c_str(), row.kind.c_str(), escape(got, path).c_str());
        else
            EXPECT_EQ(got, unescape(row.expected, path)) << row.file;
    }
}

TEST(BadFiles, EveryFileIsInTheTable) {
    std::set<std::string> listed;
    for (const Row& row : manifest())
        listed.insert(row.file);
    for (const auto& e : fs::directory_iterator(corpusDir())) {
        const std::string name = e.path().filename().string();
        if (name != "MANIFEST.tsv" && name != "make-badfiles.py") {
            EXPECT_TRUE(listed.count(name)) << name << " has no row in MANIFEST.tsv";
        }
    }
}

} // namespace
