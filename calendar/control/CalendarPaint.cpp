// Painting of the calendar: one off-screen image per paint, copied in one go.
#include "calendar/control/VxcalndrCtrl.h"

#include "calendar/control/ControlText.h"
#include "vxrun/Draw3D.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace vxcal {

namespace {

constexpr unsigned kDateChangedMessage = 0x0433; // WM_USER + 51
constexpr unsigned kCaptionFormat = vxrun::DT_CENTER | vxrun::DT_VCENTER | vxrun::DT_SINGLELINE;

vxrun::RECT toRect(const CellRect& c) {
    return {c.left, c.top, c.right, c.bottom};
}
CellRect fromRect(const vxrun::RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
// The bevel variant the panel routine gets: 3 for a lowered bevel.
int variant(int bevelStyle) {
    return bevelStyle == 0 ? 3 : 0;
}

} // namespace

QFont CVxcalndrCtrl::pixelFont(QFont f) const {
    // Sizes in points follow the screen's resolution whatever device the paint goes to.
    if (f.pixelSize() <= 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pointSizeF() * logicalDpiY() / 72.0))));
    return f;
}

QFont CVxcalndrCtrl::CreateTitleFont() const {
    QFont f(TitleFontName);
    // The size in tenths of a point, truncated, to pixels at the screen's resolution (rounded).
    const int tenths = static_cast<int>(TitleFontSize * 10);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(tenths * logicalDpiY() / 720.0))));
    f.setBold(TitleFontBold != 0);
    f.setItalic(TitleFontItalic != 0);
    f.setUnderline(TitleFontUnder != 0);
    f.setStrikeOut(TitleFontStrike != 0);
    return f;
}

short CVxcalndrCtrl::ComputeTitleHeight() {
    if (TitleHeight != 0)
        return TitleHeight;
    const QFont f = TitleFontSize != 0 ? CreateTitleFont() : pixelFont(InternalGetFont().GetFontHandle());
    const QFontMetrics fm(f);
    const int tmHeight = fm.ascent() + fm.descent();
    const int internalLeading = std::max(0, tmHeight - QFontInfo(f).pixelSize());
    return static_cast<short>(2 * (BevelSizeCap + internalLeading) + fm.descent() + tmHeight);
}

int CVxcalndrCtrl::GetWeekNumber(int month, int day, int year, int dayStart) const {
    return model().weekNumber(month, day, year, dayStart);
}

void CVxcalndrCtrl::noteDateForEvents() {
    // The change events come from the paint: compare with the date of the previous paint.
    if (lastDay != 0 && lastMonth != 0 && lastYear != 0) {
        if (model().day() != lastDay)
            PostMessage(kDateChangedMessage, 0);
        if (model().month() != lastMonth) {
            model().computeMarks();
            PostMessage(kDateChangedMessage, 1);
        }
        if (model().year() != lastYear) {
            model().computeMarks();
            PostMessage(kDateChangedMessage, 2);
        }
    } else {
        model().computeMarks();
    }
    lastDay = model().day();
    lastMonth = model().month();
    lastYear = model().year();
}

void CVxcalndrCtrl::OnDraw(QPainter* painter, const QRect& bounds, const QRect&) {
    QPaintDevice* device = painter->device();
    // A recording (the metafile case) gets the stretched image of the control.
    if ((device && device->devType() == QInternal::Picture) ||
        (painter->paintEngine() && painter->paintEngine()->type() == QPaintEngine::Picture)) {
        OnDrawMetafile(painter, bounds);
        return;
    }
    // Composed off-screen at the device's pixel ratio, so that it stays crisp on a dense screen
    // while the geometry stays in logical pixels.
    const qreal dpr = device ? device->devicePixelRatioF() : devicePixelRatioF();
    QImage image(QSize(static_cast<int>(std::ceil(bounds.width() * dpr)),
                       static_cast<int>(std::ceil(bounds.height() * dpr))),
                 QImage::Format_RGB32);
    if (image.isNull())
        return;
    image.setDevicePixelRatio(dpr);
    {
        QPainter mem(&image);
        DrawCalendar(&mem, QRect(0, 0, bounds.width(), bounds.height()));
    }
    painter->drawImage(bounds.topLeft(), image);
}

