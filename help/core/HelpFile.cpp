#include "help/core/HelpFile.h"

#include "runtime/Cp1252.h"
#include "runtime/FileIo.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

namespace help {

namespace {

constexpr std::string_view kHeader = ".help";

// Thrown inside the parser, turned into HelpLoad at its edge.
struct ParseError : std::runtime_error {
    ParseError(int at, const std::string& what) : std::runtime_error(what), line(at) {}
    int line;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

// Shown in messages: the text as it stands, shortened so that one message stays one line.
std::string inQuotes(std::string_view s) {
    std::string out = "\"";
    out += s.substr(0, 40);
    if (s.size() > 40)
        out += "...";
    return out + "\"";
}

std::optional<std::int32_t> contextNumber(std::string_view s) {
    if (s.empty() || s.size() > 10 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(s.data(), s.data() + s.size(), value);
    if (value < 1 || value > kMaxContext)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// A directive's name and the rest of its line.
std::pair<std::string_view, std::string_view> splitWord(std::string_view s) {
    s = trim(s);
    std::size_t end = 0;
    while (end < s.size() && !isBlank(s[end]))
        ++end;
    return {s.substr(0, end), trim(s.substr(end))};
}

} // namespace

struct Parser {
    HelpFile file;
    std::map<std::int32_t, std::size_t> byContext;
    std::vector<std::pair<std::int32_t, int>> links; // target, line
    std::vector<std::pair<std::int32_t, int>> pages; // target, line
    std::vector<std::pair<ContentsEntry*, int>> openBooks;
    bool haveContents = false;
    bool inContents = false;
    std::optional<std::int32_t> main;
    int mainLine = 0;
    Topic* topic = nullptr;
    Block* block = nullptr; // the block that a following text line continues

    int lineNo = 0;

    [[noreturn]] void fail(const std::string& what) const { throw ParseError(lineNo, what); }

    std::int32_t number(std::string_view s, const char* what) const {
        const auto n = contextNumber(s);
        if (!n)
            fail(std::string(what) + " " + inQuotes(s) + " is not a context number from 1 to 2147483647");
        return *n;
    }

    void directive(std::string_view line) {
        const auto [name, rest] = splitWord(line);
        block = nullptr;
        if (name == ".#")
            return;
        if (name == ".title") {
            if (topic || inContents)
                fail("\".title\" belongs before the first topic");
            file.title_ = runtime::cp1252ToUtf8(rest);
        } else if (name == ".main") {
            if (main)
                fail("a second \".main\"");
            main = number(rest, "main topic");
            mainLine = lineNo;
        } else if (name == ".topic") {
            inContents = false;
            const auto [num, title] = splitWord(rest);
            const std::int32_t context = number(num, "topic");
            if (title.empty())
                fail("topic " + std::string(num) + " has no title");
            if (byContext.count(context))
                fail("topic " + std::to_string(context) + " is defined twice (first on line " +
                     std::to_string(file.topics_[byContext[context]].line) + ")");
            byContext[context] = file.topics_.size();
            Topic t;
            t.context = context;
            t.title = runtime::cp1252ToUtf8(title);
            t.line = lineNo;
            file.topics_.push_back(std::move(t));
            topic = &file.topics_.back();
        } else if (name == ".keywords") {
            if (!topic || inContents)
                fail("\".keywords\" outside a topic");
            std::string_view list = rest;
            while (!list.empty()) {
                const std::size_t semi = list.find(';');
                const std::string_view word = trim(list.substr(0, semi));
                if (!word.empty())
                    topic->keywords.push_back(runtime::cp1252ToUtf8(word));
                list = semi == std::string_view::npos ? std::string_view() : list.substr(semi + 1);
            }
        } else if (name == ".contents") {
            if (haveContents)
                fail("a second \".contents\" section");
            haveContents = inContents = true;
            topic = nullptr;
        } else if (name == ".book" || name == ".page" || name == ".end") {
            if (!inContents)
                fail(inQuotes(name) + " outside the \".contents\" section");
            std::vector<ContentsEntry>& level =
                openBooks.empty() ? file.contents_ : openBooks.back().first->children;
            if (name == ".end") {
                if (openBooks.empty())
                    fail("\".end\" without a \".book\"");
                openBooks.pop_back();
            } else if (name == ".book") {
                if (rest.empty())
                    fail("a book without a title");
                if (openBooks.size() >= 16)
                    fail("books nested deeper than 16 levels");
                level.push_back(ContentsEntry{runtime::cp1252ToUtf8(rest), std::nullopt, {}});
                openBooks.emplace_back(&level.back(), lineNo);
            } else {
                const auto [num, title] = splitWord(rest);
                const std::int32_t context = number(num, "page");
                level.push_back(ContentsEntry{runtime::cp1252ToUtf8(title), context, {}});
                pages.emplace_back(context, lineNo);
            }
        } else {
            fail("unknown directive " + inQuotes(name));
        }
    }

    // Body text: "- " starts a bullet, "== " a heading, an indented line continues the block before.
    void text(std::string_view raw) {
        if (inContents)
            fail("text in the \".contents\" section");
        if (!topic)
            fail("text outside a topic");
        std::string_view line = trim(raw);
        const bool indented = !raw.empty() && isBlank(raw.front());
        BlockKind kind = BlockKind::Paragraph;
        if (line.starts_with("- ") || line == "-") {
            kind = BlockKind::Bullet;
            line = trim(line.substr(1));
        } else if (line.starts_with("== ")) {
            kind = BlockKind::Heading;
            line = trim(line.substr(2));
        } else if (line.starts_with("..")) {
            line.remove_prefix(1); // a body line that begins with a dot
        }
        const bool continues = block && kind == BlockKind::Paragraph && block->kind != BlockKind::Heading &&
                               (block->kind == BlockKind::Paragraph || indented);
        if (!continues) {
            topic->body.push_back(Block{kind, {}});
            block = &topic->body.back();
        } else if (!block->spans.empty()) {
            appendText(" ");
        }
        spans(line);
        if (kind == BlockKind::Heading)
            block = nullptr;
    }

    void appendText(std::string_view s) {
        if (block->spans.empty() || block->spans.back().link)
            block->spans.push_back(Span{});
        block->spans.back().text += runtime::cp1252ToUtf8(s);
    }

    // "{text|context}" is a link; a backslash takes the next character as it stands.
    void spans(std::string_view line) {
        std::string plain;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '\\') {
                if (i + 1 == line.size())
                    fail("a backslash at the end of a line");
                plain += line[++i];
            } else if (c == '}') {
                fail("\"}\" without \"{\"");
            } else if (c == '{') {
                std::size_t close = i + 1;
                std::string inner;
                for (; close < line.size() && line[close] != '}'; ++close) {
                    if (line[close] == '{')
                        fail("a link inside a link");
                    if (line[close] == '\\' && close + 1 < line.size())
                        ++close;
                    inner += line[close];
                }
                if (close >= line.size())
                    fail("a link without its closing \"}\"");
                const std::size_t bar = inner.rfind('|');
                if (bar == std::string::npos)
                    fail("link " + inQuotes(inner) + " names no topic (write {text|context})");
                const std::string_view label = trim(std::string_view(inner).substr(0, bar));
                if (label.empty())
                    fail("a link without text");
                const std::int32_t target = number(trim(std::string_view(inner).substr(bar + 1)), "link to");
                if (!plain.empty())
                    appendText(std::exchange(plain, {}));
                block->spans.push_back(Span{runtime::cp1252ToUtf8(label), target});
                links.emplace_back(target, lineNo);
                i = close;
            } else {
                plain += c;
            }
        }
        if (!plain.empty())
            appendText(plain);
    }

