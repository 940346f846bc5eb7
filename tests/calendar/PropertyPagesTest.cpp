#include "calendar/CalendarHost.h"
#include "calendar/control/VxcalndrPropPage.h"
#include "ole/PropertyFrame.h"
#include "ole/QtApplicationEnv.h"
#include "ole/StockPropPages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using vxcal::CDataPropPage;
using vxcal::CVxcalndrPropPage;

QStringList items(ole::COlePropertyPage& page, int id) {
    auto* combo = qobject_cast<QComboBox*>(page.control(id));
    QStringList out;
    for (int i = 0; combo && i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

void typeInto(ole::COlePropertyPage& page, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(page.control(id));
    ASSERT_NE(edit, nullptr) << id;
    edit->setText(text);
}

std::unique_ptr<ole::COlePropertyPage> makePage(bool data) {
    if (data)
        return std::make_unique<CDataPropPage>();
    return std::make_unique<CVxcalndrPropPage>();
}

// A value typed into an edit box of a page and applied: refused with the page's message and
// nothing written, or written to the control.
struct EditRow {
    const char* name;
    bool dataPage;
    int id;
    const char* typed;
    const char* property;
    const char* message; // empty: accepted
    int expected;        // the property afterwards
};

class PageEditTest : public testing::TestWithParam<EditRow> {};

TEST_P(PageEditTest, AppliesOrRefusesWithTheExactMessage) {
    const EditRow& row = GetParam();
    CalendarHost host;
    auto page = makePage(row.dataPage);
    std::vector<QString> messages;
    page->setReporter([&](const QString& m) { messages.push_back(m); });
    page->SetObjects({host.control.get()});
    const int before = host.get(QString::fromLatin1(row.property)).toLong();
    typeInto(*page, row.id, QString::fromLatin1(row.typed));
    const bool applied = page->Apply();
    EXPECT_EQ(applied, *row.message == 0);
    if (*row.message) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], QString::fromLatin1(row.message));
        EXPECT_EQ(host.get(QString::fromLatin1(row.property)).toLong(), before);
    } else {
        EXPECT_TRUE(messages.empty());
    }
    EXPECT_EQ(host.get(QString::fromLatin1(row.property)).toLong(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageEditTest,
    testing::Values(
        EditRow{"BevelSize16Refused", false, 208, "16", "BevelSize",
                "Please enter an integer between 0 and 15.", 0},
        EditRow{"BevelSize15Accepted", false, 208, "15", "BevelSize", "", 15},
        EditRow{"BevelSizeTextRefused", false, 208, "4a", "BevelSize", "Please enter an integer.", 0},
        EditRow{"BevelSizeCapUnchecked", false, 211, "40", "BevelSizeCap", "", 40},
        EditRow{"TitleHeightLarge", false, 209, "300", "TitleHeight", "", 300},
        EditRow{"TitleHeightSetterRefuses", false, 209, "70000", "TitleHeight", "Overflow", 0},
        EditRow{"LanguageNumber17Refused", true, 223, "17", "LanguageNumber",
                "Please enter an integer between 0 and 16.", 0},
        EditRow{"LanguageNumber16Accepted", true, 223, "16", "LanguageNumber", "", 16},
        EditRow{"Month13Refused", true, 224, "13", "Month", "Please enter an integer between 1 and 12.", 3},
        EditRow{"Day0Refused", true, 225, "0", "Day", "Please enter an integer between 1 and 31.", 5},
        EditRow{"Year10000Refused", true, 214, "10000", "Year", "Please enter an integer between 0 and 9999.",
                1997},
        EditRow{"Year2001Accepted", true, 214, "2001", "Year", "", 2001}),
    [](const auto& r) { return std::string(r.param.name); });

// The combo lists: from the control's type library when it loads, else those stored with the dialog.
struct ListRow {
    const char* name;
    bool dataPage;
    bool withLibrary;
    int id;
    int count;
    const char* first;
};

class PageListTest : public testing::TestWithParam<ListRow> {};

TEST_P(PageListTest, ListsComeFromTheLibraryOnceOrStayStored) {
    const ListRow& row = GetParam();
    auto page = makePage(row.dataPage);
    int loads = 0;
    static_cast<vxcal::CalendarPropPage*>(page.get())
        ->setTypeLibLoader([&]() -> std::shared_ptr<const ole::TypeLibrary> {
            ++loads;
            return row.withLibrary ? vxcal::loadOwnTypeLibrary() : nullptr;
        });
    CalendarHost host;
    page->SetObjects({host.control.get()});
    page->SetObjects({}); // a later load keeps the lists and does not read the library again
    EXPECT_EQ(loads, 1);
    const QStringList list = items(*page, row.id);
    EXPECT_EQ(list.size(), row.count) << list.join(u'|').toStdString();
    EXPECT_EQ(list.value(0), QString::fromLatin1(row.first));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageListTest,
    testing::Values(ListRow{"BevelStyleCapFiveEntries", false, true, 206, 5, "0 - vxBevelStyleLowered"},
                    ListRow{"BevelStyleDateFiveEntries", false, true, 207, 5, "0 - vxBevelStyleLowered"},
                    ListRow{"BevelStyleCapStoredThree", false, false, 206, 3, "0 - Lowered"},
                    ListRow{"DividerFromLibrary", false, true, 204, 5, "0 - vxDividerStyleNone"},
                    ListRow{"MultiSelectFromLibrary", true, true, 221, 2, "0 - vxSelectNone"},
                    ListRow{"MultiSelectEmptyWithout", true, false, 221, 0, ""},
                    // The walk stops after two names; the stored DateFormat list serves.
                    ListRow{"DateFormatStored", true, true, 219, 8, "0 - Normal"},
                    ListRow{"LanguageKeepsCodes", true, true, 218, 18, "WWW"}),
    [](const auto& r) { return std::string(r.param.name); });

TEST(PropertyPage, LoadsFromTheFirstControlAndAppliesOnlyChangesToAll) {
    CalendarHost first, second;
    first.put(QStringLiteral("BevelSize"), ole::Variant::fromShort(3));
    second.put(QStringLiteral("BevelSize"), ole::Variant::fromShort(9));
    first.put(QStringLiteral("Language"), ole::Variant::fromString(QStringLiteral("FRA")));
    CDataPropPage data;
    data.SetObjects({first.control.get(), second.control.get()});
    EXPECT_EQ(qobject_cast<QComboBox*>(data.control(218))->currentText(), QStringLiteral("FRA"));
    qobject_cast<QComboBox*>(data.control(218))->setCurrentText(QStringLiteral("DEU"));
    ASSERT_TRUE(data.Apply());
    EXPECT_EQ(first.get(QStringLiteral("Language")).toString(), QStringLiteral("DEU"));
    EXPECT_EQ(second.get(QStringLiteral("Language")).toString(), QStringLiteral("DEU"));

    CVxcalndrPropPage display;
    display.SetObjects({first.control.get(), second.control.get()});
    EXPECT_EQ(qobject_cast<QLineEdit*>(display.control(208))->text(), QStringLiteral("3"));
    qobject_cast<QComboBox*>(display.control(203))->setCurrentIndex(1);
    ASSERT_TRUE(display.Apply());
    EXPECT_EQ(second.get(QStringLiteral("Alignment")).toLong(), 1);
    EXPECT_EQ(second.get(QStringLiteral("BevelSize")).toLong(), 9); // untouched on the page: not written
}

TEST(PropertyPage, AboutWorksWithoutAnySelection) {
    int shown = 0;
    QString title;
    vxcal::CalendarEnvironment env;
    env.runModal = [&](QDialog& box) {
        ++shown;
        title = box.windowTitle();
        return 0;
    };
    CVxcalndrPropPage page(nullptr, env);
    ASSERT_TRUE(page.GetObjects().empty());
    qobject_cast<QPushButton*>(page.control(228))->click();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(title.isEmpty());
}

TEST(PropertyPage, DialogIsTwoHundredFiftyByHundredTenDialogUnits) {
    CVxcalndrPropPage page;
    EXPECT_EQ(page.size(), QSize(375, 179));
    EXPECT_EQ(page.control(228)->geometry(), QRect(281, 150, 83, 24)); // 187, 92, 55, 15
    EXPECT_EQ(page.caption(), QStringLiteral("Display Settings"));
    EXPECT_EQ(CDataPropPage().caption(), QStringLiteral("Data Settings"));
}

} // namespace

