// The dispatch interface of the calendar: every member bound to its getter and setter, with the
// checks, errors and notifications the control's contract gives each one.
#include "calendar/control/VxcalndrCtrl.h"

#include "calendar/control/ControlText.h"
#include "vxrun/AboutDlg.h"
#include "vxrun/Units.h"

namespace vxcal {

using ole::Variant;
using Args = std::vector<Variant>;

void CVxcalndrCtrl::changed(int dispid) {
    SetModifiedFlag();
    InvalidateControl();
    BoundPropertyChanged(dispid);
}

void CVxcalndrCtrl::requireRunMode() {
    if (!AmbientUserMode())
        GetNotSupported();
}

void CVxcalndrCtrl::bindShort(int dispid, short CVxcalndrCtrl::*field, int lo, int hi, bool runModeRead) {
    bind(dispid, {[=, this](const Args&) {
                      if (runModeRead)
                          requireRunMode();
                      return Variant::fromShort(this->*field);
                  },
                  [=, this](const Args&, const Variant& v) {
                      const short value = v.toShort();
                      if (value < lo || value > hi)
                          ThrowVxError(380);
                      this->*field = value;
                      changed(dispid);
                  },
                  {}});
}

void CVxcalndrCtrl::bindBool(int dispid, bool32 CVxcalndrCtrl::*field, bool runModeRead) {
    bind(dispid, {[=, this](const Args&) {
                      if (runModeRead)
                          requireRunMode();
                      return Variant::fromBool(this->*field != 0);
                  },
                  [=, this](const Args&, const Variant& v) {
                      this->*field = v.toBool() ? -1 : 0;
                      pushTitleFont(dispid);
                      changed(dispid);
                  },
                  {}});
}

void CVxcalndrCtrl::bindColor(int dispid, OLE_COLOR CVxcalndrCtrl::*field) {
    bind(dispid, {[=, this](const Args&) { return Variant::fromColor(this->*field); },
                  [=, this](const Args&, const Variant& v) {
                      this->*field = v.toColor();
                      changed(dispid);
                  },
                  {}});
}

void CVxcalndrCtrl::bindProperties() {
    constexpr int kAny = 32767, kNone = -32768;
    auto readOnly = [this](const Args&, const Variant&) {
        ThrowVxError(383);
    };

    bind(dispidMousePointer, {[this](const Args&) { return Variant::fromShort(MousePointer); },
                              [this](const Args&, const Variant& v) { SetMousePointer(v.toShort()); },
                              {}});
    for (int id = dispidFontBold; id <= dispidFontUnderline; ++id)
        bind(id, {[this, id](const Args&) { return stockFontGet(id); },
                  [this, id](const Args&, const Variant& v) { stockFontPut(id, v); },
                  {}});
    bind(dispidAutoSize, {[this](const Args&) { return Variant::fromBool(AutoSize != 0); },
                          [this](const Args&, const Variant& v) { SetAutoSize(v.toBool()); },
                          {}});
    bindShort(dispidBevelSize, &CVxcalndrCtrl::BevelSize, 0, kAny);
    bindShort(dispidBevelStyle, &CVxcalndrCtrl::BevelStyle, 0, 4);
    bindColor(dispidBorderColor, &CVxcalndrCtrl::BorderColor);
    bindShort(dispidBorderStyle, &CVxcalndrCtrl::BorderStyle, 0, 2);
    bindColor(dispidFillColor, &CVxcalndrCtrl::FillColor);
    bindShort(dispidFontStyle, &CVxcalndrCtrl::FontStyle, 0, 4);
    bindColor(dispidLightColor, &CVxcalndrCtrl::LightColor);
    bindColor(dispidShadowColor, &CVxcalndrCtrl::ShadowColor);
    bindColor(dispidTextColor, &CVxcalndrCtrl::TextColor);
    bindShort(dispidWallPaper, &CVxcalndrCtrl::WallPaper, 0, 2);
    bind(dispidPicture,
         {[this](const Args&) { return Variant::fromPicture(pictureHolder.GetPictureDispatch()); },
          [this](const Args&, const Variant& v) { SetPicture(v.toPicture()); },
          {}});
    bindShort(dispidBevelStyleDate, &CVxcalndrCtrl::BevelStyleDate, 0, 4);
    bindShort(dispidBevelSizeDate, &CVxcalndrCtrl::BevelSizeDate, kNone, kAny);

    // The current date: checked and normalised by the date model.
    bind(dispidDay, {[this](const Args&) { return Variant::fromShort(model().day()); },
                     [this](const Args&, const Variant& v) {
                         if (model().setDay(v.toShort()) != 0)
                             ThrowVxError(380);
                         changed(dispidDay);
                     },
                     {}});
    bind(dispidDate, {[this](const Args&) { return Variant::fromString(fromBytes(model().date())); },
                      [this](const Args&, const Variant& v) {
                          if (!model().setDate(toBytes(v.toString())))
                              return; // text that gives no date is ignored
                          changed(dispidDate);
                      },
                      {}});
    bindShort(dispidDividerStyle, &CVxcalndrCtrl::DividerStyle, 0, 4);
    bindColor(dispidHighColor, &CVxcalndrCtrl::HighColor);
    bind(dispidMonth, {[this](const Args&) { return Variant::fromShort(model().month()); },
                       [this](const Args&, const Variant& v) {
                           if (model().setMonth(v.toShort()) != 0)
                               ThrowVxError(380);
                           model().computeMarks();
                           changed(dispidMonth);
                       },
                       {}});
    bind(dispidMonthText, {[this](const Args&) {
                               requireRunMode();
                               return Variant::fromString(fromBytes(model().monthText()));
                           },
                           readOnly,
                           {}});
    bindShort(dispidMultiSelect, &CVxcalndrCtrl::MultiSelect, 0, 1);
    bind(dispidSelectedCount, {[this](const Args&) {
                                   requireRunMode();
                                   return Variant::fromShort(model().selectedCount());
                               },
                               [this](const Args&, const Variant& v) {
                                   model().setSelectedCount(v.toShort());
                                   model().computeMarks();
                                   changed(dispidSelectedCount);
                               },
                               {}});
    bindShort(dispidCalendarStyle, &CVxcalndrCtrl::CalendarStyle, 0, 1);
    bindShort(dispidDateFormat, &CVxcalndrCtrl::DateFormat, 0, 7);
    bind(dispidWeekDay, {[this](const Args&) {
                             requireRunMode();
                             return Variant::fromShort(static_cast<std::int16_t>(model().weekDay()));
                         },
                         readOnly,
                         {}});
    bind(dispidWeekDayText, {[this](const Args&) {
                                 requireRunMode();
                                 return Variant::fromString(fromBytes(model().weekDayText()));
                             },
                             readOnly,
                             {}});
    bind(dispidYear, {[this](const Args&) { return Variant::fromShort(model().year()); },
                      [this](const Args&, const Variant& v) {
                          const short value = v.toShort();
                          SetModifiedFlag(); // even when the year is refused
                          if (model().setYear(value) != 0)
                              ThrowVxError(380);
                          model().computeMarks();
                          changed(dispidYear);
                      },
                      {}});
    bindShort(dispidBevelStyleCap, &CVxcalndrCtrl::BevelStyleCap, 0, 4);
    bindShort(dispidBevelSizeCap, &CVxcalndrCtrl::BevelSizeCap, kNone, kAny);

    // The address of DateSelOn, never checked.
    short DateModel::*const sel[] = {&DateModel::daySel, &DateModel::monthSel, &DateModel::yearSel};
    for (int i = 0; i < 3; ++i) {
        const int id = dispidDaySel + i;
        short DateModel::*field = sel[i];
        bind(id, {[this, field](const Args&) {
                      requireRunMode();
                      return Variant::fromShort(model().*field);
                  },
                  [this, id, field](const Args&, const Variant& v) {
                      model().*field = v.toShort();
                      if (id != dispidDaySel)
                          model().computeMarks();
                      changed(id);
                  },
                  {}});
    }
    bind(dispidDateSelOn, {[this](const Args&) {
                               requireRunMode();
                               return Variant::fromShort(model().dateSelOn() ? -1 : 0);
                           },
                           [this](const Args&, const Variant& v) {
                               // A full list refuses a new date without error or notification.
                               if (!model().setDateSelOn(v.toBool()))
                                   return;
                               changed(dispidDateSelOn);
                           },
                           {}});
    bindColor(dispidFocusColor, &CVxcalndrCtrl::FocusColor);
    bindColor(dispidHighBackColor, &CVxcalndrCtrl::HighBackColor);
    bindBool(dispidMultiStatic, &CVxcalndrCtrl::MultiStatic);
    bindBool(dispidCalStatic, &CVxcalndrCtrl::CalStatic);
    bindShort(dispidMouseExpand, &CVxcalndrCtrl::MouseExpand, kNone, kAny);
    bindShort(dispidAlignment, &CVxcalndrCtrl::Alignment, 0, 2);
    bindShort(dispidVAlignment, &CVxcalndrCtrl::VAlignment, 0, 2);
    bindBool(dispidDayMath, &CVxcalndrCtrl::DayMath);
    bind(dispidLanguage, {[this](const Args&) { return Variant::fromString(fromBytes(texts_.language())); },
                          [this](const Args&, const Variant& v) {
                              if (v.isEmpty())
                                  texts_.setLanguageCode(std::nullopt);
                              else
                                  texts_.setLanguageCode(toBytes(v.toString()));
                              SetModifiedFlag();
                              InvalidateControl();
                              BoundPropertyChanged(dispidLanguageNumber);
                              BoundPropertyChanged(dispidLanguage);
                          },
                          {}});
    bind(dispidLanguageNumber, {[this](const Args&) { return Variant::fromShort(texts_.languageNumber()); },
                                [this](const Args&, const Variant& v) {
                                    if (texts_.setLanguageNumber(v.toShort()) != 0)
                                        ThrowVxError(380);
                                    changed(dispidLanguageNumber);
                                },
                                {}});
    bindShort(dispidDayStart, &CVxcalndrCtrl::DayStart, kNone, kAny);
    bindBool(dispidWeekNumbers, &CVxcalndrCtrl::WeekNumbers);
    bindShort(dispidTitleHeight, &CVxcalndrCtrl::TitleHeight, kNone, kAny);
    bindBool(dispidTitleFontBold, &CVxcalndrCtrl::TitleFontBold, true);
    bindBool(dispidTitleFontItalic, &CVxcalndrCtrl::TitleFontItalic, true);
    bind(dispidTitleFontName, {[this](const Args&) {
                                   requireRunMode();
                                   return Variant::fromString(TitleFontName);
                               },
                               [this](const Args&, const Variant& v) {
                                   TitleFontName = v.toString();
                                   pushTitleFont(dispidTitleFontName);
                                   changed(dispidTitleFontName);
                               },
                               {}});
    bind(dispidTitleFontSize, {[this](const Args&) {
                                   requireRunMode();
                                   return Variant::fromFloat(TitleFontSize);
                               },
                               [this](const Args&, const Variant& v) {
                                   TitleFontSize = v.toFloat();
                                   pushTitleFont(dispidTitleFontSize);
                                   changed(dispidTitleFontSize);
                               },
                               {}});
    bindBool(dispidTitleFontStrike, &CVxcalndrCtrl::TitleFontStrike, true);
    bindBool(dispidTitleFontUnder, &CVxcalndrCtrl::TitleFontUnder, true);
    bindShort(dispidTitleFontStyle, &CVxcalndrCtrl::TitleFontStyle, 0, 4);
    bindColor(dispidTitleColor, &CVxcalndrCtrl::TitleColor);
    bindShort(dispidMinYear, &CVxcalndrCtrl::MinYear, 0, kAny);
    bindShort(dispidMaxYear, &CVxcalndrCtrl::MaxYear, kNone, 9999);
    bind(dispidTitleFont, {[this](const Args&) { return Variant::fromFont(titleFont.GetFontDispatch()); },
                           [this](const Args&, const Variant& v) { SetTitleFont(v.toFont()); },
                           {}});
    bind(dispidMouseIcon, {[this](const Args&) {
                               if (AmbientUserMode() && !mouseIcon.isInitialized())
                                   mouseIcon.CreateEmpty();
                               return Variant::fromPicture(mouseIcon.GetPictureDispatch());
                           },
                           [this](const Args&, const Variant& v) { SetMouseIcon(v.toPicture()); },
                           {}});
    bind(dispidClear, {{}, {}, [this](Args&) {
                           model().clear();
                           update(); // repainted without erasing
                           return Variant();
                       }});
    bind(ole::DISPID_ABOUTBOX, {{}, {}, [this](Args&) {
                                    vxrun::CVxAboutDlg box(this, 0);
                                    box.DoModal(runModal_ ? runModal_ : [](QDialog& d) { return d.exec(); });
                                    return Variant();
                                }});
    bindArrays();
}

void CVxcalndrCtrl::bindArrays() {
    auto readOnly = [this](const Args&, const Variant&) {
        ThrowVxError(383);
    };
    for (int id = dispidDayArr; id <= dispidYearArr; ++id) {
        bind(id, {[this, id](const Args& a) -> Variant {
                      requireRunMode();
                      if (MultiSelect == 0)
                          ThrowVxError(380);
                      const int k = a.at(0).toShort();
                      const auto entry = model().selectionEntry(k);
                      if (!entry) {
                          if (id == dispidMonthTextArr && k >= model().selectedCount())
                              return Variant::fromString(QString());
                          ThrowVxError(381);
                      }
                      switch (id) {
                      case dispidDayArr:
                          return Variant::fromShort(static_cast<std::int16_t>(entry->day));
                      case dispidMonthArr:
                          return Variant::fromShort(static_cast<std::int16_t>(entry->month));
                      case dispidYearArr:
                          return Variant::fromShort(static_cast<std::int16_t>(entry->year));
                      case dispidDateArr:
                          return Variant::fromString(
                              fromBytes(model().formatDate(entry->month, entry->day, entry->year)));
                      case dispidMonthTextArr:
                          return Variant::fromString(fromBytes(texts_.monthName(entry->month)));
                      case dispidWeekDayArr:
                          return Variant::fromShort(static_cast<std::int16_t>(
                              model().weekdayOf(entry->month, entry->day, entry->year)));
                      default:
                          return Variant::fromString(fromBytes(
                              texts_.weekdayName(model().weekdayOf(entry->month, entry->day, entry->year))));
                      }
                  },
                  readOnly,
                  {}});
    }
    for (int id = dispidDayLeft; id <= dispidDayHeight; ++id)
        bind(id, {[this, id](const Args& a) {
                      requireRunMode();
                      return Variant::fromLong(cellValue(id, a.at(0).toShort()));
                  },
                  readOnly,
                  {}});
}

std::int32_t CVxcalndrCtrl::cellValue(int dispid, int index) {
    if (index < 0 || index > 35)
        ThrowVxError(dispid == dispidDayLeft ? 380 : 381);
    const CellRect& c = cells[static_cast<std::size_t>(index)];
    // The cells are in pixels: twips come straight from pixels at the screen's resolution.
    switch (dispid) {
    case dispidDayLeft:
        return vxrun::XPixelsToTwips(c.left);
    case dispidDayTop:
        return vxrun::YPixelsToTwips(c.top);
    case dispidDayWidth:
        return vxrun::XPixelsToTwips(c.right - c.left + 1);
    default:
        return vxrun::YPixelsToTwips(c.bottom - c.top + 1);
    }
}

} // namespace vxcal
