#include "ui/preview/viewport_math.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace jubilo {
namespace {

TEST(ViewportMathTest, RoundingTakesHalvesToEvenAndRefusesOverflow)
{
    EXPECT_EQ(roundToInt16(0.5), 0);
    EXPECT_EQ(roundToInt16(1.5), 2);
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_THROW(roundToInt16(32767.5 + 1), std::overflow_error);
    EXPECT_THROW(roundToInt16(-40000), std::overflow_error);
    EXPECT_EQ(roundToInt32(131022.5), 131022);
    EXPECT_EQ(roundToInt32(-1310225.5), -1310226);
    EXPECT_EQ(roundToInt32(2147483647.0), 2147483647);
    EXPECT_THROW(roundToInt32(2147483647.5 + 1), std::overflow_error);
}

TEST(ViewportMathTest, ScrollBarsStepByOneUpToAHundredPixelsOverflowThenByTen)
{
    const auto fits = scrollBarSetup(622, 622);
    EXPECT_FALSE(fits.enabled);
    EXPECT_EQ(fits.unit, 0);
    const auto fine = scrollBarSetup(722, 622);
    EXPECT_TRUE(fine.enabled);
    EXPECT_EQ(fine.unit, 1);
    EXPECT_EQ(fine.maximum, 100);
    const auto coarse = scrollBarSetup(723, 622);
    EXPECT_EQ(coarse.unit, 10);
    EXPECT_EQ(coarse.maximum, 10);
    EXPECT_EQ(scrollBarSetup(1000, 622).maximum, 38);  // 37.8
    EXPECT_EQ(scrollBarSetup(747, 622).maximum, 12);  // 12.5 goes to even
    EXPECT_EQ(offsetForPosition(10, 38), -380);
}

// The engine's whole grid, 65,536 rows of 20 pixels, in a 495-pixel viewport.
TEST(ViewportMathTest, ScrollingReachesTheEndOfTheTallestPicture)
{
    const auto tall = scrollBarSetup(1310720, 495);
    EXPECT_EQ(tall.unit, 10);
    EXPECT_EQ(tall.maximum, 131022);  // 131,022.5 goes to even
    EXPECT_EQ(tall.overflow, 1310225);
    EXPECT_EQ(offsetForPosition(10, 4000), -40000);
    EXPECT_EQ(offsetForPosition(tall, 131021), -1310210);
    // The last position shows the far edge, whichever way the units round.
    EXPECT_EQ(offsetForPosition(tall, 131022), -1310225);
    EXPECT_EQ(offsetForPosition(scrollBarSetup(1000, 622), 38), -378);
    EXPECT_EQ(offsetForPosition(scrollBarSetup(722, 622), 100), -100);
    EXPECT_EQ(positionForPercent(100, 131022), 131022);
    EXPECT_EQ(positionForPercent(50, 131023), 65512);  // 65,511.5 goes to even
    EXPECT_THROW(offsetForPosition(10, 300'000'000), std::overflow_error);
}

TEST(ViewportMathTest, DragsStopAtTheViewportEdges)
{
    // Image wider than the viewport: between 0 and inner - width.
    EXPECT_EQ(clampDragOffset(25, 618, 1000), 0);
    EXPECT_EQ(clampDragOffset(-100, 618, 1000), -100);
    EXPECT_EQ(clampDragOffset(-500, 618, 1000), -382);
    // Narrower image: any leftward drag puts it flush right, rightward back to 0.
    EXPECT_EQ(clampDragOffset(-1, 618, 300), 318);
    EXPECT_EQ(clampDragOffset(5, 618, 300), 0);
}

TEST(ViewportMathTest, ReleaseSnapsThroughWholePercentages)
{
    EXPECT_EQ(offsetPercent(-189, 1000, 622), 50);
    EXPECT_EQ(offsetPercent(-10, 600, 622), 0);
    EXPECT_EQ(positionForPercent(50, 38), 19);
    EXPECT_EQ(positionForPercent(100, 38), 38);
    EXPECT_EQ(positionForPercent(101, 38), std::nullopt);
    EXPECT_EQ(positionForPercent(-1, 38), std::nullopt);
}

TEST(ViewportMathTest, ZoomStepsByQuartersWithinBounds)
{
    EXPECT_FLOAT_EQ(steppedZoom(1.0f, false), 1.25f);
    EXPECT_FLOAT_EQ(steppedZoom(0.5f, true), 0.25f);
    EXPECT_TRUE(isZoomAllowed(0.25f));
    EXPECT_TRUE(isZoomAllowed(3.75f));
    EXPECT_FALSE(isZoomAllowed(4.0f));
    EXPECT_FALSE(isZoomAllowed(0.0f));
    EXPECT_EQ(zoomedExtent(999, 1.25f), 1248);
    EXPECT_TRUE(fitsZoomBound(9999, 6999));
    EXPECT_FALSE(fitsZoomBound(10000, 10));
    EXPECT_FALSE(fitsZoomBound(10, 7000));
}

}  // namespace
}  // namespace jubilo
