#include "platform/bitmap_picture.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(BitmapPicture)
};

}  // namespace

BitmapPicture::BitmapPicture(QImage bitmap)
    : bitmap_(std::move(bitmap))
{
}

void BitmapPicture::paint(QPainter& painter, const QRect& area, double scale) const
{
    if (bitmap_.isNull() || area.isEmpty() || scale <= 0)
        return;
    const QRectF source(area.x() / scale, area.y() / scale, area.width() / scale, area.height() / scale);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1.0);
    painter.drawImage(QRectF(0, 0, area.width(), area.height()), bitmap_, source);
    painter.restore();
}

QImage drawPictureBitmap(const HostPicture& picture)
{
    const QSize size = picture.size();
    if (size.isEmpty())
        throw std::runtime_error(Texts::tr("The picture is empty").toStdString());
    const double scale = std::min(1.0, static_cast<double>(kMaxBitmapSide) / std::max(size.width(), size.height()));
    const QSize scaled(std::max(1, static_cast<int>(std::floor(size.width() * scale))),
                       std::max(1, static_cast<int>(std::floor(size.height() * scale))));
    QImage bitmap(scaled, QImage::Format_RGB32);
    if (bitmap.isNull())
        //: %1 and %2 are the picture's width and height in pixels.
        throw std::runtime_error(Texts::tr("There is not enough memory for a %1 x %2 picture")
                                     .arg(scaled.width())
                                     .arg(scaled.height())
                                     .toStdString());
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    picture.paint(painter, QRect(QPoint(0, 0), scaled), scale);
    return bitmap;
}

}  // namespace jubilo
