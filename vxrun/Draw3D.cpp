#include "vxrun/Draw3D.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <algorithm>

namespace vxrun {

namespace {

constexpr int kCornerRadius = 6;

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
    QRect r = toQRect(*rect);
    const QColor shadow = oleToQColor(shadowColor);
    const QColor light = oleToQColor(lightColor);
    const bool rounded = borderStyle == vxBorderRoundedCorners;

    QPainterPath shape;
    if (rounded)
        shape.addRoundedRect(QRectF(r).adjusted(0, 0, -1, -1), kCornerRadius, kCornerRadius);
    if (fillFlag != 0) {
        dc->save();
        if (rounded)
            dc->setClipPath(shape, Qt::IntersectClip);
        dc->fillRect(r, oleToQColor(fillColor));
        dc->restore();
    }
    if (borderStyle == vxBorderSingleLine || rounded) {
        dc->setPen(QPen(oleToQColor(borderColor), 0));
        dc->setBrush(Qt::NoBrush);
        if (rounded)
            dc->drawPath(shape);
        else
            dc->drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
        rect->left += 1;
        rect->top += 1;
        rect->right -= 1;
        rect->bottom -= 1;
    }
    if (rounded) {
        // The bevel follows the rounded border instead of poking out at the corners.
        QPainterPath inner;
        inner.addRoundedRect(QRectF(r), kCornerRadius - 1, kCornerRadius - 1);
        dc->setClipPath(inner, Qt::IntersectClip);
    }
    const int size = std::clamp(bevelSize, 0, std::min(r.width(), r.height()) / 2);
    switch (bevelStyle) {
    case vxBevelStyleLowered:
        for (int i = 0; i < size; ++i)
            ring(dc, r, i, shadow, light);
        break;
    case vxBevelStyleRaised:
        for (int i = 0; i < size; ++i)
            ring(dc, r, i, light, shadow);
        break;
    case vxBevelStyleChisled: {
        // A groove: the outer half sunk, the inner half raised.
        const int outer = (size + 1) / 2;
        for (int i = 0; i < size; ++i)
            ring(dc, r, i, i < outer ? shadow : light, i < outer ? light : shadow);
        break;
    }
    case vxBevelStyleShadowedRight:
        if (size > 0) {
            dc->fillRect(QRect(r.right() - size + 1, r.top() + size, size, r.height() - size), shadow);
            dc->fillRect(QRect(r.left() + size, r.bottom() - size + 1, r.width() - size, size), shadow);
        }
        break;
    case vxBevelStyleShadowedLeft:
        if (size > 0) {
            dc->fillRect(QRect(r.left(), r.top() + size, size, r.height() - size), shadow);
            dc->fillRect(QRect(r.left(), r.bottom() - size + 1, r.width() - size, size), shadow);
        }
        break;
    default:
        break;
    }
}

} // namespace vxrun
