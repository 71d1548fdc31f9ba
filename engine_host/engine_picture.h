#pragma once
// CopyPicture for the engine's ranges: the range is drawn as its sheet shows
// it and the picture handed to a sink, the system clipboard unless a sink of
// the program's or a test's own is installed. The engine library itself
// never touches the clipboard.

#include <QImage>

#include <functional>

namespace jubilo::spreadsheet {
class Range;
}

namespace jubilo {

using PictureSink = std::function<void(const QImage&)>;

// The default sink: QGuiApplication::clipboard(), which needs a running
// QGuiApplication.
void putPictureOnClipboard(const QImage& picture);

// Where every engine host of the process sends its pictures from now on;
// an empty sink restores the clipboard. Returns the sink it replaces.
PictureSink setEnginePictureSink(PictureSink sink);

namespace engine {

void copyPicture(const spreadsheet::Range& range);

}  // namespace engine
}  // namespace jubilo