void CVxcalndrCtrl::OnDrawMetafile(QPainter* painter, const QRect& bounds) {
    // A recorded picture gets an image of the control's own size, stretched onto the bounds.
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    {
        QPainter mem(&image);
        DrawCalendar(&mem, QRect(QPoint(0, 0), image.size()));
    }
    painter->drawImage(bounds, image);
}

void CVxcalndrCtrl::DrawCalendar(QPainter* dc, const QRect& rect) {
    using namespace vxrun;
    noteDateForEvents();
    dc->save();
    dc->setRenderHint(QPainter::Antialiasing, false);
    const QFont numberFont = pixelFont(InternalGetFont().GetFontHandle());
    const bool hasPicture = picture.GetType() > 0;
    const int NP = hasPicture ? 0 : -1;
    const int BF = BorderStyle != 0 ? 1 : 0;
    const CellRect whole{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};

    // Outer panels; Centerfold puts the picture on the upper half and the calendar below.
    RECT K;
    if (CalendarStyle == 1) {
        RECT U = toRect(centerfoldUpper(whole));
        Draw3DPanel(this, dc, BevelSize, BF, BorderStyle, BevelStyle, variant(BevelStyle), NP, ShadowColor,
                    LightColor, FillColor, BorderColor, 0, AutoSize, 1, WallPaper, 0, 0, &U);
        if (hasPicture) {
            dc->save();
            dc->setClipRect(toQRect(U));
            RECT copy = U;
            picture.Render(dc, &copy, WallPaper, 0, 0, TranslateOleColor(FillColor));
            dc->restore();
        }
        K = toRect(centerfoldLower(whole));
        Draw3DPanel(this, dc, BevelSize, BF, BorderStyle, BevelStyle, variant(BevelStyle), -1, ShadowColor,
                    LightColor, FillColor, BorderColor, 0, AutoSize, 1, WallPaper, 0, 0, &K);
    } else {
        K = toRect(whole);
        Draw3DPanel(this, dc, BevelSize, BF, BorderStyle, BevelStyle, variant(BevelStyle), NP, ShadowColor,
                    LightColor, FillColor, BorderColor, 0, AutoSize, 1, WallPaper, 0, 0, &K);
        if (hasPicture) {
            RECT copy = K;
            picture.Render(dc, &copy, WallPaper, 0, 0, TranslateOleColor(FillColor));
        }
    }

    // Caption font and colour.
    const bool titleSet = TitleFontSize != 0;
    const QFont captionFont = titleSet ? pixelFont(titleFont.GetFontHandle()) : numberFont;
    const OLE_COLOR CC = titleSet ? TitleColor : TextColor;
    dc->setFont(captionFont);
    const QFontMetrics captionMetrics(captionFont);

    LayoutInput in;
    in.panel = fromRect(K);
    in.bevelStyle = BevelStyle;
    in.bevelSize = BevelSize;
    in.titleHeight = ComputeTitleHeight();
    in.monthTextWidth = captionMetrics.horizontalAdvance(fromBytes(texts_.monthName(9)));
    const QString yearText = QString::asprintf("%4d", model().year());
    in.yearTextWidth = captionMetrics.horizontalAdvance(yearText);
    in.weekNumbers = WeekNumbers != 0;
    in.dayStart = DayStart;
    in.firstWeekday = model().weekdayOf(model().month(), 1, model().year());
    in.daysInMonth = model().countDaysInMonth();
    in.firstWeek = GetWeekNumber(model().month(), 1, model().year(), ((DayStart % 7) + 7) % 7);
    in.dividerStyle = DividerStyle;
    in.calStatic = CalStatic != 0;
    in.mouseExpand = MouseExpand;
    layout_ = layOutCalendar(in);
    cells = layout_.cells;
    const CalendarLayout& L = layout_;

    // Month caption, then year caption, each with its pair of arrows.
    auto caption = [&](CellRect r, const QString& s) {
        RECT m = toRect(r);
        Draw3DPanel(this, dc, BevelSizeCap, BF, 0, BevelStyleCap, variant(BevelStyleCap), 0, ShadowColor,
                    LightColor, FillColor, BorderColor, 0, 0, 1, WallPaper, 0, 0, &m);
        Draw3DText(dc, s, -1, &m, kCaptionFormat, TitleFontStyle, CC, LightColor, ShadowColor);
    };
    auto arrow = [&](int entry) {
        const CellRect& r = L.arrows[static_cast<std::size_t>(entry - cellPrevMonth)];
        const QColor pen = oleToQColor(pressedCell == entry ? ShadowColor : BorderColor);
        const bool pointsLeft = entry == cellPrevMonth || entry == cellPrevYear;
        for (int j = 0; j < L.arrowSize; ++j) {
            const int x = pointsLeft ? r.right - j : r.left + j;
            const int h = r.bottom - r.top - 2 * j; // the line's end point is not drawn
            if (h > 0)
                dc->fillRect(QRect(x, r.top + j, 1, h), pen);
        }
    };
    caption(L.monthCaption, fromBytes(texts_.monthName(model().month())));
    if (!CalStatic) {
        arrow(cellPrevMonth);
        arrow(cellNextMonth);
    }
    caption(L.yearCaption, yearText);
    if (!CalStatic) {
        arrow(cellPrevYear);
        arrow(cellNextYear);
    }

    // Weekday header, without a panel.
    for (std::size_t i = 0; i < 7; ++i) {
        RECT h = toRect(L.header[i]);
        Draw3DText(dc, fromBytes(texts_.twoLetterWeekdayName(L.headerWeekday[i])), -1, &h, kCaptionFormat,
                   TitleFontStyle, CC, LightColor, ShadowColor);
    }

    // Day cells and week numbers.
    dc->setFont(numberFont);
    const int days = model().daysInMonth();
    unsigned format = DT_SINGLELINE;
    format |= Alignment == 1 ? DT_RIGHT : Alignment == 2 ? DT_CENTER : DT_LEFT;
    format |= VAlignment == 1 ? DT_BOTTOM : VAlignment == 2 ? DT_VCENTER : DT_TOP;
    for (int k = 1; k <= days; ++k) {
        RECT c = toRect(L.cells[static_cast<std::size_t>(k)]);
        const bool current = k == model().day();
        const bool marked = MultiSelect != 0 && model().mark(k);
        OLE_COLOR textShadow = ShadowColor;
        bool highlighted = true;
        if (MultiSelect == 0 ? current : marked) {
            Draw3DPanel(this, dc, BevelSizeDate, 0, 0, BevelStyleDate, variant(BevelStyleDate), -1,
                        BorderColor, LightColor, HighBackColor, BorderColor, 0, 0, 1, 0, 0, 0, &c);
            if (marked)
                textShadow = BorderColor;
        } else if (MultiSelect != 0 && current) {
            Draw3DPanel(this, dc, BevelSizeDate, 0, 0, BevelStyleDate, variant(BevelStyleDate), -1,
                        ShadowColor, LightColor, FillColor, BorderColor, 0, 0, 1, 0, 0, 0, &c);
        } else {
            highlighted = false;
        }
        const OLE_COLOR number = !highlighted                 ? TextColor
                                 : (current && hasFocus != 0) ? FocusColor
                                                              : HighColor;
        if (Alignment == 1)
            c.right -= 2;
        Draw3DText(dc, QString::asprintf("%2d", k), -1, &c, format, FontStyle, number, LightColor,
                   textShadow);
    }
    if (WeekNumbers) {
        for (std::size_t row = 0; row < 6; ++row) {
            if (!L.rowUsed[row] || L.weekNumbers[row] == 0)
                continue;
            RECT w = toRect(L.weekCells[row]);
            Draw3DText(dc, QString::asprintf("%2d", L.weekNumbers[row]), -1, &w, kCaptionFormat, FontStyle,
                       CC, LightColor, ShadowColor);
        }
    }

    // Dividers last, over the cells.
    if (!L.dividers.empty()) {
        OLE_COLOR pens[2] = {BorderColor, BorderColor};
        if (DividerStyle == 2)
            pens[0] = ShadowColor;
        else if (DividerStyle == 3)
            pens[0] = ShadowColor, pens[1] = LightColor;
        else if (DividerStyle == 4)
            pens[0] = LightColor, pens[1] = ShadowColor;
        for (const DividerLine& d : L.dividers)
            dc->fillRect(toQRect(toRect(d.pixels)), oleToQColor(pens[d.pen]));
    }
    dc->restore();
}

} // namespace vxcal
