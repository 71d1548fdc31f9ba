#pragma once
// Pictures as bitmaps, both ways: a bitmap (say, one another program put on
// the clipboard) shown as a picture, and a picture drawn whole into a bitmap
// for programs that take nothing else.

#include "host/interface/host_picture.h"

#include <QImage>

namespace jubilo {

// The largest side of a bitmap drawn from a picture; a larger picture is
// drawn scaled down to fit.
inline constexpr int kMaxBitmapSide = 32767;

class BitmapPicture : public HostPicture {
public:
    explicit BitmapPicture(QImage bitmap);

    QSize size() const override { return bitmap_.size(); }
    void paint(QPainter& painter, const QRect& area, double scale) const override;

private:
    QImage bitmap_;
};

// The whole picture as a bitmap, no side over kMaxBitmapSide. Throws
// std::runtime_error when the picture is empty or the bitmap cannot be made.
QImage drawPictureBitmap(const HostPicture& picture);

}  // namespace jubilo
