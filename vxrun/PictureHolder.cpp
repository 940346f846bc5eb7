#include "vxrun/PictureHolder.h"

#include "vxrun/Units.h"

#include <QPainter>

namespace vxrun {

void CVXPictureHolder::SetPicture(const QImage& picture) {
    picture_ = picture;
}

int CVXPictureHolder::widthHimetric() const {
    return XPixelsToHimetric(picture_.width());
}
int CVXPictureHolder::heightHimetric() const {
    return YPixelsToHimetric(picture_.height());
}

void CVXPictureHolder::Render(QPainter* dc, const RECT* rect, int wallpaper, int, int, COLORREF background,
                              unsigned rop, int) {
    if (dc == nullptr || rect == nullptr || picture_.isNull() || rop != SRCCOPY)
        return;
    const QRect r = toQRect(*rect);
    if (r.isEmpty())
        return;
    dc->save();
    dc->setClipRect(r, Qt::IntersectClip);
    switch (wallpaper) {
    case vxWallPaperBitblt:
        dc->fillRect(r, toQColor(background));
        dc->drawImage(r.topLeft(), picture_);
        break;
    case vxWallPaperReplicate:
        dc->fillRect(r, toQColor(background)); // under any transparent parts of the tiles
        for (int y = r.top(); y <= r.bottom(); y += picture_.height())
            for (int x = r.left(); x <= r.right(); x += picture_.width())
                dc->drawImage(QPoint(x, y), picture_);
        break;
    default:
        dc->fillRect(r, toQColor(background));
        dc->drawImage(r, picture_);
        break;
    }
    dc->restore();
}

} // namespace vxrun
