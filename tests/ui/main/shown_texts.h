#pragma once
// Every text a window shows, in a fixed order, with the room its box gives
// it: captions, labels, frame titles, tabs, list headers, menu items,
// tooltips, accessible names, window titles. Two windows built alike give
// their texts in the same order, so a run in one language pairs with a run
// in another text by text.

#include <QString>

#include <vector>

class QWidget;

namespace jubilo::testing {

struct ShownText {
    QString where;  // the widget's class and object name, and what of it ("tab 3")
    QString text;  // as shown: mnemonics' '&' taken out
    int room = -1;  // pixels the box gives the text on one line; -1: not measured
    int needed = 0;  // pixels the text takes in the box's font
    bool cutOff() const { return room >= 0 && needed > room; }
};

// The texts of `window` and every widget in it, menus included.
std::vector<ShownText> shownTexts(const QWidget& window);

}  // namespace jubilo::testing
