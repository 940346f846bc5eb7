#include "calendar/CalendarHost.h"
#include "ole/QtApplicationEnv.h"

#include <gtest/gtest.h>

namespace {

using ole::Variant;

QStringList storedNames(CalendarHost& host) {
    ole::PropertyBag bag;
    host.control->Save(bag);
    return bag.names();
}

void loadText(CalendarHost& host, const QByteArray& text) {
    const auto r = ole::PropertyBag::load(text);
    ASSERT_TRUE(r.ok);
    host.control->Load(r.bag);
}

TEST(CalendarStorage, ItemsAreStoredInTheirFixedOrder) {
    CalendarHost host;
    EXPECT_EQ(
        storedNames(host).join(QLatin1Char(' ')).toStdString(),
        "_Version _ExtentX _ExtentY Caption ForeColor BackColor Enabled Font "
        "AutoSize BevelSize BevelStyle BorderColor BorderStyle FillColor FontStyle LightColor ShadowColor "
        "TextColor WallPaper Picture BevelStyleDate BevelSizeDate Day DividerStyle HighColor Month "
        "MultiSelect "
        "CalendarStyle DateFormat Year BevelStyleCap BevelSizeCap FocusColor HighBackColor MultiStatic "
        "CalStatic "
        "MouseExpand Alignment VAlignment DayMath LanguageNumber DayStart WeekNumbers TitleHeight "
        "TitleFontBold "
        "TitleFontItalic TitleFontName TitleFontSize TitleFontStrike TitleFontUnder TitleFontStyle "
        "TitleColor "
        "MinYear MaxYear TitleFont MousePointer MouseIcon");
    ole::PropertyBag bag;
    host.control->Save(bag);
    EXPECT_TRUE(bag.save().startsWith("VxPropertyBag 1\n_Version:long=65536\n"));
}

// Every persisted property with a value other than its default, as a container would set it.
const std::pair<const char*, Variant> kStoredValues[] = {
    {"AutoSize", Variant::fromBool(false)},
    {"BevelSize", Variant::fromShort(3)},
    {"BevelStyle", Variant::fromShort(4)},
    {"BorderColor", Variant::fromColor(0x00010203)},
    {"BorderStyle", Variant::fromShort(2)},
    {"FillColor", Variant::fromColor(0x80000005)},
    {"FontStyle", Variant::fromShort(3)},
    {"LightColor", Variant::fromColor(0x00ABCDEF)},
    {"ShadowColor", Variant::fromColor(0x00111111)},
    {"TextColor", Variant::fromColor(0x00222222)},
    {"WallPaper", Variant::fromShort(2)},
    {"BevelStyleDate", Variant::fromShort(1)},
    {"BevelSizeDate", Variant::fromShort(-2)},
    {"DividerStyle", Variant::fromShort(4)},
    {"HighColor", Variant::fromColor(0x00333333)},
    {"MultiSelect", Variant::fromShort(1)},
    {"CalendarStyle", Variant::fromShort(1)},
    {"DateFormat", Variant::fromShort(6)},
    {"Day", Variant::fromShort(29)},
    {"Year", Variant::fromShort(2000)},
    {"Month", Variant::fromShort(2)},
    {"BevelStyleCap", Variant::fromShort(2)},
    {"BevelSizeCap", Variant::fromShort(7)},
    {"FocusColor", Variant::fromColor(0x00444444)},
    {"HighBackColor", Variant::fromColor(0x00555555)},
    {"MultiStatic", Variant::fromBool(true)},
    {"CalStatic", Variant::fromBool(true)},
    {"MouseExpand", Variant::fromShort(4)},
    {"Alignment", Variant::fromShort(0)},
    {"VAlignment", Variant::fromShort(1)},
    {"DayMath", Variant::fromBool(true)},
    {"LanguageNumber", Variant::fromShort(8)},
    {"DayStart", Variant::fromShort(1)},
    {"WeekNumbers", Variant::fromBool(true)},
    {"TitleHeight", Variant::fromShort(22)},
    {"TitleFontBold", Variant::fromBool(false)},
    {"TitleFontItalic", Variant::fromBool(true)},
    {"TitleFontName", Variant::fromString(QStringLiteral("Arial \"Narrow\""))},
    {"TitleFontSize", Variant::fromFloat(11.5f)},
    {"TitleFontStrike", Variant::fromBool(true)},
    {"TitleFontUnder", Variant::fromBool(true)},
    {"TitleFontStyle", Variant::fromShort(4)},
    {"TitleColor", Variant::fromColor(0x00666666)},
    {"MinYear", Variant::fromShort(1900)},
    {"MaxYear", Variant::fromShort(2100)},
    {"MousePointer", Variant::fromShort(99)},
    {"Caption", Variant::fromString(QStringLiteral("Due dates"))},
    {"BackColor", Variant::fromColor(0x00777777)},
};

TEST(CalendarStorage, EveryPersistedPropertySurvivesSaveAndLoad) {
    CalendarHost first;
    for (const auto& [name, value] : kStoredValues)
        first.put(QLatin1String(name), value);
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::green);
    first.put(QStringLiteral("Picture"), Variant::fromPicture(ole::PictureObject::bitmap(image)));
    first.put(QStringLiteral("MouseIcon"), Variant::fromPicture(ole::PictureObject::icon(image)));
    ole::FONTDESC d;
    d.lpstrName = QStringLiteral("Times");
    d.cySize = {95000};
    d.fItalic = true;
    first.put(QStringLiteral("TitleFont"), Variant::fromFont(std::make_shared<ole::FontObject>(d)));
    ole::PropertyBag bag;
    first.control->Save(bag);
    const QByteArray text = bag.save();

