#pragma once

#include "ole/FontHolder.h"
#include "ole/PictureHolder.h"
#include "ole/PropertyBag.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace ole {

// One pass of property exchange: saving into a bag, loading from one, or resetting (every item
// with a default takes it; items without one keep their value).
class CPropExchange {
public:
    enum class Mode { Load, Save, Reset };
    CPropExchange(Mode mode, PropertyBag* bag) : mode_(mode), bag_(bag) {}

    bool IsLoading() const { return mode_ != Mode::Save; }
    bool isResetting() const { return mode_ == Mode::Reset; }
    Mode mode() const { return mode_; }
    PropertyBag* bag() const { return bag_; }
    // The version the stored properties were written with (after ExchangeVersion).
    std::uint32_t GetVersion() const { return version_; }
    void setVersion(std::uint32_t v) { version_ = v; }
    // Storage converted from a 16-bit VBX form: never on this platform, which had no VBX.
    bool IsConvertingVBX() const { return false; }

    // The stored value of an item when loading (nothing in reset mode or when it is absent).
    std::optional<Variant> loaded(const QString& name) const;
    void save(const QString& name, const Variant& value);

private:
    Mode mode_;
    PropertyBag* bag_;
    std::uint32_t version_ = 0;
};

// Each exchange function returns false when the item was absent or unusable while loading; the
// value then keeps what it had (or takes the default, where one is given).
bool ExchangeVersion(CPropExchange* pPX, std::uint32_t version, bool convert = true);
bool PX_Bool(CPropExchange* pPX, const QString& name, std::int32_t& value);
bool PX_Bool(CPropExchange* pPX, const QString& name, std::int32_t& value, bool defaultValue);
bool PX_Short(CPropExchange* pPX, const QString& name, short& value);
bool PX_Short(CPropExchange* pPX, const QString& name, short& value, short defaultValue);
bool PX_Long(CPropExchange* pPX, const QString& name, std::int32_t& value);
bool PX_Long(CPropExchange* pPX, const QString& name, std::int32_t& value, std::int32_t defaultValue);
bool PX_Color(CPropExchange* pPX, const QString& name, OLE_COLOR& value);
bool PX_Color(CPropExchange* pPX, const QString& name, OLE_COLOR& value, OLE_COLOR defaultValue);
bool PX_Float(CPropExchange* pPX, const QString& name, float& value);
bool PX_Float(CPropExchange* pPX, const QString& name, float& value, float defaultValue);
bool PX_String(CPropExchange* pPX, const QString& name, QString& value);
bool PX_String(CPropExchange* pPX, const QString& name, QString& value, const QString& defaultValue);
// A picture that cannot be read raises AutomationError; the caller decides what that means.
bool PX_Picture(CPropExchange* pPX, const QString& name, CPictureHolder& picture);
bool PX_Font(CPropExchange* pPX, const QString& name, CFontHolder& font, const FONTDESC* defaultDesc);
// Builds a stock font from the font items of a converted VBX form (FontName, FontSize, FontBold,
// FontItalic, FontStrikethru, FontUnderline) when they are present.
bool PX_VBXFontConvert(CPropExchange* pPX, CFontHolder& font);

} // namespace ole
