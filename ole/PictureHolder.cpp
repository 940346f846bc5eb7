#include "ole/PictureHolder.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include <cmath>

namespace ole {

namespace {

double dpi(bool x) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* s = QGuiApplication::primaryScreen())
            return x ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY();
    return 96.0;
}

int toHimetric(int pixels, bool x) {
    return static_cast<int>(std::lround(pixels * 2540.0 / dpi(x)));
}

} // namespace

PictureObject::PictureObject(short type, QImage image, QByteArray metafileBytes)
    : type_(type), image_(std::move(image)), metafile_(std::move(metafileBytes)) {}

std::shared_ptr<PictureObject> PictureObject::bitmap(const QImage& image) {
    return std::make_shared<PictureObject>(PICTYPE_BITMAP, image);
}

std::shared_ptr<PictureObject> PictureObject::icon(const QImage& image) {
    return std::make_shared<PictureObject>(PICTYPE_ICON, image);
}

std::shared_ptr<PictureObject> PictureObject::fromFileBytes(const QByteArray& bytes,
                                                            const QString& fileName) {
    const QString lower = fileName.toLower();
    if (lower.endsWith(QLatin1String(".wmf")) || lower.endsWith(QLatin1String(".emf"))) {
        if (bytes.isEmpty())
            return nullptr;
        return std::make_shared<PictureObject>(
            lower.endsWith(QLatin1String(".wmf")) ? PICTYPE_METAFILE : PICTYPE_ENHMETAFILE, QImage(), bytes);
    }
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(64); // megabytes: a picture in a property bag is never larger
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    const bool isIcon = lower.endsWith(QLatin1String(".ico")) || lower.endsWith(QLatin1String(".cur")) ||
                        reader.format() == "ico";
    return std::make_shared<PictureObject>(isIcon ? PICTYPE_ICON : PICTYPE_BITMAP, image);
}

int PictureObject::width() const {
    return toHimetric(image_.width(), true);
}

int PictureObject::height() const {
    return toHimetric(image_.height(), false);
}

void CPictureHolder::CreateEmpty() {
    picture_ = std::make_shared<PictureObject>(PICTYPE_NONE, QImage());
    initialized_ = true;
}

bool CPictureHolder::CreateFromBitmap(const QImage& image) {
    if (image.isNull())
        return false;
    picture_ = PictureObject::bitmap(image);
    initialized_ = true;
    return true;
}

bool CPictureHolder::CreateFromIcon(const QImage& image) {
    if (image.isNull())
        return false;
    picture_ = PictureObject::icon(image);
    initialized_ = true;
    return true;
}

short CPictureHolder::GetType() const {
    return picture_ ? picture_->type() : static_cast<short>(PICTYPE_UNINITIALIZED);
}

void CPictureHolder::SetPictureDispatch(const std::shared_ptr<PictureObject>& picture) {
    picture_ = picture;
    initialized_ = picture != nullptr;
}

} // namespace ole
