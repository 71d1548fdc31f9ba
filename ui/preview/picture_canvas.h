#pragma once
// A picture box far larger than any widget may be: the box has a size and
// an offset (where its top-left sits in the parent that clips it, often
// far above or left of it), and the widget itself covers only the part of
// the box its parent shows. It paints that part from the picture at the
// picture's zoom, the exposed pixels only, over a white ground; no bitmap
// of the picture is made, so memory does not grow with the box.
//
// Sizes and offsets are in pixels.

#include "ui/preview/scaled_picture.h"

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QWidget>

namespace jubilo {

class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    // `parent` is the widget that shows and clips the box.
    explicit PictureCanvas(QWidget* parent);

    const ScaledPicture& picture() const { return picture_; }
    // With auto-size on, the box takes the picture's size.
    void setPicture(ScaledPicture picture);
    void clearPicture();
    void setAutoSize(bool on) { autoSize_ = on; }

    QSize boxSize() const { return boxSize_; }
    QPoint offset() const { return offset_; }
    void resizeBox(QSize size);
    void moveBox(QPoint offset);

    // A point in this widget's pixels as a point of the box.
    QPointF toBox(const QPointF& local) const { return local + QPointF(pos() - offset_); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToParent();

    ScaledPicture picture_;
    QSize boxSize_{0, 0};
    QPoint offset_;
    bool autoSize_ = false;
};

}  // namespace jubilo
