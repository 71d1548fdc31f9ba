#include "ui/preview/scaled_picture.h"

#include "ui/preview/viewport_math.h"

namespace jubilo {

ScaledPicture::ScaledPicture(std::shared_ptr<const HostPicture> source, float zoom)
    : source_(std::move(source))
    , zoom_(zoom)
{
    if (source_) {
        const QSize original = source_->size();
        size_ = QSize(zoomedExtent(original.width(), zoom), zoomedExtent(original.height(), zoom));
    }
}

void ScaledPicture::paint(QPainter& painter, const QRect& area) const
{
    const QRect drawn = area.intersected(QRect(QPoint(0, 0), size_));
    if (!source_ || drawn.isEmpty())
        return;
    painter.save();
    painter.translate(drawn.topLeft() - area.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), drawn.size()), Qt::IntersectClip);
    source_->paint(painter, drawn, zoom_);
    painter.restore();
}

}  // namespace jubilo
