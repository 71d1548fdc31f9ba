// Pictures on the clipboard: this program gets its own picture back, other
// programs a bitmap drawn when they ask, and a bitmap another program put
// there comes back as a picture.
#include "platform/bitmap_picture.h"
#include "platform/qt_system.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

// A picture that counts its drawing: red on the left half, blue on the right.
class HalvesPicture : public HostPicture {
public:
    explicit HalvesPicture(QSize size)
        : size_(size)
    {
    }
    QSize size() const override { return size_; }
    void paint(QPainter& painter, const QRect& area, double scale) const override
    {
        ++paints;
        const double middle = size_.width() * scale / 2 - area.x();
        painter.fillRect(QRectF(0, 0, middle, area.height()), Qt::red);
        painter.fillRect(QRectF(middle, 0, area.width() - middle, area.height()), Qt::blue);
    }
    mutable int paints = 0;

private:
    QSize size_;
};

TEST(ClipboardPictureTest, OursComesBackItselfAndOthersGetABitmapOnlyWhenTheyAsk)
{
    QtSystem qt;
    auto picture = std::make_shared<HalvesPicture>(QSize(40, 10));
    qt.setClipboardPicture(picture);
    EXPECT_EQ(picture->paints, 0) << "nothing is drawn until someone pastes";
    EXPECT_EQ(qt.clipboardPicture(), picture);

    const QImage pasted = QGuiApplication::clipboard()->image();
    ASSERT_EQ(pasted.size(), QSize(40, 10));
    EXPECT_EQ(pasted.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(pasted.pixelColor(35, 5), QColor(Qt::blue));
    EXPECT_EQ(picture->paints, 1);
}

TEST(ClipboardPictureTest, ABitmapFromAnotherProgramIsAPicture)
{
    QtSystem qt;
    QImage foreign(30, 20, QImage::Format_RGB32);
    foreign.fill(Qt::green);
    QGuiApplication::clipboard()->setImage(foreign);
    const auto picture = qt.clipboardPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), QSize(30, 20));
    EXPECT_EQ(drawPictureBitmap(*picture).pixelColor(10, 10), QColor(Qt::green));

    QGuiApplication::clipboard()->setText(QStringLiteral("no picture"));
    EXPECT_EQ(qt.clipboardPicture(), nullptr);
}

TEST(BitmapPictureTest, APictureTallerThanABitmapMayBeIsDrawnScaledToFit)
{
    const HalvesPicture tall(QSize(200, 100000));
    const QImage bitmap = drawPictureBitmap(tall);
    EXPECT_EQ(bitmap.height(), kMaxBitmapSide);
    EXPECT_EQ(bitmap.width(), 65);
    EXPECT_EQ(bitmap.pixelColor(10, 30000), QColor(Qt::red));
    EXPECT_EQ(bitmap.pixelColor(60, 30000), QColor(Qt::blue));
    EXPECT_THROW(drawPictureBitmap(HalvesPicture(QSize(0, 10))), std::runtime_error);
}

// A bitmap drawn as a picture shows the part asked for, at the scale asked.
TEST(BitmapPictureTest, DrawsTheAreaAskedForAtItsScale)
{
    QImage quarters(4, 4, QImage::Format_RGB32);
    quarters.fill(Qt::white);
    quarters.setPixelColor(3, 3, Qt::black);
    const BitmapPicture picture(quarters);
    QImage shown(8, 8, QImage::Format_RGB32);
    shown.fill(Qt::gray);
    QPainter painter(&shown);
    picture.paint(painter, QRect(8, 8, 8, 8), 4.0);  // the bottom-right quarter at 400%
    painter.end();
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(6, 6), QColor(Qt::black));
}

}  // namespace
}  // namespace jubilo
