#include "vxrun/Draw3D.h"

#include <QPainter>
#include <QRect>

#include <algorithm>

namespace vxrun {

namespace {

// Restores the painter however the drawing ends.
class PainterState {
public:
    explicit PainterState(QPainter* p) : p_(p) {
        p_->save();
        p_->setRenderHint(QPainter::Antialiasing, false);
    }
    ~PainterState() { p_->restore(); }
    PainterState(const PainterState&) = delete;
    PainterState& operator=(const PainterState&) = delete;

private:
    QPainter* p_;
};

// One ring of a bevel, inset by i: the top and left edges in one colour, bottom and right in another.
void ring(QPainter* p, const QRect& r, int i, const QColor& topLeft, const QColor& bottomRight) {
    const int l = r.left() + i, t = r.top() + i, rt = r.right() - i, b = r.bottom() - i;
    if (l > rt || t > b)
        return;
    p->fillRect(QRect(QPoint(l, t), QPoint(rt, t)), topLeft);
    p->fillRect(QRect(QPoint(l, t), QPoint(l, b)), topLeft);
    p->fillRect(QRect(QPoint(l + 1, b), QPoint(rt, b)), bottomRight);
    p->fillRect(QRect(QPoint(rt, t + 1), QPoint(rt, b)), bottomRight);
}

Qt::Alignment alignmentOf(unsigned format) {
    Qt::Alignment a = (format & DT_CENTER)  ? Qt::AlignHCenter
                      : (format & DT_RIGHT) ? Qt::AlignRight
                                            : Qt::AlignLeft;
    a |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    return a;
}

} // namespace

QRect toQRect(const RECT& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void Draw3DText(QPainter* dc, const QString& text, int length, const RECT* rect, unsigned format, int style,
                OLE_COLOR textColor, OLE_COLOR lightColor, OLE_COLOR shadowColor) {
    if (dc == nullptr || rect == nullptr)
        return;
    const QString shown = length < 0 ? text : text.left(length);
    const QRect r = toQRect(*rect);
    const int flags =
        static_cast<int>(alignmentOf(format)) | ((format & DT_SINGLELINE) ? Qt::TextSingleLine : 0);
    PainterState state(dc);
    dc->setClipRect(r, Qt::IntersectClip);
    auto draw = [&](int dx, int dy, OLE_COLOR color) {
        dc->setPen(oleToQColor(color));
        dc->drawText(r.translated(dx, dy), flags, shown);
    };
    switch (style) {
    case vxFontStyleRaised:
        draw(-1, -1, lightColor);
        break;
    case vxFontStyleRaisedShading:
        draw(1, 1, shadowColor);
        draw(-1, -1, lightColor);
        break;
    case vxFontStyleLowered:
        draw(1, 1, lightColor);
        break;
    case vxFontStyleLoweredShading:
        draw(-1, -1, shadowColor);
        draw(1, 1, lightColor);
        break;
    default:
        break;
    }
    draw(0, 0, textColor);
}

void Draw3DPanel(QWidget*, QPainter* dc, int bevelSize, int, int borderStyle, int bevelStyle, int,
                 int fillFlag, OLE_COLOR shadowColor, OLE_COLOR lightColor, OLE_COLOR fillColor,
                 OLE_COLOR borderColor, int, int, int, int, int, int, RECT* rect) {
    if (dc == nullptr || rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    PainterState state(dc);
    const QRect outer = toQRect(*rect);
    const bool border = borderStyle == vxBorderSingleLine || borderStyle == vxBorderRoundedCorners;
    const QRect r = border ? outer.adjusted(1, 1, -1, -1) : outer;
    const QColor shadow = oleToQColor(shadowColor);
    const QColor light = oleToQColor(lightColor);

    if (fillFlag != 0 && !r.isEmpty())
        dc->fillRect(r, oleToQColor(fillColor));

    const int size = r.isEmpty() ? 0 : std::clamp(bevelSize, 0, std::min(r.width(), r.height()) / 2);
    // What the bevel leaves inside, in the rectangle's own one-past-the-end form.
    RECT interior{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    switch (bevelStyle) {
    case vxBevelStyleLowered:
    case vxBevelStyleRaised:
    case vxBevelStyleChisled: {
        // Chiselled is a groove: the outer half sunk, the inner half raised.
        const int sunk = bevelStyle == vxBevelStyleLowered   ? size
                         : bevelStyle == vxBevelStyleChisled ? (size + 1) / 2
                                                             : 0;
        for (int i = 0; i < size; ++i)
            ring(dc, r, i, i < sunk ? shadow : light, i < sunk ? light : shadow);
        interior = {interior.left + size, interior.top + size, interior.right - size, interior.bottom - size};
        break;
    }
    case vxBevelStyleShadowedRight:
        if (size > 0) {
            dc->fillRect(QRect(r.right() - size + 1, r.top() + size, size, r.height() - size), shadow);
            dc->fillRect(QRect(r.left() + size, r.bottom() - size + 1, r.width() - size, size), shadow);
        }
        interior.right -= size;
        interior.bottom -= size;
        break;
    case vxBevelStyleShadowedLeft:
        if (size > 0) {
            dc->fillRect(QRect(r.left(), r.top() + size, size, r.height() - size), shadow);
            dc->fillRect(QRect(r.left(), r.bottom() - size + 1, r.width() - size, size), shadow);
        }
        interior.left += size;
        interior.bottom -= size;
        break;
    default:
        break;
    }

    if (border) {
        // Drawn last, so that a rounded corner's diagonal pixel sits on top of the bevel.
        const QColor c = oleToQColor(borderColor);
        const int l = outer.left(), t = outer.top(), rt = outer.right(), b = outer.bottom();
        const int cut =
            borderStyle == vxBorderRoundedCorners && outer.width() >= 5 && outer.height() >= 5 ? 2 : 0;
        dc->fillRect(QRect(QPoint(l + cut, t), QPoint(rt - cut, t)), c);
        dc->fillRect(QRect(QPoint(l + cut, b), QPoint(rt - cut, b)), c);
        dc->fillRect(QRect(QPoint(l, t + cut), QPoint(l, b - cut)), c);
        dc->fillRect(QRect(QPoint(rt, t + cut), QPoint(rt, b - cut)), c);
        if (cut != 0) {
            for (const QPoint& corner :
                 {QPoint(l + 1, t + 1), QPoint(rt - 1, t + 1), QPoint(l + 1, b - 1), QPoint(rt - 1, b - 1)})
                dc->fillRect(QRect(corner, QSize(1, 1)), c);
        }
    }
    // The caller goes on drawing (text, the picture) into what the border and bevel leave free.
    if (interior.right < interior.left)
        interior.right = interior.left;
    if (interior.bottom < interior.top)
        interior.bottom = interior.top;
    *rect = interior;
}

} // namespace vxrun
