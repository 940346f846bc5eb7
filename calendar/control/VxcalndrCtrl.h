#pragma once

#include "calendar/control/CalendarLayout.h"
#include "calendar/control/VxOleControl.h"
#include "calendar/control/VxcalndrTypeLib.h"
#include "calendar/core/DateModel.h"
#include "calendar/core/LanguageTexts.h"
#include "vxrun/PictureHolder.h"

#include <QDate>
#include <QDialog>
#include <QFont>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace runtime {
class Clock;
}

namespace vxcal {

using bool32 = std::int32_t; // -1 true, 0 false
using ole::OLE_COLOR;

// What the control reads from its surroundings: the regional settings and the clock. Null members
// are replaced by the real ones (WIN.INI "intl" and the system clock).
struct CalendarEnvironment {
    const IntlSettings* intl = nullptr;
    const runtime::Clock* clock = nullptr;
    // Runs the About box modally (the container's prompter); null runs it with QDialog::exec.
    std::function<int(QDialog&)> runModal;
    // The locale module's name.
    QByteArray localeModule = "VXLOCALE";
    // The millisecond tick, the double-click time and whether the left button is held, which time
    // a held arrow's repeat; null members use the system's.
    std::function<std::uint32_t()> tickCount;
    std::function<int()> doubleClickTime;
    std::function<bool()> leftButtonDown;
};

// The 3-D month-calendar control. A container drives it through dispatch (its type library is
// calendarTypeLibrary()); a Qt program can use the Qt properties and signals below instead.
class CVxcalndrCtrl : public CVxOleControl {
    Q_OBJECT
    Q_PROPERTY(QDate selectedDate READ selectedDate WRITE setSelectedDate NOTIFY dateChanged)
    Q_PROPERTY(int day READ day WRITE setDay NOTIFY dateChanged)
    Q_PROPERTY(int month READ month WRITE setMonth NOTIFY dateChanged)
    Q_PROPERTY(int year READ year WRITE setYear NOTIFY dateChanged)
    Q_PROPERTY(QString dateText READ dateText WRITE setDateText NOTIFY dateChanged)
    Q_PROPERTY(int minimumYear READ minimumYear WRITE setMinimumYear NOTIFY propertyChanged)
    Q_PROPERTY(int maximumYear READ maximumYear WRITE setMaximumYear NOTIFY propertyChanged)
    Q_PROPERTY(int dateFormat READ dateFormat WRITE setDateFormat NOTIFY propertyChanged)
    Q_PROPERTY(bool multiSelect READ multiSelect WRITE setMultiSelect NOTIFY propertyChanged)
    Q_PROPERTY(bool dayMath READ dayMath WRITE setDayMath NOTIFY propertyChanged)
    Q_PROPERTY(bool weekNumbers READ weekNumbers WRITE setWeekNumbers NOTIFY propertyChanged)
    Q_PROPERTY(int firstDayOfWeek READ firstDayOfWeek WRITE setFirstDayOfWeek NOTIFY propertyChanged)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY propertyChanged)
    Q_PROPERTY(QString monthName READ monthName NOTIFY dateChanged)
    Q_PROPERTY(QList<QDate> selectedDates READ selectedDates NOTIFY selectionChanged)

public:
    explicit CVxcalndrCtrl(QWidget* parent = nullptr, CalendarEnvironment env = {});
    ~CVxcalndrCtrl() override;

    const ole::TypeLibrary& typeLibrary() const override { return calendarTypeLibrary(); }
    std::uint32_t GetMiscStatus() const override;
    // Its pages and the Properties verb (VxcalndrPropPage.cpp).
    std::vector<ole::CLSID> GetPropertyPages() const override;
    std::vector<Verb> GetVerbs() const override;
    std::optional<QString> GetDisplayString(ole::DISPID dispid) override;

    // ---- Qt properties: the same rules as the dispatch interface, without exceptions; a refused
    // value leaves the property as it was and the setter returns false. ----
    QDate selectedDate() const;
    bool setSelectedDate(QDate date);
    int day() const { return model().day(); }
    bool setDay(int d);
    int month() const { return model().month(); }
    bool setMonth(int m);
    int year() const { return model().year(); }
    bool setYear(int y);
    QString dateText() const;
    void setDateText(const QString& text);
    int minimumYear() const { return MinYear; }
    bool setMinimumYear(int y);
    int maximumYear() const { return MaxYear; }
    bool setMaximumYear(int y);
    int dateFormat() const { return DateFormat; }
    bool setDateFormat(int f);
    bool multiSelect() const { return MultiSelect > 0; }
    bool setMultiSelect(bool on);
    bool dayMath() const { return DayMath != 0; }
    void setDayMath(bool on);
    bool weekNumbers() const { return WeekNumbers != 0; }
    void setWeekNumbers(bool on);
    int firstDayOfWeek() const { return DayStart; }
    void setFirstDayOfWeek(int weekday);
    QString language() const;
    void setLanguage(const QString& code);
    QString monthName() const;
    QList<QDate> selectedDates() const;

