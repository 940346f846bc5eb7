#include "ole/PropertyBag.h"
#include "ole/AutomationError.h"
#include "ole/FontHolder.h"
#include "ole/PictureHolder.h"
#include "ole/PropExchange.h"
#include "ole/QtApplicationEnv.h"

#include <gtest/gtest.h>

using ole::PropertyBag;
using ole::Variant;

namespace {

TEST(PropertyBagText, EveryTypeIsWrittenAsDocumented) {
    PropertyBag bag;
    bag.write(QStringLiteral("On"), Variant::fromBool(true));
    bag.write(QStringLiteral("Size"), Variant::fromShort(-3));
    bag.write(QStringLiteral("Count"), Variant::fromLong(100000));
    bag.write(QStringLiteral("Points"), Variant::fromFloat(8.25f));
    bag.write(QStringLiteral("Money"), Variant::fromCurrency({-12345}));
    bag.write(QStringLiteral("Text"), Variant::fromString(QStringLiteral("a \"b\"\\\n\x01z\u00e9")));
    bag.write(QStringLiteral("Colour"), Variant::fromColor(0x8000000F));
    ole::FONTDESC d;
    d.lpstrName = QStringLiteral("Arial");
    d.cySize = {120000};
    d.sWeight = 700;
    d.fUnderline = true;
    bag.write(QStringLiteral("TitleFont"), Variant::fromFont(std::make_shared<ole::FontObject>(d)));
    bag.write(QStringLiteral("Picture"), Variant());
    bag.write(QStringLiteral("Size"), Variant::fromShort(4)); // rewriting keeps the place
    EXPECT_EQ(bag.save().toStdString(), "VxPropertyBag 1\n"
                                        "On:bool=True\n"
                                        "Size:short=4\n"
                                        "Count:long=100000\n"
                                        "Points:float=8.25\n"
                                        "Money:currency=-1.2345\n"
                                        "Text:string=\"a \\\"b\\\"\\\\\\n\\x01z\xc3\xa9\"\n"
                                        "Colour:color=&H8000000F&\n"
                                        "TitleFont:font=\"Arial\",12,700,0,False,True,False\n"
                                        "Picture:empty=\n");
}

TEST(PropertyBagText, ReadsBackWhatItWrites) {
    PropertyBag bag;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    bag.write(QStringLiteral("Picture"), Variant::fromPicture(ole::PictureObject::bitmap(image)));
    bag.write(QStringLiteral("Icon"), Variant::fromPicture(ole::PictureObject::icon(image)));
    bag.write(QStringLiteral("Empty"),
              Variant::fromPicture(std::make_shared<ole::PictureObject>(ole::PICTYPE_NONE, QImage())));
    bag.write(QStringLiteral("Text"), Variant::fromString(QStringLiteral("line\nbreak \"q\" \u00fc")));
    bag.write(QStringLiteral("Money"), Variant::fromCurrency({-5}));
    const auto r = PropertyBag::load(bag.save());
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.problems.isEmpty()) << r.problems.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(r.bag.names(), bag.names());
    const auto picture = r.bag.read(QStringLiteral("picture"))->toPicture(); // names ignore case
    EXPECT_EQ(picture->type(), ole::PICTYPE_BITMAP);
    EXPECT_EQ(picture->image().pixelColor(2, 1), QColor(Qt::red));
    EXPECT_EQ(r.bag.read(QStringLiteral("Icon"))->toPicture()->type(), ole::PICTYPE_ICON);
    EXPECT_EQ(r.bag.read(QStringLiteral("Empty"))->toPicture()->type(), ole::PICTYPE_NONE);
    EXPECT_EQ(r.bag.read(QStringLiteral("Text"))->toString(), QStringLiteral("line\nbreak \"q\" \u00fc"));
    EXPECT_EQ(r.bag.read(QStringLiteral("Money"))->toCurrency().ticks, -5);
    EXPECT_EQ(r.bag.save(), bag.save());
}

// A damaged line is reported by number and skipped; the good lines around it are kept.
struct BadLineRow {
    const char* name;
    const char* line;
    const char* problem;
};

class BadLine : public testing::TestWithParam<BadLineRow> {};

