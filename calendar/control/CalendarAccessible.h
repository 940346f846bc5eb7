#pragma once

#include <QAccessibleWidget>

namespace vxcal {

class CVxcalndrCtrl;

// What a screen reader sees of the calendar: the four arrows as buttons and the month as a table
// of days, each named in the control's language and reporting whether it is selected.
class CalendarAccessible : public QAccessibleWidget {
public:
    explicit CalendarAccessible(CVxcalndrCtrl* control);
    ~CalendarAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    CVxcalndrCtrl* control() const;

    // Registers the factory once; the control calls it at construction.
    static void install();

private:
    QAccessibleInterface* make(int index) const;
    mutable std::vector<QAccessible::Id> ids_; // 0..3 arrows, 4 the day table
};

} // namespace vxcal
