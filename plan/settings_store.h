#pragma once
// Per-user persistent text values, addressed by application name, section
// and key. Every write is durable when it returns; a write that cannot be
// made durable throws StoreError. A store may keep recent writes in a
// journal beside its file until checkpoint() folds them into it.

#include <QString>

#include <stdexcept>
#include <string>

namespace jubilo {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
        = 0;
    virtual void write(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
    // Makes the store's file whole on disk: folds any journal into it.
    // Throws StoreError as a write does; every write stays durable.
    virtual void checkpoint() {}
    // Where the application's values are kept, as a user would look for
    // them (a file's path); empty when there is no such place.
    virtual QString location(const QString& app) const
    {
        (void)app;
        return {};
    }
};

}  // namespace jubilo
