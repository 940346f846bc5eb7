// The calendar as a person uses it: clicks, drags, held arrows, keys and focus, with the events a
// container receives. The clock stands at 5 March 1997; the tick and the left button are the test's.
#include "calendar/MapIntl.h"
#include "calendar/control/VxcalndrCtrl.h"
#include "runtime/Clock.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

// Test names from the rows' own names.
struct RowName {
    template <typename P> std::string operator()(const testing::TestParamInfo<P>& row) const {
        return row.param.name;
    }
};

class Calendar : public testing::Test, public ole::EventSink {
protected:
    void SetUp() override {
        const char* bin = std::getenv("VX_BIN_DIR");
        ::setenv("LEDGERINE_PROGDIR", bin ? bin : VX_BUILD_BIN_DIR, 1);
        vxcal::CalendarEnvironment env;
        env.intl = &intl;
        env.clock = &clock;
        env.tickCount = [this] {
            return tick;
        };
        env.doubleClickTime = [] {
            return 400;
        };
        env.leftButtonDown = [this] {
            return buttonDown;
        };
        c = std::make_unique<vxcal::CVxcalndrCtrl>(nullptr, env);
        c->SetClientSite(&site);
        c->InitNew();
        c->AdviseEvents(this);
        c->dispatchPut(QStringLiteral("TitleHeight"), ole::Variant::fromShort(20));
        paint();
    }
    void TearDown() override { c->UnadviseEvents(this); }
    void OnEvent(ole::DISPID dispid, std::vector<ole::Variant>&) override { events.push_back(dispid); }

