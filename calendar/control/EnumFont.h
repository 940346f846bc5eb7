#pragma once

#include <cstdint>

// The GDI font description the title-font routine fills from a font enumeration: 60 bytes, laid out
// as the platform lays it out.
struct LOGFONTA {
    std::int32_t lfHeight;
    std::int32_t lfWidth;
    std::int32_t lfEscapement;
    std::int32_t lfOrientation;
    std::int32_t lfWeight;
    std::uint8_t lfItalic;
    std::uint8_t lfUnderline;
    std::uint8_t lfStrikeOut;
    std::uint8_t lfCharSet;
    std::uint8_t lfOutPrecision;
    std::uint8_t lfClipPrecision;
    std::uint8_t lfQuality;
    std::uint8_t lfPitchAndFamily;
    char lfFaceName[32];
};
static_assert(sizeof(LOGFONTA) == 60);

// The font-enumeration callback of the calendar module (looked up by name in it): copies the
// enumerated font to the LOGFONTA whose address is userData and returns 0, which ends the
// enumeration after the first font.
extern "C" int EnumFontforCal(const LOGFONTA* logFont, const void* textMetric, std::uint32_t fontType,
                              std::intptr_t userData);