    CalendarHost second;
    second.clock.set(runtime::localTimePoint(2010, 10, 10));
    loadText(second, text);
    for (const auto& [name, value] : kStoredValues)
        EXPECT_EQ(second.get(QLatin1String(name)), value.convertTo(second.get(QLatin1String(name)).type()))
            << name;
    EXPECT_EQ(second.get(QStringLiteral("Picture")).toPicture()->image().pixelColor(7, 5), QColor(Qt::green));
    EXPECT_EQ(second.get(QStringLiteral("MouseIcon")).toPicture()->type(), ole::PICTYPE_ICON);
    EXPECT_EQ(second.get(QStringLiteral("TitleFont")).toFont()->name(), QStringLiteral("Times"));
    EXPECT_EQ(second.get(QStringLiteral("Language")).toString(),
              QStringLiteral("FRA")); // set from the number
    EXPECT_FALSE(second.control->IsModified());
    ole::PropertyBag again;
    second.control->Save(again);
    EXPECT_EQ(again.save().toStdString(), text.toStdString());
}

TEST(CalendarStorage, MissingItemsKeepWhatConstructionGave) {
    CalendarHost host; // today is 5 March 1997
    loadText(host, "VxPropertyBag 1\n_Version:long=65536\nBevelStyle:short=2\n");
    EXPECT_EQ(host.get(QStringLiteral("Date")).toString(), QStringLiteral("03/05/1997"));
    EXPECT_EQ(host.get(QStringLiteral("BevelStyle")).toLong(), 2);
    EXPECT_EQ(host.get(QStringLiteral("MaxYear")).toLong(), 9999);
    EXPECT_EQ(host.get(QStringLiteral("AutoSize")), Variant::fromBool(true));
    EXPECT_EQ(host.get(QStringLiteral("TitleFont")).toFont()->weight(), 700);
    EXPECT_EQ(host.get(QStringLiteral("MousePointer")).toLong(), 0);

    loadText(host, "VxPropertyBag 1\nDay:short=1\nMonth:short=2\nYear:short=1990\n");
    EXPECT_EQ(host.get(QStringLiteral("Date")).toString(), QStringLiteral("02/01/1990"));
}

// Stored values are taken as they are, and an unreadable item never stops the load.
struct LoadRow {
    const char* name;
    const char* line;
    const char* property;
    const char* shown;
};

class LoadAsStored : public testing::TestWithParam<LoadRow> {};

