#pragma once
// A settings store that can only be read: reads go to the store it wraps,
// and a write throws StoreError without reaching it. The scripting forms
// read the plan through one, so nothing they do can change the stored plan
// or make the store copy a damaged file aside.

#include "plan/settings_store.h"

namespace jubilo {

class ReadOnlySettingsStore : public SettingsStore {
public:
    explicit ReadOnlySettingsStore(SettingsStore& store)
        : store_(store)
    {
    }

    QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue) override
    {
        return store_.read(app, section, key, defaultValue);
    }
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QString location(const QString& app) const override { return store_.location(app); }

private:
    SettingsStore& store_;
};

}  // namespace jubilo
