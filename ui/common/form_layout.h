#pragma once
// Windows described as data: every element with its kind, parent, caption
// and place in twips (15 to a pixel), and the member of the window's widget
// struct that keeps it. buildForm() turns a description into widgets named
// after their elements and hands back the filled struct. Captions are
// English source texts, marked in the description with QT_TRANSLATE_NOOP
// in the window's text context and translated as their widgets are made.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeView>

#include <span>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace jubilo {

// Both windows: a fixed size with title, system menu, minimize and close.
inline constexpr Qt::WindowFlags kFormWindowFlags = Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

enum class ElementKind {
    Button,  // QPushButton
    Frame,  // QGroupBox
    Label,  // QLabel
    TextBox,  // QLineEdit
    DropDown,  // QComboBox holding "Yes" and "No", nothing chosen
    List,  // QTreeView, whole rows selected one at a time
    TabStrip,  // QTabWidget
    TabPage,  // QWidget tagged as a picture box
    PictureBox,  // QWidget tagged as a picture box
    HScrollBar,  // QScrollBar
    VScrollBar,  // QScrollBar
};

// The member of a window's widget struct `Widgets` that keeps an element.
template <class Widgets>
using ElementSlot = std::variant<std::monostate, QPushButton * Widgets::*, QGroupBox * Widgets::*, QLabel * Widgets::*,
                                 QLineEdit * Widgets::*, QComboBox * Widgets::*, QTreeView * Widgets::*,
                                 QTabWidget * Widgets::*, QScrollBar * Widgets::*, QWidget * Widgets::*>;

template <class Widgets>
struct FormElement {
    const char* name;
    ElementKind kind;
    const char* parent;  // nullptr: the window itself
    const char* caption;
    int left, top, width, height;  // twips, relative to the parent; unused for tab pages
    ElementSlot<Widgets> slot = {};  // empty: the window does not keep it
};

inline constexpr int kTwipsPerPixel = 15;

// The text context of form captions unless a window names its own.
inline constexpr char kFormTextContext[] = "Form";

inline int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

// A Yes/No drop-down's items: each answer shown in the run's language, the
// plan's English answer as its data.
void addAnswerItems(QComboBox& box);

// Creates elements in order under one window. Tab pages are added to their
// strip in order; every other element is placed at its position. A parent
// must come before its elements.
class FormBuilder {
public:
    FormBuilder(QWidget& window, const char* textContext)
        : window_(window)
        , textContext_(textContext)
    {
    }

    QWidget* add(const char* name, ElementKind kind, const char* parent, const char* caption, const QRect& twips);

private:
    QWidget* parentNamed(const char* parent, const char* child) const;
    void nameAfterLabel(QWidget& input, ElementKind kind, const QWidget* parent) const;

    QWidget& window_;
    const char* textContext_;
    std::vector<std::pair<std::string, QWidget*>> built_;
    const QLabel* lastLabel_ = nullptr;
};

template <class Widgets>
Widgets buildForm(QWidget& window, std::span<const FormElement<Widgets>> elements,
                  const char* textContext = kFormTextContext)
{
    Widgets widgets;
    FormBuilder builder(window, textContext);
    for (const FormElement<Widgets>& e : elements) {
        QWidget* widget = builder.add(e.name, e.kind, e.parent, e.caption, QRect(e.left, e.top, e.width, e.height));
        std::visit(
            [&](auto slot) {
                if constexpr (!std::is_same_v<decltype(slot), std::monostate>) {
                    using Kept = std::remove_pointer_t<std::remove_reference_t<decltype(widgets.*slot)>>;
                    auto* kept = qobject_cast<Kept*>(widget);
                    if (!kept)
                        throw std::logic_error(std::string("Element ") + e.name
                                               + " is kept in a member of another type");
                    widgets.*slot = kept;
                }
            },
            e.slot);
    }
    return widgets;
}

}  // namespace jubilo
