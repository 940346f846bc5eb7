#include "calendar/CalendarHost.h"
#include "ole/QtApplicationEnv.h"
#include "vxrun/Colors.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

VX_QT_TEST_APPLICATION;

namespace {

using ole::Variant;

Variant S(int v) {
    return Variant::fromLong(v);
}

// ---- Defaults after a reset, read as a container in run mode reads them ----
struct DefaultRow {
    const char* property;
    const char* shown; // Variant::display(), strings in quotes
};

class Defaults : public testing::TestWithParam<DefaultRow> {};

TEST_P(Defaults, AfterReset) {
    CalendarHost host;
    const Variant v = host.get(QLatin1String(GetParam().property));
    const QString shown =
        v.type() == ole::VarType::String ? QLatin1Char('"') + v.toString() + QLatin1Char('"') : v.display();
    EXPECT_EQ(shown.toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, Defaults,
    testing::Values(DefaultRow{"AutoSize", "True"}, DefaultRow{"Alignment", "2"},
                    DefaultRow{"VAlignment", "2"}, DefaultRow{"MaxYear", "9999"}, DefaultRow{"MinYear", "0"},
                    DefaultRow{"HighColor", "&H000000FF&"}, DefaultRow{"TitleFontBold", "True"},
                    DefaultRow{"TitleFontSize", "8.25"}, DefaultRow{"TitleFontName", "\"MS Sans Serif\""},
                    DefaultRow{"Language", "\"WWW\""}, DefaultRow{"LanguageNumber", "0"},
                    DefaultRow{"Day", "5"}, DefaultRow{"Month", "3"}, DefaultRow{"Year", "1997"},
                    DefaultRow{"Date", "\"03/05/1997\""}, DefaultRow{"DaySel", "5"},
                    DefaultRow{"MonthSel", "3"}, DefaultRow{"YearSel", "1997"},
                    DefaultRow{"SelectedCount", "0"}, DefaultRow{"MousePointer", "0"},
                    DefaultRow{"Caption", "\"Calendar1\""}, DefaultRow{"WeekDay", "3"},
                    DefaultRow{"WeekDayText", "\"Wednesday\""}, DefaultRow{"MonthText", "\"March\""},
                    DefaultRow{"MultiSelect", "0"}),
    [](const auto& row) { return std::string(row.param.property); });

TEST(CalendarDefaults, ColoursAreResolvedRgbValuesAndTitleFontIsDescribed) {
    CalendarHost host;
    const std::pair<const char*, int> colours[] = {
        {"BorderColor", vxrun::COLOR_WINDOWFRAME}, {"FillColor", vxrun::COLOR_BTNFACE},
        {"LightColor", vxrun::COLOR_WINDOW},       {"ShadowColor", vxrun::COLOR_BTNSHADOW},
        {"TextColor", vxrun::COLOR_WINDOWTEXT},    {"FocusColor", vxrun::COLOR_WINDOW},
        {"HighBackColor", vxrun::COLOR_BTNSHADOW}, {"TitleColor", vxrun::COLOR_WINDOWTEXT}};
    for (const auto& [name, index] : colours) {
        const auto c = host.get(QLatin1String(name)).toColor();
        EXPECT_EQ(c & 0xFF000000u, 0u) << name << " is a system-colour reference";
        EXPECT_EQ(c, vxrun::GetSysColor(index)) << name;
    }
    const auto font = host.get(QStringLiteral("TitleFont")).toFont();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font->size().ticks, 120000);
    EXPECT_EQ(font->weight(), 700);
    EXPECT_FALSE(font->italic() || font->underline() || font->strikethrough());
    EXPECT_EQ(host.control->GetMiscStatus(), 0x00020191u);
    EXPECT_TRUE(host.control->isSimpleFrame());
    EXPECT_EQ(host.control->dispatchIid(), vxcal::kDispatchIid);
    EXPECT_FALSE(host.control->IsModified());
}

// ---- Checks: a refused value raises its error, changes nothing and tells nobody ----
struct CheckRow {
    const char* property;
    int value;
    int error; // 0 accepted (read back as given)
};

class Checks : public testing::TestWithParam<CheckRow> {};

TEST_P(Checks, AcceptOrRefuse) {
    ScopedLocale english("en_US");
    CalendarHost host;
    const CheckRow& row = GetParam();
    const QString name = QLatin1String(row.property);
    const Variant before = host.get(name);
    if (row.error == 0) {
        host.put(name, S(row.value));
        EXPECT_EQ(host.get(name).toLong(), row.value);
        ASSERT_EQ(host.changes.size(), 1u);
        EXPECT_EQ(host.changes[0], *host.control->GetIDsOfNames(name));
        EXPECT_TRUE(host.control->IsModified());
        return;
    }
    const auto e = host.errorOf([&] { host.put(name, S(row.value)); });
    EXPECT_EQ(e.scode(), ole::ctlError(row.error));
    EXPECT_EQ(e.description(), QStringLiteral("Invalid property value."));
    EXPECT_EQ(host.get(name), before);
    EXPECT_TRUE(host.changes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, Checks,
    testing::Values(
        CheckRow{"BevelStyle", 5, 380}, CheckRow{"BevelStyle", -1, 380}, CheckRow{"BevelStyle", 4, 0},
        CheckRow{"MaxYear", 10000, 380}, CheckRow{"MaxYear", 9999, 0}, CheckRow{"MinYear", -1, 380},
        CheckRow{"MinYear", 3000, 0}, CheckRow{"BevelSize", -1, 380}, CheckRow{"BevelSize", 32767, 0},
        CheckRow{"BorderStyle", 3, 380}, CheckRow{"FontStyle", 5, 380}, CheckRow{"WallPaper", 3, 380},
        CheckRow{"DividerStyle", 5, 380}, CheckRow{"MultiSelect", 2, 380}, CheckRow{"MultiSelect", 1, 0},
        CheckRow{"CalendarStyle", 2, 380}, CheckRow{"DateFormat", 8, 380}, CheckRow{"DateFormat", 7, 0},
        CheckRow{"Alignment", 3, 380}, CheckRow{"VAlignment", -1, 380}, CheckRow{"TitleFontStyle", 5, 380},
        CheckRow{"BevelStyleDate", 5, 380}, CheckRow{"BevelStyleCap", 5, 380},
        CheckRow{"LanguageNumber", 18, 380}, CheckRow{"LanguageNumber", 17, 0},
        CheckRow{"MousePointer", 16, 380}, CheckRow{"MousePointer", -1, 380},
        CheckRow{"MousePointer", 98, 380}, CheckRow{"MousePointer", 99, 0}, CheckRow{"MousePointer", 15, 0},
        CheckRow{"BevelSizeDate", -7, 0}, CheckRow{"BevelSizeCap", -7, 0}, CheckRow{"MouseExpand", -3, 0},
        CheckRow{"DayStart", 6, 0}, CheckRow{"TitleHeight", 40, 0}),
    [](const auto& row) {
        return std::string(row.param.property) + (row.param.value < 0 ? "Minus" : "") +
               std::to_string(std::abs(row.param.value));
    });

TEST(CalendarChecks, MinYearAboveMaxYearIsAcceptedUnchanged) {
    CalendarHost host;
    host.put(QStringLiteral("MinYear"), S(3000));
    host.put(QStringLiteral("MaxYear"), S(2000));
    EXPECT_EQ(host.get(QStringLiteral("MinYear")).toLong(), 3000);
    EXPECT_EQ(host.get(QStringLiteral("MaxYear")).toLong(), 2000);
}

TEST(CalendarChecks, RefusedYearStillMarksTheControlModified) {
    CalendarHost host;
    host.put(QStringLiteral("MaxYear"), S(-5)); // a year below the bounds wraps to -5: no such date
    ole::PropertyBag bag;
    host.control->Save(bag);
    host.changes.clear();
    const auto e = host.errorOf([&] { host.put(QStringLiteral("Year"), S(-3)); });
    EXPECT_EQ(e.number(), 380);
    EXPECT_EQ(host.get(QStringLiteral("Year")).toLong(), 1997);
    EXPECT_TRUE(host.control->IsModified());
    EXPECT_TRUE(host.changes.empty());
}

// ---- The current date through the interface: steps "Name=Value" in order, then the Date text ----
struct DateRow {
    const char* name;
    const char* steps; // "@key=value" sets a regional setting of WIN.INI
    const char* date;
};

class DateSetting : public testing::TestWithParam<DateRow> {};

TEST_P(DateSetting, GivesTheDateText) {
    CalendarHost host; // today is Wednesday 5 March 1997
    for (const QString& step :
         QString::fromLatin1(GetParam().steps).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        if (name.startsWith(QLatin1Char('@')))
            host.intl.values[name.mid(1).toStdString()] = value.toStdString();
        else
            host.put(name, Variant::fromString(value));
    }
    EXPECT_EQ(host.get(QStringLiteral("Date")).toString().toStdString(), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, DateSetting,
    testing::Values(DateRow{"WindowedYear", "MinYear=1950;MaxYear=2049;Year=97", "03/05/1997"},
                    DateRow{"WindowedYearUpper", "MinYear=1950;MaxYear=2049;Year=49", "03/05/2049"},
                    DateRow{"TwoDigitYearStays", "Year=97", "03/05/0097"},
                    DateRow{"YearPastBoundWraps", "Year=10000", "03/05/0000"},
                    DateRow{"DayClampedToMonth", "Month=4;Day=31", "04/30/1997"},
                    DateRow{"DayRollsWithDayMath", "DayMath=True;Month=4;Day=31", "05/01/1997"},
                    DateRow{"MonthRollsWithDayMath", "DayMath=True;Month=13", "01/05/1998"},
                    DateRow{"EmptyTextIsToday", "Year=2000;Date=", "03/05/1997"},
                    DateRow{"TextCarriesOver", "Date=13/45/1997", "02/14/1998"},
                    DateRow{"UnreadableTextIgnored", "DateFormat=2;Date=abc", "March 5, 1997"},
                    DateRow{"NumericTextInTextFormat", "DateFormat=6;Date=4/1/1998", "01-Apr-98"},
                    DateRow{"Julian", "DateFormat=1", "2450513"},
                    DateRow{"Verbose", "DateFormat=3", "Wednesday, March 5, 1997"},
                    DateRow{"SeparatorFromWinIni", "@sDate=-", "03051997"},
                    DateRow{"GermanNames", "Language=DEU;DateFormat=2", "M\u00e4rz 5, 1997"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Read-only members raise 383 with the locale module's text ----
class ReadOnly : public testing::TestWithParam<const char*> {};

TEST_P(ReadOnly, AssignmentRaises383) {
    ScopedLocale english("en_US");
    CalendarHost host;
    host.put(QStringLiteral("MultiSelect"), S(1));
    const QString name = QLatin1String(GetParam());
    const bool indexed = host.control->typeLibrary().dispatch.find(name)->indexed;
    const auto e = host.errorOf(
        [&] { host.put(name, S(1), indexed ? std::vector<Variant>{S(0)} : std::vector<Variant>{}); });
    EXPECT_EQ(e.scode(), ole::ctlError(383));
    EXPECT_EQ(e.description(), QStringLiteral("You can not set this property."));
}

INSTANTIATE_TEST_SUITE_P(Calendar, ReadOnly,
                         testing::Values("WeekDay", "WeekDayText", "MonthText", "DayArr", "DateArr",
                                         "MonthTextArr", "YearArr", "DayLeft", "DayHeight"));

// ---- Design mode: the run-mode-only members cannot be read ----
struct DesignRow {
    const char* property;
    bool readable;
};

class DesignMode : public testing::TestWithParam<DesignRow> {};

TEST_P(DesignMode, ReadsOnlyWhatIsAllowed) {
    CalendarHost host;
    host.put(QStringLiteral("MultiSelect"), S(1));
    host.setUserMode(false);
    const QString name = QLatin1String(GetParam().property);
    const bool indexed = host.control->typeLibrary().dispatch.find(name)->indexed;
    std::vector<Variant> index;
    if (indexed)
        index.push_back(S(0));
    if (GetParam().readable) {
        EXPECT_NO_THROW(host.get(name, index));
        return;
    }
    const auto e = host.errorOf([&] { host.get(name, index); });
    EXPECT_EQ(e.scode(), ole::CTL_E_GETNOTSUPPORTED);
}

INSTANTIATE_TEST_SUITE_P(Calendar, DesignMode,
                         testing::Values(DesignRow{"MonthText", false}, DesignRow{"SelectedCount", false},
                                         DesignRow{"TitleFontName", false}, DesignRow{"TitleFontBold", false},
                                         DesignRow{"FontBold", false}, DesignRow{"FontSize", false},
                                         DesignRow{"WeekDay", false}, DesignRow{"DaySel", false},
                                         DesignRow{"DateSelOn", false}, DesignRow{"DayArr", false},
                                         DesignRow{"DayLeft", false}, DesignRow{"Day", true},
                                         DesignRow{"Date", true}, DesignRow{"Language", true},
                                         DesignRow{"BevelStyle", true}, DesignRow{"TitleFont", true}),
                         [](const auto& row) { return std::string(row.param.property); });

// ---- Array properties and their index rules ----
struct IndexRow {
    const char* property;
    int index;
    int error;         // 0: the value below
    const char* value; // display form
};

class ArrayIndex : public testing::TestWithParam<IndexRow> {};

TEST_P(ArrayIndex, FollowsTheIndexRules) {
    CalendarHost host;
    host.put(QStringLiteral("MultiSelect"), S(1));
    host.put(QStringLiteral("DaySel"), S(15));
    host.put(QStringLiteral("DateSelOn"), Variant::fromBool(true)); // 15 March 1997, a Saturday
    const QString name = QLatin1String(GetParam().property);
    if (GetParam().error) {
        EXPECT_EQ(host.errorOf([&] { host.get(name, {S(GetParam().index)}); }).number(), GetParam().error);
        return;
    }
    EXPECT_EQ(host.get(name, {S(GetParam().index)}).display().toStdString(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, ArrayIndex,
    testing::Values(IndexRow{"DayArr", 0, 0, "15"}, IndexRow{"MonthArr", 0, 0, "3"},
                    IndexRow{"YearArr", 0, 0, "1997"}, IndexRow{"DateArr", 0, 0, "03/15/1997"},
                    IndexRow{"MonthTextArr", 0, 0, "March"}, IndexRow{"WeekDayArr", 0, 0, "6"},
                    IndexRow{"WeekDayTextArr", 0, 0, "Saturday"}, IndexRow{"DayArr", 1, 381, ""},
                    IndexRow{"DayArr", -1, 381, ""}, IndexRow{"YearArr", 1, 381, ""},
                    IndexRow{"MonthTextArr", 1, 0, ""}, IndexRow{"MonthTextArr", 400, 0, ""},
                    IndexRow{"MonthTextArr", -1, 381, ""}, IndexRow{"DayLeft", 36, 380, ""},
                    IndexRow{"DayLeft", -1, 380, ""}, IndexRow{"DayTop", 36, 381, ""},
                    IndexRow{"DayWidth", -1, 381, ""}, IndexRow{"DayHeight", 36, 381, ""},
                    IndexRow{"DayLeft", 35, 0, "0"}, IndexRow{"DayWidth", 0, 0, "15"}),
    [](const auto& row) {
        return std::string(row.param.property) + (row.param.index < 0 ? "Minus" : "") +
               std::to_string(std::abs(row.param.index));
    });

TEST(CalendarArrays, NoMultiSelectionRaises380) {
    CalendarHost host;
    EXPECT_EQ(host.errorOf([&] { host.get(QStringLiteral("DayArr"), {S(0)}); }).number(), 380);
}

TEST(CalendarSelection, DatesAreKeptInOrderAndAFullListRefusesSilently) {
    CalendarHost host;
    host.put(QStringLiteral("MultiSelect"), S(1));
    for (int d : {15, 3, 20}) {
        host.put(QStringLiteral("DaySel"), S(d));
        host.put(QStringLiteral("DateSelOn"), Variant::fromBool(true));
    }
    EXPECT_EQ(host.get(QStringLiteral("DayArr"), {S(0)}).toLong(), 3);
    EXPECT_EQ(host.get(QStringLiteral("DayArr"), {S(1)}).toLong(), 15);
    EXPECT_EQ(host.get(QStringLiteral("DayArr"), {S(2)}).toLong(), 20);
    host.changes.clear();
    host.put(QStringLiteral("DateSelOn"), Variant::fromBool(true)); // 20 March again: no change, but told
    EXPECT_EQ(host.changes, std::vector<ole::DISPID>{vxcal::dispidDateSelOn});

    host.put(QStringLiteral("YearSel"), S(1998));
    for (int d = 1; d <= 362; ++d) {
        host.put(QStringLiteral("DaySel"), S(d)); // days past a month's end are kept as given
        host.put(QStringLiteral("MonthSel"), S(1));
        host.put(QStringLiteral("DateSelOn"), Variant::fromBool(true));
    }
    EXPECT_EQ(host.get(QStringLiteral("SelectedCount")).toLong(), 365);
    host.put(QStringLiteral("DaySel"), S(363));
    host.changes.clear();
    host.put(QStringLiteral("DateSelOn"), Variant::fromBool(true));
    EXPECT_TRUE(host.changes.empty());
    EXPECT_FALSE(host.get(QStringLiteral("DateSelOn")).toBool());
    host.control->dispatchCall(QStringLiteral("Clear"));
    EXPECT_EQ(host.get(QStringLiteral("SelectedCount")).toLong(), 0);
}

// ---- Side effects and notifications ----
TEST(CalendarLanguage, CodeSelectsNumberAndTellsBoth) {
    CalendarHost host;
    host.put(QStringLiteral("Language"), Variant::fromString(QStringLiteral("deu")));
    EXPECT_EQ(host.changes, (std::vector<ole::DISPID>{vxcal::dispidLanguageNumber, vxcal::dispidLanguage}));
    EXPECT_EQ(host.get(QStringLiteral("LanguageNumber")).toLong(), 2);
    EXPECT_EQ(host.get(QStringLiteral("MonthText")).toString(), QStringLiteral("M\u00e4rz"));
}

TEST(CalendarPictures, OnlyBitmapsAndIconsWhereEachBelongs) {
    CalendarHost host;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const auto bitmap = ole::PictureObject::bitmap(image);
    host.put(QStringLiteral("Picture"), Variant::fromPicture(bitmap));
    EXPECT_EQ(host.control->size(), QSize(40, 30)); // AutoSize is on
    EXPECT_EQ(host.changes, (std::vector<ole::DISPID>{vxcal::dispidPicture, vxcal::dispidAutoSize}));
    const auto metafile = std::make_shared<ole::PictureObject>(ole::PICTYPE_METAFILE, QImage(), "wmf");
    for (const auto& wrong : {ole::PictureObject::icon(image), metafile})
        EXPECT_EQ(
            host.errorOf([&] { host.put(QStringLiteral("Picture"), Variant::fromPicture(wrong)); }).number(),
            380);
    EXPECT_EQ(host.get(QStringLiteral("Picture")).toPicture(), bitmap); // the old picture stays
    EXPECT_EQ(
        host.errorOf([&] { host.put(QStringLiteral("MouseIcon"), Variant::fromPicture(bitmap)); }).number(),
        380);
    host.put(QStringLiteral("MouseIcon"), Variant::fromPicture(ole::PictureObject::icon(image)));
    EXPECT_EQ(host.get(QStringLiteral("MouseIcon")).toPicture()->type(), ole::PICTYPE_ICON);
    host.put(QStringLiteral("Picture"), Variant());
    EXPECT_EQ(host.get(QStringLiteral("Picture")).toPicture()->type(), ole::PICTYPE_NONE);
}

TEST(CalendarFonts, TitleSettersReachTheTitleFontAndStockShortcutsTheFont) {
    CalendarHost host;
    host.put(QStringLiteral("TitleFontBold"), Variant::fromBool(false));
    host.put(QStringLiteral("TitleFontSize"), Variant::fromDouble(10.5));
    host.put(QStringLiteral("TitleFontName"), Variant::fromString(QStringLiteral("Arial")));
    host.put(QStringLiteral("TitleFontUnder"), S(5));
    const auto title = host.get(QStringLiteral("TitleFont")).toFont();
    EXPECT_FALSE(title->bold());
    EXPECT_EQ(title->size().ticks, 105000);
    EXPECT_EQ(title->name(), QStringLiteral("Arial"));
    EXPECT_TRUE(title->underline());
    EXPECT_EQ(host.get(QStringLiteral("TitleFontUnder")), Variant::fromBool(true));

    host.put(QStringLiteral("FontName"), Variant::fromString(QStringLiteral("Courier")));
    host.put(QStringLiteral("FontSize"), Variant::fromFloat(12.0f));
    host.put(QStringLiteral("FontItalic"), Variant::fromBool(true));
    const auto font = host.get(QStringLiteral("Font")).toFont();
    EXPECT_EQ(font->name(), QStringLiteral("Courier"));
    EXPECT_EQ(font->size().ticks, 120000);
    EXPECT_TRUE(font->italic());
    EXPECT_EQ(host.get(QStringLiteral("FontSize")).toFloat(), 12.0f);
}

TEST(CalendarEvents, ChangesAreFiredOnlyAfterAPaintOnceEach) {
    CalendarHost host;
    host.put(QStringLiteral("Month"), S(5));
    QCoreApplication::sendPostedEvents(host.control.get());
    EXPECT_TRUE(host.events.empty()); // never painted: nothing to compare with
    host.paint();
    host.put(QStringLiteral("Month"), S(6));
    host.put(QStringLiteral("Year"), S(1998));
    host.put(QStringLiteral("Month"), S(7));
    EXPECT_TRUE(host.events.empty());
    host.changes.clear();
    host.paint();
    EXPECT_EQ(host.events, (std::vector<ole::DISPID>{vxcal::eventMonthChange, vxcal::eventYearChange}));
    EXPECT_EQ(host.changes, (std::vector<ole::DISPID>{vxcal::dispidDate, vxcal::dispidDate}));
}

TEST(CalendarAboutBox, RunsThroughTheContainersModalRunner) {
    CalendarHost host;
    host.control->dispatchCall(QStringLiteral("AboutBox"));
    EXPECT_EQ(host.modalRuns, 1);
}

// ---- The Qt face ----
TEST(CalendarQt, PropertiesAndSignalsFollowTheSameRules) {
    CalendarHost host;
    QList<QDate> emitted;
    QObject::connect(host.control.get(), &vxcal::CVxcalndrCtrl::dateChanged, [&](QDate d) { emitted << d; });
    EXPECT_TRUE(host.control->setProperty("year", 1998));
    EXPECT_TRUE(host.control->setSelectedDate(QDate(2001, 2, 3)));
    EXPECT_FALSE(host.control->setMaximumYear(10000));
    EXPECT_EQ(host.control->maximumYear(), 9999);
    host.control->setDateText(QStringLiteral("not a date"));
    EXPECT_EQ(emitted, (QList<QDate>{QDate(1998, 3, 5), QDate(2001, 2, 3)}));
    EXPECT_EQ(host.control->property("monthName").toString(), QStringLiteral("February"));
    EXPECT_EQ(host.get(QStringLiteral("Date")).toString(), QStringLiteral("02/03/2001"));
}

TEST(CalendarQt, AClickFiresTheStockEventsAndTheClickedSignal) {
    CalendarHost host;
    host.control->resize(200, 160);
    QList<QDate> clicked;
    QObject::connect(host.control.get(), &vxcal::CVxcalndrCtrl::clicked, [&](QDate d) { clicked << d; });
    const QPointF at(20, 30);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(host.control.get(), &press);
    QCoreApplication::sendEvent(host.control.get(), &release);
    EXPECT_EQ(host.events,
              (std::vector<ole::DISPID>{ole::DISPID_MOUSEDOWN, ole::DISPID_MOUSEUP, ole::DISPID_CLICK}));
    EXPECT_EQ(clicked, QList<QDate>{QDate(1997, 3, 5)});
}

} // namespace

namespace {

// A property browser gets no display string for the stock font and the value's text for the rest.
TEST(CalendarDisplayStrings, NoneForTheFontTheValueOtherwise) {
    CalendarHost host;
    host.put(QStringLiteral("Year"), ole::Variant::fromLong(1997));
    EXPECT_FALSE(host.control->GetDisplayString(ole::DISPID_FONT).has_value());
    const std::optional<ole::DISPID> year = host.control->GetIDsOfNames(QStringLiteral("year"));
    ASSERT_TRUE(year.has_value());
    EXPECT_EQ(host.control->GetDisplayString(*year), std::optional<QString>(QStringLiteral("1997")));
    EXPECT_FALSE(host.control->GetDisplayString(9999).has_value());
}

} // namespace
