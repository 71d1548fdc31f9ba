#include "startup/readable_plan.h"

#include "plan/saved_plan.h"
#include "plan/settings_store.h"
#include "messages/message.h"

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
                                             "then start Jubilo again."));
        return 1;
    }
}

}  // namespace jubilo
