#pragma once
// Message boxes as the program shows them: through the seam, captioned with
// the application title unless a caption is given.

#include "platform/system.h"

#include <QString>

#include <optional>

namespace jubilo {

int msgBox(const QString& text, int flags = msgbox::kOkOnly, const std::optional<QString>& caption = std::nullopt);

}  // namespace jubilo
