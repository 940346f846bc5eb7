#include "calendar/control/VxcalndrCtrl.h"

#include "calendar/control/CalendarAccessible.h"
#include "calendar/core/WinIniIntl.h"
#include "runtime/Clock.h"
#include "runtime/Cp1252.h"
#include "vxrun/Colors.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStyleHints>

namespace vxcal {

namespace {

constexpr std::uint32_t kVersion = 0x00010000;   // 1.0
constexpr unsigned kDateChangedMessage = 0x0433; // WM_USER + 51
constexpr unsigned kRepeatTickMessage = 0x042A;  // WM_USER + 42

const IntlSettings& pickIntl(const CalendarEnvironment& env, std::unique_ptr<IntlSettings>& own) {
    if (env.intl)
        return *env.intl;
    own = std::make_unique<WinIniIntl>();
    return *own;
}

const runtime::Clock& pickClock(const CalendarEnvironment& env, std::unique_ptr<runtime::Clock>& own) {
    if (env.clock)
        return *env.clock;
    own = std::make_unique<runtime::SystemClock>();
    return *own;
}

} // namespace

ole::FONTDESC titleFontDefault() {
    ole::FONTDESC d;
    d.lpstrName = QStringLiteral("MS Sans Serif");
    d.cySize = ole::Currency{120000};
    d.sWeight = 700;
    d.sCharset = 0;
    return d;
}

CVxcalndrCtrl::CVxcalndrCtrl(QWidget* parent, CalendarEnvironment env)
    : CVxOleControl(parent, env.localeModule), intl_(pickIntl(env, ownIntl_)),
      clock_(pickClock(env, ownClock_)), runModal_(std::move(env.runModal)), texts_(intl_),
      dates_(texts_, intl_, clock_) {
    setObjectName(QStringLiteral("Vx3dCalendar"));
    tickCount_ = env.tickCount ? std::move(env.tickCount) : [] {
        static QElapsedTimer clock;
        if (!clock.isValid())
            clock.start();
        return static_cast<std::uint32_t>(clock.elapsed());
    };
    doubleClickTime_ = env.doubleClickTime ? std::move(env.doubleClickTime)
                                           : [] { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); };
    leftButtonDown_ = env.leftButtonDown ? std::move(env.leftButtonDown)
                                         : [] { return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0; };
    // The paint covers the whole control, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // MouseMove fires without a held button too
    CalendarAccessible::install();
    InitializeIIDs(&kDispatchIid, &kEventsIid);
    EnableSimpleFrame();
    titleFont.setNotify([this] { InvalidateControl(); });
    TitleFontName = QStringLiteral("MS Sans Serif");
    setDefaults();
    bindProperties();
    connect(this, &COleControl::propertyNotified, this, [this](int dispid) {
        if (dispid == dispidDay || dispid == dispidMonth || dispid == dispidYear || dispid == dispidDate ||
            dispid == ole::DISPID_UNKNOWN)
            emitDateIfChanged();
        if (dispid == dispidDateSelOn || dispid == dispidSelectedCount || dispid == ole::DISPID_UNKNOWN)
            Q_EMIT selectionChanged();
        Q_EMIT propertyChanged(dispid);
    });
    connect(this, &COleControl::eventFired, this, [this](int dispid) {
        if (dispid == ole::DISPID_CLICK)
            Q_EMIT clicked(selectedDate());
    });
    lastEmittedDate_ = selectedDate();
}

CVxcalndrCtrl::~CVxcalndrCtrl() = default;

std::uint32_t CVxcalndrCtrl::GetMiscStatus() const {
    return ole::OLEMISC_SETCLIENTSITEFIRST | ole::OLEMISC_ACTIVATEWHENVISIBLE | ole::OLEMISC_INSIDEOUT |
           ole::OLEMISC_CANTLINKINSIDE | ole::OLEMISC_RECOMPOSEONRESIZE;
}

DateModel& CVxcalndrCtrl::model() const {
    dates_.inputs = DateInputs{AmbientUserMode(), MinYear, MaxYear, DayMath != 0, DateFormat, MultiSelect};
    return dates_;
}

