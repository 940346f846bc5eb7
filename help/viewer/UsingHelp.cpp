// The viewer's own help, shown by "Using Help". Written in the help-file format, so the one reader
// serves both.
#include "help/viewer/HelpWindow.h"

namespace help {

const char* const kUsingHelpText = R"(.help 1
.title Using Help
.main 1

.topic 1 Using Help
.keywords using help; help, how to use
The help window shows one topic at a time on the right. On the left are three tabs that lead to
the other topics:
- {Contents|2}: the topics arranged like the chapters of a book.
- {Index|3}: the keywords of the topics in alphabetical order.
- {Search|4}: every topic that holds the words you type.
Underlined words in a topic are links: click one to go to the topic it names. {Back|5} returns to
the topic you saw before.

.topic 2 The Contents tab
.keywords contents; books and pages
Click a book to open or close it. Click a page to show its topic. The Contents button above the
tabs brings back the first topic of the help file together with this tab.

.topic 3 The Index tab
.keywords index; keywords
Type the first few letters of the word you are looking for. The list moves to the first keyword
that begins with them. Double-click a keyword, or press Enter, or click Display, to show its topic.
A keyword that belongs to several topics is listed once for each, followed by the topic's title.

.topic 4 The Search tab
.keywords search; find; full-text search
Type one or more words and press Enter or click Find. The list shows every topic that contains all
of the words (a word also matches the longer words that begin with it), the topics that mention
them most often first. Double-click a topic to show it.

.topic 5 Going back
.keywords back; history
The Back button shows the topic you looked at before the current one. It remembers every topic you
have seen since the help file was opened, so you can go back several steps.
)";

} // namespace help
