#include "messages/message.h"

#include "messages/app_title.h"

namespace jubilo {

int msgBox(const QString& text, int flags, const std::optional<QString>& caption)
{
    return system().messageBox(text, flags, caption.value_or(appTitle()));
}

}  // namespace jubilo
