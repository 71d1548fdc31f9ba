#pragma once
// The plan a window works on: the settings store's own plan, or a plan
// file; with the lock that keeps a second Jubilo off it while it is open.

#include "plan/settings_store.h"
#include "startup/plan_lock.h"

#include <QString>

#include <memory>

namespace jubilo {

struct OpenPlan {
    std::unique_ptr<SettingsStore> file;  // null: the settings store's plan
    QString path;  // the plan file's path; empty for the store's plan
    bool readOnly = false;  // a plan file this user cannot write
    std::unique_ptr<PlanLock> lock;  // null where nothing guards it (tests)

    bool isFile() const { return file != nullptr; }
    // Where every read and write of the plan goes.
    SettingsStore& store() const;
};

// The plan's name as the caption and messages show it: the file's name
// without ".jubilo".
QString planName(const QString& path);
// "Jubilo" for the store's plan, "<plan name> — Jubilo" for a plan file.
QString windowCaption(const OpenPlan& plan);

}  // namespace jubilo
