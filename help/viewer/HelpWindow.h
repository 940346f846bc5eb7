#pragma once

#include "help/core/HelpFile.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace help {

// The help viewer: Contents, Index and Search tabs beside the topic, with Back and links. It shows
// one help file at a time, or its own "Using Help" file.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Loads a help file unless it is the one shown already; false, with the reason in the
    // topic pane and in loadError(), when it cannot be used.
    bool open(const QString& path);
    const QString& filePath() const { return path_; }
    const QString& loadError() const { return error_; }

    // false (and a note in the topic pane) when the file holds no such topic.
    bool showContext(std::int32_t context);
    void showContents();
    // The Index tab with the key typed in and the first keyword it begins chosen.
    void showIndex(const QString& key);
    void showUsingHelp();
    // Back to the topic shown before; false when there is none.
    bool back();

    // What is shown: the topic's context (0 for none) and whether it is from the viewer's own help.
    std::int32_t currentContext() const { return current_ ? current_->context : 0; }
    bool showingUsingHelp() const { return current_ && shownDoc_ == &own_; }

    QTabWidget* tabs = nullptr;           // "helpTabs"
    QTreeWidget* contentsTree = nullptr;  // "helpContents"
    QLineEdit* indexKey = nullptr;        // "helpIndexKey"
    QListWidget* indexList = nullptr;     // "helpIndexList"
    QPushButton* indexShow = nullptr;     // "helpIndexShow"
    QLineEdit* searchWords = nullptr;     // "helpSearchWords"
    QPushButton* searchButton = nullptr;  // "helpSearchButton"
    QListWidget* searchResults = nullptr; // "helpSearchResults"
    QTextBrowser* topicView = nullptr;    // "helpTopic"
    QPushButton* backButton = nullptr;    // "helpBack"
    QPushButton* contentsButton = nullptr; // "helpContentsButton"
    QPushButton* helpButton = nullptr;    // "helpUsingHelp"

private:
    struct Place {
        const HelpFile* doc;
        std::int32_t context;
    };

    void createControls();
    void setDocument(const HelpFile* doc);
    void fillContents(QTreeWidgetItem* parent, const std::vector<ContentsEntry>& entries);
    void fillIndex(const QString& key);
    void runSearch();
    void showIndexChoice();
    bool display(const HelpFile* doc, std::int32_t context, bool remember);
    void showNote(const QString& text);
    void updateCaption();

    HelpFile own_; // the viewer's own help
    std::optional<HelpFile> file_;
    const HelpFile* doc_ = nullptr; // the file whose tabs and topic are shown
    const Topic* current_ = nullptr; // the topic in the pane, from shownDoc_
    const HelpFile* shownDoc_ = nullptr;
    QString path_;
    QString error_;
    std::vector<Place> history_;
};

// The viewer's own help topics, in the help-file format.
extern const char* const kUsingHelpText;

} // namespace help
