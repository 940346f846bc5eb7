// Mouse, keyboard and focus handling of the calendar.
#include "calendar/control/VxcalndrCtrl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vxcal {

namespace {

constexpr unsigned kRepeatTickMessage = 0x042A; // WM_USER + 42

enum : short {
    VK_CONTROL = 0x11,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
};

QPoint eventPoint(const QMouseEvent* e) {
    return e->position().toPoint();
}

} // namespace

void CVxcalndrCtrl::postRepeatTick() {
    // One tick in the queue at a time: a repeat and a mouse move both asking for the next tick must
    // not multiply them.
    if (tickPending_)
        return;
    tickPending_ = true;
    PostMessage(kRepeatTickMessage);
}

void CVxcalndrCtrl::PressCell(int cell) {
    if (cell >= 1 && cell <= 31) {
        savedDay = model().day();
        model().setDateUnchecked(static_cast<short>(cell), model().month(), model().year());
        InvalidateControl(nullptr, false);
        return;
    }
    if (cell < cellPrevMonth || cell > cellNextYear)
        return;
    const bool firstPress = repeatDeadline == 0;
    if (firstPress)
        repaint(); // the held arrow shows at once
    int m = model().month(), d = model().day(), y = model().year();
    switch (cell) {
    case cellPrevMonth:
        --m;
        break;
    case cellNextMonth:
        ++m;
        break;
    case cellPrevYear:
        --y;
        break;
    default:
        ++y;
        break;
    }
    if (model().normalizeDate(m, d, y, DayMath != 0)) {
        model().setDateUnchecked(static_cast<short>(d), static_cast<short>(m), static_cast<short>(y));
        repaint();
    }
    const int dbl = doubleClickTime_();
    repeatDeadline = tickCount_() + static_cast<std::uint32_t>(firstPress ? dbl : dbl / 4);
    if (leftButtonDown_())
        postRepeatTick();
    else
        pressedCell = 0;
    BoundPropertyChanged(ole::DISPID_UNKNOWN);
}

void CVxcalndrCtrl::trackMouse(int x, int y) {
    if (pressedCell < 1)
        return;
    if (pressedCell > 31) {
        // Wrap-safe "the tick has passed the deadline".
        if (static_cast<std::int32_t>(tickCount_() - repeatDeadline) > 0)
            PressCell(pressedCell);
        if (pressedCell > 31) // a release that came first has ended the hold
            postRepeatTick();
        return;
    }
    if (MultiSelect <= 2) {
        const short day = hitCell(cells, x, y) == pressedCell ? pressedCell : savedDay;
        model().setDateUnchecked(day, model().month(), model().year());
        InvalidateControl();
    }
}

void CVxcalndrCtrl::toggleMark() {
    const int day = model().day();
    model().setMark(day, !model().mark(day));
    model().storeMarks();
    Q_EMIT selectionChanged();
}

void CVxcalndrCtrl::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        if (hasFocus == 0)
            setFocus(Qt::MouseFocusReason);
        pressedCell = static_cast<short>(hitCell(cells, eventPoint(e).x(), eventPoint(e).y()));
        if (pressedCell > 0)
            PressCell(pressedCell);
        InvalidateControl();
    }
    COleControl::mousePressEvent(e);
}

void CVxcalndrCtrl::mouseMoveEvent(QMouseEvent* e) {
    trackMouse(eventPoint(e).x(), eventPoint(e).y());
    COleControl::mouseMoveEvent(e);
}

