#include "calendar/control/CalendarLayout.h"

#include <algorithm>

namespace vxcal {

namespace {

// A weekday brought into 0..6, so that a stored first day outside the week still shows a whole week.
int weekday(int d) {
    return ((d % 7) + 7) % 7;
}

CellRect grown(CellRect r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

} // namespace

int arrowSizeFor(int titleHeight) {
    return std::max(titleHeight / 4, 4);
}

CellRect calendarArea(const CellRect& panel, int bevelStyle, int bevelSize) {
    const int h = bevelSize / 2;
    CellRect c = panel;
    switch (bevelStyle) {
    case 0:
    case 1:
    case 2:
        c = {c.left + h, c.top + h, c.right - h, c.bottom - h};
        break;
    case 3: // shadowed right: the shadow side and the top and bottom
        c = {c.left, c.top + h, c.right - h, c.bottom - h};
        break;
    case 4:
        c = {c.left + h, c.top + h, c.right, c.bottom - h};
        break;
    default:
        break;
    }
    return c;
}

CellRect centerfoldUpper(const CellRect& r) {
    return {r.left, r.top, r.right, r.bottom / 2};
}

CellRect centerfoldLower(const CellRect& r) {
    return {r.left, r.bottom / 2, r.right, r.bottom};
}

CalendarLayout layOutCalendar(const LayoutInput& in) {
    CalendarLayout L;
    const CellRect C = calendarArea(in.panel, in.bevelStyle, in.bevelSize);
    L.area = C;
    const int CL = C.left, CT = C.top, CR = C.right, CB = C.bottom;
    const int TH = in.titleHeight;
    const int W = CR - CL, W3 = W / 3;
    L.cols = in.weekNumbers ? 8 : 7;
    L.first = in.weekNumbers ? 1 : 0;
    L.arrowSize = arrowSizeFor(TH);
    const int a = L.arrowSize;

    L.monthCaption = {CL, CT, CL + 2 * W3, CT + TH};
    L.yearCaption = {CL + 2 * W3, CT, CR, CT + TH};

    // The arrows keep their place from month to month: they are placed by the widest month name.
    if (!in.calStatic) {
        const int top = CT + TH / 2 - a, bottom = top + 2 * a - 1;
        const int tw = in.monthTextWidth, ty = in.yearTextWidth;
        const int prevMonthLeft = CL + (2 * W3 - tw) / 4;
        const int nextMonthRight = CL + 2 * W3 - 4 + (tw - 2 * W3) / 4;
        const int prevYearLeft = CL + 2 * W3 + (W3 - ty) / 4;
        const int nextYearRight = CR + (ty - W3) / 4;
        L.arrows = {CellRect{prevMonthLeft, top, prevMonthLeft + a, bottom},
                    CellRect{nextMonthRight - a, top, nextMonthRight, bottom},
                    CellRect{prevYearLeft, top, prevYearLeft + a, bottom},
                    CellRect{nextYearRight - a, top, nextYearRight, bottom}};
        for (int i = 0; i < 4; ++i)
            L.cells[static_cast<std::size_t>(cellPrevMonth + i)] =
                grown(L.arrows[static_cast<std::size_t>(i)], 2 + in.mouseExpand);
    }

    L.cellW = W / L.cols;
    for (int i = 0; i < 7; ++i) {
        const int n = L.first + i;
        L.header[static_cast<std::size_t>(i)] = {CL + n * L.cellW, CT + TH, CL + (n + 1) * L.cellW,
                                                 CT + 2 * TH};
        L.headerWeekday[static_cast<std::size_t>(i)] = weekday(in.dayStart + i);
    }

    // Six rows laid from the bottom edge; what the division leaves over sits under the header.
    L.rowH = (CB - CT - 2 * TH) / 6;
    L.lead = weekday(in.firstWeekday - weekday(in.dayStart));
    for (int i = 0; i < 6; ++i)
        L.weekNumbers[static_cast<std::size_t>(i)] = in.firstWeek + i;
    const int shrink = in.dividerStyle > 2 ? 2 : in.dividerStyle > 0 ? 1 : 0;
    const int days = std::clamp(in.daysInMonth, 0, 31);
    for (int k = 1; k <= days; ++k) {
        const int row = dayRow(L.lead, k), col = dayColumn(L.lead, k);
        CellRect c;
        c.top = CB + 1 - (6 - row) * L.rowH;
        c.bottom = c.top + L.rowH;
        c.left = CL + (col + L.first) * L.cellW;
        c.right = col == 6 ? CR : c.left + L.cellW;
        L.weekCells[static_cast<std::size_t>(row)] = {CL, c.top, CL + L.cellW, c.bottom};
        L.rowUsed[static_cast<std::size_t>(row)] = true;
        c.right -= shrink;
        c.bottom -= shrink;
        L.cells[static_cast<std::size_t>(k)] = c;
    }

    // Divider lines, each as the pixels it covers (a line's end point is not drawn).
    if (in.dividerStyle >= 1 && in.dividerStyle <= 4) {
        const int H = CT + TH;
        auto vertical = [&](int x, int pen) {
            L.dividers.push_back({{x, H, x + 1, CB - 1}, pen});
        };
        auto horizontal = [&](int y, int pen) {
            L.dividers.push_back({{CL, y, CR, y + 1}, pen});
        };
        auto X = [&](int i) {
            return CL + i * L.cellW - 1;
        };
        auto Y = [&](int i) {
            return CB - (7 - i) * L.rowH;
        };
        if (in.dividerStyle <= 2) {
            for (int i = 1; i < L.cols; ++i)
                vertical(X(i), 0);
            for (int i = 1; i <= 6; ++i)
                horizontal(Y(i), 0);
            horizontal(H, 0);
        } else {
            for (int i = 1; i < L.cols; ++i)
                vertical(X(i) - 1, 0);
            for (int i = 1; i < L.cols; ++i)
                vertical(X(i), 1);
            for (int i = 1; i <= 6; ++i)
                horizontal(Y(i) - 1, 0);
            horizontal(H - 1, 0);
            for (int i = 1; i <= 6; ++i)
                horizontal(Y(i), 1);
            horizontal(H, 1);
        }
    }
    return L;
}

int hitCell(const CellTable& cells, int x, int y) {
    for (int i = 1; i < cellCount; ++i) {
        const CellRect& c = cells[static_cast<std::size_t>(i)];
        if (c.left < x && x < c.right && c.top < y && y < c.bottom)
            return i;
    }
    return -1;
}

} // namespace vxcal
