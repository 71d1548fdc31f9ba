#include "ui/preview/preview_layout.h"

namespace jubilo {

namespace {

using K = ElementKind;
using W = PreviewWindowWidgets;

constexpr FormElement<W> kElements[] = {
    {"Picture2", K::PictureBox, nullptr, nullptr, 120, 120, 9330, 7425, &W::viewport},
    {"VScroll1", K::VScrollBar, nullptr, nullptr, 9450, 120, 255, 7425, &W::verticalScrollBar},
    {"HScroll1", K::HScrollBar, nullptr, nullptr, 120, 7545, 9330, 255, &W::horizontalScrollBar},
    {"Frame1", K::Frame, nullptr, "Zoom:", 120, 7860, 9600, 855, &W::zoomFrame},
    {"PushButton1", K::Button, "Frame1", "Zoom In", 240, 300, 4440, 405, &W::zoomInButton},
    {"PushButton2", K::Button, "Frame1", "Zoom Out", 4800, 300, 4560, 405, &W::zoomOutButton},
    {"PushButton8", K::Button, nullptr, "< Back", 120, 8850, 4680, 405, &W::backButton},
    {"PushButton6", K::Button, nullptr, "Save Results To Excel File", 4920, 8850, 4800, 405, &W::saveResultsButton},
};

}  // namespace

PreviewWindowWidgets buildPreviewWindow(QWidget& window) { return buildForm<W>(window, kElements); }

}  // namespace jubilo
