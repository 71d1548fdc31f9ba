#pragma once
// Pictures drawn the way the engine's are, from vectors at whatever scale
// the preview asks, and recording what it asked for.

#include "host/interface/host_picture.h"

#include <QColor>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace jubilo::testing {

// Rows kRowHeight pixels tall at 100%, each in a colour that spells its
// number, the last one in kLastRowMark, with a black frame one device
// pixel wide along the scaled picture's right and bottom edges.
class RowStripesPicture : public HostPicture {
public:
    static constexpr int kRowHeight = 20;
    static constexpr int kStripeBlue = 0x40;
    static inline const QColor kLastRowMark{0xFF, 0x00, 0x00};

    RowStripesPicture(int width, int rows)
        : width_(width)
        , rows_(rows)
    {
    }

    QSize size() const override { return {width_, rows_ * kRowHeight}; }

    void paint(QPainter& painter, const QRect& area, double scale) const override
    {
        areas.push_back(area);
        const double rowHeight = kRowHeight * scale;
        const int first = static_cast<int>(std::floor(area.top() / rowHeight));
        const int last = std::min(rows_ - 1, static_cast<int>(std::floor(area.bottom() / rowHeight)));
        const QPointF origin = -QPointF(area.topLeft());
        for (int row = std::max(first, 0); row <= last; ++row) {
            const QRectF band(0, row * rowHeight, width_ * scale, rowHeight);
            painter.fillRect(band.translated(origin), row == rows_ - 1 ? kLastRowMark : colourOfRow(row));
        }
        const int right = static_cast<int>(std::floor(width_ * scale)) - 1;
        const int bottom = static_cast<int>(std::floor(size().height() * scale)) - 1;
        painter.fillRect(QRect(right, 0, 1, bottom + 1).translated(-area.topLeft()), Qt::black);
        painter.fillRect(QRect(0, bottom, right + 1, 1).translated(-area.topLeft()), Qt::black);
    }

    static QColor colourOfRow(int row) { return QColor(row % 256, (row / 256) % 256, kStripeBlue); }
    // The row a stripe's colour spells, or -1 for anything else.
    static int rowOfColour(const QColor& colour)
    {
        return colour.blue() == kStripeBlue ? colour.red() + 256 * colour.green() : -1;
    }

    // Every area the picture was asked to draw, in pixels of the scaled picture.
    mutable std::vector<QRect> areas;

private:
    int width_;
    int rows_;
};

// Black ink on white, drawn with antialiasing at device resolution: a
// block whose left edge falls at 30 x scale, and a hairline (one device
// pixel at any scale) at height 60 x scale.
class InkPicture : public HostPicture {
public:
    static constexpr double kBlockLeft = 30;
    static constexpr double kHairlineY = 60;

    QSize size() const override { return {120, 80}; }

    void paint(QPainter& painter, const QRect& area, double scale) const override
    {
        painter.save();
        painter.translate(-QPointF(area.topLeft()));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(QRectF(0, 0, 120 * scale, 80 * scale), Qt::white);
        painter.fillRect(QRectF(kBlockLeft * scale, 0, 40 * scale, 40 * scale), Qt::black);
        painter.setPen(QPen(Qt::black, 0));
        const double y = std::floor(kHairlineY * scale) + 0.5;
        painter.drawLine(QPointF(0, y), QPointF(kBlockLeft * scale, y));
        painter.restore();
    }
};

}  // namespace jubilo::testing