TEST_P(BadLine, IsReportedAndSkipped) {
    const QByteArray text =
        QByteArray("VxPropertyBag 1\nBefore:short=1\n") + GetParam().line + "\nAfter:short=2\n";
    const auto r = PropertyBag::load(text);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_EQ(r.problems[0].toStdString(), std::string("Line 3: ") + GetParam().problem);
    EXPECT_EQ(r.bag.read(QStringLiteral("Before"))->toShort(), 1);
    EXPECT_EQ(r.bag.read(QStringLiteral("After"))->toShort(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BadLine,
    testing::Values(
        BadLineRow{"NoColon", "Day=3", "expected Name:type=value"},
        BadLineRow{"NoEquals", "Day:short", "expected Name:type=value"},
        BadLineRow{"BlankInName", "Da y:short=3", "bad property name"},
        BadLineRow{"EmptyName", ":short=3", "bad property name"},
        BadLineRow{"LongName", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA:short=1",
                   "bad property name"},
        BadLineRow{"UnknownType", "Day:int=3", "unknown type"},
        BadLineRow{"ShortTooLarge", "Day:short=32768", "bad short value"},
        BadLineRow{"ShortNotNumber", "Day:short=3x", "bad short value"},
        BadLineRow{"BoolWord", "On:bool=yes", "bad bool value"},
        BadLineRow{"FloatTooLarge", "Size:float=1e39", "bad float value"},
        BadLineRow{"FloatNaN", "Size:float=nan", "bad float value"},
        BadLineRow{"CurrencyFiveDecimals", "M:currency=1.23456", "bad currency value"},
        BadLineRow{"ColourWithoutMarks", "C:color=FF", "bad color value"},
        BadLineRow{"ColourTooWide", "C:color=&H1FFFFFFFF&", "bad color value"},
        BadLineRow{"UnclosedString", "T:string=\"abc", "bad string value"},
        BadLineRow{"TextAfterString", "T:string=\"abc\"x", "bad string value"},
        BadLineRow{"BadEscape", "T:string=\"a\\q\"", "bad string value"},
        BadLineRow{"ShortEscape", "T:string=\"a\\x4", "bad string value"},
        BadLineRow{"FontMissingField", "F:font=\"Arial\",12,700,0,False,False", "bad font value"},
        BadLineRow{"FontNegativeSize", "F:font=\"Arial\",-1,700,0,False,False,False", "bad font value"},
        BadLineRow{"EmptyPicture", "P:picture=", "bad picture value"},
        BadLineRow{"PictureWithStrayReturns", "P:picture=none\r\r", "bad picture value"},
        BadLineRow{"Twice", "Before:short=5", "property Before is stored twice"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PropertyBagText, RefusesTextWithoutItsHeader) {
    for (const QByteArray& text :
         {QByteArray(), QByteArray("Day:short=3\n"), QByteArray("VxPropertyBag 2\n")}) {
        const auto r = PropertyBag::load(text);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.bag.names().isEmpty());
        EXPECT_EQ(r.problems, QStringList{QStringLiteral("This is not a property storage.")});
    }
}

TEST(PropertyBagText, AcceptsCarriageReturnsCommentsAndBlankLines) {
    const auto r = PropertyBag::load("VxPropertyBag 1\r\n# saved by hand\r\n\r\nDay:short=3\r\n");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.problems.isEmpty());
    EXPECT_EQ(r.bag.read(QStringLiteral("Day"))->toShort(), 3);
}

TEST(PropertyBagText, BadPictureRaisesOnlyWhenRead) {
    const auto r = PropertyBag::load("VxPropertyBag 1\nP:picture=bitmap,bm90IGEgcGljdHVyZQ==\n"
                                     "Q:picture=bitmap,***\nR:picture=sound,AAAA\n");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.problems.isEmpty());
    for (const char* name : {"P", "Q", "R"}) {
        try {
            r.bag.read(QLatin1String(name));
            ADD_FAILURE() << name << " read without error";
        } catch (const ole::AutomationError& e) {
            EXPECT_EQ(e.number(), 481) << name;
        }
    }
}

// Exchange: absent or unusable items keep their value unless a default is given.
TEST(PropertyExchange, AbsentAndUnusableItemsFallBack) {
    const auto r = PropertyBag::load(
        "VxPropertyBag 1\nA:string=\"text\"\nB:short=7\nC:bool=True\nD:picture=node\nFontName:picture=x\n");
    PropertyBag bag = r.bag;
    ole::CPropExchange load(ole::CPropExchange::Mode::Load, &bag);
    short a = 1, b = 2, missing = 3, withDefault = 4, damagedPicture = 5;
    EXPECT_FALSE(ole::PX_Short(&load, QStringLiteral("D"), damagedPicture));
    EXPECT_EQ(damagedPicture, 5);
    ole::CFontHolder font;
    EXPECT_FALSE(ole::PX_Font(&load, QStringLiteral("D"), font, nullptr));
    EXPECT_FALSE(ole::PX_VBXFontConvert(&load, font));
    std::int32_t c = 0;
    EXPECT_FALSE(ole::PX_Short(&load, QStringLiteral("A"), a)); // text that is no number
    EXPECT_TRUE(ole::PX_Short(&load, QStringLiteral("b"), b));
    EXPECT_FALSE(ole::PX_Short(&load, QStringLiteral("Missing"), missing));
    EXPECT_FALSE(ole::PX_Short(&load, QStringLiteral("Missing"), withDefault, 9));
    EXPECT_TRUE(ole::PX_Bool(&load, QStringLiteral("C"), c));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(missing, 3);
    EXPECT_EQ(withDefault, 9);
    EXPECT_EQ(c, -1);

    ole::CPropExchange reset(ole::CPropExchange::Mode::Reset, nullptr);
    short kept = 5, defaulted = 5;
    ole::PX_Short(&reset, QStringLiteral("B"), kept);
    ole::PX_Short(&reset, QStringLiteral("B"), defaulted, 0);
    EXPECT_EQ(kept, 5);
    EXPECT_EQ(defaulted, 0);
}

TEST(PropertyExchange, VersionIsStoredFirstAndReadBack) {
    PropertyBag bag;
    ole::CPropExchange save(ole::CPropExchange::Mode::Save, &bag);
    ole::ExchangeVersion(&save, 0x00010000);
    EXPECT_EQ(bag.save().toStdString(), "VxPropertyBag 1\n_Version:long=65536\n");
    auto old = PropertyBag::load("VxPropertyBag 1\n_Version:long=1\n").bag;
    ole::CPropExchange load(ole::CPropExchange::Mode::Load, &old);
    EXPECT_FALSE(ole::ExchangeVersion(&load, 0x00010000, false));
    EXPECT_EQ(load.GetVersion(), 1u);
}

} // namespace

