#pragma once
// CopyPicture for the engine's ranges: the range as a picture that draws
// itself, put on the clipboard through the seam.

#include "host/interface/host_picture.h"

#include <memory>

namespace jubilo::spreadsheet {
class Range;
}

namespace jubilo::engine {

// The range as its sheet shows it on screen, drawn on demand at any scale.
// The picture keeps what it draws, so it outlives the range's workbook.
std::shared_ptr<const HostPicture> pictureOfRange(const spreadsheet::Range& range);

void copyPicture(const spreadsheet::Range& range);

}  // namespace jubilo::engine
