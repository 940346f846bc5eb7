#include "ole/PropertyFrame.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ole {

PropertyFrame::PropertyFrame(const QString& caption, std::vector<COleControl*> objects,
                             const std::vector<CLSID>& pages, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("PropertyFrame"));
    for (const CLSID& clsid : pages) {
        CreatedPage created = CoCreatePropertyPage(clsid, nullptr);
        if (!created.page) {
            missing_.push_back(clsid);
            continue;
        }
        created.page->SetObjects(objects);
        pages_.push_back(std::move(created));
    }
    // The tabs own their pages' widgets only while the frame shows them; the frame releases them
    // from the tabs before the pages (and their modules) go.
    for (auto& p : pages_)
        tabs_->addTab(p.page.get(), p.page->caption());
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (apply())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] { apply(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

PropertyFrame::~PropertyFrame() {
    while (tabs_->count())
        tabs_->removeTab(0);
    for (auto& p : pages_)
        if (p.page)
            p.page->setParent(nullptr);
    pages_.clear();
}

void PropertyFrame::setReporter(std::function<void(const QString&)> report) {
    for (auto& p : pages_)
        p.page->setReporter(report);
}

COlePropertyPage* PropertyFrame::pageByCaption(const QString& caption) const {
    for (const auto& p : pages_)
        if (QString(p.page->caption()).remove(u'&') == QString(caption).remove(u'&'))
            return p.page.get();
    return nullptr;
}

QStringList PropertyFrame::captions() const {
    QStringList out;
    for (const auto& p : pages_)
        out << p.page->caption();
    return out;
}

bool PropertyFrame::apply() {
    for (size_t i = 0; i < pages_.size(); ++i) {
        COlePropertyPage* page = pages_[i].page.get();
        if (!page->Apply()) {
            tabs_->setCurrentIndex(static_cast<int>(i));
            return false;
        }
    }
    for (auto& p : pages_)
        p.page->UpdateData(false);
    return true;
}

} // namespace ole
