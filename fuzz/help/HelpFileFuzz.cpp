// Any bytes given to the help-file reader either load whole, with every link, page and main topic
// pointing at a topic the file holds, or load nothing with a message; what loads renders, indexes
// and searches without fault.
#include "help/core/HelpFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

void walk(const help::HelpFile& file, const std::vector<help::ContentsEntry>& entries) {
    for (const help::ContentsEntry& e : entries) {
        check(!e.context || file.topic(*e.context) != nullptr);
        walk(file, e.children);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const help::HelpLoad load = help::parseHelp(bytes);
    check(load.file.has_value() == load.error.empty());
    if (!load.file)
        return 0;
    const help::HelpFile& file = *load.file;
    check(file.topic(0) != nullptr && file.topic(file.mainTopic()) != nullptr);
    for (const help::Topic& t : file.topics()) {
        check(file.topic(t.context) == &t);
        for (const help::Block& b : t.body)
            for (const help::Span& s : b.spans)
                check(!s.link || file.topic(*s.link) != nullptr);
        (void)help::topicHtml(t);
        if (!t.title.empty())
            check(!file.search(t.title).empty() || help::searchWords(t.title).empty());
    }
    walk(file, file.contents());
    check(file.matchKeywords("").size() == file.index().size());
    for (const help::IndexEntry& e : file.index())
        check(!file.matchKeywords(e.keyword).empty());
    (void)file.search(bytes.substr(0, 64));
    return 0;
}
