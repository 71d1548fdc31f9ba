#include "spreadsheet/picture/rect_batches_p.h"

#include <algorithm>

namespace jubilo::spreadsheet::picture {

namespace {

// Joins `next` to `last` when together they make one rectangle.
bool join(QRect& last, const QRect& next)
{
    const bool sameRows = last.top() == next.top() && last.height() == next.height();
    const bool sameColumns = last.left() == next.left() && last.width() == next.width();
    if ((sameRows && next.left() >= last.left() && next.left() <= last.right() + 1)
        || (sameColumns && next.top() >= last.top() && next.top() <= last.bottom() + 1)) {
        last = last.united(next);
        return true;
    }
    return false;
}

}  // namespace

void RectBatches::add(QRgb color, const QRect& rect)
{
    const auto same = [&](const auto& b) { return b.first == color; };
    auto batch = order_ == Order::ByColour           ? std::find_if(batches_.begin(), batches_.end(), same)
        : batches_.empty() || !same(batches_.back()) ? batches_.end()
                                                     : batches_.end() - 1;
    if (batch == batches_.end()) {
        batches_.emplace_back(color, std::vector<QRect>{rect});
        return;
    }
    if (!join(batch->second.back(), rect))
        batch->second.push_back(rect);
}

void RectBatches::fill(QPainter& painter) const
{
    for (const auto& [color, rects] : batches_) {
        painter.setBrush(QColor::fromRgb(color));
        painter.drawRects(rects.data(), int(rects.size()));
    }
}

}  // namespace jubilo::spreadsheet::picture
