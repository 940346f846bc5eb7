#pragma once

#include "vxrun/Colors.h"

#include <QString>

class QPainter;
class QWidget;
class QRect;

namespace vxrun {

// A rectangle as the calendar keeps it: right and bottom are one past the last pixel.
struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

QRect toQRect(const RECT& r);

// DrawText format flags understood by Draw3DText.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_SINGLELINE = 0x20,
};

// 3-D text styles (the FontStyle codes).
enum FontStyle : int {
    vxFontStyleNone = 0,
    vxFontStyleRaised = 1,
    vxFontStyleRaisedShading = 2,
    vxFontStyleLowered = 3,
    vxFontStyleLoweredShading = 4,
};

// Panel border and bevel styles.
enum BorderStyle : int { vxBorderStyleNone = 0, vxBorderSingleLine = 1, vxBorderRoundedCorners = 2 };
enum BevelStyle : int {
    vxBevelStyleLowered = 0,
    vxBevelStyleRaised = 1,
    vxBevelStyleChisled = 2,
    vxBevelStyleShadowedRight = 3,
    vxBevelStyleShadowedLeft = 4,
};

// Draws text (the first `length` characters, all of it for -1) inside rect with the DrawText
// alignment in format, in the painter's current font, with no background. Raised styles put a
// light copy one pixel up and left, lowered styles one pixel down and right; the shading styles
// add a shadow copy on the other side.
void Draw3DText(QPainter* dc, const QString& text, int length, const RECT* rect, unsigned format, int style,
                OLE_COLOR textColor, OLE_COLOR lightColor, OLE_COLOR shadowColor);

// Draws a 3-D panel into rect: when borderStyle is 1 or 2, a one-pixel border in borderColor
// (square, or with corners cut round by two pixels for 2); when fillFlag is non-zero the inside of
// the border in fillColor; a bevel of bevelSize pixels (bounded by the panel) in the light and
// shadow colours: lowered, raised, chiselled, or a shadow along the right or left side and the
// bottom. rect is left at what border and bevel leave free, so that text or a picture drawn into it
// afterwards never covers them. The arguments the calendar passes through unused (window, borderFlag,
// bevelVariant, arg13, autoSize, arg15, wallpaper, arg17, arg18) keep the call's familiar shape.
void Draw3DPanel(QWidget* window, QPainter* dc, int bevelSize, int borderFlag, int borderStyle,
                 int bevelStyle, int bevelVariant, int fillFlag, OLE_COLOR shadowColor, OLE_COLOR lightColor,
                 OLE_COLOR fillColor, OLE_COLOR borderColor, int arg13, int autoSize, int arg15,
                 int wallpaper, int arg17, int arg18, RECT* rect);

} // namespace vxrun
