#include "spreadsheet/picture/device_grid_p.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace jubilo::spreadsheet::picture {

namespace {

// Device edges stay well inside int, whatever the scale.
constexpr double kFarthestEdge = std::numeric_limits<int>::max() / 4;

}  // namespace

DeviceGrid::DeviceGrid(double scale, QPoint origin)
    : scale_(scale)
    , origin_(origin)
{
}

int DeviceGrid::edge(double picture) const
{
    return int(std::clamp(std::round(picture * scale_), -kFarthestEdge, kFarthestEdge));
}

QRect DeviceGrid::pixels(int x0, int y0, int x1, int y1) const
{
    const int left = x(x0), top = y(y0);
    const int right = std::max(left + 1, x(x1 + 1)), bottom = std::max(top + 1, y(y1 + 1));
    return QRect(left, top, right - left, bottom - top);
}

QRect DeviceGrid::line(bool vertical, int at, int width, int from, int to) const
{
    const int thickness = std::max(1, int(std::lround(width * scale_)));
    if (vertical) {
        const int top = y(from), bottom = std::max(top + 1, y(to + 1));
        return QRect(x(at), top, thickness, bottom - top);
    }
    const int left = x(from), right = std::max(left + 1, x(to + 1));
    return QRect(left, y(at), right - left, thickness);
}

QRect DeviceGrid::pictureArea(const QSize& size, int slack) const
{
    const auto first = [&](int device) { return int(std::floor(device / scale_)) - slack; };
    const auto last = [&](int device) { return int(std::ceil(device / scale_)) + slack; };
    return QRect(QPoint(first(origin_.x()), first(origin_.y())),
                 QPoint(last(origin_.x() + size.width()), last(origin_.y() + size.height())));
}

}  // namespace jubilo::spreadsheet::picture
