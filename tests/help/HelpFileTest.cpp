// The help-file reader: what a good file gives, and the exact line and reason for each damage.
#include "help/core/HelpFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <fstream>
#include <string>

namespace {

using help::BlockKind;
using help::parseHelp;

const std::string kGood = R"(.help 1
.title Sample Help
.main 100
.# a comment line
.topic 100 Contents
.keywords contents; overview
Start here: {Cheques|200} or {the \{braces\}|300}.

.topic 200 Writing cheques
.keywords cheque; CHEQUE number; contents
== Steps
- Click New.
  Then type the date.
- Save.
A paragraph
on two lines.

..dot at the start

.topic 300 Braces {and} such
Caf)"
                          "\xE9"
                          R"( menu.

.contents
.book Basics
.page 100
.book Deeper
.page 300 Own caption
.end
.end
.page 200
)";

TEST(HelpFileGood, TopicsBodyLinksAndContents) {
    const help::HelpLoad load = parseHelp(kGood);
    ASSERT_TRUE(load.file) << load.error;
    const help::HelpFile& f = *load.file;
    EXPECT_EQ(f.title(), "Sample Help");
    EXPECT_EQ(f.mainTopic(), 100);
    EXPECT_EQ(f.topic(0), f.topic(100)); // the contents command
    EXPECT_EQ(f.topic(999), nullptr);
    EXPECT_EQ(f.topic(300)->title, "Braces {and} such");

    const help::Topic& contents = *f.topic(100);
    ASSERT_EQ(contents.body.size(), 1u);
    const std::vector<help::Span> spans = {{"Start here: ", std::nullopt}, {"Cheques", 200}, {" or ", std::nullopt},
                                           {"the {braces}", 300}, {".", std::nullopt}};
    EXPECT_EQ(contents.body[0].spans, spans);

    const help::Topic& cheques = *f.topic(200);
    ASSERT_EQ(cheques.body.size(), 5u);
    EXPECT_EQ(cheques.body[0].kind, BlockKind::Heading);
    EXPECT_EQ(cheques.body[1].kind, BlockKind::Bullet);
    EXPECT_EQ(cheques.body[1].spans[0].text, "Click New. Then type the date."); // indented line continues
    EXPECT_EQ(cheques.body[3].spans[0].text, "A paragraph on two lines.");
    EXPECT_EQ(cheques.body[4].spans[0].text, ".dot at the start");
    EXPECT_EQ(f.topic(300)->body[0].spans[0].text, "Caf\xC3\xA9 menu."); // Windows-1252 read as such

    const std::vector<help::ContentsEntry> tree = {
        {"Basics", std::nullopt, {{"Contents", 100, {}}, {"Deeper", std::nullopt, {{"Own caption", 300, {}}}}}},
        {"Writing cheques", 200, {}}};
    EXPECT_EQ(f.contents(), tree);
}

TEST(HelpFileGood, IndexPartialKeysAndSearch) {
    const help::HelpLoad load = parseHelp(kGood);
    ASSERT_TRUE(load.file);
    const help::HelpFile& f = *load.file;
    // "cheque" and "CHEQUE number" differ; "contents" is one keyword of two topics.
    ASSERT_EQ(f.index().size(), 4u);
    EXPECT_EQ(f.index()[0].keyword, "cheque");
    EXPECT_EQ(f.index()[2].keyword, "contents");
    EXPECT_EQ(f.index()[2].contexts, (std::vector<std::int32_t>{100, 200}));
    EXPECT_EQ(f.matchKeywords("").size(), 4u); // the empty key: the whole index
    ASSERT_EQ(f.matchKeywords("CHE").size(), 2u);
    EXPECT_EQ(f.matchKeywords("  cheque n")[0]->keyword, "CHEQUE number");
    EXPECT_TRUE(f.matchKeywords("x").empty());

    EXPECT_EQ(f.search("cheq"), (std::vector<std::int32_t>{200, 100})); // title words weigh more
    EXPECT_EQ(f.search("click SAVE"), (std::vector<std::int32_t>{200}));
    EXPECT_TRUE(f.search("click braces").empty()); // every word, in one topic
    EXPECT_TRUE(f.search(" ,; ").empty());
}

TEST(HelpFileGood, HtmlEscapesAndLinks) {
    const help::HelpLoad load = parseHelp(".help 1\n.topic 5 A <b> & \"c\"\n- one {two|5}\n- three\nafter\n");
    ASSERT_TRUE(load.file) << load.error;
    EXPECT_EQ(help::topicHtml(*load.file->topic(5)),
              "<h2>A &lt;b&gt; &amp; &quot;c&quot;</h2>\n<ul>\n<li>one <a href=\"topic:5\">two</a></li>\n"
              "<li>three</li>\n</ul>\n<p>after</p>\n");
    // Without a contents section the topics are the contents, in file order; the first is the main one.
    EXPECT_EQ(load.file->mainTopic(), 5);
    EXPECT_EQ(load.file->contents().size(), 1u);
}

struct Damage {
    const char* name;
    std::string text;
    int line;
    const char* error;
};

class HelpFileDamaged : public testing::TestWithParam<Damage> {};

TEST_P(HelpFileDamaged, RefusedWithTheLineAndReason) {
    const help::HelpLoad load = parseHelp(GetParam().text);
    EXPECT_FALSE(load.file);
    EXPECT_EQ(load.line, GetParam().line);
    EXPECT_EQ(load.error, GetParam().error);
}

const std::string kTopic = ".help 1\n.topic 1 One\n";

