#include "calendar/control/CalendarAccessible.h"

#include "calendar/control/VxcalndrCtrl.h"
#include "calendar/control/ControlText.h"

#include <QAccessibleTableInterface>

namespace vxcal {

namespace {

constexpr int kArrows = 4;
constexpr int kTableIndex = kArrows;

QRect globalRect(const CVxcalndrCtrl* c, const CellRect& r) {
    return QRect(c->mapToGlobal(QPoint(r.left, r.top)), QSize(r.right - r.left, r.bottom - r.top));
}

// Names of the arrows: the month or year they lead to, in the control's language.
QString arrowName(const CVxcalndrCtrl* c, int entry) {
    const QDate d = c->selectedDate();
    const QDate to = entry == cellPrevMonth   ? d.addMonths(-1)
                     : entry == cellNextMonth ? d.addMonths(1)
                     : entry == cellPrevYear  ? d.addYears(-1)
                                              : d.addYears(1);
    return entry <= cellNextMonth
               ? QStringLiteral("%1 %2").arg(fromBytes(c->texts().monthName(to.month()))).arg(to.year())
               : QString::number(to.year());
}

class ArrowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ArrowAccessible(CalendarAccessible* root, int entry) : root_(root), entry_(entry) {}
    bool isValid() const override { return root_->isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return root_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? arrowName(root_->control(), entry_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return globalRect(
            root_->control(),
            root_->control()->layout().arrows[static_cast<std::size_t>(entry_ - cellPrevMonth)]);
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = root_->control()->cellRects()[static_cast<std::size_t>(entry_)] == CellRect{};
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        CVxcalndrCtrl* c = root_->control();
        if (name != pressAction() || state().invisible)
            return;
        const QDate d = c->selectedDate();
        c->setSelectedDate(entry_ == cellPrevMonth   ? d.addMonths(-1)
                           : entry_ == cellNextMonth ? d.addMonths(1)
                           : entry_ == cellPrevYear  ? d.addYears(-1)
                                                     : d.addYears(1));
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    CalendarAccessible* root_;
    int entry_;
};

class DayTableAccessible;

class DayCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DayCellAccessible(DayTableAccessible* table, int day) : table_(table), day_(day) {}
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                    : nullptr;
    }
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    DayTableAccessible* table_;
    int day_;
};

class DayTableAccessible : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    explicit DayTableAccessible(CalendarAccessible* root) : root_(root) {}
    ~DayTableAccessible() override {
        for (QAccessible::Id id : cells_)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }
    CVxcalndrCtrl* control() const { return root_->control(); }
    int days() const { return control()->dates().daysInMonth(); }
    // The day at a grid position, or 0 for an empty one.
    int dayAt(int row, int column) const {
        const int k = row * 7 + column - control()->layout().lead + 1;
        return k >= 1 && k <= days() ? k : 0;
    }
    QAccessibleInterface* cell(int day) const {
        if (day < 1 || day > 31)
            return nullptr;
        QAccessible::Id& id = cells_[static_cast<std::size_t>(day)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new DayCellAccessible(const_cast<DayTableAccessible*>(this), day));
        return QAccessible::accessibleInterface(id);
    }

    bool isValid() const override { return root_->isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = control()->mapFromGlobal(QPoint(x, y));
        const int h = hitCell(control()->layout().cells, p.x(), p.y());
        return h >= 1 && h <= 31 ? cell(h) : nullptr;
    }
    QAccessibleInterface* parent() const override { return root_; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < days() ? cell(index + 1) : nullptr;
    }
    int childCount() const override { return days(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int k = 1; k <= days(); ++k)
            if (cells_[static_cast<std::size_t>(k)] &&
                QAccessible::accessibleInterface(cells_[static_cast<std::size_t>(k)]) == child)
                return k - 1;
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name
                   ? QStringLiteral("%1 %2").arg(control()->monthName()).arg(control()->year())
                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const CellRect& a = control()->layout().area;
        return globalRect(control(), {a.left, a.top + 2 * (a.bottom - a.top) / 10, a.right, a.bottom});
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.multiSelectable = control()->multiSelect();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return cell(dayAt(row, column)); }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> out;
        for (int k = 1; k <= days(); ++k)
            if (daySelected(k))
                out << cell(k);
        return out;
    }
    QString columnDescription(int column) const override {
        const int weekday = ((control()->firstDayOfWeek() + column) % 7 + 7) % 7;
        return fromBytes(control()->texts().weekdayName(weekday));
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 7; }
    int rowCount() const override { return 6; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    bool daySelected(int day) const {
        return control()->multiSelect() ? control()->dates().mark(day) : day == control()->day();
    }
    CalendarAccessible* root() const { return root_; }

private:
    CalendarAccessible* root_;
    mutable std::array<QAccessible::Id, 32> cells_{};
};

