#pragma once

#include <QString>

#include <cstdint>

// The identifiers and status codes of the component layer, spelt as containers and controls of the
// platform know them, so that code written against the classic control framework reads the same.
namespace ole {

using DISPID = std::int32_t;
using SCODE = std::int32_t;
using HRESULT = std::int32_t;
using OLE_COLOR = std::uint32_t;

// A GUID in its registry text form ("{0A9F72E0-91CE-101B-AFF8-00AA003E1700}"); compared without
// regard to case.
struct GUID {
    QString text;
    bool operator==(const GUID& o) const { return text.compare(o.text, Qt::CaseInsensitive) == 0; }
};
using IID = GUID;
using CLSID = GUID;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = static_cast<HRESULT>(0x80020006u);
inline constexpr HRESULT DISP_E_EXCEPTION = static_cast<HRESULT>(0x80020009u);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = static_cast<HRESULT>(0x8002000Eu);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);

// Errors raised through automation carry the run-time error number in the low word.
constexpr SCODE ctlError(int number) {
    return static_cast<SCODE>(0x800A0000u + static_cast<std::uint32_t>(number));
}
inline constexpr SCODE CTL_E_OVERFLOW = ctlError(6);
inline constexpr SCODE CTL_E_TYPEMISMATCH = ctlError(13);
inline constexpr SCODE CTL_E_FILENOTFOUND = ctlError(53);
inline constexpr SCODE CTL_E_INVALIDPROPERTYVALUE = ctlError(380);
inline constexpr SCODE CTL_E_INVALIDPROPERTYARRAYINDEX = ctlError(381);
inline constexpr SCODE CTL_E_SETNOTSUPPORTED = ctlError(383);
inline constexpr SCODE CTL_E_GETNOTSUPPORTED = ctlError(394);
inline constexpr SCODE CTL_E_INVALIDPICTURE = ctlError(481);

// Stock members.
inline constexpr DISPID DISPID_VALUE = 0;
inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_BACKCOLOR = -501;
inline constexpr DISPID DISPID_FORECOLOR = -513;
inline constexpr DISPID DISPID_FONT = -512;
inline constexpr DISPID DISPID_ENABLED = -514;
inline constexpr DISPID DISPID_HWND = -515;
inline constexpr DISPID DISPID_CAPTION = -518;
inline constexpr DISPID DISPID_REFRESH = -550;
inline constexpr DISPID DISPID_ABOUTBOX = -552;
inline constexpr DISPID DISPID_CLICK = -600;
inline constexpr DISPID DISPID_DBLCLICK = -601;
inline constexpr DISPID DISPID_KEYDOWN = -602;
inline constexpr DISPID DISPID_KEYPRESS = -603;
inline constexpr DISPID DISPID_KEYUP = -604;
inline constexpr DISPID DISPID_MOUSEDOWN = -605;
inline constexpr DISPID DISPID_MOUSEMOVE = -606;
inline constexpr DISPID DISPID_MOUSEUP = -607;

// Ambient properties of the container site.
inline constexpr DISPID DISPID_AMBIENT_BACKCOLOR = -701;
inline constexpr DISPID DISPID_AMBIENT_DISPLAYNAME = -702;
inline constexpr DISPID DISPID_AMBIENT_FONT = -703;
inline constexpr DISPID DISPID_AMBIENT_FORECOLOR = -704;
inline constexpr DISPID DISPID_AMBIENT_LOCALEID = -705;
inline constexpr DISPID DISPID_AMBIENT_USERMODE = -709;
inline constexpr DISPID DISPID_AMBIENT_UIDEAD = -710;

// The verb that shows a control's property pages.
inline constexpr int OLEIVERB_PROPERTIES = -7;

// Self-registration results.
inline constexpr HRESULT SELFREG_E_TYPELIB = static_cast<HRESULT>(0x80040200u);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201u);

// OLE miscellaneous status bits.
inline constexpr std::uint32_t OLEMISC_RECOMPOSEONRESIZE = 0x1;
inline constexpr std::uint32_t OLEMISC_CANTLINKINSIDE = 0x10;
inline constexpr std::uint32_t OLEMISC_INSIDEOUT = 0x80;
inline constexpr std::uint32_t OLEMISC_ACTIVATEWHENVISIBLE = 0x100;
inline constexpr std::uint32_t OLEMISC_SIMPLEFRAME = 0x10000;
inline constexpr std::uint32_t OLEMISC_SETCLIENTSITEFIRST = 0x20000;

} // namespace ole