INSTANTIATE_TEST_SUITE_P(
    Table, HelpFileDamaged,
    testing::Values(
        Damage{"Empty", "", 1, "line 1: the file is empty"},
        Damage{"NotAHelpFile", "LGN\x01\x02", 1, "line 1: not a help file (the first line must be \".help 1\")"},
        Damage{"LaterVersion", ".help 2\n", 1, "line 1: help file version \"2\" is not supported"},
        Damage{"NoTopics", ".help 1\r\n.title T\r\n", 0, "the file holds no topics"},
        Damage{"UnknownDirective", kTopic + ".topc 2 Two\n", 3, "line 3: unknown directive \".topc\""},
        Damage{"TextBeforeTopic", ".help 1\nstray\n", 2, "line 2: text outside a topic"},
        Damage{"ContextNotNumber", ".help 1\n.topic 1x T\n", 2,
               "line 2: topic \"1x\" is not a context number from 1 to 2147483647"},
        Damage{"ContextZero", ".help 1\n.topic 0 T\n", 2,
               "line 2: topic \"0\" is not a context number from 1 to 2147483647"},
        Damage{"ContextTooLarge", ".help 1\n.topic 2147483648 T\n", 2,
               "line 2: topic \"2147483648\" is not a context number from 1 to 2147483647"},
        Damage{"TopicWithoutTitle", ".help 1\n.topic 7\n", 2, "line 2: topic 7 has no title"},
        Damage{"DuplicateTopic", kTopic + "x\n.topic 1 Again\n", 4, "line 4: topic 1 is defined twice (first on line 2)"},
        Damage{"LinkUnclosed", kTopic + "see {One|1\n", 3, "line 3: a link without its closing \"}\""},
        Damage{"LinkWithoutTarget", kTopic + "see {One}\n", 3,
               "line 3: link \"One\" names no topic (write {text|context})"},
        Damage{"LinkEmptyText", kTopic + "see {|1}\n", 3, "line 3: a link without text"},
        Damage{"LinkToMissingTopic", kTopic + "a\nsee {Two|2}\n", 4,
               "line 4: a link to topic 2, which the file does not hold"},
        Damage{"LinkInLink", kTopic + "{a {b|1}|1}\n", 3, "line 3: a link inside a link"},
        Damage{"StrayBrace", kTopic + "a } b\n", 3, "line 3: \"}\" without \"{\""},
        Damage{"TrailingBackslash", kTopic + "a \\\n", 3, "line 3: a backslash at the end of a line"},
        Damage{"NulByte", kTopic + std::string("a\0b\n", 4), 3, "line 3: a NUL character: this is not a text file"},
        Damage{"KeywordsOutsideTopic", ".help 1\n.keywords a\n", 2, "line 2: \".keywords\" outside a topic"},
        Damage{"PageOutsideContents", kTopic + ".page 1\n", 3, "line 3: \".page\" outside the \".contents\" section"},
        Damage{"PageToMissingTopic", kTopic + ".contents\n.page 9\n", 4,
               "line 4: a page of the contents names topic 9, which the file does not hold"},
        Damage{"BookNotEnded", kTopic + ".contents\n.book B\n.page 1\n", 4, "line 4: book \"B\" has no \".end\""},
        Damage{"EndWithoutBook", kTopic + ".contents\n.end\n", 4, "line 4: \".end\" without a \".book\""},
        Damage{"TextInContents", kTopic + ".contents\nhello\n", 4, "line 4: text in the \".contents\" section"},
        Damage{"SecondContents", kTopic + ".contents\n.contents\n", 4, "line 4: a second \".contents\" section"},
        Damage{"MainToMissingTopic", ".help 1\n.main 4\n.topic 1 One\n", 2,
               "line 2: \".main\" names topic 4, which the file does not hold"},
        Damage{"TitleAfterTopic", kTopic + ".title Late\n", 3, "line 3: \".title\" belongs before the first topic"}),
    [](const testing::TestParamInfo<Damage>& row) { return std::string(row.param.name); });

TEST(HelpFileDisk, MissingFileIsAnErrorNotACrash) {
    const help::HelpLoad load = help::readHelpFile("/nonexistent/ledgrn32.hlp");
    EXPECT_FALSE(load.file);
    EXPECT_EQ(load.line, 0);
    EXPECT_FALSE(load.error.empty());
}

// The help files that ship with the programs read cleanly, and every topic is reachable from
// the contents or the index.
class ShippedHelpFile : public testing::TestWithParam<const char*> {};

TEST_P(ShippedHelpFile, ReadsAndEveryTopicIsReachable) {
    const char* source = std::getenv("VX_SOURCE_DIR");
    const std::string dir = source ? source : LEDGER_SOURCE_DIR;
    const help::HelpLoad load = help::readHelpFile(dir + "/help/" + GetParam());
    ASSERT_TRUE(load.file) << load.error;
    std::vector<std::int32_t> reachable;
    const std::function<void(const std::vector<help::ContentsEntry>&)> walk = [&](const auto& entries) {
        for (const help::ContentsEntry& e : entries) {
            if (e.context)
                reachable.push_back(*e.context);
            walk(e.children);
        }
    };
    walk(load.file->contents());
    for (const help::IndexEntry& e : load.file->index())
        reachable.insert(reachable.end(), e.contexts.begin(), e.contexts.end());
    for (const help::Topic& t : load.file->topics()) {
        EXPECT_NE(std::find(reachable.begin(), reachable.end(), t.context), reachable.end())
            << "topic " << t.context << " " << t.title;
        EXPECT_FALSE(t.body.empty()) << "topic " << t.context << " has no text";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedHelpFile, testing::Values("ledgrn32.hlp", "abacon32.hlp"),
                         [](const auto& row) { return std::string(row.param).substr(0, 8); });

} // namespace