    void line(std::string_view raw) {
        ++lineNo;
        if (raw.find('\0') != std::string_view::npos)
            fail("a NUL character: this is not a text file");
        if (lineNo == 1) {
            const auto [name, version] = splitWord(raw);
            if (name != kHeader)
                fail("not a help file (the first line must be \".help 1\")");
            if (version != "1")
                fail("help file version " + inQuotes(version) + " is not supported");
            return;
        }
        const std::string_view t = trim(raw);
        if (t.empty()) {
            block = nullptr;
            return;
        }
        if (raw.front() == '.' && !raw.starts_with(".."))
            directive(raw);
        else
            text(raw);
    }

    void finish() {
        if (!openBooks.empty()) {
            lineNo = openBooks.back().second;
            fail("book " + inQuotes(openBooks.back().first->title) + " has no \".end\"");
        }
        if (file.topics_.empty()) {
            lineNo = 0;
            fail("the file holds no topics");
        }
        const auto known = [this](const std::pair<std::int32_t, int>& ref, const char* what) {
            if (!byContext.count(ref.first)) {
                lineNo = ref.second;
                fail(std::string(what) + " topic " + std::to_string(ref.first) + ", which the file does not hold");
            }
        };
        for (const auto& link : links)
            known(link, "a link to");
        for (const auto& page : pages)
            known(page, "a page of the contents names");
        if (main)
            known({*main, mainLine}, "\".main\" names");
        file.main_ = main ? *main : file.topics_.front().context;
        if (!haveContents || file.contents_.empty())
            for (const Topic& t : file.topics_)
                file.contents_.push_back(ContentsEntry{t.title, t.context, {}});
        fillTitles(file.contents_);
        buildIndex();
    }

    // A page without its own title shows its topic's.
    void fillTitles(std::vector<ContentsEntry>& entries) {
        for (ContentsEntry& e : entries) {
            if (e.context && e.title.empty())
                e.title = file.topics_[byContext[*e.context]].title;
            fillTitles(e.children);
        }
    }

