#pragma once

// The help files of the suite: plain Windows-1252 text, topics keyed by context number, a keyword
// index, a contents tree and links between topics (docs/help-format.md). The reader refuses a
// damaged file as a whole, with the number of the line at fault, and never half-loads one.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace help {

// Larger files are refused rather than read: a help file is a few hundred kilobytes.
inline constexpr std::uintmax_t kMaxHelpFileSize = 8u * 1024u * 1024u;
// Context numbers are positive; 0 asks for the contents, as the help call does.
inline constexpr std::int32_t kMaxContext = 2'147'483'647;

// A run of body text; a link when `link` names a topic.
struct Span {
    std::string text; // UTF-8
    std::optional<std::int32_t> link;
    bool operator==(const Span&) const = default;
};

enum class BlockKind { Paragraph, Bullet, Heading };

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    std::vector<Span> spans;
    bool operator==(const Block&) const = default;
};

struct Topic {
    std::int32_t context = 0;
    std::string title; // UTF-8
    std::vector<std::string> keywords;
    std::vector<Block> body;
    int line = 0; // where its ".topic" line stands
};

// A book (no context, children) or a page (a topic's context, no children).
struct ContentsEntry {
    std::string title;
    std::optional<std::int32_t> context;
    std::vector<ContentsEntry> children;
    bool operator==(const ContentsEntry&) const = default;
};

struct IndexEntry {
    std::string keyword;
    std::vector<std::int32_t> contexts; // in file order, each once
};

class HelpFile {
public:
    const std::string& title() const { return title_; }
    // The topic the contents command opens.
    std::int32_t mainTopic() const { return main_; }
    const std::vector<Topic>& topics() const { return topics_; }
    // The topic with that context number; 0 gives the main topic.
    const Topic* topic(std::int32_t context) const;
    // The contents tree; a file without one lists its topics in file order.
    const std::vector<ContentsEntry>& contents() const { return contents_; }
    // Every keyword once, sorted without regard to case.
    const std::vector<IndexEntry>& index() const { return index_; }
    // The keywords that begin with key, ignoring case (every keyword for an empty key).
    std::vector<const IndexEntry*> matchKeywords(std::string_view key) const;
    // The topics in whose title, keywords or text every word of the query begins a word, the most
    // mentions first (a word of the title counts three times), ties in file order.
    std::vector<std::int32_t> search(std::string_view query) const;

private:
    friend struct Parser;
    std::string title_;
    std::int32_t main_ = 0;
    std::vector<Topic> topics_;
    std::vector<ContentsEntry> contents_;
    std::vector<IndexEntry> index_;
    std::vector<std::vector<std::string>> words_; // per topic: the lower-case words of title, keywords, text
    std::vector<std::size_t> titleWords_;         // per topic: how many of its words come from the title
};

struct HelpLoad {
    std::optional<HelpFile> file; // set exactly when error is empty
    std::string error;            // "line 12: unknown directive \".topc\""
    int line = 0;                 // the line at fault, 0 when the file as a whole is
};

// Reads the bytes of a help file.
HelpLoad parseHelp(std::string_view bytes);
// Reads a help file from disk; a missing, unreadable or oversized file is an error too.
HelpLoad readHelpFile(const std::filesystem::path& path);

// The topic as an HTML fragment (UTF-8); links point to "topic:<context>".
std::string topicHtml(const Topic& topic);

// Words of a text as search compares them: runs of letters and digits, ASCII letters lowered.
std::vector<std::string> searchWords(std::string_view text);

} // namespace help
