#pragma once
// Where everything sits on the main window.

#include "shell/form_layout.h"

#include <span>

namespace jubilo {

// Client area of the main window, in twips.
inline constexpr int kForm1Width = 14520;
inline constexpr int kForm1Height = 5895;

std::span<const FormElement> form1Elements();

}  // namespace jubilo
