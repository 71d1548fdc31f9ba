#pragma once
// Picture pixels at 100% to the device pixels of a painted area at a scale.
// Every edge between picture pixels lands on a whole device pixel, so lines
// stay crisp at any scale and neighbouring cells tile without gaps; nothing
// gets thinner than one device pixel.

#include <QPoint>
#include <QRect>

namespace jubilo::spreadsheet::picture {

class DeviceGrid {
public:
    // `origin`: the device pixel of the scaled picture at the painter's origin.
    DeviceGrid(double scale, QPoint origin);

    double scale() const { return scale_; }
    // The device edge of a picture edge, relative to the origin.
    int x(double picture) const { return edge(picture) - origin_.x(); }
    int y(double picture) const { return edge(picture) - origin_.y(); }
    // Picture pixels [x0, x1] x [y0, y1], inclusive, as device pixels.
    QRect pixels(int x0, int y0, int x1, int y1) const;
    // A line `width` picture pixels thick from pixel `at` across, over the
    // pixels [from, to] along: as thick everywhere, in whole device pixels.
    QRect line(bool vertical, int at, int width, int from, int to) const;
    // The picture pixels a device area of `size` at the origin shows, and
    // `slack` more on each side.
    QRect pictureArea(const QSize& size, int slack) const;

private:
    int edge(double picture) const;

    double scale_;
    QPoint origin_;
};

}  // namespace jubilo::spreadsheet::picture
