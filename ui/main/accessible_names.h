#pragma once
// Names screen readers speak for the main window's elements that carry no
// label of their own: the budgets ("Music budget"), the lists (their
// table's name), the date box, and the Add and Delete buttons that every tab
// repeats ("Add guest", "Delete guest"). Inputs beside a label are named
// after it when the form is built.

#include "ui/main/main_window_layout.h"

namespace jubilo {

void nameForScreenReaders(const MainWindowWidgets& widgets);

}  // namespace jubilo
