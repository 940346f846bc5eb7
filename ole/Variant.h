#pragma once

#include "ole/Types.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <variant>

namespace ole {

class FontObject;
class PictureObject;

enum class VarType { Empty, Bool, Short, Long, Float, Double, Currency, String, Color, Font, Picture };

// Name of a type as the type information and the property bag write it ("short", "color", ...).
QString varTypeName(VarType t);
// The type of a name, case-insensitively; Empty for an unknown name.
VarType varTypeFromName(const QString& name, bool* ok = nullptr);

// Currency: a count of ten-thousandths, exact.
struct Currency {
    std::int64_t ticks = 0;
    friend bool operator==(Currency, Currency) = default;
};

// The value that crosses the dispatch boundary. Booleans are held as the classic -1/0; the
// conversions follow the rules of the classic automation runtime: numbers round half to even,
// an out-of-range value raises overflow (6) and text that is no number raises type mismatch (13).
class Variant {
public:
    Variant() = default;
    static Variant fromBool(bool b) { return Variant(VarType::Bool, std::int64_t{b ? -1 : 0}); }
    static Variant fromShort(std::int16_t v) { return Variant(VarType::Short, std::int64_t{v}); }
    static Variant fromLong(std::int32_t v) { return Variant(VarType::Long, std::int64_t{v}); }
    static Variant fromFloat(float v) { return Variant(VarType::Float, double{v}); }
    static Variant fromDouble(double v) { return Variant(VarType::Double, v); }
    static Variant fromCurrency(Currency c) { return Variant(VarType::Currency, c.ticks); }
    static Variant fromString(const QString& s) { return Variant(VarType::String, s); }
    static Variant fromColor(OLE_COLOR c) { return Variant(VarType::Color, std::int64_t{c}); }
    static Variant fromFont(std::shared_ptr<FontObject> f);
    static Variant fromPicture(std::shared_ptr<PictureObject> p);

    VarType type() const { return type_; }
    bool isEmpty() const { return type_ == VarType::Empty; }

    // Conversions; each throws AutomationError (6 or 13) when the value does not convert.
    bool toBool() const;
    std::int16_t toShort() const;
    std::int32_t toLong() const;
    float toFloat() const;
    double toDouble() const;
    Currency toCurrency() const;
    QString toString() const;
    OLE_COLOR toColor() const;
    // A font or picture object, or null for an empty variant; anything else is a type mismatch.
    std::shared_ptr<FontObject> toFont() const;
    std::shared_ptr<PictureObject> toPicture() const;

    // Converts to the given type (Empty gives an empty variant).
    Variant convertTo(VarType t) const;

    // Text for people (the container's "get" output): numbers plainly, booleans True/False,
    // colours as &H00BBGGRR&, fonts and pictures described.
    QString display() const;

    bool operator==(const Variant& o) const;

private:
    using Value = std::variant<std::monostate, std::int64_t, double, QString, std::shared_ptr<FontObject>,
                               std::shared_ptr<PictureObject>>;
    Variant(VarType t, Value v) : type_(t), value_(std::move(v)) {}
    double numeric() const; // any numeric type, strings parsed

    VarType type_ = VarType::Empty;
    Value value_;
};

} // namespace ole
