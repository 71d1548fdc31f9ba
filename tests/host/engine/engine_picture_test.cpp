// The picture CopyPicture makes of an engine range: painted on demand from
// what it keeps, the same pixels as the range's bitmap even once the
// workbook is closed, and not cut to a bitmap's largest side.

#include "host/engine/engine_picture.h"
#include "platform/bitmap_picture.h"
#include "spreadsheet/picture/range_picture.h"
#include "tests/support/engine_workbook.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

class EnginePictureTest : public spreadsheet::testing::EngineWorkbookTest {
protected:
    // Ink (anything darker than the gridlines) in a painted area.
    static bool hasInk(const HostPicture& picture, const QRect& area, double scale)
    {
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.paint(painter, area, scale);
        painter.end();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
        return false;
    }
};

TEST_F(EnginePictureTest, PaintsTheRangeAsItsBitmapShowsItAfterTheWorkbookCloses)
{
    spreadsheet::testing::setPlanPalette(*book);
    range("A1:C3").interior().setColorIndex(19);
    spreadsheet::testing::putMerged(range("A2:B2"), QStringLiteral("A merged caption"));
    range("C3").setFormulaR1C1(QStringLiteral("=6*7"));
    spreadsheet::testing::frame(range("A1:C3"), 48);
    const QImage bitmap = spreadsheet::picture::drawRange(*sheet, range("A1:C3").rect());
    const auto picture = engine::pictureOfRange(range("A1:C3"));
    app->closeWorkbook(*book);
    sheet.reset();
    book.reset();

    EXPECT_EQ(picture->size(), bitmap.size());
    const QImage drawn = drawPictureBitmap(*picture);
    ASSERT_EQ(drawn.size(), bitmap.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != bitmap.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(EnginePictureTest, ATallRangeKeepsItsWholeHeight)
{
    constexpr int kRows = 3000;  // 51,001 pixels, past a bitmap's side
    range("A3000").setFormulaR1C1(QStringLiteral("last"));
    const auto picture = engine::pictureOfRange(range("A1:B3000"));
    ASSERT_EQ(picture->size(), QSize(2 * 64 + 1, kRows * 17 + 1));
    EXPECT_GT(picture->size().height(), kMaxBitmapSide);
    const double zoom = 2;
    const int lastRowTop = (kRows - 1) * 17 * zoom;
    EXPECT_TRUE(hasInk(*picture, QRect(0, lastRowTop, 128 * zoom, 17 * zoom), zoom));
    EXPECT_FALSE(hasInk(*picture, QRect(0, lastRowTop - 17 * zoom, 128 * zoom, 17 * zoom), zoom));
}

}  // namespace
}  // namespace jubilo
