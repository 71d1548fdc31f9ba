#pragma once
// Per-user persistent text values, addressed by application name, section
// and key. Every write is durable when it returns; a write that cannot be
// made durable throws StoreError. A store may keep recent writes in a
// journal beside its file until checkpoint() folds them into it.

#include <QString>

#include <functional>
#include <optional>
#include <span>

#include <stdexcept>
#include <string>
#include <utility>

namespace jubilo {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How a value differs from the one of `oldLength` characters its writer
// last wrote: `inserted` in place of `removed` characters at `offset`.
struct ValueSplice {
    qsizetype oldLength = 0;
    qsizetype offset = 0;
    qsizetype removed = 0;
    QString inserted;
};

// One value of several written as one change. `text` gives the whole new
// value; `splice`, when set, how it differs from the value its writer last
// wrote, so that a store still holding that value changes only that part
// (a row of a table of thousands) and never asks for the whole.
struct ValueWrite {
    QString key;
    std::function<QString()> text;
    std::optional<ValueSplice> splice;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
        = 0;
    virtual void write(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
    // Writes the values as one change: when it throws, the store holds
    // none of them. This one writes their whole texts one by one and, when
    // one fails, writes back those written before it; a store that can
    // write them in one step does so.
    virtual void writeAll(const QString& app, const QString& section, std::span<const ValueWrite> values);
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
