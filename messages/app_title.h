#pragma once
// The application title: the caption of every message box that has none of
// its own. Set once at start from the product name.

#include "messages/product.h"

#include <QString>

namespace jubilo {

// Cuts the name before its last blank, then word by word until at most 40
// characters remain. A name without a blank is kept whole.
QString appTitleFor(const QString& productName);

// Sets the title from the product name.
void setAppTitle();
QString appTitle();

}  // namespace jubilo
