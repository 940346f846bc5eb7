#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace vxrun {

using OLE_COLOR = std::uint32_t; // 0x00BBGGRR, or 0x800000nn for system colour nn
using COLORREF = std::uint32_t;  // 0x00BBGGRR

// System colour indexes, as in an OLE_COLOR of the form 0x800000nn.
enum SystemColor : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
};

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr OLE_COLOR systemColor(int index) {
    return 0x80000000u | static_cast<OLE_COLOR>(index & 0xFF);
}

// The RGB colour an OLE_COLOR stands for: a system colour is resolved from the palette (the
// application's current palette when none is given); any other value is its low three bytes.
COLORREF TranslateOleColor(OLE_COLOR color);
COLORREF TranslateOleColor(OLE_COLOR color, const QPalette& palette);
// The colour at system index (GetSysColor) from the current palette.
COLORREF GetSysColor(int index);

inline QColor toQColor(COLORREF c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline COLORREF fromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}
inline QColor oleToQColor(OLE_COLOR c) {
    return toQColor(TranslateOleColor(c));
}

} // namespace vxrun
