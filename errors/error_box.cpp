#include "errors/error_box.h"

#include "platform/system.h"
#include "messages/product.h"

namespace jubilo {

QString errorBoxText(const QString& description, const QString& location, qint32 step)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") + QString::number(step)
        + QStringLiteral("\r\r") + QStringLiteral("Please email screenshot of this message to ")
        + QString::fromUtf8(kSupportEmailAddress);
}

void errorBox(const QString& description, const QString& location, qint32 step)
{
    try {
        system().messageBox(errorBoxText(description, location, step), msgbox::kExclamation, kErrorBoxTitle);
    } catch (...) {
    }
}

}  // namespace jubilo
