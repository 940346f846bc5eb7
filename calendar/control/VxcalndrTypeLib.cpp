#include "calendar/control/VxcalndrTypeLib.h"

namespace vxcal {

namespace {

using ole::MemberInfo;
using ole::MemberKind;
using ole::ParamInfo;
using ole::VarType;

MemberInfo prop(int id, const char* name, VarType t, const char* enumName = "", bool readOnly = false,
                bool indexed = false) {
    return MemberInfo{
        id, QLatin1String(name), MemberKind::Property, t, QLatin1String(enumName), readOnly, indexed, {}};
}

MemberInfo array(int id, const char* name, VarType t) {
    return prop(id, name, t, "", true, true);
}

MemberInfo method(int id, const char* name, std::vector<ParamInfo> params = {}) {
    return MemberInfo{id,    QLatin1String(name), MemberKind::Method, VarType::Empty, {}, false,
                      false, std::move(params)};
}

ole::EnumInfo enumeration(const char* name, std::initializer_list<std::pair<int, const char*>> members) {
    ole::EnumInfo e{QLatin1String(name), {}};
    for (const auto& [v, n] : members)
        e.members.emplace_back(v, QLatin1String(n));
    return e;
}

ole::EnumInfo sequence(const char* name, std::initializer_list<const char*> members) {
    ole::EnumInfo e{QLatin1String(name), {}};
    int v = 0;
    for (const char* n : members)
        e.members.emplace_back(v++, QLatin1String(n));
    return e;
}

ole::TypeLibrary build() {
    ole::TypeLibrary lib;
    lib.name = QStringLiteral("VxcalndrLib");
    lib.libid = kTypeLibId;
    lib.helpFile = QStringLiteral("OLEVBREF.HLP");
    lib.coclass = {QStringLiteral("Vx3dCalendar"), kCalendarClsid, kCalendarProgId};

    const char* bevel = "BevelStyleConstants";
    lib.dispatch.name = QStringLiteral("_DVxcalndr");
    lib.dispatch.iid = kDispatchIid;
    lib.dispatch.defaultMember = dispidDate;
    lib.dispatch.members = {
        prop(1, "MousePointer", VarType::Short, "MousePointerConstants"),
        prop(2, "FontBold", VarType::Bool),
        prop(3, "FontItalic", VarType::Bool),
        prop(4, "FontName", VarType::String),
        prop(5, "FontSize", VarType::Float),
        prop(6, "FontStrikethru", VarType::Bool),
        prop(7, "FontUnderline", VarType::Bool),
        prop(8, "AutoSize", VarType::Bool),
        prop(9, "BevelSize", VarType::Short),
        prop(10, "BevelStyle", VarType::Short, bevel),
        prop(11, "BorderColor", VarType::Color),
        prop(12, "BorderStyle", VarType::Short, "BorderStyleConstants"),
        prop(13, "FillColor", VarType::Color),
        prop(14, "FontStyle", VarType::Short, "FontStyleConstants"),
        prop(15, "LightColor", VarType::Color),
        prop(16, "ShadowColor", VarType::Color),
        prop(17, "TextColor", VarType::Color),
        prop(18, "WallPaper", VarType::Short, "WallpaperConstants"),
        prop(19, "Picture", VarType::Picture),
        prop(20, "BevelStyleDate", VarType::Short, bevel),
        prop(21, "BevelSizeDate", VarType::Short),
        prop(22, "Day", VarType::Short),
        prop(23, "Date", VarType::String),
        prop(24, "DividerStyle", VarType::Short, "DividerStyleConstants"),
        prop(25, "HighColor", VarType::Color),
        prop(26, "Month", VarType::Short),
        prop(27, "MonthText", VarType::String, "", true),
        prop(28, "MultiSelect", VarType::Short, "MultiSelectConstants2"),
        prop(29, "SelectedCount", VarType::Short),
        prop(30, "CalendarStyle", VarType::Short, "CalStyleConstants"),
        prop(31, "DateFormat", VarType::Short, "DateFormatConstants"),
        prop(32, "WeekDay", VarType::Short, "", true),
        prop(33, "WeekDayText", VarType::String, "", true),
        prop(34, "Year", VarType::Short),
        prop(35, "BevelStyleCap", VarType::Short, bevel),
        prop(36, "BevelSizeCap", VarType::Short),
        prop(37, "DaySel", VarType::Short),
        prop(38, "MonthSel", VarType::Short),
        prop(39, "YearSel", VarType::Short),
        prop(40, "DateSelOn", VarType::Short),
        prop(41, "FocusColor", VarType::Color),
        prop(42, "HighBackColor", VarType::Color),
        prop(43, "MultiStatic", VarType::Bool),
        prop(44, "CalStatic", VarType::Bool),
        prop(45, "MouseExpand", VarType::Short),
        prop(46, "Alignment", VarType::Short, "AlignmentConstants"),
        prop(47, "VAlignment", VarType::Short, "VAlignmentConstants"),
        prop(48, "DayMath", VarType::Bool),
        prop(49, "Language", VarType::String),
        prop(50, "LanguageNumber", VarType::Short, "LanguageNumberConstants"),
        prop(51, "DayStart", VarType::Short),
        prop(52, "WeekNumbers", VarType::Bool),
        prop(53, "TitleHeight", VarType::Short),
        prop(54, "TitleFontBold", VarType::Bool),
        prop(55, "TitleFontItalic", VarType::Bool),
        prop(56, "TitleFontName", VarType::String),
        prop(57, "TitleFontSize", VarType::Float),
        prop(58, "TitleFontStrike", VarType::Bool),
        prop(59, "TitleFontUnder", VarType::Bool),
        prop(60, "TitleFontStyle", VarType::Short, "FontStyleConstants"),
        prop(61, "TitleColor", VarType::Color),
        prop(62, "MinYear", VarType::Short),
        prop(63, "MaxYear", VarType::Short),
        prop(64, "TitleFont", VarType::Font),
        prop(65, "MouseIcon", VarType::Picture),
        method(66, "Clear"),
        array(67, "DayArr", VarType::Short),
        array(68, "DateArr", VarType::String),
        array(69, "MonthArr", VarType::Short),
        array(70, "MonthTextArr", VarType::String),
        array(71, "WeekDayArr", VarType::Short),
        array(72, "WeekDayTextArr", VarType::String),
        array(73, "YearArr", VarType::Short),
        array(74, "DayLeft", VarType::Long),
        array(75, "DayTop", VarType::Long),
        array(76, "DayWidth", VarType::Long),
        array(77, "DayHeight", VarType::Long),
        method(ole::DISPID_REFRESH, "Refresh"),
        prop(ole::DISPID_BACKCOLOR, "BackColor", VarType::Color),
        prop(ole::DISPID_CAPTION, "Caption", VarType::String),
        prop(ole::DISPID_ENABLED, "Enabled", VarType::Bool),
        prop(ole::DISPID_FONT, "Font", VarType::Font),
        prop(ole::DISPID_FORECOLOR, "ForeColor", VarType::Color),
        prop(ole::DISPID_HWND, "hWnd", VarType::Long, "", true),
        method(ole::DISPID_ABOUTBOX, "AboutBox"),
    };

    const std::vector<ParamInfo> keyArgs{{QStringLiteral("KeyCode"), VarType::Short, true},
                                         {QStringLiteral("Shift"), VarType::Short, false}};
    const std::vector<ParamInfo> mouseArgs{{QStringLiteral("Button"), VarType::Short, false},
                                           {QStringLiteral("Shift"), VarType::Short, false},
                                           {QStringLiteral("X"), VarType::Long, false},
                                           {QStringLiteral("Y"), VarType::Long, false}};
    lib.events.name = QStringLiteral("_DVxcalndrEvents");
    lib.events.iid = kEventsIid;
    lib.events.members = {
        method(eventDayChange, "DayChange"),
        method(eventMonthChange, "MonthChange"),
        method(eventYearChange, "YearChange"),
        method(ole::DISPID_CLICK, "Click"),
        method(ole::DISPID_DBLCLICK, "DblClick"),
        method(ole::DISPID_KEYDOWN, "KeyDown", keyArgs),
        method(ole::DISPID_KEYPRESS, "KeyPress", {{QStringLiteral("KeyAscii"), VarType::Short, true}}),
        method(ole::DISPID_KEYUP, "KeyUp", keyArgs),
        method(ole::DISPID_MOUSEDOWN, "MouseDown", mouseArgs),
        method(ole::DISPID_MOUSEMOVE, "MouseMove", mouseArgs),
        method(ole::DISPID_MOUSEUP, "MouseUp", mouseArgs),
    };

    lib.enums = {
        enumeration("MousePointerConstants", {{0, "vxDefault"},
                                              {1, "vxArrow"},
                                              {2, "vxCross"},
                                              {3, "vxIBeam"},
                                              {4, "vxIcon"},
                                              {5, "vxSize"},
                                              {6, "vxSizeNESW"},
                                              {7, "vxSizeNS"},
                                              {8, "vxSizeNWSE"},
                                              {9, "vxSizeEW"},
                                              {10, "vxUpArrow"},
                                              {11, "vxHourglass"},
                                              {12, "vxNoDrop"},
                                              {13, "vxArrowHourglass"},
                                              {14, "vxArrowQuestion"},
                                              {15, "vxSizeAll"},
                                              {99, "vxCustom"}}),
        sequence("AlignmentConstants", {"vxAlignmentLeft", "vxAlignmentRight", "vxAlignmentCenter"}),
        sequence("VAlignmentConstants", {"vxVAlignTop", "vxVAlignBottom", "vxVAlignCenter"}),
        sequence("BorderStyleConstants",
                 {"vxBorderStyleNone", "vxBorderSingleLine", "vxBorderRoundedCorners"}),
        sequence("FontStyleConstants", {"vxFontStyleNone", "vxFontStyleRaised", "vxFontStyleRaisedShading",
                                        "vxFontStyleLowered", "vxFontStyleLoweredShading"}),
        sequence("WallpaperConstants", {"vxWallPaperStrBlt", "vxWallPaperBitblt", "vxWallPaperReplicate"}),
        sequence("ExtBevelStyleConstants", {"vxExtBevelLowered", "vxExtBevelRaised", "vxExtBevelChisled",
                                            "vxExtBevelShadowedRight", "vxExtBevelShadowedLeft"}),
        sequence("BevelStyleConstants", {"vxBevelStyleLowered", "vxBevelStyleRaised", "vxBevelStyleChisled",
                                         "vxBevelStyleShadowedRight", "vxBevelStyleShadowedLeft"}),
        sequence("BevelStyleInnerConstants", {"vxBevelStyleInnerLowered", "vxBevelStyleInnerRaised"}),
        sequence("LanguageStringConstants",
                 {"vxLanguageWWW", "vxLanguageDAN", "vxLanguageDEU", "vxLanguageENG", "vxLanguageENU",
                  "vxLanguageESN", "vxLanguageESP", "vxLanguageFIN", "vxLanguageFRA", "vxLanguageFRC",
                  "vxLanguageISL", "vxLanguageITA", "vxLanguageNLD", "vxLanguageNOR", "vxLanguagePTG",
                  "vxLanguageSVE", "vxLanguageEPT", "vxLanguageSER"}),
        sequence("BooleanConstants", {"vxBoolFalse", "vxBoolTrue"}),
        sequence("DividerStyleConstants",
                 {"vxDividerStyleNone", "vxDividerStyleSingleBorderColor", "vxDividerStyleSingleShadowColor",
                  "vxDividerStyleLowered", "vxDividerStyleRaised"}),
        sequence("MultiSelectConstants", {"vxSelectNone", "vxSelectSimple", "vxSelectExtended"}),
        sequence("MultiSelectConstants2", {"vxSelectNone", "vxSelectSimple"}),
        sequence("CalStyleConstants", {"vxCalStyleNormal", "vxCalStyleCenterfold"}),
        sequence("DateFormatConstants",
                 {"normal", "julian", "verbose", "vww", "general", "longty", "mediumty", "shortty"}),
        sequence("LanguageNumberConstants",
                 {"vxLanguageUseControlPanel", "vxLanguageDanish", "vxLanguageGerman", "vxLanguageUKEnglish",
                  "vxLanguageUSEnglish", "vxLanguageNewSpanish", "vxLanguageOldSpanish", "vxLanguageFinnish",
                  "vxLanguageFrench", "vxLanguageCanadianFrench", "vxLanguageIcelandic", "vxLanguageItalian",
                  "vxLanguageDutch", "vxLanguageNorwegian", "vxLanguagePortuguese", "vxLanguageSwedish",
                  "vxLanguageEsperanto", "vxLanguageSerboCroatian"}),
    };
    return lib;
}

} // namespace

const ole::TypeLibrary& calendarTypeLibrary() {
    static const ole::TypeLibrary lib = build();
    return lib;
}

} // namespace vxcal