bool DayCellAccessible::isValid() const {
    return table_->isValid() && day_ <= table_->days();
}
QAccessibleInterface* DayCellAccessible::parent() const {
    return table_;
}
QAccessibleInterface* DayCellAccessible::table() const {
    return table_;
}
QString DayCellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return {};
    const CVxcalndrCtrl* c = table_->control();
    const int weekday = c->dates().weekdayOf(c->month(), day_, c->year());
    return QStringLiteral("%1 %2 %3 %4")
        .arg(fromBytes(c->texts().weekdayName(weekday)))
        .arg(day_)
        .arg(c->monthName())
        .arg(c->year());
}
QRect DayCellAccessible::rect() const {
    return globalRect(table_->control(), table_->control()->layout().cells[static_cast<std::size_t>(day_)]);
}
QAccessible::State DayCellAccessible::state() const {
    QAccessible::State s;
    s.selectable = true;
    s.selected = isSelected();
    s.focusable = true;
    s.focused = day_ == table_->control()->day() && table_->control()->focused();
    return s;
}
bool DayCellAccessible::isSelected() const {
    return table_->daySelected(day_);
}
int DayCellAccessible::rowIndex() const {
    return dayRow(table_->control()->layout().lead, day_);
}
int DayCellAccessible::columnIndex() const {
    return dayColumn(table_->control()->layout().lead, day_);
}

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("vxcal::CVxcalndrCtrl") && object && object->isWidgetType())
        return new CalendarAccessible(static_cast<CVxcalndrCtrl*>(object));
    return nullptr;
}

} // namespace

CalendarAccessible::CalendarAccessible(CVxcalndrCtrl* control)
    : QAccessibleWidget(control, QAccessible::Client) {}

CalendarAccessible::~CalendarAccessible() {
    for (QAccessible::Id id : ids_)
        QAccessible::deleteAccessibleInterface(id);
}

void CalendarAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

CVxcalndrCtrl* CalendarAccessible::control() const {
    return static_cast<CVxcalndrCtrl*>(widget());
}

QAccessibleInterface* CalendarAccessible::make(int index) const {
    if (ids_.empty()) {
        auto* self = const_cast<CalendarAccessible*>(this);
        for (int i = 0; i < kArrows; ++i)
            ids_.push_back(
                QAccessible::registerAccessibleInterface(new ArrowAccessible(self, cellPrevMonth + i)));
        ids_.push_back(QAccessible::registerAccessibleInterface(new DayTableAccessible(self)));
    }
    return index >= 0 && index <= kTableIndex
               ? QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)])
               : nullptr;
}

int CalendarAccessible::childCount() const {
    return kArrows + 1;
}

QAccessibleInterface* CalendarAccessible::child(int index) const {
    return make(index);
}

int CalendarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i <= kTableIndex; ++i)
        if (make(i) == child)
            return i;
    return -1;
}

QAccessibleInterface* CalendarAccessible::childAt(int x, int y) const {
    const QPoint p = control()->mapFromGlobal(QPoint(x, y));
    const int h = hitCell(control()->cellRects(), p.x(), p.y());
    if (h >= cellPrevMonth)
        return make(h - cellPrevMonth);
    if (h >= 1)
        return make(kTableIndex); // the table answers for its days
    return nullptr;
}

QAccessibleInterface* CalendarAccessible::focusChild() const {
    if (!control()->focused())
        return nullptr;
    auto* table = static_cast<DayTableAccessible*>(make(kTableIndex));
    return table->cell(control()->day());
}

QString CalendarAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name)
        return control()->dateText();
    return QAccessibleWidget::text(t);
}

} // namespace vxcal
