#include "ole/PropExchange.h"

#include "ole/AutomationError.h"

namespace ole {

std::optional<Variant> CPropExchange::loaded(const QString& name) const {
    if (mode_ != Mode::Load || !bag_)
        return std::nullopt;
    return bag_->read(name);
}

void CPropExchange::save(const QString& name, const Variant& value) {
    if (mode_ == Mode::Save && bag_)
        bag_->write(name, value);
}

namespace {

// The stored value of a property that is not a picture. A damaged picture stored under its name
// counts as absent, like any other value that does not convert.
std::optional<Variant> loadedValue(CPropExchange* pPX, const QString& name) {
    try {
        return pPX->loaded(name);
    } catch (const AutomationError&) {
        return std::nullopt;
    }
}

// The common shape of the scalar exchanges: convert the stored value, or fall back.
template <typename T, typename FromVariant, typename ToVariant>
bool exchange(CPropExchange* pPX, const QString& name, T& value, const std::optional<T>& def,
              FromVariant from, ToVariant to) {
    if (pPX->mode() == CPropExchange::Mode::Save) {
        pPX->save(name, to(value));
        return true;
    }
    if (const auto stored = loadedValue(pPX, name)) {
        try {
            value = from(*stored);
            return true;
        } catch (const AutomationError&) {
            // A value of a type that does not convert counts as absent.
        }
    }
    if (def)
        value = *def;
    return false;
}

std::int32_t boolFrom(const Variant& v) {
    return v.toBool() ? -1 : 0;
}
Variant boolTo(std::int32_t v) {
    return Variant::fromBool(v != 0);
}

} // namespace

bool ExchangeVersion(CPropExchange* pPX, std::uint32_t version, bool convert) {
    std::int32_t stored = static_cast<std::int32_t>(version);
    const bool found = PX_Long(pPX, QStringLiteral("_Version"), stored, static_cast<std::int32_t>(version));
    pPX->setVersion(static_cast<std::uint32_t>(stored));
    (void)found;
    return convert || pPX->GetVersion() == version;
}

bool PX_Bool(CPropExchange* pPX, const QString& name, std::int32_t& value) {
    return exchange<std::int32_t>(pPX, name, value, std::nullopt, boolFrom, boolTo);
}
bool PX_Bool(CPropExchange* pPX, const QString& name, std::int32_t& value, bool def) {
    return exchange<std::int32_t>(pPX, name, value, def ? -1 : 0, boolFrom, boolTo);
}

bool PX_Short(CPropExchange* pPX, const QString& name, short& value) {
    return exchange<short>(
        pPX, name, value, std::nullopt, [](const Variant& v) { return v.toShort(); }, Variant::fromShort);
}
bool PX_Short(CPropExchange* pPX, const QString& name, short& value, short def) {
    return exchange<short>(
        pPX, name, value, def, [](const Variant& v) { return v.toShort(); }, Variant::fromShort);
}

bool PX_Long(CPropExchange* pPX, const QString& name, std::int32_t& value) {
    return exchange<std::int32_t>(
        pPX, name, value, std::nullopt, [](const Variant& v) { return v.toLong(); }, Variant::fromLong);
}
bool PX_Long(CPropExchange* pPX, const QString& name, std::int32_t& value, std::int32_t def) {
    return exchange<std::int32_t>(
        pPX, name, value, def, [](const Variant& v) { return v.toLong(); }, Variant::fromLong);
}

bool PX_Color(CPropExchange* pPX, const QString& name, OLE_COLOR& value) {
    return exchange<OLE_COLOR>(
        pPX, name, value, std::nullopt, [](const Variant& v) { return v.toColor(); }, Variant::fromColor);
}
bool PX_Color(CPropExchange* pPX, const QString& name, OLE_COLOR& value, OLE_COLOR def) {
    return exchange<OLE_COLOR>(
        pPX, name, value, def, [](const Variant& v) { return v.toColor(); }, Variant::fromColor);
}

bool PX_Float(CPropExchange* pPX, const QString& name, float& value) {
    return exchange<float>(
        pPX, name, value, std::nullopt, [](const Variant& v) { return v.toFloat(); }, Variant::fromFloat);
}
bool PX_Float(CPropExchange* pPX, const QString& name, float& value, float def) {
    return exchange<float>(
        pPX, name, value, def, [](const Variant& v) { return v.toFloat(); }, Variant::fromFloat);
}

bool PX_String(CPropExchange* pPX, const QString& name, QString& value) {
    return exchange<QString>(
        pPX, name, value, std::nullopt, [](const Variant& v) { return v.toString(); }, Variant::fromString);
}
bool PX_String(CPropExchange* pPX, const QString& name, QString& value, const QString& def) {
    return exchange<QString>(
        pPX, name, value, def, [](const Variant& v) { return v.toString(); }, Variant::fromString);
}

bool PX_Picture(CPropExchange* pPX, const QString& name, CPictureHolder& picture) {
    if (pPX->mode() == CPropExchange::Mode::Save) {
        // An uninitialised holder is stored as no picture.
        auto p = picture.GetPictureDispatch();
        pPX->save(name,
                  Variant::fromPicture(p ? p : std::make_shared<PictureObject>(PICTYPE_NONE, QImage())));
        return true;
    }
    const auto stored = pPX->loaded(name); // may raise for a picture that cannot be read
    if (!stored)
        return false;
    const auto p = stored->toPicture();
    if (p)
        picture.SetPictureDispatch(p);
    else
        picture.CreateEmpty();
    return true;
}

bool PX_Font(CPropExchange* pPX, const QString& name, CFontHolder& font, const FONTDESC* def) {
    if (pPX->mode() == CPropExchange::Mode::Save) {
        if (!font.GetFontDispatch())
            font.InitializeFont(def);
        pPX->save(name, Variant::fromFont(font.GetFontDispatch()));
        return true;
    }
    if (const auto stored = loadedValue(pPX, name); stored && stored->type() == VarType::Font) {
        font.InitializeFont(def, stored->toFont());
        return true;
    }
    font.InitializeFont(def);
    return false;
}

bool PX_VBXFontConvert(CPropExchange* pPX, CFontHolder& font) {
    if (pPX->mode() != CPropExchange::Mode::Load)
        return false;
    const auto name = loadedValue(pPX, QStringLiteral("FontName"));
    if (!name)
        return false;
    try {
        FONTDESC d;
        d.lpstrName = name->toString();
        if (const auto v = pPX->loaded(QStringLiteral("FontSize")))
            d.cySize = v->toCurrency();
        if (const auto v = pPX->loaded(QStringLiteral("FontBold")))
            d.sWeight = v->toBool() ? 700 : 400;
        if (const auto v = pPX->loaded(QStringLiteral("FontItalic")))
            d.fItalic = v->toBool();
        if (const auto v = pPX->loaded(QStringLiteral("FontStrikethru")))
            d.fStrikethrough = v->toBool();
        if (const auto v = pPX->loaded(QStringLiteral("FontUnderline")))
            d.fUnderline = v->toBool();
        font.InitializeFont(&d);
        return true;
    } catch (const AutomationError&) {
        return false;
    }
}

} // namespace ole
