#include "platform/picture_mime_data.h"

#include "platform/bitmap_picture.h"

namespace jubilo {

namespace {

// The format Qt turns into every image format a pasting program may ask for.
const QString kImageFormat = QStringLiteral("application/x-qt-image");

}  // namespace

PictureMimeData::PictureMimeData(std::shared_ptr<const HostPicture> picture)
    : picture_(std::move(picture))
{
}

bool PictureMimeData::hasFormat(const QString& mimeType) const { return picture_ && mimeType == kImageFormat; }

QStringList PictureMimeData::formats() const { return picture_ ? QStringList{kImageFormat} : QStringList{}; }

QVariant PictureMimeData::retrieveData(const QString& mimeType, QMetaType type) const
{
    if (!hasFormat(mimeType))
        return QMimeData::retrieveData(mimeType, type);
    try {
        return drawPictureBitmap(*picture_);
    } catch (...) {
        // A program that asks gets nothing rather than ending this one.
        return {};
    }
}

}  // namespace jubilo
