#include "help/viewer/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

namespace help {

namespace {

constexpr int kContextRole = Qt::UserRole;

QString u8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString escaped(const QString& s) { return s.toHtmlEscaped(); }

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    HelpLoad own = parseHelp(kUsingHelpText);
    if (own.file)
        own_ = std::move(*own.file);
    createControls();
    resize(760, 560);
    updateCaption();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::createControls() {
    contentsButton = new QPushButton(QStringLiteral("&Contents"), this);
    contentsButton->setObjectName(QStringLiteral("helpContentsButton"));
    backButton = new QPushButton(QStringLiteral("&Back"), this);
    backButton->setObjectName(QStringLiteral("helpBack"));
    backButton->setEnabled(false);
    helpButton = new QPushButton(QStringLiteral("&Using Help"), this);
    helpButton->setObjectName(QStringLiteral("helpUsingHelp"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(helpButton);
    buttons->addStretch(1);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("helpTabs"));

    contentsTree = new QTreeWidget;
    contentsTree->setObjectName(QStringLiteral("helpContents"));
    contentsTree->setHeaderHidden(true);
    tabs->addTab(contentsTree, QStringLiteral("Co&ntents"));

    auto* indexPage = new QWidget;
    indexKey = new QLineEdit;
    indexKey->setObjectName(QStringLiteral("helpIndexKey"));
    indexList = new QListWidget;
    indexList->setObjectName(QStringLiteral("helpIndexList"));
    indexShow = new QPushButton(QStringLiteral("&Display"));
    indexShow->setObjectName(QStringLiteral("helpIndexShow"));
    auto* indexLabel = new QLabel(QStringLiteral("&Type the first few letters of the word you're looking for:"));
    indexLabel->setWordWrap(true);
    indexLabel->setBuddy(indexKey);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(indexKey);
    indexLayout->addWidget(indexList, 1);
    indexLayout->addWidget(indexShow, 0, Qt::AlignRight);
    tabs->addTab(indexPage, QStringLiteral("&Index"));

    auto* searchPage = new QWidget;
    searchWords = new QLineEdit;
    searchWords->setObjectName(QStringLiteral("helpSearchWords"));
    searchButton = new QPushButton(QStringLiteral("&Find"));
    searchButton->setObjectName(QStringLiteral("helpSearchButton"));
    searchResults = new QListWidget;
    searchResults->setObjectName(QStringLiteral("helpSearchResults"));
    auto* searchLabel = new QLabel(QStringLiteral("&Words to find (each topic found holds them all):"));
    searchLabel->setWordWrap(true);
    searchLabel->setBuddy(searchWords);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchWords, 1);
    searchRow->addWidget(searchButton);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(searchLabel);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(searchResults, 1);
    tabs->addTab(searchPage, QStringLiteral("&Search"));

    topicView = new QTextBrowser;
    topicView->setObjectName(QStringLiteral("helpTopic"));
    topicView->setOpenLinks(false); // links name topics, which this window shows itself

    auto* split = new QSplitter(this);
    split->addWidget(tabs);
    split->addWidget(topicView);
    split->setStretchFactor(1, 1);
    split->setSizes({250, 510});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);

    connect(contentsButton, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(backButton, &QPushButton::clicked, this, &HelpWindow::back);
    connect(helpButton, &QPushButton::clicked, this, &HelpWindow::showUsingHelp);
    connect(topicView, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        bool ok = false;
        const int context = url.toString().section(QLatin1Char(':'), 1).toInt(&ok);
        if (url.scheme() == QLatin1String("topic") && ok)
            display(doc_, context, true);
    });
    connect(contentsTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QVariant context = item->data(0, kContextRole);
        if (context.isValid())
            display(doc_, context.toInt(), true);
    });
    connect(contentsTree, &QTreeWidget::itemClicked, contentsTree, &QTreeWidget::itemActivated);
    connect(indexKey, &QLineEdit::textEdited, this, &HelpWindow::fillIndex);
    connect(indexKey, &QLineEdit::returnPressed, this, &HelpWindow::showIndexChoice);
    connect(indexList, &QListWidget::itemActivated, this, &HelpWindow::showIndexChoice);
    connect(indexShow, &QPushButton::clicked, this, &HelpWindow::showIndexChoice);
    connect(searchWords, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(searchButton, &QPushButton::clicked, this, &HelpWindow::runSearch);
    connect(searchResults, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        display(doc_, item->data(kContextRole).toInt(), true);
    });
    connect(searchResults, &QListWidget::itemClicked, searchResults, &QListWidget::itemActivated);
}

