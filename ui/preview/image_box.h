#pragma once
// A picture box: shows its picture at the top left over a white ground and,
// when asked, sizes itself to the picture.

#include <QImage>
#include <QWidget>

namespace jubilo {

class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    void clearPicture();
    void setAutoSize(bool on) { autoSize_ = on; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool autoSize_ = false;
};

}  // namespace jubilo
