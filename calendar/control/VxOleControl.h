#pragma once

#include "ole/OleControl.h"
#include "ole/PictureHolder.h"

#include <QBrush>

namespace vxcal {

// The base of the suite's controls: the locale module that gives the error texts in the user's
// language, the mouse icon and pointer, and the brush of the child controls' background.
class CVxOleControl : public ole::COleControl {
    Q_OBJECT
public:
    // localeModule names the locale module; only tests name another one (to see it missing).
    explicit CVxOleControl(QWidget* parent = nullptr, const QByteArray& localeModule = "VXLOCALE");
    ~CVxOleControl() override;

    // Raises run-time error `code` with its text from the locale module in the system's language;
    // "VXLOCALE.DLL Not Found" (0x800A0035) when the module could not be loaded.
    [[noreturn]] void ThrowVxError(int code);

    bool localeLoaded() const { return hLocale != nullptr; }
    short currentMousePointer() const { return mousePointer; }
    // The brush child controls get for their background (the BackColor).
    const QBrush& childBrush() const { return brush; }

protected:
    // Applies the cursor of mousePointer (run mode only; 99 uses the mouse icon).
    void refreshCursor();
    void OnBackColorChanged() override;
    void OnAmbientPropertyChange(ole::DISPID dispid) override;

    void* hLocale = nullptr;
    ole::CPictureHolder mouseIcon;
    short mousePointer = 0;
    QBrush brush;
    ole::OLE_COLOR brushColor = 0;
};

} // namespace vxcal