namespace {

// The standard pages list the control's properties of their type and write an edited one to
// every selected control.
struct StockRow {
    const char* name;
    const char* clsid;
    const char* property;
    int editor;
    const char* typed;
    const char* readBack; // property to read afterwards
    const char* expected; // its display text
};

class StockPageTest : public testing::TestWithParam<StockRow> {};

TEST_P(StockPageTest, EditsOnePropertyOfEverySelectedControl) {
    const StockRow& row = GetParam();
    CalendarHost first, second;
    auto created = ole::CoCreatePropertyPage({QString::fromLatin1(row.clsid)}, nullptr);
    ASSERT_TRUE(created.page);
    auto* page = static_cast<ole::CStockPropPage*>(created.page.get());
    page->SetObjects({first.control.get(), second.control.get()});
    ASSERT_TRUE(page->selectProperty(QString::fromLatin1(row.property)))
        << page->propertyNames().join(u',').toStdString();
    auto* edit = qobject_cast<QLineEdit*>(page->control(row.editor));
    ASSERT_NE(edit, nullptr);
    edit->setText(QString::fromLatin1(row.typed));
    Q_EMIT edit->textEdited(edit->text()); // as typing reports it
    ASSERT_TRUE(page->Apply()) << page->lastMessage().toStdString();
    EXPECT_EQ(second.get(QString::fromLatin1(row.readBack)).display(), QString::fromLatin1(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StockPageTest,
    testing::Values(StockRow{"FillColor", "{0BE35201-8F91-11CE-9DE3-00AA004BB851}", "FillColor", 2,
                             "&H000000FF&", "FillColor", "&H000000FF&"},
                    StockRow{"TitleFontName", "{0BE35200-8F91-11CE-9DE3-00AA004BB851}", "TitleFont", 3,
                             "Arial", "TitleFont", "Font(Arial, 12, weight 700)"},
                    StockRow{"StockFontSize", "{0BE35200-8F91-11CE-9DE3-00AA004BB851}", "Font", 4, "10",
                             "Font", "Font(MS Sans Serif, 10, weight 400)"}),
    [](const auto& r) { return std::string(r.param.name); });

} // namespace
