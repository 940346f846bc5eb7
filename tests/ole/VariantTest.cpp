#include "ole/Variant.h"
#include "ole/AutomationError.h"
#include "ole/FontHolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using ole::Variant;

namespace {

// A conversion and its expected text, or the run-time error it must raise (0 = none).
struct ConversionRow {
    const char* name;
    Variant input;
    std::function<QString(const Variant&)> convert;
    QString expected;
    int error;
};

QString asShort(const Variant& v) {
    return QString::number(v.toShort());
}
QString asLong(const Variant& v) {
    return QString::number(v.toLong());
}
QString asBool(const Variant& v) {
    return v.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
}
QString asColor(const Variant& v) {
    return QString::number(v.toColor(), 16);
}
QString asCurrency(const Variant& v) {
    return QString::number(v.toCurrency().ticks);
}
QString asText(const Variant& v) {
    return v.toString();
}

class Conversion : public testing::TestWithParam<ConversionRow> {};

TEST_P(Conversion, GivesValueOrRaises) {
    const ConversionRow& row = GetParam();
    if (row.error == 0) {
        EXPECT_EQ(row.convert(row.input).toStdString(), row.expected.toStdString());
        return;
    }
    try {
        row.convert(row.input);
        ADD_FAILURE() << "no error raised";
    } catch (const ole::AutomationError& e) {
        EXPECT_EQ(e.number(), row.error);
        EXPECT_EQ(e.scode(), ole::ctlError(row.error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Conversion,
    testing::Values(
        ConversionRow{"TrueIsMinusOne", Variant::fromBool(true), asShort, "-1", 0},
        ConversionRow{"HalfRoundsToEvenDown", Variant::fromDouble(2.5), asShort, "2", 0},
        ConversionRow{"HalfRoundsToEvenUp", Variant::fromDouble(3.5), asShort, "4", 0},
        ConversionRow{"ShortUpperBound", Variant::fromLong(32767), asShort, "32767", 0},
        ConversionRow{"ShortOverflow", Variant::fromLong(32768), asShort, "", 6},
        ConversionRow{"ShortUnderflow", Variant::fromDouble(-32768.6), asShort, "", 6},
        ConversionRow{"TextNumber", Variant::fromString(QStringLiteral(" 1997 ")), asShort, "1997", 0},
        ConversionRow{"TextTrue", Variant::fromString(QStringLiteral("true")), asBool, "-1", 0},
        ConversionRow{"TextNotANumber", Variant::fromString(QStringLiteral("abc")), asLong, "", 13},
        ConversionRow{"EmptyTextIsMismatch", Variant::fromString(QString()), asShort, "", 13},
        ConversionRow{"EmptyIsZero", Variant(), asLong, "0", 0},
        ConversionRow{"HexColourText", Variant::fromString(QStringLiteral("&H8000000F&")), asColor,
                      "8000000f", 0},
        ConversionRow{"NegativeLongIsSystemColour", Variant::fromLong(-2147483633), asColor, "8000000f", 0},
        ConversionRow{"ColourTooLarge", Variant::fromDouble(4294967296.0), asColor, "", 6},
        ConversionRow{"FloatToCurrency", Variant::fromFloat(8.25f), asCurrency, "82500", 0},
        ConversionRow{"CurrencyText", Variant::fromCurrency({-12345}), asText, "-1.2345", 0},
        ConversionRow{"CurrencyWholeText", Variant::fromCurrency({120000}), asText, "12", 0},
        ConversionRow{"FloatText", Variant::fromFloat(8.25f), asText, "8.25", 0},
        ConversionRow{"BoolText", Variant::fromBool(false), asText, "False", 0},
        ConversionRow{"NaNOverflows", Variant::fromDouble(std::numeric_limits<double>::quiet_NaN()), asShort,
                      "", 6},
        ConversionRow{"FontIsNoNumber", Variant::fromFont(std::make_shared<ole::FontObject>()), asShort, "",
                      13}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(VariantFontAndPicture, OnlyTheirOwnTypesConvert) {
    EXPECT_THROW(Variant::fromShort(3).toFont(), ole::AutomationError);
    EXPECT_THROW(Variant::fromString(QStringLiteral("x")).toPicture(), ole::AutomationError);
    EXPECT_EQ(Variant().toPicture(), nullptr);
    EXPECT_EQ(Variant().toFont(), nullptr);
}

} // namespace
