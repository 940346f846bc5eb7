#pragma once

#include <QByteArray>
#include <QImage>

#include <memory>

namespace ole {

enum PictureType : short {
    PICTYPE_UNINITIALIZED = -1,
    PICTYPE_NONE = 0,
    PICTYPE_BITMAP = 1,
    PICTYPE_METAFILE = 2,
    PICTYPE_ICON = 3,
    PICTYPE_ENHMETAFILE = 4,
};

// The picture object (IPicture): an image with its kind. A metafile keeps only its bytes, since
// nothing here draws one; its size is what it was given.
class PictureObject {
public:
    PictureObject(short type, QImage image, QByteArray metafileBytes = {});
    static std::shared_ptr<PictureObject> bitmap(const QImage& image);
    static std::shared_ptr<PictureObject> icon(const QImage& image);
    // A picture from file bytes: an .ico gives an icon, a .wmf/.emf a metafile, images a bitmap.
    // Null when the bytes are no picture.
    static std::shared_ptr<PictureObject> fromFileBytes(const QByteArray& bytes, const QString& fileName);

    short type() const { return type_; }
    const QImage& image() const { return image_; }
    const QByteArray& metafileBytes() const { return metafile_; }
    // Size in HIMETRIC at the screen's resolution.
    int width() const;
    int height() const;

private:
    short type_;
    QImage image_;
    QByteArray metafile_;
};

// Holds a picture property (CPictureHolder).
class CPictureHolder {
public:
    // Empty picture (type none).
    void CreateEmpty();
    bool CreateFromBitmap(const QImage& image);
    bool CreateFromIcon(const QImage& image);
    // Uninitialised until a picture or an empty one is given.
    short GetType() const;
    std::shared_ptr<PictureObject> GetPictureDispatch() const { return picture_; }
    void SetPictureDispatch(const std::shared_ptr<PictureObject>& picture);
    bool isInitialized() const { return initialized_; }

private:
    std::shared_ptr<PictureObject> picture_;
    bool initialized_ = false;
};

} // namespace ole