    QImage paint() {
        c->resize(200, 160);
        QImage image = c->grab().toImage();
        deliver();
        return image;
    }
    void deliver() { QCoreApplication::sendPostedEvents(c.get()); }
    QPoint centre(int cell) const {
        const auto& r = c->layout().cells[static_cast<std::size_t>(cell)];
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void mouse(QEvent::Type type, QPoint p) {
        buttonDown = type != QEvent::MouseButtonRelease;
        QMouseEvent e(type, p, c->mapToGlobal(p), Qt::LeftButton, buttonDown ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(c.get(), &e);
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier, QEvent::Type type = QEvent::KeyPress) {
        QKeyEvent e(type, k, mods);
        QCoreApplication::sendEvent(c.get(), &e);
    }
    void focus(bool in) {
        QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut);
        QCoreApplication::sendEvent(c.get(), &e);
    }
    std::string date() const { return c->selectedDate().toString(QStringLiteral("d.M.yyyy")).toStdString(); }
    long count(ole::DISPID id) const { return std::count(events.begin(), events.end(), id); }

    runtime::FixedClock clock{runtime::localTimePoint(1997, 3, 5, 12)};
    MapIntl intl;
    ole::SimpleSite site;
    std::unique_ptr<vxcal::CVxcalndrCtrl> c;
    std::vector<ole::DISPID> events;
    std::uint32_t tick = 1000;
    bool buttonDown = false;
};

TEST_F(Calendar, PaintLaysOutMarchAndFiresOneEventPerPaint) {
    // March 1997 begins on a Saturday: the seventh column, six rows from the bottom.
    EXPECT_EQ(c->layout().cells[1], (vxcal::CellRect{168, 41, 200, 61}));
    EXPECT_EQ(c->layout().cells[31], (vxcal::CellRect{28, 141, 56, 161}));
    EXPECT_TRUE(events.empty()) << "the first paint raises nothing";
    c->setDay(6);
    c->setDay(7);
    c->setMonth(4);
    c->setYear(1998);
    EXPECT_TRUE(events.empty()) << "events wait for the paint";
    paint();
    EXPECT_EQ(count(1), 1);
    EXPECT_EQ(count(2), 1);
    EXPECT_EQ(count(3), 1);
    events.clear();
    c->setDay(8);
    c->setDay(7); // undone before the paint
    paint();
    EXPECT_TRUE(events.empty());
}

TEST_F(Calendar, JanuaryWeekNumbersStartAtZero) {
    c->dispatchPut(QStringLiteral("WeekNumbers"), ole::Variant::fromBool(true));
    c->setMonth(1); // 1 January 1997 is a Wednesday: its first row belongs to week 0
    paint();
    EXPECT_EQ(c->layout().weekNumbers[0], 0);
    EXPECT_EQ(c->layout().weekNumbers[1], 1);
}

TEST_F(Calendar, HeldArrowRepeatsAfterTheDoubleClickTimeThenEveryQuarter) {
    mouse(QEvent::MouseButtonPress, centre(vxcal::cellNextMonth));
    EXPECT_EQ(date(), "5.4.1997") << "one month at once";
    const std::pair<std::uint32_t, const char*> steps[] = {{1200, "5.4.1997"}, {1400, "5.4.1997"},
                                                           {1401, "5.5.1997"}, {1501, "5.5.1997"},
                                                           {1502, "5.6.1997"}, {1603, "5.7.1997"}};
    for (const auto& [t, expected] : steps) {
        tick = t;
        deliver();
        EXPECT_EQ(date(), expected) << "at tick " << t;
    }
    mouse(QEvent::MouseButtonRelease, centre(vxcal::cellNextMonth));
    tick = 9000;
    deliver();
    deliver();
    EXPECT_EQ(date(), "5.7.1997") << "the release ends the repeat";
    EXPECT_EQ(c->currentPressedCell(), -1);
}

TEST_F(Calendar, PressOutsideEveryCellChangesNothingButFiresMouseDown) {
    mouse(QEvent::MouseButtonPress, {100, 30}); // the weekday header
    EXPECT_EQ(c->currentPressedCell(), -1);
    EXPECT_EQ(date(), "5.3.1997");
    EXPECT_EQ(count(ole::DISPID_MOUSEDOWN), 1);
}

struct ClickCase {
    const char* name;
    int multiSelect;
    bool multiStatic;
    const char* script; // cN click, pN press, mN move, rN release on day N; s space
    const char* day;
    std::vector<int> selected;
};

class Clicks : public Calendar, public testing::WithParamInterface<ClickCase> {};

TEST_P(Clicks, SelectAsAPersonWould) {
    const ClickCase& k = GetParam();
    c->dispatchPut(QStringLiteral("MultiSelect"), ole::Variant::fromShort(static_cast<short>(k.multiSelect)));
    c->dispatchPut(QStringLiteral("MultiStatic"), ole::Variant::fromBool(k.multiStatic));
    paint();
    std::istringstream in(k.script);
    std::string step;
    while (in >> step) {
        const int day = step.size() > 1 ? std::stoi(step.substr(1)) : 0;
        switch (step[0]) {
        case 'c':
            mouse(QEvent::MouseButtonPress, centre(day));
            mouse(QEvent::MouseButtonRelease, centre(day));
            break;
        case 'p':
            mouse(QEvent::MouseButtonPress, centre(day));
            break;
        case 'm':
            mouse(QEvent::MouseMove, centre(day));
            break;
        case 'r':
            mouse(QEvent::MouseButtonRelease, centre(day));
            break;
        default:
            key(Qt::Key_Space);
        }
        paint();
    }
    EXPECT_EQ(date(), k.day);
    std::vector<int> days;
    for (const QDate& d : c->selectedDates())
        days.push_back(d.day());
    EXPECT_EQ(days, k.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, Clicks,
    testing::Values(ClickCase{"SingleClickMovesDay", 0, false, "c10", "10.3.1997", {}},
                    ClickCase{"SingleDragAwayKeepsDay", 0, false, "p10 m11 r11", "5.3.1997", {}},
                    ClickCase{"ClickMarks", 1, false, "c10", "10.3.1997", {10}},
                    ClickCase{"SecondClickUnmarks", 1, false, "c10 c10", "10.3.1997", {}},
                    ClickCase{"PressTenReleaseElevenChangesNothing", 1, false, "p10 m11 r11", "5.3.1997", {}},
                    ClickCase{"SpaceMarksTheDay", 1, false, "s", "5.3.1997", {5}},
                    ClickCase{"StaticClicksMoveDayOnly", 1, true, "c10 c12", "12.3.1997", {}},
                    ClickCase{"StaticSpaceDoesNothing", 1, true, "s", "5.3.1997", {}}),
    RowName());

struct KeyCase {
    const char* name;
    bool calStatic;
    int startDay;
    int key;
    bool ctrl;
    const char* expected;
};

class Keys : public Calendar, public testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, MoveTheDate) {
    const KeyCase& k = GetParam();
    c->setDayMath(true);
    c->dispatchPut(QStringLiteral("CalStatic"), ole::Variant::fromBool(k.calStatic));
    c->setDay(k.startDay);
    if (k.ctrl)
        key(Qt::Key_Control, Qt::ControlModifier);
    key(k.key, k.ctrl ? Qt::ControlModifier : Qt::NoModifier);
    if (k.ctrl)
        key(Qt::Key_Control, Qt::NoModifier, QEvent::KeyRelease);
    EXPECT_EQ(date(), k.expected);
    EXPECT_GE(count(ole::DISPID_KEYDOWN), 1) << "KeyDown still reaches the container";
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, Keys,
    testing::Values(KeyCase{"PageDownNextMonth", false, 5, Qt::Key_PageDown, false, "5.4.1997"},
                    KeyCase{"CtrlPageDownNextYear", false, 5, Qt::Key_PageDown, true, "5.3.1998"},
                    KeyCase{"DownOneWeek", false, 5, Qt::Key_Down, false, "12.3.1997"},
                    KeyCase{"UpAcrossTheMonth", false, 3, Qt::Key_Up, false, "24.2.1997"},
                    KeyCase{"RightAcrossTheMonth", false, 31, Qt::Key_Right, false, "1.4.1997"},
                    KeyCase{"HomeDoesNothing", false, 5, Qt::Key_Home, false, "5.3.1997"},
                    KeyCase{"LockedRightStaysOnLastDay", true, 31, Qt::Key_Right, false, "31.3.1997"},
                    KeyCase{"LockedPageDownStays", true, 5, Qt::Key_PageDown, false, "5.3.1997"},
                    KeyCase{"LockedCtrlPageUpStays", true, 5, Qt::Key_PageUp, true, "5.3.1997"}),
    RowName());

// Pixels of one colour inside a cell of the painted image.
int pixelsOf(const QImage& image, const vxcal::CellRect& r, QRgb colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom && y < image.height(); ++y)
        for (int x = r.left; x < r.right && x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

TEST_F(Calendar, FocusColourOnlyForTheCurrentDayWhileFocused) {
    c->dispatchPut(QStringLiteral("MultiSelect"), ole::Variant::fromShort(1));
    c->dispatchPut(QStringLiteral("FocusColor"), ole::Variant::fromLong(0x00FF00)); // green
    c->dispatchPut(QStringLiteral("HighColor"), ole::Variant::fromLong(0x0000FF));  // red
    c->dispatchPut(QStringLiteral("FontSize"), ole::Variant::fromLong(14)); // thick strokes: pure colour
    c->dispatchPut(QStringLiteral("FontBold"), ole::Variant::fromBool(true));
    paint();
    mouse(QEvent::MouseButtonPress, centre(12));
    mouse(QEvent::MouseButtonRelease, centre(12)); // 12 marked
    c->setDay(20);
    mouse(QEvent::MouseButtonPress, centre(20));
    mouse(QEvent::MouseButtonRelease, centre(20)); // 20 marked and current
    focus(true);
    QImage image = paint();
    const auto& cells = c->layout().cells;
    EXPECT_GT(pixelsOf(image, cells[20], qRgb(0, 255, 0)), 0);
    EXPECT_EQ(pixelsOf(image, cells[20], qRgb(255, 0, 0)), 0);
    EXPECT_GT(pixelsOf(image, cells[12], qRgb(255, 0, 0)), 0);
    focus(false);
    image = paint();
    EXPECT_EQ(pixelsOf(image, cells[20], qRgb(0, 255, 0)), 0) << "without focus all in HighColor";
    EXPECT_GT(pixelsOf(image, cells[20], qRgb(255, 0, 0)), 0);
}

TEST_F(Calendar, DenseScreenDrawsWholeDevicePixelsAndMetafileMatches) {
    c->dispatchPut(QStringLiteral("DividerStyle"), ole::Variant::fromShort(1));
    c->dispatchPut(QStringLiteral("BorderColor"), ole::Variant::fromLong(0x0000FF));
    QImage dense(400, 320, QImage::Format_RGB32);
    dense.setDevicePixelRatio(2);
    c->render(&dense);
    // The first vertical divider is logical column 27: device columns 54 and 55, nothing beside.
    EXPECT_EQ(dense.pixel(54, 190) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(dense.pixel(55, 190) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(dense.pixel(53, 190) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(dense.pixel(56, 190) & 0xFFFFFF, 0xFF0000u);

    const QImage direct = paint();
    QPicture recorded;
    {
        QPainter p(&recorded);
        c->render(&p);
    }
    QImage replayed(200, 160, QImage::Format_RGB32);
    {
        QPainter p(&replayed);
        recorded.play(&p);
    }
    EXPECT_EQ(replayed.convertToFormat(QImage::Format_RGB32), direct.convertToFormat(QImage::Format_RGB32));
}

TEST_F(Calendar, ScreenReaderSeesArrowsAndATableOfDays) {
    c->setMultiSelect(true);
    mouse(QEvent::MouseButtonPress, centre(10));
    mouse(QEvent::MouseButtonRelease, centre(10)); // 10 March marked, and the current day
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(c.get());
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->childCount(), 5);
    const std::pair<int, const char*> arrows[] = {
        {0, "February 1997"}, {1, "April 1997"}, {2, "1996"}, {3, "1998"}};
    for (const auto& [index, name] : arrows) {
        EXPECT_EQ(root->child(index)->role(), QAccessible::Button);
        EXPECT_EQ(root->child(index)->text(QAccessible::Name).toStdString(), name);
    }
    QAccessibleInterface* grid = root->child(4);
    ASSERT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(grid->childCount(), 31);
    EXPECT_EQ(table->cellAt(0, 5), nullptr) << "before the 1st";
    EXPECT_EQ(table->cellAt(0, 6)->text(QAccessible::Name).toStdString(), "Saturday 1 March 1997");
    EXPECT_EQ(table->columnDescription(0).toStdString(), "Sunday");
    EXPECT_FALSE(table->cellAt(1, 6)->state().selected);
    EXPECT_EQ(table->cellAt(1, 6)->text(QAccessible::Name).toStdString(), "Saturday 8 March 1997");
    QAccessibleInterface* tenth = table->cellAt(2, 1);
    EXPECT_EQ(tenth->text(QAccessible::Name).toStdString(), "Monday 10 March 1997");
    EXPECT_TRUE(tenth->state().selected);
    ASSERT_EQ(table->selectedCellCount(), 1);
    EXPECT_EQ(table->selectedCells().at(0), tenth);
    const QPoint at = c->mapToGlobal(centre(10));
    EXPECT_EQ(root->childAt(at.x(), at.y()), grid);
    EXPECT_EQ(grid->childAt(at.x(), at.y()), tenth);
    root->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(date(), "10.4.1997");
}

} // namespace