void CVxcalndrCtrl::setDefaults() {
    using namespace vxrun;
    BorderColor = GetSysColor(COLOR_WINDOWFRAME);
    FillColor = GetSysColor(COLOR_BTNFACE);
    LightColor = GetSysColor(COLOR_WINDOW);
    ShadowColor = GetSysColor(COLOR_BTNSHADOW);
    TextColor = GetSysColor(COLOR_WINDOWTEXT);
    FocusColor = GetSysColor(COLOR_WINDOW);
    HighBackColor = GetSysColor(COLOR_BTNSHADOW);
    TitleColor = GetSysColor(COLOR_WINDOWTEXT);
    HighColor = 0x000000FF;

    BevelSize = BevelStyle = BorderStyle = FontStyle = WallPaper = 0;
    repeatDeadline = 0;
    lastDay = lastMonth = lastYear = 0;
    BevelStyleDate = BevelSizeDate = DividerStyle = MultiSelect = 0;
    CalendarStyle = DateFormat = BevelStyleCap = BevelSizeCap = MouseExpand = 0;
    AutoSize = -1;
    TitleFontBold = 1;
    Alignment = 2;
    MultiStatic = 0;
    VAlignment = 2;
    CalStatic = DayMath = WeekNumbers = TitleFontItalic = TitleFontStrike = TitleFontUnder = 0;
    DayStart = TitleHeight = TitleFontStyle = MinYear = 0;
    TitleFontSize = 8.25f;
    MaxYear = 9999;

    model().resetToToday(); // Month, Day, Year and the DateSelOn address: today
    texts_.setLanguageNumber(0);
    model().clear(); // the selection list and the marks
}

void CVxcalndrCtrl::OnResetState() {
    COleControl::OnResetState(); // the exchange in reset mode: TitleFont, MousePointer, stock values
    setDefaults();
    SetText(AmbientDisplayName());
}

