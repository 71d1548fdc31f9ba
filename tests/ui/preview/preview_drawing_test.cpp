// The preview draws what the viewport shows from the picture itself, at
// the zoom: any height scrolls to its end, zooms stay sharp, and the
// picture is never asked for more than the viewport holds.

#include "tests/support/scripted_system.h"
#include "ui/preview/preview_window.h"
#include "synthetic_pictures.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using testing::InkPicture;
using testing::RowStripesPicture;

constexpr int kPictureWidth = 1000;
// A paint may round the exposed area out by a pixel each way.
constexpr int kAreaMargin = 2;

class PreviewDrawingTest : public ::testing::Test {
protected:
    void show(std::shared_ptr<const HostPicture> picture)
    {
        window.loadPicture(std::move(picture));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QImage shown() const { return window.viewport().grab().toImage(); }
    QSize viewportSize() const { return window.viewport().size(); }
    // A drag on the picture, with the button held, in the picture widget's pixels.
    void dragTo(QPointF at)
    {
        QMouseEvent move(QEvent::MouseMove, at, QPointF(), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&window.picture(), &move);
    }
    void scrollBothTo(int horizontal, int vertical)
    {
        window.horizontalScrollBar().setValue(horizontal);
        window.verticalScrollBar().setValue(vertical);
        QApplication::processEvents();
    }
    // Where the picture sits when its bottom-right corner meets the viewport's.
    QPoint endOffset(const HostPicture& picture) const
    {
        return {viewportSize().width() - picture.size().width(), viewportSize().height() - picture.size().height()};
    }
    // The bottom-right corner of the picture fills the viewport's: the frame
    // on its last pixel row and column, the last row's mark just above.
    void expectTheEndShown(int rows, int rowHeight = RowStripesPicture::kRowHeight) const
    {
        const QImage image = shown();
        const int right = image.width() - 1, bottom = image.height() - 1;
        EXPECT_EQ(image.pixelColor(right, bottom / 2), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(right / 2, bottom), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(right / 2, bottom - 1), RowStripesPicture::kLastRowMark);
        EXPECT_EQ(image.pixelColor(right / 2, bottom - rowHeight + 1), RowStripesPicture::kLastRowMark);
        const int aboveMark = bottom - rowHeight;
        EXPECT_EQ(RowStripesPicture::rowOfColour(image.pixelColor(right / 2, aboveMark)), rows - 2);
    }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    PreviewWindow window;
};

// 40,000 pixels, past a 16-bit offset, and the engine's whole grid of
// 65,536 rows 20 pixels tall.
class TallPictureTest : public PreviewDrawingTest, public ::testing::WithParamInterface<int> {};

TEST_P(TallPictureTest, TheBarsReachEveryRowAndTheFrame)
{
    const int rows = GetParam();
    const auto picture = std::make_shared<RowStripesPicture>(kPictureWidth, rows);
    show(picture);
    QScrollBar& vertical = window.verticalScrollBar();
    ASSERT_TRUE(vertical.isEnabled());
    EXPECT_EQ(window.verticalScrollUnit(), 10);
    // Whole units stop short of the end here: both heights leave 5 pixels over.
    const int overflow = rows * RowStripesPicture::kRowHeight - viewportSize().height();
    EXPECT_EQ(overflow - 10 * vertical.maximum(), 5);

    vertical.setValue(1234);  // 12,340 pixels down: row 617 at the top
    EXPECT_EQ(RowStripesPicture::rowOfColour(shown().pixelColor(5, 0)), 617);

    scrollBothTo(window.horizontalScrollBar().maximum(), vertical.maximum());
    EXPECT_EQ(window.picture().offset(), endOffset(*picture));
    expectTheEndShown(rows);
    EXPECT_TRUE(sys.messages.empty());
}

TEST_P(TallPictureTest, DraggingFollowsThePointerToTheEndAndReleaseKeepsItThere)
{
    const int rows = GetParam();
    const auto picture = std::make_shared<RowStripesPicture>(kPictureWidth, rows);
    show(picture);
    QTest::mousePress(&window.picture(), Qt::LeftButton, {}, QPoint(300, 300));
    dragTo({300, 100});
    EXPECT_EQ(window.picture().offset(), QPoint(0, -200));
    dragTo({250, -100});  // the pointer has gone 400 up and 50 left in all
    EXPECT_EQ(window.picture().offset(), QPoint(-50, -400));
    EXPECT_EQ(RowStripesPicture::rowOfColour(shown().pixelColor(5, 0)), 20);

    dragTo({-5000, -2'000'000});
    EXPECT_EQ(window.picture().offset(), endOffset(*picture));
    expectTheEndShown(rows);
    QTest::mouseRelease(&window.picture(), Qt::LeftButton, {}, QPoint(-5000, -100));
    EXPECT_EQ(window.verticalScrollBar().value(), window.verticalScrollBar().maximum());
    EXPECT_EQ(window.horizontalScrollBar().value(), window.horizontalScrollBar().maximum());
    EXPECT_EQ(window.picture().offset(), endOffset(*picture));
    EXPECT_TRUE(sys.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Heights, TallPictureTest, ::testing::Values(2000, 65536));

TEST_F(PreviewDrawingTest, ThePictureIsNeverAskedForMoreThanTheViewportShows)
{
    const auto tall = std::make_shared<RowStripesPicture>(kPictureWidth, 65536);
    show(tall);
    for (int position : {1, 7, 5000, 131000})
        scrollBothTo(position % 38, position);
    QTest::mousePress(&window.picture(), Qt::LeftButton, {}, QPoint(300, 300));
    dragTo({-5000, -5000});
    QTest::mouseRelease(&window.picture(), Qt::LeftButton, {}, QPoint(300, 300));
    QApplication::processEvents();
    shown();
    EXPECT_GE(tall->areas.size(), 5u);  // the window's own paints, not just the grab's

    // A picture that fills the viewport at every zoom up to the last.
    const auto zoomed = std::make_shared<RowStripesPicture>(1500, 90);
    window.loadPicture(zoomed);
    for (int step = 0; step < 11; ++step) {
        window.zoomIn();
        scrollBothTo(window.horizontalScrollBar().maximum(), window.verticalScrollBar().maximum());
    }
    EXPECT_FLOAT_EQ(window.zoom(), 3.75f);
    expectTheEndShown(90, 75);  // rows of 20 pixels at 375%
    EXPECT_GE(zoomed->areas.size(), 11u);

    for (const auto* picture : {tall.get(), zoomed.get()}) {
        for (const QRect& area : picture->areas) {
            EXPECT_LE(area.width(), viewportSize().width() + kAreaMargin);
            EXPECT_LE(area.height(), viewportSize().height() + kAreaMargin);
        }
    }
}

int lightness(const QImage& image, int x, int y) { return image.pixelColor(x, y).lightness(); }

TEST_F(PreviewDrawingTest, AtTheHighestZoomEdgesAndHairlinesStaySharp)
{
    show(std::make_shared<InkPicture>());
    for (int step = 0; step < 11; ++step)
        window.zoomIn();
    ASSERT_FLOAT_EQ(window.zoom(), 3.75f);
    const QImage image = shown();

    // The block's left edge falls at 112.5: paper up to it, one pixel half
    // inked, ink after it.
    const int edge = static_cast<int>(InkPicture::kBlockLeft * 3.75);
    const int y = 20;
    EXPECT_EQ(lightness(image, edge - 1, y), 255);
    EXPECT_GT(lightness(image, edge, y), 0x20);
    EXPECT_LT(lightness(image, edge, y), 0xE0);
    EXPECT_EQ(lightness(image, edge + 1, y), 0);

    // The hairline is one device pixel thick; stretched from 100% it would
    // be four.
    int inked = 0;
    for (int row = 200; row < 250; ++row)
        inked += lightness(image, edge / 2, row) < 0x80 ? 1 : 0;
    EXPECT_EQ(inked, 1);
    EXPECT_LT(lightness(image, edge / 2, static_cast<int>(InkPicture::kHairlineY * 3.75)), 0x80);
}

}  // namespace
}  // namespace jubilo