namespace {

// Damaged storage of every kind (flipped, cut, doubled bytes) loads without a crash and keeps
// every line it can read.
TEST(PropertyBagText, MangledTextNeverBreaksTheReader) {
    ole::PropertyBag bag;
    bag.write(QStringLiteral("Text"), Variant::fromString(QStringLiteral("a\"b\\c")));
    bag.write(QStringLiteral("Font"), Variant::fromFont(std::make_shared<ole::FontObject>()));
    bag.write(QStringLiteral("Colour"), Variant::fromColor(0x80000005));
    bag.write(QStringLiteral("Money"), Variant::fromCurrency({123456}));
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    bag.write(QStringLiteral("Picture"), Variant::fromPicture(ole::PictureObject::bitmap(image)));
    const QByteArray good = bag.save();
    const QuietQtWarnings quiet;
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 3000; ++round) {
        QByteArray text = good;
        for (int n = 1 + static_cast<int>(next() % 4); n > 0; --n) {
            const auto at = static_cast<qsizetype>(next() % static_cast<std::uint32_t>(text.size()));
            switch (next() % 3) {
            case 0:
                text[at] = static_cast<char>(next() & 0xFF);
                break;
            case 1:
                text.truncate(at);
                break;
            default:
                text.insert(at, text.mid(at, 7));
                break;
            }
            if (text.isEmpty())
                break;
        }
        const auto r = ole::PropertyBag::load(text);
        for (const QString& name : r.bag.names()) {
            try {
                r.bag.read(name);
            } catch (const ole::AutomationError&) {
                // an unreadable picture: reported, never a crash
            }
        }
    }
}

} // namespace
