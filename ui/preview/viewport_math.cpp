#include "ui/preview/viewport_math.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ViewportMath)
};

[[noreturn]] void throwOverflow()
{
    //: The error box names the fault: a number too large for its place.
    throw std::overflow_error(Texts::tr("Overflow").toStdString());
}

template <class Int>
Int roundHalfEven(double value)
{
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        throwOverflow();
    return static_cast<Int>(rounded);
}

constexpr int kFineScrollLimit = 100;
constexpr int kCoarseUnit = 10;

}  // namespace

int roundToInt16(double value) { return roundHalfEven<std::int16_t>(value); }

int roundToInt32(double value) { return roundHalfEven<std::int32_t>(value); }

ScrollBarSetup scrollBarSetup(int imageExtent, int viewportExtent)
{
    if (imageExtent <= viewportExtent)
        return {false, 0, 0, 0};
    const int overflow = imageExtent - viewportExtent;
    if (overflow <= kFineScrollLimit)
        return {true, overflow, 1, overflow};
    return {true, roundToInt32(static_cast<double>(overflow) / kCoarseUnit), kCoarseUnit, overflow};
}

int offsetForPosition(int unit, int position) { return -roundToInt32(static_cast<double>(unit) * position); }

int offsetForPosition(const ScrollBarSetup& setup, int position)
{
    if (setup.enabled && position >= setup.maximum)
        return -setup.overflow;
    return offsetForPosition(setup.unit, position);
}

int clampDragOffset(int proposed, int innerViewportExtent, int imageExtent)
{
    if (proposed > 0)
        return 0;
    const int limit = innerViewportExtent - imageExtent;
    return limit > proposed ? limit : proposed;
}

int offsetPercent(int offset, int imageExtent, int viewportExtent)
{
    if (imageExtent <= viewportExtent)
        return 0;
    return roundToInt32(std::abs(static_cast<double>(offset)) / (imageExtent - viewportExtent) * 100.0);
}

std::optional<int> positionForPercent(int percent, int maximum)
{
    if (percent < 0)
        return std::nullopt;
    const double position = percent / 100.0 * maximum;
    if (position > maximum)
        return std::nullopt;
    return roundToInt32(position);
}

float steppedZoom(float zoom, bool zoomOut) { return zoomOut ? zoom - kZoomStep : zoom + kZoomStep; }

bool isZoomAllowed(float zoom) { return zoom >= kMinZoom && zoom <= kMaxZoom; }

int zoomedExtent(int original, float zoom)
{
    return static_cast<int>(std::floor(static_cast<double>(original) * static_cast<double>(zoom)));
}

bool fitsZoomBound(int width, int height) { return width < kMaxZoomedWidth && height < kMaxZoomedHeight; }

}  // namespace jubilo
