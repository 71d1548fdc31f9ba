#include "ui/preview/picture_canvas.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace jubilo {

PictureCanvas::PictureCanvas(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    parent->installEventFilter(this);
    fitToParent();
}

void PictureCanvas::setPicture(ScaledPicture picture)
{
    picture_ = std::move(picture);
    if (autoSize_)
        resizeBox(picture_.size());
    update();
}

void PictureCanvas::clearPicture()
{
    picture_ = ScaledPicture();
    update();
}

void PictureCanvas::resizeBox(QSize size)
{
    boxSize_ = size;
    fitToParent();
}

void PictureCanvas::moveBox(QPoint offset)
{
    if (offset == offset_)
        return;
    offset_ = offset;
    fitToParent();
    update();
}

// The widget covers the box where the parent shows it, and nothing else:
// the parent's own ground shows around a box smaller than it.
void PictureCanvas::fitToParent()
{
    const QRect shown = QRect(offset_, boxSize_).intersected(parentWidget()->rect());
    setGeometry(shown.isEmpty() ? QRect() : shown);
}

void PictureCanvas::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    QPainter painter(this);
    painter.fillRect(exposed, Qt::white);
    painter.translate(exposed.topLeft());
    picture_.paint(painter, exposed.translated(pos() - offset_));
}

bool PictureCanvas::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitToParent();
    return QWidget::eventFilter(watched, event);
}

}  // namespace jubilo
