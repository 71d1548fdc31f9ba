#pragma once
// A picture at a zoom: its size is the zoomed size, and it draws any part
// of itself from the picture at that zoom, so nothing is ever stretched.

#include "host/interface/host_picture.h"

#include <QPainter>
#include <QRect>
#include <QSize>

#include <memory>

namespace jubilo {

class ScaledPicture {
public:
    ScaledPicture() = default;
    ScaledPicture(std::shared_ptr<const HostPicture> source, float zoom);

    bool isNull() const { return !source_; }
    const std::shared_ptr<const HostPicture>& source() const { return source_; }
    float zoom() const { return zoom_; }

    // In pixels of the zoomed picture; empty when there is no picture.
    QSize size() const { return size_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }

    // Draws the part `area` of the zoomed picture, trimmed to the picture,
    // with the area's top-left corner at the painter's origin.
    void paint(QPainter& painter, const QRect& area) const;

private:
    std::shared_ptr<const HostPicture> source_;
    float zoom_ = 1.0f;
    QSize size_{0, 0};
};

}  // namespace jubilo
