#include "ole/Variant.h"

#include "ole/AutomationError.h"
#include "ole/FontHolder.h"
#include "ole/PictureHolder.h"

#include <cmath>
#include <limits>

namespace ole {

namespace {

constexpr std::pair<VarType, const char*> kTypeNames[] = {
    {VarType::Empty, "empty"},       {VarType::Bool, "bool"},       {VarType::Short, "short"},
    {VarType::Long, "long"},         {VarType::Float, "float"},     {VarType::Double, "double"},
    {VarType::Currency, "currency"}, {VarType::String, "string"},   {VarType::Color, "color"},
    {VarType::Font, "font"},         {VarType::Picture, "picture"},
};

// Rounds half to even, as the classic conversions to integers do.
double roundEven(double v) {
    return std::nearbyint(v); // the default rounding mode is to nearest, ties to even
}

std::int64_t checkedInteger(double v, std::int64_t lo, std::int64_t hi) {
    if (!std::isfinite(v))
        throwStandardError(CTL_E_OVERFLOW);
    const double r = roundEven(v);
    if (r < static_cast<double>(lo) || r > static_cast<double>(hi))
        throwStandardError(CTL_E_OVERFLOW);
    return static_cast<std::int64_t>(r);
}

// Text as a number: plain decimal numbers, "True"/"False", and &H hexadecimal.
double parseNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return -1;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return 0;
    bool ok = false;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = t.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1);
        const qulonglong v = digits.toULongLong(&ok, 16);
        if (ok && !digits.isEmpty() && v <= 0xFFFFFFFFull)
            return static_cast<double>(static_cast<std::uint32_t>(v));
        throwStandardError(CTL_E_TYPEMISMATCH);
    }
    const double v = t.toDouble(&ok);
    if (!ok)
        throwStandardError(CTL_E_TYPEMISMATCH);
    return v;
}

} // namespace

QString varTypeName(VarType t) {
    for (const auto& [type, name] : kTypeNames)
        if (type == t)
            return QLatin1String(name);
    return QStringLiteral("empty");
}

VarType varTypeFromName(const QString& name, bool* ok) {
    for (const auto& [type, n] : kTypeNames)
        if (name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0) {
            if (ok)
                *ok = true;
            return type;
        }
    if (ok)
        *ok = false;
    return VarType::Empty;
}

Variant Variant::fromFont(std::shared_ptr<FontObject> f) {
    return f ? Variant(VarType::Font, std::move(f)) : Variant();
}

Variant Variant::fromPicture(std::shared_ptr<PictureObject> p) {
    return p ? Variant(VarType::Picture, std::move(p)) : Variant();
}

double Variant::numeric() const {
    switch (type_) {
    case VarType::Empty:
        return 0;
    case VarType::Bool:
    case VarType::Short:
    case VarType::Long:
    case VarType::Color:
        return static_cast<double>(std::get<std::int64_t>(value_));
    case VarType::Currency:
        return static_cast<double>(std::get<std::int64_t>(value_)) / 10000.0;
    case VarType::Float:
    case VarType::Double:
        return std::get<double>(value_);
    case VarType::String:
        return parseNumber(std::get<QString>(value_));
    case VarType::Font:
    case VarType::Picture:
        break;
    }
    throwStandardError(CTL_E_TYPEMISMATCH);
}

bool Variant::toBool() const {
    return numeric() != 0;
}

std::int16_t Variant::toShort() const {
    return static_cast<std::int16_t>(checkedInteger(numeric(), -32768, 32767));
}