bool HelpWindow::open(const QString& path) {
    if (file_ && path == path_)
        return true;
    path_ = path;
    history_.clear(); // its places point into the file shown so far
    current_ = nullptr;
    shownDoc_ = nullptr;
    backButton->setEnabled(false);
    doc_ = nullptr; // the tabs are filled anew even when the new file takes the old one's place
    HelpLoad load = readHelpFile(std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (!load.file) {
        file_.reset();
        error_ = u8(load.error);
        setDocument(nullptr);
        showNote(QStringLiteral("The help file %1 cannot be used: %2.").arg(QDir::toNativeSeparators(path), error_));
        return false;
    }
    error_.clear();
    file_ = std::move(*load.file);
    setDocument(&*file_);
    return true;
}

void HelpWindow::setDocument(const HelpFile* doc) {
    if (doc == doc_ && doc)
        return;
    doc_ = doc;
    contentsTree->clear();
    searchResults->clear();
    searchWords->clear();
    indexKey->clear();
    if (doc_)
        fillContents(nullptr, doc_->contents());
    fillIndex(QString());
    updateCaption();
}

void HelpWindow::fillContents(QTreeWidgetItem* parent, const std::vector<ContentsEntry>& entries) {
    for (const ContentsEntry& e : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contentsTree);
        item->setText(0, u8(e.title));
        if (e.context)
            item->setData(0, kContextRole, *e.context);
        fillContents(item, e.children);
    }
}

// One line per keyword with a single topic; a keyword of several topics gets a line for each,
// "keyword: topic title".
void HelpWindow::fillIndex(const QString& key) {
    indexList->clear();
    if (!doc_)
        return;
    for (const IndexEntry* e : doc_->matchKeywords(key.toStdString())) {
        for (const std::int32_t context : e->contexts) {
            QString text = u8(e->keyword);
            if (e->contexts.size() > 1)
                text += QStringLiteral(": ") + u8(doc_->topic(context)->title);
            auto* item = new QListWidgetItem(text, indexList);
            item->setData(kContextRole, context);
        }
    }
    if (indexList->count() > 0)
        indexList->setCurrentRow(0);
}

void HelpWindow::showIndexChoice() {
    if (const QListWidgetItem* item = indexList->currentItem())
        display(doc_, item->data(kContextRole).toInt(), true);
}

void HelpWindow::runSearch() {
    searchResults->clear();
    if (!doc_)
        return;
    const std::vector<std::int32_t> found = doc_->search(searchWords->text().toStdString());
    for (const std::int32_t context : found) {
        auto* item = new QListWidgetItem(u8(doc_->topic(context)->title), searchResults);
        item->setData(kContextRole, context);
    }
    if (found.empty() && !searchWords->text().trimmed().isEmpty())
        new QListWidgetItem(QStringLiteral("(no topic holds these words)"), searchResults);
    else if (!found.empty())
        searchResults->setCurrentRow(0);
}

bool HelpWindow::showContext(std::int32_t context) {
    return file_ && display(&*file_, context, true);
}

void HelpWindow::showContents() {
    if (!doc_ && file_)
        setDocument(&*file_);
    tabs->setCurrentWidget(contentsTree);
    if (doc_)
        display(doc_, doc_->mainTopic(), true);
    contentsTree->setFocus();
}

void HelpWindow::showIndex(const QString& key) {
    if (file_)
        setDocument(&*file_);
    tabs->setCurrentIndex(1);
    indexKey->setText(key);
    fillIndex(key);
    if (!current_ && file_) // a window opened on the index shows the main topic beside it
        display(&*file_, file_->mainTopic(), false);
    indexKey->setFocus();
}

void HelpWindow::showUsingHelp() {
    display(&own_, own_.mainTopic(), true);
}

bool HelpWindow::display(const HelpFile* doc, std::int32_t context, bool remember) {
    if (!doc)
        return false;
    const Topic* topic = doc->topic(context);
    if (!topic) {
        showNote(QStringLiteral("Topic %1 is not in this help file.").arg(context));
        return false;
    }
    if (remember && current_ && current_ != topic) {
        history_.push_back(Place{shownDoc_, current_->context});
        backButton->setEnabled(true);
    }
    setDocument(doc);
    current_ = topic;
    shownDoc_ = doc;
    topicView->setHtml(u8(topicHtml(*topic)));
    // The contents follow the topic shown, as far as the tree holds it.
    for (QTreeWidgetItemIterator it(contentsTree); *it; ++it) {
        if ((*it)->data(0, kContextRole).toInt() == topic->context) {
            contentsTree->setCurrentItem(*it);
            break;
        }
    }
    updateCaption();
    return true;
}

bool HelpWindow::back() {
    if (history_.empty())
        return false;
    const Place place = history_.back();
    history_.pop_back();
    backButton->setEnabled(!history_.empty());
    return display(place.doc, place.context, false);
}

void HelpWindow::showNote(const QString& text) {
    current_ = nullptr;
    topicView->setHtml(QStringLiteral("<p>") + escaped(text) + QStringLiteral("</p>"));
}

void HelpWindow::updateCaption() {
    QString caption = QStringLiteral("Help");
    if (doc_ && !doc_->title().empty())
        caption = u8(doc_->title());
    else if (!path_.isEmpty())
        caption = QFileInfo(path_).fileName() + QStringLiteral(" - Help");
    setWindowTitle(caption);
}

} // namespace help
