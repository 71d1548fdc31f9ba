#pragma once
// CopyPicture for the engine's ranges: the range as a picture that draws
// itself, kept on its application's own clipboard. The system clipboard is
// never touched.

#include "host/interface/host_picture.h"

#include <memory>

namespace jubilo::spreadsheet {
class Application;
class Range;
}  // namespace jubilo::spreadsheet

namespace jubilo::engine {

// The range as its sheet shows it on screen, drawn on demand at any scale.
// The picture keeps what it draws, so it outlives the range's workbook.
std::shared_ptr<const HostPicture> pictureOfRange(const spreadsheet::Range& range);

// Puts the range's picture on the clipboard of the range's application.
void copyPicture(const spreadsheet::Range& range);

// The picture on the application's clipboard; null when it holds none.
// Throws once the application has quit.
std::shared_ptr<const HostPicture> copiedPicture(const spreadsheet::Application& app);

}  // namespace jubilo::engine
