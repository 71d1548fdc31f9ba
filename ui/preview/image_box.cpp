#include "ui/preview/image_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace jubilo {

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    if (autoSize_)
        resize(picture_.size());
    update();
}

void ImageBox::clearPicture()
{
    picture_ = QImage();
    update();
}

void ImageBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
}

}  // namespace jubilo
