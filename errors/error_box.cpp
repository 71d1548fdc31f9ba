#include "errors/error_box.h"

#include "platform/system.h"
#include "messages/product.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ErrorBox)
};

}  // namespace

QString errorBoxTitle() { return Texts::tr("Application Error"); }

QString errorBoxText(const QString& description, const QString& location, qint32 step)
{
    //: Follows the name of the failing procedure; %1 is the number of the step that failed.
    return description + QStringLiteral("\r\n") + location + Texts::tr("at line %1").arg(step)
        + QStringLiteral("\r\r")
        //: %1 is the support mail address.
        + Texts::tr("Please email screenshot of this message to %1").arg(QString::fromUtf8(kSupportEmailAddress));
}

void errorBox(const QString& description, const QString& location, qint32 step)
{
    try {
        system().messageBox(errorBoxText(description, location, step), msgbox::kExclamation, errorBoxTitle());
    } catch (...) {
    }
}

}  // namespace jubilo
