#include "ui/preview/preview_layout.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>

namespace jubilo {

namespace {

// The preview's captions have a context of their own.
constexpr char kPreviewTextContext[] = "PreviewLayout";

using K = ElementKind;
using W = PreviewWindowWidgets;

constexpr FormElement<W> kElements[] = {
    {"Picture2", K::PictureBox, nullptr, nullptr, 120, 120, 9330, 7425, &W::viewport},
    {"VScroll1", K::VScrollBar, nullptr, nullptr, 9450, 120, 255, 7425, &W::verticalScrollBar},
    {"HScroll1", K::HScrollBar, nullptr, nullptr, 120, 7545, 9330, 255, &W::horizontalScrollBar},
    {"Frame1", K::Frame, nullptr, QT_TRANSLATE_NOOP("PreviewLayout", "Zoom:"), 120, 7860, 9600, 855, &W::zoomFrame},
    {"PushButton1", K::Button, "Frame1", QT_TRANSLATE_NOOP("PreviewLayout", "Zoom In"), 240, 300, 4440, 405,
     &W::zoomInButton},
    {"PushButton2", K::Button, "Frame1", QT_TRANSLATE_NOOP("PreviewLayout", "Zoom Out"), 4800, 300, 4560, 405,
     &W::zoomOutButton},
    {"PushButton8", K::Button, nullptr, QT_TRANSLATE_NOOP("PreviewLayout", "< Back"), 120, 8850, 4680, 405,
     &W::backButton},
    {"PushButton6", K::Button, nullptr, QT_TRANSLATE_NOOP("PreviewLayout", "Save Results To Excel File"), 4920, 8850,
     4800, 405, &W::saveResultsButton},
};

}  // namespace

PreviewWindowWidgets buildPreviewWindow(QWidget& window)
{
    return buildForm<W>(window, kElements, kPreviewTextContext);
}

}  // namespace jubilo
