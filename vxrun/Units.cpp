#include "vxrun/Units.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

#include <cmath>
#include <cstdint>
#include <limits>

namespace vxrun {

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

QScreen* screen() {
    return qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
}

} // namespace

int mulDiv(int a, int b, int c) {
    if (c == 0)
        return 0;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    std::int64_t q = (std::llabs(num) + std::llabs(static_cast<std::int64_t>(c)) / 2) / std::llabs(c);
    if ((num < 0) != (c < 0))
        q = -q;
    if (q > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (q < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(q);
}

int screenLogicalDpiX() {
    QScreen* s = screen();
    return s != nullptr ? static_cast<int>(std::lround(s->logicalDotsPerInchX())) : kDefaultDpi;
}

int screenLogicalDpiY() {
    QScreen* s = screen();
    return s != nullptr ? static_cast<int>(std::lround(s->logicalDotsPerInchY())) : kDefaultDpi;
}

int XHimetricToPixels(int himetric) {
    return mulDiv(himetric, screenLogicalDpiX(), kHimetricPerInch);
}
int YHimetricToPixels(int himetric) {
    return mulDiv(himetric, screenLogicalDpiY(), kHimetricPerInch);
}
int XPixelsToHimetric(int pixels) {
    return mulDiv(pixels, kHimetricPerInch, screenLogicalDpiX());
}
int YPixelsToHimetric(int pixels) {
    return mulDiv(pixels, kHimetricPerInch, screenLogicalDpiY());
}

int XPixelsToTwips(int pixels, const QPaintDevice* dc) {
    return mulDiv(pixels, kTwipsPerInch, dc != nullptr ? dc->logicalDpiX() : screenLogicalDpiX());
}

int YPixelsToTwips(int pixels, const QPaintDevice* dc) {
    return mulDiv(pixels, kTwipsPerInch, dc != nullptr ? dc->logicalDpiY() : screenLogicalDpiY());
}

} // namespace vxrun
