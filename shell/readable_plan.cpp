#include "shell/readable_plan.h"

#include "model/saved_plan.h"
#include "model/settings_store.h"
#include "trap/message.h"

#include <QCoreApplication>

namespace jubilo {

std::optional<int> checkPlanReadableOrEnd(SettingsStore& store)
{
    try {
        store.read(kStoreApplication, kStoreSection, kDateKey, QString());
        return std::nullopt;
    } catch (const StoreError& error) {
        msgBox(QString::fromUtf8(error.what()) + QStringLiteral("\n\n")
                   + QCoreApplication::translate("ReadablePlan",
                                                 "Jubilo ends now, so that it does not start an empty plan over "
                                                 "yours. Make the file readable, or move it aside to start afresh, "
                                                 "then start Jubilo again."),
               msgbox::kExclamation);
        return 1;
    }
}

}  // namespace jubilo
