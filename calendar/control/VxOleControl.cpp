#include "calendar/control/VxOleControl.h"

#include "runtime/Cp1252.h"
#include "vxrun/Colors.h"
#include "winapi/Module.h"
#include "winapi/ModuleStrings.h"

#include <QCursor>
#include <QPixmap>
#include <QStringDecoder>

namespace vxcal {

namespace {

constexpr int kJapaneseBase = 30000;

Qt::CursorShape standardCursor(short pointer) {
    switch (pointer) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    case 15:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor; // 1 vxArrow and 4 vxIcon
    }
}

} // namespace

CVxOleControl::CVxOleControl(QWidget* parent, const QByteArray& localeModule) : ole::COleControl(parent) {
    mouseIcon.CreateEmpty();
    hLocale = winapi::LoadLibraryA(localeModule.constData());
    OnBackColorChanged();
}

CVxOleControl::~CVxOleControl() {
    if (hLocale)
        winapi::FreeLibrary(hLocale);
}

void CVxOleControl::ThrowVxError(int code) {
    if (!hLocale)
        ThrowError(ole::ctlError(53), QStringLiteral("VXLOCALE.DLL Not Found"));
    using GetLocaleFn = int (*)();
    const auto getLocale = reinterpret_cast<GetLocaleFn>(winapi::GetProcAddress(hLocale, "VxGetLocale"));
    const int base = getLocale ? getLocale() : 0;
    char buffer[256] = {};
    const int n = winapi::LoadStringA(hLocale, static_cast<winapi::UINT>(base + code), buffer, sizeof buffer);
    const QByteArray bytes(buffer, n);
    QString text;
    if (base == kJapaneseBase) {
        QStringDecoder decoder("Shift_JIS");
        text = decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
    } else {
        text = QString::fromStdString(runtime::cp1252ToUtf8(bytes.toStdString()));
    }
    ThrowError(ole::ctlError(code), text, -1);
}

void CVxOleControl::refreshCursor() {
    if (mousePointer == 0 || !AmbientUserMode()) {
        unsetCursor();
        return;
    }
    if (mousePointer == 99) {
        const auto icon = mouseIcon.GetPictureDispatch();
        if (icon && !icon->image().isNull())
            setCursor(QCursor(QPixmap::fromImage(icon->image())));
        else
            unsetCursor();
        return;
    }
    if (mousePointer >= 1 && mousePointer <= 15)
        setCursor(standardCursor(mousePointer));
    else
        unsetCursor(); // a stored value outside the list: the default cursor
}

void CVxOleControl::OnBackColorChanged() {
    brushColor = vxrun::TranslateOleColor(GetBackColor());
    brush = QBrush(vxrun::toQColor(brushColor));
}

void CVxOleControl::OnAmbientPropertyChange(ole::DISPID dispid) {
    if (dispid == ole::DISPID_AMBIENT_USERMODE || dispid == ole::DISPID_UNKNOWN)
        refreshCursor();
}

} // namespace vxcal
