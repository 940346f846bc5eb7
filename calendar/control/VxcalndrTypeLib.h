#pragma once

#include "ole/TypeLibrary.h"

namespace vxcal {

// Identities of the calendar control.
inline const ole::CLSID kCalendarClsid{QStringLiteral("{0A9F72E0-91CE-101B-AFF8-00AA003E1700}")};
inline const ole::IID kDispatchIid{QStringLiteral("{0A9F72E1-91CE-101B-AFF8-00AA003E1700}")};
inline const ole::IID kEventsIid{QStringLiteral("{0A9F72E2-91CE-101B-AFF8-00AA003E1700}")};
inline const ole::GUID kTypeLibId{QStringLiteral("{0A9F72E3-91CE-101B-AFF8-00AA003E1700}")};
inline const QString kCalendarProgId = QStringLiteral("VXCALNDR.VxcalndrCtrl.1");
// Also accepted when creating: the library-qualified class name containers show.
inline const QString kCalendarClassName = QStringLiteral("VxcalndrLib.Vx3dCalendar");

// DISPIDs of the calendar's own members (stock members keep the standard ones).
enum CalendarDispid : int {
    dispidMousePointer = 1,
    dispidFontBold,
    dispidFontItalic,
    dispidFontName,
    dispidFontSize,
    dispidFontStrikethru,
    dispidFontUnderline,
    dispidAutoSize,
    dispidBevelSize,
    dispidBevelStyle,
    dispidBorderColor,
    dispidBorderStyle,
    dispidFillColor,
    dispidFontStyle,
    dispidLightColor,
    dispidShadowColor,
    dispidTextColor,
    dispidWallPaper,
    dispidPicture,
    dispidBevelStyleDate,
    dispidBevelSizeDate,
    dispidDay,
    dispidDate,
    dispidDividerStyle,
    dispidHighColor,
    dispidMonth,
    dispidMonthText,
    dispidMultiSelect,
    dispidSelectedCount,
    dispidCalendarStyle,
    dispidDateFormat,
    dispidWeekDay,
    dispidWeekDayText,
    dispidYear,
    dispidBevelStyleCap,
    dispidBevelSizeCap,
    dispidDaySel,
    dispidMonthSel,
    dispidYearSel,
    dispidDateSelOn,
    dispidFocusColor,
    dispidHighBackColor,
    dispidMultiStatic,
    dispidCalStatic,
    dispidMouseExpand,
    dispidAlignment,
    dispidVAlignment,
    dispidDayMath,
    dispidLanguage,
    dispidLanguageNumber,
    dispidDayStart,
    dispidWeekNumbers,
    dispidTitleHeight,
    dispidTitleFontBold,
    dispidTitleFontItalic,
    dispidTitleFontName,
    dispidTitleFontSize,
    dispidTitleFontStrike,
    dispidTitleFontUnder,
    dispidTitleFontStyle,
    dispidTitleColor,
    dispidMinYear,
    dispidMaxYear,
    dispidTitleFont,
    dispidMouseIcon,
    dispidClear,
    dispidDayArr,
    dispidDateArr,
    dispidMonthArr,
    dispidMonthTextArr,
    dispidWeekDayArr,
    dispidWeekDayTextArr,
    dispidYearArr,
    dispidDayLeft,
    dispidDayTop,
    dispidDayWidth,
    dispidDayHeight,
};
static_assert(dispidDayHeight == 77);

enum CalendarEventDispid : int { eventDayChange = 1, eventMonthChange = 2, eventYearChange = 3 };

// The type library VxcalndrLib 1.0: the dispatch and event interfaces, the enumerations and the
// coclass Vx3dCalendar.
const ole::TypeLibrary& calendarTypeLibrary();

} // namespace vxcal
