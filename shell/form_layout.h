#pragma once
// Windows described as data: every element with its kind, parent, caption
// and place in twips (15 to a pixel). buildForm() turns a description into
// widgets named after their elements.

#include <QString>

#include <span>

class QWidget;

namespace jubilo {

enum class ElementKind {
    Button,
    Frame,
    Label,
    TextBox,
    DropDown,
    List,
    TabStrip,
    TabPage,
    PictureBox,
    HScrollBar,
    VScrollBar,
};

struct FormElement {
    const char* name;
    ElementKind kind;
    const char* parent;  // nullptr: the window itself
    const char* caption;
    int left, top, width, height;  // twips, relative to the parent
};

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// Creates the elements in order under `window`. Tab pages are added to
// their strip in order; every other element is placed at its position.
void buildForm(QWidget& window, std::span<const FormElement> elements);

}  // namespace jubilo
