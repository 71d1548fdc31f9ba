#pragma once
// The preview's arithmetic, in pixels: scroll bar ranges, drag clamping,
// the snap from a drag offset to a whole-percent bar position, and zoom.

#include <optional>

namespace jubilo {

// Round halves to even; throw std::overflow_error outside the range.
int roundToInt16(double value);
int roundToInt32(double value);

struct ScrollBarSetup {
    bool enabled;
    int maximum;
    int unit;  // image offset per bar step: 0 (disabled), 1 or 10
    int overflow;  // how far the image reaches past the viewport; 0 when it fits
};

// Overflows up to 100 pixels scroll pixel by pixel, larger ones ten at a time.
ScrollBarSetup scrollBarSetup(int imageExtent, int viewportExtent);

// Image offset for a bar position (a 32-bit product).
int offsetForPosition(int unit, int position);

// The same, except that the bar's last position shows the image's far edge
// exactly, where whole units would stop up to half a unit short of it or
// past it.
int offsetForPosition(const ScrollBarSetup& setup, int position);

// Where a dragged image edge may go: never past the viewport's leading
// edge, and not so far that its trailing edge leaves the inner area.
int clampDragOffset(int proposed, int innerViewportExtent, int imageExtent);

// The offset as a whole percentage of the overflow; 0 when nothing overflows.
int offsetPercent(int offset, int imageExtent, int viewportExtent);

// The bar position for a percentage, or nothing when it is out of range.
std::optional<int> positionForPercent(int percent, int maximum);

inline constexpr float kZoomStep = 0.25f;
inline constexpr float kMinZoom = 0.25f;
inline constexpr float kMaxZoom = 3.75f;
// Zoomed pictures at or past this size are not drawn.
inline constexpr int kMaxZoomedWidth = 10000;
inline constexpr int kMaxZoomedHeight = 7000;

float steppedZoom(float zoom, bool zoomOut);
bool isZoomAllowed(float zoom);
int zoomedExtent(int original, float zoom);
bool fitsZoomBound(int width, int height);

}  // namespace jubilo
