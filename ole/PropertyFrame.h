#pragma once

#include "ole/ClassFactory.h"
#include "ole/PropertyPage.h"

#include <QDialog>

#include <functional>
#include <vector>

class QTabWidget;
class QPushButton;

namespace ole {

// The property frame: the pages of one or more controls as tabs, with OK, Cancel and Apply.
// Every page edits every control of the selection; Apply writes each changed page in turn and
// stops at the first page that refuses a value, showing it.
class PropertyFrame : public QDialog {
    Q_OBJECT
public:
    // Pages that cannot be created are left out (their class IDs are in missingPages()).
    PropertyFrame(const QString& caption, std::vector<COleControl*> objects, const std::vector<CLSID>& pages,
                  QWidget* parent = nullptr);
    ~PropertyFrame() override;

    void setReporter(std::function<void(const QString&)> report);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    COlePropertyPage* page(int i) const { return pages_.at(static_cast<size_t>(i)).page.get(); }
    COlePropertyPage* pageByCaption(const QString& caption) const;
    const std::vector<CLSID>& missingPages() const { return missing_; }
    QStringList captions() const;

    // True when every page took its values; then the pages show the controls' values again.
    bool apply();

private:
    QTabWidget* tabs_;
    std::vector<CreatedPage> pages_;
    std::vector<CLSID> missing_;
};

} // namespace ole