void CVxcalndrCtrl::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        if (pressedCell >= 1 && pressedCell <= 31) {
            const int h = hitCell(cells, eventPoint(e).x(), eventPoint(e).y());
            bool handled = true;
            // The Day setter's own check decides; a refused day leaves the date as it is.
            switch (MultiSelect) {
            case 0:
                putQuiet(dispidDay,
                         ole::Variant::fromShort(static_cast<short>(h == pressedCell ? h : savedDay)));
                break;
            case 1:
                if (h == pressedCell) {
                    putQuiet(dispidDay, ole::Variant::fromShort(static_cast<short>(h)));
                    if (!MultiStatic)
                        toggleMark();
                } else if (!MultiStatic) {
                    putQuiet(dispidDay, ole::Variant::fromShort(savedDay));
                }
                break;
            case 2:
                if (h != -1) {
                    putQuiet(dispidDay, ole::Variant::fromShort(static_cast<short>(h)));
                    if (!MultiStatic)
                        toggleMark();
                }
                break;
            default:
                handled = false;
                break;
            }
            if (handled)
                InvalidateControl();
        } else if (pressedCell > 31) {
            InvalidateControl();
        }
        repeatDeadline = 0;
        pressedCell = -1;
        InvalidateControl();
    }
    COleControl::mouseReleaseEvent(e);
}

void CVxcalndrCtrl::keyPressEvent(QKeyEvent* e) {
    const short oldDay = model().day(), oldMonth = model().month(), oldYear = model().year();
    const short vk = ole::virtualKey(e);
    auto step = [&](int months, int years) {
        int m = model().month() + months, d = model().day(), y = model().year() + years;
        // A refused date keeps the shown one.
        if (model().normalizeDate(m, d, y, DayMath != 0)) {
            model().setDateUnchecked(static_cast<short>(d), static_cast<short>(m), static_cast<short>(y));
            InvalidateControl();
        }
    };
    const bool ctrl = ctrlDown != 0 || (e->modifiers() & Qt::ControlModifier);
    switch (vk) {
    case VK_CONTROL:
        ctrlDown = -1;
        break;
    case VK_SPACE:
        if ((MultiSelect == 1 || MultiSelect == 2) && !MultiStatic) {
            toggleMark();
            InvalidateControl();
        }
        break;
    case VK_PRIOR:
        ctrl ? step(0, -1) : step(-1, 0);
        break;
    case VK_NEXT:
        ctrl ? step(0, 1) : step(1, 0);
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        const int delta = vk == VK_LEFT ? -1 : vk == VK_RIGHT ? 1 : vk == VK_UP ? -7 : 7;
        if (putQuiet(dispidDay, ole::Variant::fromShort(static_cast<short>(model().day() + delta))))
            InvalidateControl();
        break;
    }
    default:
        break;
    }
    // A locked calendar never leaves its month.
    if (CalStatic && (model().month() != oldMonth || model().year() != oldYear)) {
        model().setDateUnchecked(model().day(), oldMonth, oldYear);
        if (!putQuiet(dispidDay, ole::Variant::fromShort(oldDay)))
            model().setDateUnchecked(oldDay, oldMonth, oldYear);
    }
    COleControl::keyPressEvent(e);
}

void CVxcalndrCtrl::keyReleaseEvent(QKeyEvent* e) {
    if (ole::virtualKey(e) == VK_CONTROL)
        ctrlDown = 0;
    COleControl::keyReleaseEvent(e);
}

void CVxcalndrCtrl::focusInEvent(QFocusEvent* e) {
    COleControl::focusInEvent(e);
    InvalidateControl();
    hasFocus = -1;
}

void CVxcalndrCtrl::focusOutEvent(QFocusEvent* e) {
    COleControl::focusOutEvent(e);
    InvalidateControl();
    hasFocus = 0;
    pressedCell = 0;
    ctrlDown = 0; // the Ctrl release goes to whoever has the focus then
}

bool CVxcalndrCtrl::event(QEvent* e) {
    // The navigation keys belong to the calendar: no shortcut or dialog navigation may take them.
    if (e->type() == QEvent::ShortcutOverride) {
        const short vk = ole::virtualKey(static_cast<QKeyEvent*>(e));
        if (vk >= VK_END && vk <= VK_DOWN) {
            e->accept();
            return true;
        }
    }
    return CVxOleControl::event(e);
}

} // namespace vxcal
