#pragma once

class QPaintDevice;

namespace vxrun {

// The screen's logical resolution (dots per inch), 96 when there is no screen.
int screenLogicalDpiX();
int screenLogicalDpiY();

// HIMETRIC (hundredths of a millimetre) to screen pixels, rounded to the nearest pixel.
int XHimetricToPixels(int himetric);
int YHimetricToPixels(int himetric);
// Screen pixels to HIMETRIC, the inverse (for picture sizes).
int XPixelsToHimetric(int pixels);
int YPixelsToHimetric(int pixels);
// Pixels to twips (1/1440 inch) at the device's logical resolution, or the screen's when no
// device is given.
int XPixelsToTwips(int pixels, const QPaintDevice* dc = nullptr);
int YPixelsToTwips(int pixels, const QPaintDevice* dc = nullptr);

// a * b / c rounded half away from zero, 0 for c == 0 (as the Windows MulDiv, without its -1).
int mulDiv(int a, int b, int c);

} // namespace vxrun