std::int32_t Variant::toLong() const {
    return static_cast<std::int32_t>(checkedInteger(numeric(), std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
}

float Variant::toFloat() const {
    const double v = numeric();
    if (std::isfinite(v) && std::abs(v) > static_cast<double>(std::numeric_limits<float>::max()))
        throwStandardError(CTL_E_OVERFLOW);
    return static_cast<float>(v);
}

double Variant::toDouble() const {
    return numeric();
}

Currency Variant::toCurrency() const {
    if (type_ == VarType::Currency)
        return Currency{std::get<std::int64_t>(value_)};
    const double v = numeric() * 10000.0;
    if (!std::isfinite(v) || std::abs(v) >= 9.2e18)
        throwStandardError(CTL_E_OVERFLOW);
    return Currency{static_cast<std::int64_t>(roundEven(v))};
}

QString Variant::toString() const {
    switch (type_) {
    case VarType::Empty:
        return {};
    case VarType::String:
        return std::get<QString>(value_);
    case VarType::Bool:
        return std::get<std::int64_t>(value_) ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::Short:
    case VarType::Long:
    case VarType::Color:
        return QString::number(std::get<std::int64_t>(value_));
    case VarType::Float:
        return QString::number(static_cast<float>(std::get<double>(value_)), 'g', 7);
    case VarType::Double:
        return QString::number(std::get<double>(value_), 'g', 15);
    case VarType::Currency: {
        const std::int64_t t = std::get<std::int64_t>(value_);
        const std::uint64_t a = t < 0 ? 0 - static_cast<std::uint64_t>(t) : static_cast<std::uint64_t>(t);
        QString s = QString::number(a / 10000);
        if (const std::uint64_t frac = a % 10000) {
            QString f = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
            while (f.endsWith(QLatin1Char('0')))
                f.chop(1);
            s += QLatin1Char('.') + f;
        }
        return t < 0 ? QLatin1Char('-') + s : s;
    }
    case VarType::Font:
    case VarType::Picture:
        break;
    }
    throwStandardError(CTL_E_TYPEMISMATCH);
}

OLE_COLOR Variant::toColor() const {
    if (type_ == VarType::Color)
        return static_cast<OLE_COLOR>(std::get<std::int64_t>(value_));
    const double v = numeric();
    // A colour is an unsigned 32-bit value; negative longs are the system colours written signed.
    const std::int64_t i = checkedInteger(v, std::numeric_limits<std::int32_t>::min(), 0xFFFFFFFFll);
    return static_cast<OLE_COLOR>(static_cast<std::uint32_t>(i));
}

std::shared_ptr<FontObject> Variant::toFont() const {
    if (type_ == VarType::Empty)
        return nullptr;
    if (type_ != VarType::Font)
        throwStandardError(CTL_E_TYPEMISMATCH);
    return std::get<std::shared_ptr<FontObject>>(value_);
}

std::shared_ptr<PictureObject> Variant::toPicture() const {
    if (type_ == VarType::Empty)
        return nullptr;
    if (type_ != VarType::Picture)
        throwStandardError(CTL_E_TYPEMISMATCH);
    return std::get<std::shared_ptr<PictureObject>>(value_);
}

Variant Variant::convertTo(VarType t) const {
    if (t == type_)
        return *this;
    switch (t) {
    case VarType::Empty:
        return {};
    case VarType::Bool:
        return fromBool(toBool());
    case VarType::Short:
        return fromShort(toShort());
    case VarType::Long:
        return fromLong(toLong());
    case VarType::Float:
        return fromFloat(toFloat());
    case VarType::Double:
        return fromDouble(toDouble());
    case VarType::Currency:
        return fromCurrency(toCurrency());
    case VarType::String:
        return fromString(toString());
    case VarType::Color:
        return fromColor(toColor());
    case VarType::Font:
        return fromFont(toFont());
    case VarType::Picture:
        return fromPicture(toPicture());
    }
    return {};
}

QString Variant::display() const {
    switch (type_) {
    case VarType::Color:
        return QStringLiteral("&H%1&")
            .arg(static_cast<std::uint32_t>(std::get<std::int64_t>(value_)), 8, 16, QLatin1Char('0'))
            .toUpper();
    case VarType::Font: {
        const auto& f = *std::get<std::shared_ptr<FontObject>>(value_);
        return QStringLiteral("Font(%1, %2, weight %3)")
            .arg(f.name(), fromCurrency(f.size()).toString())
            .arg(f.weight());
    }
    case VarType::Picture: {
        const auto& p = *std::get<std::shared_ptr<PictureObject>>(value_);
        return QStringLiteral("Picture(type %1, %2x%3)")
            .arg(p.type())
            .arg(p.image().width())
            .arg(p.image().height());
    }
    default:
        return toString();
    }
}

bool Variant::operator==(const Variant& o) const {
    return type_ == o.type_ && value_ == o.value_;
}

} // namespace ole