    void buildIndex() {
        std::map<std::string, IndexEntry> keywords; // by lower-case key
        for (const Topic& t : file.topics_) {
            for (const std::string& k : t.keywords) {
                IndexEntry& entry = keywords[lowered(k)];
                if (entry.keyword.empty())
                    entry.keyword = k;
                if (std::find(entry.contexts.begin(), entry.contexts.end(), t.context) == entry.contexts.end())
                    entry.contexts.push_back(t.context);
            }
            std::vector<std::string> words = searchWords(t.title);
            file.titleWords_.push_back(words.size());
            for (const std::string& k : t.keywords)
                for (std::string& w : searchWords(k))
                    words.push_back(std::move(w));
            for (const Block& b : t.body)
                for (const Span& s : b.spans)
                    for (std::string& w : searchWords(s.text))
                        words.push_back(std::move(w));
            file.words_.push_back(std::move(words));
        }
        for (auto& [key, entry] : keywords)
            file.index_.push_back(std::move(entry));
    }
};

const Topic* HelpFile::topic(std::int32_t context) const {
    if (context == 0)
        context = main_;
    for (const Topic& t : topics_)
        if (t.context == context)
            return &t;
    return nullptr;
}

std::vector<const IndexEntry*> HelpFile::matchKeywords(std::string_view key) const {
    const std::string k = lowered(trim(key));
    std::vector<const IndexEntry*> out;
    for (const IndexEntry& e : index_)
        if (lowered(e.keyword).starts_with(k))
            out.push_back(&e);
    return out;
}

std::vector<std::int32_t> HelpFile::search(std::string_view query) const {
    const std::vector<std::string> wanted = searchWords(query);
    std::vector<std::pair<int, std::size_t>> hits; // score, topic
    if (wanted.empty())
        return {};
    for (std::size_t t = 0; t < topics_.size(); ++t) {
        int score = 0;
        bool all = true;
        for (const std::string& w : wanted) {
            int found = 0;
            for (std::size_t i = 0; i < words_[t].size(); ++i)
                if (words_[t][i].starts_with(w))
                    found += i < titleWords_[t] ? 3 : 1;
            all = all && found > 0;
            score += found;
        }
        if (all)
            hits.emplace_back(score, t);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::int32_t> out;
    for (const auto& [score, t] : hits)
        out.push_back(topics_[t].context);
    return out;
}

std::vector<std::string> searchWords(std::string_view text) {
    std::vector<std::string> out;
    std::string word;
    // Bytes of 0x80 and above belong to letters written in UTF-8, so they stay inside words.
    const auto wordChar = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
    };
    for (const char c : text) {
        if (wordChar(c)) {
            word += lower(c);
        } else if (!word.empty()) {
            out.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        out.push_back(std::move(word));
    return out;
}

HelpLoad parseHelp(std::string_view bytes) {
    Parser p;
    try {
        std::size_t start = 0;
        while (start < bytes.size()) {
            const std::size_t end = bytes.find('\n', start);
            p.line(bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
            start = end == std::string_view::npos ? bytes.size() : end + 1;
        }
        if (p.lineNo == 0) {
            p.lineNo = 1;
            p.fail("the file is empty");
        }
        p.finish();
    } catch (const ParseError& e) {
        HelpLoad load;
        load.line = e.line;
        load.error = e.line > 0 ? "line " + std::to_string(e.line) + ": " + e.what() : e.what();
        return load;
    }
    HelpLoad load;
    load.file = std::move(p.file);
    return load;
}

HelpLoad readHelpFile(const std::filesystem::path& path) {
    std::string bytes;
    try {
        bytes = runtime::readWholeFile(path, kMaxHelpFileSize);
    } catch (const runtime::RuntimeError& e) {
        HelpLoad load;
        load.error = e.number() == 7 ? "the file is larger than 8 MB" : e.what();
        return load;
    }
    return parseHelp(bytes);
}

std::string topicHtml(const Topic& topic) {
    const auto escaped = [](std::string_view s) {
        std::string out;
        for (const char c : s) {
            switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
            }
        }
        return out;
    };
    std::string html = "<h2>" + escaped(topic.title) + "</h2>\n";
    bool inList = false;
    for (const Block& b : topic.body) {
        if (b.kind == BlockKind::Bullet && !inList)
            html += "<ul>\n";
        if (b.kind != BlockKind::Bullet && inList)
            html += "</ul>\n";
        inList = b.kind == BlockKind::Bullet;
        html += b.kind == BlockKind::Bullet ? "<li>" : b.kind == BlockKind::Heading ? "<h3>" : "<p>";
        for (const Span& s : b.spans) {
            if (s.link)
                html += "<a href=\"topic:" + std::to_string(*s.link) + "\">" + escaped(s.text) + "</a>";
            else
                html += escaped(s.text);
        }
        html += b.kind == BlockKind::Bullet ? "</li>\n" : b.kind == BlockKind::Heading ? "</h3>\n" : "</p>\n";
    }
    if (inList)
        html += "</ul>\n";
    return html;
}

} // namespace help
