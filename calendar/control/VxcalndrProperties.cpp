// The calendar's properties whose setting does more than store a value: pictures, sizing, the
// mouse pointer and the fonts.
#include "calendar/control/VxcalndrCtrl.h"

#include "vxrun/Units.h"

#include <cmath>

namespace vxcal {

using ole::Variant;

void CVxcalndrCtrl::SetMousePointer(short v) {
    if ((v < 0 || v > 15) && v != 99)
        ThrowVxError(380);
    MousePointer = v;
    mousePointer = v;
    refreshCursor(); // the new cursor shows at once
    changed(dispidMousePointer);
}

void CVxcalndrCtrl::SetAutoSize(bool v) {
    AutoSize = v ? -1 : 0;
    const auto p = pictureHolder.GetPictureDispatch();
    // A picture without a size of its own (a stored metafile) leaves the control as it is.
    if (AutoSize && p && p->type() > ole::PICTYPE_NONE && p->width() > 0 && p->height() > 0)
        SetControlSize(vxrun::XHimetricToPixels(p->width()), vxrun::YHimetricToPixels(p->height()));
    InvalidateControl();
    SetModifiedFlag();
    BoundPropertyChanged(dispidAutoSize);
}

void CVxcalndrCtrl::SetPicture(const std::shared_ptr<ole::PictureObject>& p) {
    const short type = p ? p->type() : static_cast<short>(ole::PICTYPE_NONE);
    if (type != ole::PICTYPE_NONE && type != ole::PICTYPE_UNINITIALIZED && type != ole::PICTYPE_BITMAP)
        ThrowVxError(380); // the old picture stays
    if (p && type != ole::PICTYPE_NONE) {
        pictureHolder.SetPictureDispatch(p);
        picture.SetPicture(p->image());
    } else {
        pictureHolder.CreateEmpty();
        picture.CreateEmpty();
    }
    InvalidateControl();
    SetModifiedFlag();
    BoundPropertyChanged(dispidPicture);
    // Palettes need no realising here: every surface is true colour.
    if (AutoSize)
        SetAutoSize(true);
}

void CVxcalndrCtrl::SetMouseIcon(const std::shared_ptr<ole::PictureObject>& p) {
    const short type = p ? p->type() : static_cast<short>(ole::PICTYPE_NONE);
    if (type != ole::PICTYPE_ICON && type != ole::PICTYPE_NONE && type != ole::PICTYPE_UNINITIALIZED)
        ThrowVxError(380);
    if (p)
        mouseIcon.SetPictureDispatch(p);
    else
        mouseIcon.CreateEmpty();
    refreshCursor();
    SetModifiedFlag();
    InvalidateControl();
    BoundPropertyChanged(dispidMouseIcon);
}

void CVxcalndrCtrl::SetTitleFont(const std::shared_ptr<ole::FontObject>& font) {
    const ole::FONTDESC desc = titleFontDefault();
    titleFont.InitializeFont(&desc, font);
    changed(dispidTitleFont);
}

void CVxcalndrCtrl::pushTitleFont(int dispid) {
    ole::FontObject* f = titleFont.font();
    if (!f)
        return;
    switch (dispid) {
    case dispidTitleFontBold:
        f->setBold(TitleFontBold != 0);
        break;
    case dispidTitleFontItalic:
        f->setItalic(TitleFontItalic != 0);
        break;
    case dispidTitleFontName:
        f->setName(TitleFontName);
        break;
    case dispidTitleFontSize:
        f->setSize(ole::Currency{
            static_cast<std::int64_t>(std::llround(static_cast<double>(TitleFontSize) * 10000.0))});
        break;
    case dispidTitleFontStrike:
        f->setStrikethrough(TitleFontStrike != 0);
        break;
    case dispidTitleFontUnder:
        f->setUnderline(TitleFontUnder != 0);
        break;
    default:
        break;
    }
}

Variant CVxcalndrCtrl::stockFontGet(int dispid) {
    requireRunMode();
    const ole::FontObject* f = InternalGetFont().font();
    switch (dispid) {
    case dispidFontBold:
        return Variant::fromBool(f && f->bold());
    case dispidFontItalic:
        return Variant::fromBool(f && f->italic());
    case dispidFontName:
        return Variant::fromString(f ? f->name() : QString());
    case dispidFontSize:
        return Variant::fromCurrency(f ? f->size() : ole::Currency{}).convertTo(ole::VarType::Float);
    case dispidFontStrikethru:
        return Variant::fromBool(f && f->strikethrough());
    default:
        return Variant::fromBool(f && f->underline());
    }
}

void CVxcalndrCtrl::stockFontPut(int dispid, const Variant& v) {
    ole::FontObject* f = InternalGetFont().font();
    if (!f)
        return;
    switch (dispid) {
    case dispidFontBold:
        f->setBold(v.toBool());
        break;
    case dispidFontItalic:
        f->setItalic(v.toBool());
        break;
    case dispidFontName:
        f->setName(v.toString());
        break;
    case dispidFontSize:
        f->setSize(v.convertTo(ole::VarType::Currency).toCurrency());
        break;
    case dispidFontStrikethru:
        f->setStrikethrough(v.toBool());
        break;
    default:
        f->setUnderline(v.toBool());
        break;
    }
    changed(dispid);
}

} // namespace vxcal
