#include "vxrun/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace vxrun {

namespace {

QColor fromPalette(int index, const QPalette& p) {
    switch (index) {
    case COLOR_SCROLLBAR:
        return p.color(QPalette::Midlight);
    case COLOR_BACKGROUND:
    case COLOR_APPWORKSPACE:
        return p.color(QPalette::Dark);
    case COLOR_ACTIVECAPTION:
    case COLOR_HIGHLIGHT:
        return p.color(QPalette::Active, QPalette::Highlight);
    case COLOR_INACTIVECAPTION:
        return p.color(QPalette::Inactive, QPalette::Highlight);
    case COLOR_MENU:
    case COLOR_BTNFACE:
    case COLOR_ACTIVEBORDER:
    case COLOR_INACTIVEBORDER:
        return p.color(QPalette::Button);
    case COLOR_WINDOW:
        return p.color(QPalette::Base);
    case COLOR_WINDOWFRAME:
        return p.color(QPalette::Shadow);
    case COLOR_MENUTEXT:
    case COLOR_BTNTEXT:
        return p.color(QPalette::ButtonText);
    case COLOR_WINDOWTEXT:
        return p.color(QPalette::Text);
    case COLOR_CAPTIONTEXT:
    case COLOR_HIGHLIGHTTEXT:
        return p.color(QPalette::Active, QPalette::HighlightedText);
    case COLOR_INACTIVECAPTIONTEXT:
    case COLOR_GRAYTEXT:
        return p.color(QPalette::Disabled, QPalette::Text);
    case COLOR_BTNSHADOW:
        return p.color(QPalette::Dark);
    case COLOR_BTNHIGHLIGHT:
        return p.color(QPalette::Light);
    case COLOR_3DDKSHADOW:
        return p.color(QPalette::Shadow);
    case COLOR_3DLIGHT:
        return p.color(QPalette::Midlight);
    case COLOR_INFOTEXT:
        return p.color(QPalette::ToolTipText);
    case COLOR_INFOBK:
        return p.color(QPalette::ToolTipBase);
    default:
        return QColor(0, 0, 0); // an unknown index, as GetSysColor answers it
    }
}

QPalette currentPalette() {
    return qGuiApp != nullptr ? QGuiApplication::palette() : QPalette();
}

} // namespace

COLORREF TranslateOleColor(OLE_COLOR color, const QPalette& palette) {
    if ((color & 0xFF000000u) == 0x80000000u)
        return fromQColor(fromPalette(static_cast<int>(color & 0xFF), palette));
    return color & 0x00FFFFFFu;
}

COLORREF TranslateOleColor(OLE_COLOR color) {
    if ((color & 0xFF000000u) == 0x80000000u)
        return TranslateOleColor(color, currentPalette());
    return color & 0x00FFFFFFu;
}

COLORREF GetSysColor(int index) {
    return TranslateOleColor(systemColor(index));
}

} // namespace vxrun
