#pragma once

#include "vxrun/Colors.h"
#include "vxrun/Draw3D.h"

#include <QImage>

class QPainter;

namespace vxrun {

inline constexpr unsigned SRCCOPY = 0x00CC0020;

// Wallpaper modes of a picture drawn into a rectangle.
enum Wallpaper : int { vxWallPaperStrBlt = 0, vxWallPaperBitblt = 1, vxWallPaperReplicate = 2 };

// Picture types, as the platform's picture objects report them.
enum PictureType : int { PICTYPE_UNINITIALIZED = -1, PICTYPE_NONE = 0, PICTYPE_BITMAP = 1 };

// Holds the calendar's Picture and draws it as a wallpaper.
class CVXPictureHolder {
public:
    CVXPictureHolder() = default;
    virtual ~CVXPictureHolder() = default;
    CVXPictureHolder(const CVXPictureHolder&) = delete;
    CVXPictureHolder& operator=(const CVXPictureHolder&) = delete;

    // Draws the picture into rect: 0 stretched over it, 1 copied at its top-left corner, 2 tiled
    // from its top-left corner; background (RGB) fills whatever the picture leaves uncovered. Only
    // SRCCOPY is supported; the other arguments keep the familiar call shape. No picture: nothing.
    virtual void Render(QPainter* dc, const RECT* rect, int wallpaper, int, int, COLORREF background,
                        unsigned rop = SRCCOPY, int = 0);

    void SetPicture(const QImage& picture);
    void CreateEmpty() { picture_ = QImage(); }
    int GetType() const { return picture_.isNull() ? PICTYPE_NONE : PICTYPE_BITMAP; }
    const QImage& picture() const { return picture_; }
    // Size in HIMETRIC at the screen's resolution, as the platform's picture objects give it.
    int widthHimetric() const;
    int heightHimetric() const;

private:
    QImage picture_;
};

} // namespace vxrun
