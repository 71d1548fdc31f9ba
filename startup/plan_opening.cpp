#include "startup/plan_opening.h"

#include "files/path_bytes.h"
#include "messages/message.h"
#include "plan/saved_plan.h"
#include "platform/plan_file_store.h"
#include "platform/system.h"
#include "startup/readable_plan.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

QString readOnlyNotice(const QString& path)
{
    return QCoreApplication::translate("PlanFiles",
                                       "The plan %1 is read-only: you can look at it and print it, but changes to it "
                                       "cannot be kept. To change it, save a copy with File > Save Plan As…")
        .arg(files::displayName(path));
}

// The store's plan, claimed and readable; or the exit status to end with.
std::optional<int> claimStoredPlan(OpenPlan& plan)
{
    SettingsStore& settings = system().settings();
    plan = {};
    plan.lock = std::make_unique<PlanLock>(planLockPath(settings.location(kStoreApplication)));
    std::optional<int> refused = claimPlanOrEnd(*plan.lock);
    if (!refused)
        refused = checkPlanReadableOrEnd(settings);
    return refused;
}

}  // namespace

std::unique_ptr<PlanLock> claimPlanFile(const QString& path, bool& heldElsewhere)
{
    auto lock = std::make_unique<PlanLock>(planFileLockPath(system().settings().location(kStoreApplication), path));
    heldElsewhere = false;
    switch (lock->claim()) {
    case PlanLock::Claim::Held:
        return lock;
    case PlanLock::Claim::HeldElsewhere:
        heldElsewhere = true;
        return nullptr;
    case PlanLock::Claim::Failed:
        msgBox(lock->problem());
        return nullptr;
    }
    return nullptr;
}

void showPlanFileNotice(const QString& text) { msgBox(text); }

PlanFileOpening openPlanFile(const QString& path)
{
    PlanFileOpening opening;
    std::unique_ptr<PlanLock> lock = claimPlanFile(path, opening.heldElsewhere);
    if (!lock)
        return opening;
    std::unique_ptr<PlanFileStore> file;
    try {
        file = PlanFileStore::open(path, showPlanFileNotice);
    } catch (const PlanFileError& error) {
        msgBox(QString::fromUtf8(error.what()));
        return opening;
    }
    OpenPlan plan;
    plan.readOnly = file->isReadOnly();
    plan.path = file->path();
    plan.file = std::move(file);
    plan.lock = std::move(lock);
    if (plan.readOnly)
        msgBox(readOnlyNotice(plan.path));
    opening.plan = std::move(plan);
    return opening;
}

std::optional<int> claimStartPlan(const QString& planFile, OpenPlan& plan)
{
    if (!planFile.isEmpty()) {
        PlanFileOpening opening = openPlanFile(planFile);
        if (opening.heldElsewhere) {
            msgBox(alreadyOpenMessage());
            return 0;
        }
        if (opening.plan) {
            plan = std::move(*opening.plan);
            return std::nullopt;
        }
    }
    return claimStoredPlan(plan);
}

}  // namespace jubilo
