#pragma once
// Where everything sits on the preview window.

#include "shell/form_layout.h"

#include <span>

namespace jubilo {

// Client area of the preview window, in twips.
inline constexpr int kForm3Width = 9840;
inline constexpr int kForm3Height = 9390;

std::span<const FormElement> form3Elements();

}  // namespace jubilo