    // The model and the cells, for the painter, the input handlers and the pages.
    const DateModel& dates() const { return model(); }
    const LanguageTexts& texts() const { return texts_; }
    std::array<CellRect, 36>& cellRects() { return cells; }
    // The whole control into dc within rect; refills the cell table and posts the date-changed
    // notifications (CalendarPaint.cpp).
    void DrawCalendar(QPainter* dc, const QRect& rect);
    // Caption height: TitleHeight, or measured from the caption font when it is 0.
    short ComputeTitleHeight();
    QFont CreateTitleFont() const;
    int GetWeekNumber(int month, int day, int year, int dayStart) const;
    // The layout of the last paint.
    const CalendarLayout& layout() const { return layout_; }
    short currentPressedCell() const { return pressedCell; }
    bool focused() const { return hasFocus != 0; }

Q_SIGNALS:
    void dateChanged(QDate date);
    void clicked(QDate date);
    void dayChange();
    void monthChange();
    void yearChange();
    void selectionChanged();
    // Any other property, by its DISPID.
    void propertyChanged(int dispid);

protected:
    void DoPropExchange(ole::CPropExchange* pPX) override;
    void OnResetState() override;
    void OnDraw(QPainter* painter, const QRect& bounds, const QRect& invalid) override;
    bool OnWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) override;
    void OnDrawMetafile(QPainter* painter, const QRect& bounds);

    // Mouse, keyboard and focus (CalendarInput.cpp).
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    // Dispatch wiring (VxcalndrDispatch.cpp).
    void bindProperties();
    void bindShort(int dispid, short CVxcalndrCtrl::*field, int lo, int hi, bool runModeRead = false);
    void bindBool(int dispid, bool32 CVxcalndrCtrl::*field, bool runModeRead = false);
    void bindColor(int dispid, OLE_COLOR CVxcalndrCtrl::*field);
    void bindArrays();
    void requireRunMode();
    // The tail of every accepted setter.
    void changed(int dispid);

    void setDefaults();
    // Input (CalendarInput.cpp).
    void PressCell(int cell);
    void trackMouse(int x, int y);
    void postRepeatTick();
    void toggleMark();
    // Paint helpers (CalendarPaint.cpp).
    void noteDateForEvents();
    QFont pixelFont(QFont f) const;
    // Property setters with side effects (VxcalndrProperties.cpp).
    void SetMousePointer(short v);
    void SetAutoSize(bool v);
    void SetPicture(const std::shared_ptr<ole::PictureObject>& picture);
    void SetMouseIcon(const std::shared_ptr<ole::PictureObject>& picture);
    void SetTitleFont(const std::shared_ptr<ole::FontObject>& font);
    void pushTitleFont(int dispid);
    ole::Variant stockFontGet(int dispid);
    void stockFontPut(int dispid, const ole::Variant& v);
    std::int32_t cellValue(int dispid, int index);
    // The model with the control's current settings written into its inputs: the only way in.
    DateModel& model() const;
    void emitDateIfChanged();
    bool putQuiet(int dispid, const ole::Variant& value);

    std::unique_ptr<IntlSettings> ownIntl_;
    std::unique_ptr<runtime::Clock> ownClock_;
    const IntlSettings& intl_;
    const runtime::Clock& clock_;

    std::function<int(QDialog&)> runModal_;
    LanguageTexts texts_;
    mutable DateModel dates_; // read through model(), which brings its inputs up to date

    // The property fields, named as the control names them.
    bool32 AutoSize = -1;
    bool32 DayMath = 0, WeekNumbers = 0, TitleFontBold = 1, TitleFontItalic = 0, TitleFontStrike = 0,
           TitleFontUnder = 0, MultiStatic = 0, CalStatic = 0;
    short MinYear = 0, MaxYear = 9999, BevelSize = 0, BevelSizeDate = 0, BevelStyle = 0, BorderStyle = 0,
          FontStyle = 0, WallPaper = 0;
    short DividerStyle = 0, MultiSelect = 0;
    short CalendarStyle = 0, DateFormat = 0, BevelStyleCap = 0, BevelStyleDate = 0, BevelSizeCap = 0;
    short Alignment = 2, VAlignment = 2;
    short lastDay = 0, lastMonth = 0, lastYear = 0;
    short DayStart = 0, TitleHeight = 0, TitleFontStyle = 0, MouseExpand = 0;
    short pressedCell = 0;
    short savedDay = 0, hasFocus = 0, ctrlDown = 0;
    OLE_COLOR BorderColor = 0, FillColor = 0, LightColor = 0, ShadowColor = 0, TextColor = 0,
              HighColor = 0x000000FF, FocusColor = 0, HighBackColor = 0, TitleColor = 0;
    vxrun::CVXPictureHolder picture;
    ole::CPictureHolder pictureHolder; // the platform picture the Picture property hands out
    ole::CFontHolder titleFont;
    QString TitleFontName = QStringLiteral("MS Sans Serif");
    float TitleFontSize = 8.25f;
    std::uint32_t repeatDeadline = 0;
    std::array<CellRect, 36> cells{};
    short MousePointer = 0;

    QDate lastEmittedDate_;
    std::function<std::uint32_t()> tickCount_;
    std::function<int()> doubleClickTime_;
    std::function<bool()> leftButtonDown_;
    bool tickPending_ = false; // one repeat tick in the queue at a time
    CalendarLayout layout_;
};

// The title font's description when the storage holds none and after a reset.
ole::FONTDESC titleFontDefault();

} // namespace vxcal
