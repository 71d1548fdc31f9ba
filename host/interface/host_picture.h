#pragma once
// A picture of a range that draws any part of itself at any scale. It is
// what a range's CopyPicture puts on its host's clipboard, what the report
// hands the preview and what the preview's "Copy picture" puts on the
// system clipboard: drawn on demand, text stays sharp at every zoom and
// memory does not grow with the sheet's height. A picture owns all it
// draws, so it outlives the host that made it.

#include <QPainter>
#include <QRect>
#include <QSize>

namespace jubilo {

class HostPicture {
public:
    virtual ~HostPicture() = default;

    // Its size in pixels at 100%.
    virtual QSize size() const = 0;

    // Draws the part `area` of the picture scaled by `scale` (in pixels of
    // the scaled picture) with the area's top-left corner at the painter's
    // origin. Draws nothing outside `area`.
    virtual void paint(QPainter& painter, const QRect& area, double scale) const = 0;
};

}  // namespace jubilo