TEST_P(LoadAsStored, KeepsLoading) {
    CalendarHost host;
    loadText(host, QByteArray("VxPropertyBag 1\n") + GetParam().line + "\nMousePointer:short=3\n");
    const Variant v = host.get(QLatin1String(GetParam().property));
    EXPECT_EQ(v.type() == ole::VarType::Picture ? QString::number(v.toPicture()->type()).toStdString()
                                                : v.display().toStdString(),
              GetParam().shown);
    EXPECT_EQ(host.get(QStringLiteral("MousePointer")).toLong(), 3); // stored after the damaged item
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, LoadAsStored,
    testing::Values(
        LoadRow{"BevelStyleUnchecked", "BevelStyle:short=9", "BevelStyle", "9"},
        LoadRow{"DayUnchecked", "Day:short=45", "Day", "45"},
        LoadRow{"BadPictureIsEmpty", "Picture:picture=bitmap,bm90IGEgcGljdHVyZQ==", "Picture", "0"},
        LoadRow{"PictureOfNoKindIsEmpty", "Picture:picture=sound,AAAA", "Picture", "0"},
        LoadRow{"BadIconIsEmpty", "MouseIcon:picture=icon,***", "MouseIcon", "0"},
        LoadRow{"WrongTypeKeepsDefault", "BevelSize:string=\"wide\"", "BevelSize", "0"},
        LoadRow{"LanguageOutsideListIsControlPanel", "LanguageNumber:short=40", "LanguageNumber", "0"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalendarStorage, DamagedStorageNeverStopsTheControl) {
    CalendarHost host;
    ole::PropertyBag bag;
    host.control->Save(bag);
    const QByteArray good = bag.save();
    const QuietQtWarnings quiet;
    loadText(host, "VxPropertyBag 1\nDay:short=-32768\nMonth:short=32767\nYear:short=-32768\n"
                   "MultiSelect:short=-1\nDateFormat:short=99\n_ExtentX:long=2147483647\n_ExtentY:long=-5\n");
    host.paint();
    EXPECT_EQ(host.get(QStringLiteral("Date")).toString(), QString()); // a format that gives no text
    std::uint32_t seed = 99;
    auto next = [&seed] {
        return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 300; ++round) {
        QByteArray text = good;
        for (int n = 0; n < 6; ++n)
            text[static_cast<qsizetype>(next() % static_cast<std::uint32_t>(text.size()))] =
                static_cast<char>(next() & 0xFF);
        const auto r = ole::PropertyBag::load(text);
        host.control->Load(r.bag);
        host.paint();
        EXPECT_FALSE(host.get(QStringLiteral("Language")).toString().isEmpty());
    }
}

TEST(CalendarStorage, ResetBringsBackDefaultsButNotTheSelection) {
    CalendarHost host;
    host.put(QStringLiteral("MultiSelect"), Variant::fromShort(1));
    host.put(QStringLiteral("DateSelOn"), Variant::fromBool(true));
    host.put(QStringLiteral("Language"), Variant::fromString(QStringLiteral("DEU")));
    host.put(QStringLiteral("MousePointer"), Variant::fromShort(2));
    host.put(QStringLiteral("TitleFont"), Variant::fromFont(std::make_shared<ole::FontObject>()));
    host.control->InitNew();
    EXPECT_EQ(host.get(QStringLiteral("Language")).toString(), QStringLiteral("WWW"));
    EXPECT_EQ(host.get(QStringLiteral("SelectedCount")).toLong(), 0);
    EXPECT_EQ(host.get(QStringLiteral("MousePointer")).toLong(), 0);
    EXPECT_EQ(host.get(QStringLiteral("TitleFont")).toFont()->size().ticks, 120000);
    EXPECT_EQ(host.get(QStringLiteral("Caption")).toString(), QStringLiteral("Calendar1"));
}

// ---- Error texts from the locale module, in the system's language ----
struct ErrorTextRow {
    const char* name;
    const char* locale;
    const char* module;
    const char* property;
    int index; // -1: assign 9 to the property; otherwise read it at this index
    std::uint32_t scode;
    const char* text;
};

class ErrorText : public testing::TestWithParam<ErrorTextRow> {};

TEST_P(ErrorText, ComesFromTheLocaleModule) {
    const ErrorTextRow& row = GetParam();
    ScopedLocale locale(row.locale);
    CalendarHost host(row.module);
    const QString name = QLatin1String(row.property);
    const auto e = host.errorOf([&] {
        if (row.index < 0)
            host.put(name, Variant::fromShort(9));
        else
            host.get(name, {Variant::fromShort(static_cast<std::int16_t>(row.index))});
    });
    EXPECT_EQ(static_cast<std::uint32_t>(e.scode()), row.scode);
    EXPECT_EQ(e.description().toStdString(), row.text);
    EXPECT_EQ(e.helpContext(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, ErrorText,
    testing::Values(ErrorTextRow{"English380", "en_US.UTF-8", "VXLOCALE", "BevelStyle", -1, 0x800A017C,
                                 "Invalid property value."},
                    ErrorTextRow{"German380", "de_DE.UTF-8", "VXLOCALE", "BevelStyle", -1, 0x800A017C,
                                 "Falscher Wert der Eigenschaft."},
                    ErrorTextRow{"German381", "de_CH", "VXLOCALE", "DayTop", 36, 0x800A017D,
                                 "Falscher Wert f\xc3\xbcr den Eigenschafts-Array."},
                    ErrorTextRow{"French380", "fr_FR", "VXLOCALE", "DayLeft", 36, 0x800A017C,
                                 "Valeur de propri\xc3\xa9t\xc3\xa9 incorrecte."},
                    ErrorTextRow{"French383", "fr_CA", "VXLOCALE", "WeekDay", -1, 0x800A017F,
                                 "Vous ne pouvez pas modifier cette propri\xc3\xa9t\xc3\xa9."},
                    ErrorTextRow{"Missing380", "de_DE", "NOSUCHLOCALE", "BevelStyle", -1, 0x800A0035,
                                 "VXLOCALE.DLL Not Found"},
                    ErrorTextRow{"Missing381", "en_US", "NOSUCHLOCALE", "DayTop", 36, 0x800A0035,
                                 "VXLOCALE.DLL Not Found"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalendarErrors, MissingLocaleModuleLeavesTheControlUsable) {
    CalendarHost host("NOSUCHLOCALE");
    EXPECT_FALSE(host.control->localeLoaded());
    host.put(QStringLiteral("BevelStyle"), Variant::fromShort(3));
    EXPECT_EQ(host.get(QStringLiteral("BevelStyle")).toLong(), 3);
}

} // namespace
