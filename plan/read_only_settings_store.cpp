#include "plan/read_only_settings_store.h"

#include <QCoreApplication>

namespace jubilo {

void ReadOnlySettingsStore::write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    (void)value;
    throw StoreError(
        QCoreApplication::translate("ReadOnlySettingsStore",
                                    "The settings store is open for reading only: %1/%2/%3 was not written")
            .arg(app, section, key)
            .toStdString());
}

}  // namespace jubilo