void CVxcalndrCtrl::DoPropExchange(ole::CPropExchange* pPX) {
    using namespace ole;
    ExchangeVersion(pPX, kVersion);
    COleControl::DoPropExchange(pPX);
    if (pPX->IsConvertingVBX())
        PX_VBXFontConvert(pPX, InternalGetFont());

    PX_Bool(pPX, QStringLiteral("AutoSize"), AutoSize);
    PX_Short(pPX, QStringLiteral("BevelSize"), BevelSize);
    PX_Short(pPX, QStringLiteral("BevelStyle"), BevelStyle);
    PX_Color(pPX, QStringLiteral("BorderColor"), BorderColor);
    PX_Short(pPX, QStringLiteral("BorderStyle"), BorderStyle);
    PX_Color(pPX, QStringLiteral("FillColor"), FillColor);
    PX_Short(pPX, QStringLiteral("FontStyle"), FontStyle);
    PX_Color(pPX, QStringLiteral("LightColor"), LightColor);
    PX_Color(pPX, QStringLiteral("ShadowColor"), ShadowColor);
    PX_Color(pPX, QStringLiteral("TextColor"), TextColor);
    PX_Short(pPX, QStringLiteral("WallPaper"), WallPaper);

    try {
        PX_Picture(pPX, QStringLiteral("Picture"), pictureHolder);
    } catch (const std::exception&) {
        pictureHolder.CreateEmpty(); // an unreadable picture must not stop the load
    }
    if (pPX->mode() == CPropExchange::Mode::Load) {
        const auto p = pictureHolder.GetPictureDispatch();
        if (p && p->type() == PICTYPE_BITMAP)
            picture.SetPicture(p->image());
        else
            picture.CreateEmpty();
    }

    short day = model().day(), month = model().month(), year = model().year();
    short languageNumber = texts_.languageNumber();
    PX_Short(pPX, QStringLiteral("BevelStyleDate"), BevelStyleDate);
    PX_Short(pPX, QStringLiteral("BevelSizeDate"), BevelSizeDate);
    PX_Short(pPX, QStringLiteral("Day"), day);
    PX_Short(pPX, QStringLiteral("DividerStyle"), DividerStyle);
    PX_Color(pPX, QStringLiteral("HighColor"), HighColor);
    PX_Short(pPX, QStringLiteral("Month"), month);
    PX_Short(pPX, QStringLiteral("MultiSelect"), MultiSelect);
    PX_Short(pPX, QStringLiteral("CalendarStyle"), CalendarStyle);
    PX_Short(pPX, QStringLiteral("DateFormat"), DateFormat);
    PX_Short(pPX, QStringLiteral("Year"), year);
    PX_Short(pPX, QStringLiteral("BevelStyleCap"), BevelStyleCap);
    PX_Short(pPX, QStringLiteral("BevelSizeCap"), BevelSizeCap);
    PX_Color(pPX, QStringLiteral("FocusColor"), FocusColor);
    PX_Color(pPX, QStringLiteral("HighBackColor"), HighBackColor);
    PX_Bool(pPX, QStringLiteral("MultiStatic"), MultiStatic);
    PX_Bool(pPX, QStringLiteral("CalStatic"), CalStatic);
    PX_Short(pPX, QStringLiteral("MouseExpand"), MouseExpand);
    PX_Short(pPX, QStringLiteral("Alignment"), Alignment);
    PX_Short(pPX, QStringLiteral("VAlignment"), VAlignment);
    PX_Bool(pPX, QStringLiteral("DayMath"), DayMath);
    PX_Short(pPX, QStringLiteral("LanguageNumber"), languageNumber);
    PX_Short(pPX, QStringLiteral("DayStart"), DayStart);
    PX_Bool(pPX, QStringLiteral("WeekNumbers"), WeekNumbers);
    PX_Short(pPX, QStringLiteral("TitleHeight"), TitleHeight);
    PX_Bool(pPX, QStringLiteral("TitleFontBold"), TitleFontBold);
    PX_Bool(pPX, QStringLiteral("TitleFontItalic"), TitleFontItalic);
    PX_String(pPX, QStringLiteral("TitleFontName"), TitleFontName);
    PX_Float(pPX, QStringLiteral("TitleFontSize"), TitleFontSize);
    PX_Bool(pPX, QStringLiteral("TitleFontStrike"), TitleFontStrike);
    PX_Bool(pPX, QStringLiteral("TitleFontUnder"), TitleFontUnder);
    PX_Short(pPX, QStringLiteral("TitleFontStyle"), TitleFontStyle);
    PX_Color(pPX, QStringLiteral("TitleColor"), TitleColor);
    PX_Short(pPX, QStringLiteral("MinYear"), MinYear);
    PX_Short(pPX, QStringLiteral("MaxYear"), MaxYear);
    if (pPX->mode() == CPropExchange::Mode::Load)
        model().setDateUnchecked(day, month, year); // stored values are taken as they are

    const FONTDESC titleDesc = titleFontDefault();
    PX_Font(pPX, QStringLiteral("TitleFont"), titleFont, &titleDesc);

    PX_Short(pPX, QStringLiteral("MousePointer"), MousePointer, 0);
    mousePointer = MousePointer;

    if (pPX->mode() == CPropExchange::Mode::Load) {
        // A stored number outside the list would make the setter refuse it in the middle of a
        // load; the control-panel language stands in for it instead.
        if (texts_.setLanguageNumber(languageNumber) != 0)
            texts_.setLanguageNumber(0);
    }

    try {
        PX_Picture(pPX, QStringLiteral("MouseIcon"), mouseIcon);
    } catch (const std::exception&) {
        mouseIcon.CreateEmpty();
    }

    if (pPX->mode() == CPropExchange::Mode::Load) {
        model().computeMarks();
        refreshCursor();
        emitDateIfChanged();
    }
}

bool CVxcalndrCtrl::OnWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t) {
    if (message == kRepeatTickMessage) {
        // A held arrow's repeat tick: handled as a mouse move at (0, 0).
        tickPending_ = false;
        trackMouse(0, 0);
        return true;
    }
    if (message != kDateChangedMessage)
        return false;
    switch (wParam) {
    case 0:
        FireEvent(eventDayChange);
        Q_EMIT dayChange();
        break;
    case 1:
        FireEvent(eventMonthChange);
        Q_EMIT monthChange();
        break;
    case 2:
        FireEvent(eventYearChange);
        Q_EMIT yearChange();
        break;
    default:
        return true;
    }
    BoundPropertyChanged(dispidDate);
    return true;
}

