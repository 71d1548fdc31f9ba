#pragma once
// Rectangles to fill, collected per colour and filled with one call each,
// or, where the order they overlap in matters, in the order added with one
// call for each run of one colour. A rectangle that continues or overlaps
// the last one of its colour along the same rows (or columns) joins it.

#include <QPainter>
#include <QRect>
#include <QRgb>

#include <utility>
#include <vector>

namespace jubilo::spreadsheet::picture {

class RectBatches {
public:
    enum class Order { ByColour, AsAdded };
    explicit RectBatches(Order order = Order::ByColour)
        : order_(order)
    {
    }

    void add(QRgb color, const QRect& rect);
    // Fills them with the painter's brush; the pen must be off.
    void fill(QPainter& painter) const;

private:
    Order order_;
    std::vector<std::pair<QRgb, std::vector<QRect>>> batches_;
};

}  // namespace jubilo::spreadsheet::picture
