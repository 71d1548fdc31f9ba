#include "ui/preview/form3_layout.h"

namespace jubilo {

namespace {

using K = ElementKind;

constexpr FormElement kElements[] = {
    {"Picture2", K::PictureBox, nullptr, nullptr, 120, 120, 9330, 7425},
    {"VScroll1", K::VScrollBar, nullptr, nullptr, 9450, 120, 255, 7425},
    {"HScroll1", K::HScrollBar, nullptr, nullptr, 120, 7545, 9330, 255},
    {"Frame1", K::Frame, nullptr, "Zoom:", 120, 7860, 9600, 855},
    {"PushButton1", K::Button, "Frame1", "Zoom In", 240, 300, 4440, 405},
    {"PushButton2", K::Button, "Frame1", "Zoom Out", 4800, 300, 4560, 405},
    {"PushButton8", K::Button, nullptr, "< Back", 120, 8850, 4680, 405},
    {"PushButton6", K::Button, nullptr, "Save Results To Excel File", 4920, 8850, 4800, 405},
};

}  // namespace

std::span<const FormElement> form3Elements()
{
    return kElements;
}

}  // namespace jubilo