// ---- The Qt face ----

void CVxcalndrCtrl::emitDateIfChanged() {
    const QDate d = selectedDate();
    if (d != lastEmittedDate_) {
        lastEmittedDate_ = d;
        Q_EMIT dateChanged(d);
    }
}

bool CVxcalndrCtrl::putQuiet(int dispid, const ole::Variant& value) {
    std::vector<ole::Variant> args{value};
    ole::ExcepInfo excep;
    return Invoke(dispid, ole::InvokeKind::PropertyPut, args, nullptr, &excep) == ole::S_OK;
}

QDate CVxcalndrCtrl::selectedDate() const {
    return QDate(model().year(), model().month(), model().day());
}

bool CVxcalndrCtrl::setSelectedDate(QDate date) {
    if (!date.isValid() || date.year() < 0 || date.year() > 9999)
        return false;
    int m = date.month(), d = date.day(), y = date.year();
    if (!model().normalizeDate(m, d, y, true) || m != date.month() || d != date.day() || y != date.year())
        return false; // outside MinYear..MaxYear
    model().setDateUnchecked(static_cast<short>(d), static_cast<short>(m), static_cast<short>(y));
    model().computeMarks();
    changed(dispidDate);
    return true;
}

bool CVxcalndrCtrl::setDay(int d) {
    return putQuiet(dispidDay, ole::Variant::fromLong(d));
}
bool CVxcalndrCtrl::setMonth(int m) {
    return putQuiet(dispidMonth, ole::Variant::fromLong(m));
}
bool CVxcalndrCtrl::setYear(int y) {
    return putQuiet(dispidYear, ole::Variant::fromLong(y));
}
QString CVxcalndrCtrl::dateText() const {
    return QString::fromStdString(runtime::cp1252ToUtf8(model().date()));
}
void CVxcalndrCtrl::setDateText(const QString& text) {
    putQuiet(dispidDate, ole::Variant::fromString(text));
}
bool CVxcalndrCtrl::setMinimumYear(int y) {
    return putQuiet(dispidMinYear, ole::Variant::fromLong(y));
}
bool CVxcalndrCtrl::setMaximumYear(int y) {
    return putQuiet(dispidMaxYear, ole::Variant::fromLong(y));
}
bool CVxcalndrCtrl::setDateFormat(int f) {
    return putQuiet(dispidDateFormat, ole::Variant::fromLong(f));
}
bool CVxcalndrCtrl::setMultiSelect(bool on) {
    return putQuiet(dispidMultiSelect, ole::Variant::fromShort(on ? 1 : 0));
}
void CVxcalndrCtrl::setDayMath(bool on) {
    putQuiet(dispidDayMath, ole::Variant::fromBool(on));
}
void CVxcalndrCtrl::setWeekNumbers(bool on) {
    putQuiet(dispidWeekNumbers, ole::Variant::fromBool(on));
}
void CVxcalndrCtrl::setFirstDayOfWeek(int weekday) {
    putQuiet(dispidDayStart, ole::Variant::fromLong(weekday));
}
QString CVxcalndrCtrl::language() const {
    return QString::fromStdString(runtime::cp1252ToUtf8(texts_.language()));
}
void CVxcalndrCtrl::setLanguage(const QString& code) {
    putQuiet(dispidLanguage, ole::Variant::fromString(code));
}
QString CVxcalndrCtrl::monthName() const {
    return QString::fromStdString(runtime::cp1252ToUtf8(model().monthText()));
}

QList<QDate> CVxcalndrCtrl::selectedDates() const {
    QList<QDate> out;
    for (int k = 0; k < model().selectedCount(); ++k)
        if (const auto e = model().selectionEntry(k))
            out << QDate(e->year, e->month, e->day);
    return out;
}

} // namespace vxcal
