#include "ui/main/plan_files.h"

#include "ui/common/save_name.h"

#include "errors/error_trap.h"
#include "files/path_bytes.h"
#include "messages/message.h"
#include "plan/plan.h"
#include "plan/next_party.h"
#include "plan/stored_values.h"
#include "plan/recent_plans.h"
#include "plan/saved_plan.h"
#include "platform/plan_file_store.h"
#include "platform/system.h"
#include "ui/preview/workbook_copy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PlanFiles)
};

QString shown(const QString& path) { return files::displayName(path); }

QString planFilter()
{
    return Texts::tr("Jubilo Plans") + QStringLiteral(" (*%1)|*%1|").arg(QString::fromUtf8(kPlanFileSuffix));
}

// The save dialog's name, with ".jubilo" when typed without; empty when
// cancelled.
QString askPlanFileName(const QString& title)
{
    const SaveFileChoice choice = system().saveFileName(title, planFilter(), QString(), 0);
    return choice.path.isEmpty() ? QString() : withSuffix(choice.path, QString::fromUtf8(kPlanFileSuffix));
}

QString openElsewhereMessage(const QString& path)
{
    return Texts::tr("The plan %1 is open in another Jubilo: switch to that window to work on it.").arg(shown(path));
}

void remember(const QString& path) { RecentPlans(system().settings()).add(QFileInfo(path).absoluteFilePath()); }

}  // namespace

PlanFiles::PlanFiles(PlanWindow& window)
    : window_(window)
{
}

bool PlanFiles::isOpenNow(const QString& path) const
{
    const OpenPlan& now = window_.openPlan();
    return now.isFile() && isSameFile(path, now.path);
}

// Steps 104 to 110 of opening a plan, from the dialog or the recent list.
void PlanFiles::open(ErrorTrap& trap, const QString& path)
{
    if (path.isEmpty() || isOpenNow(path))
        return;
    PlanFileOpening opening;
    trap.step(104, [&] { opening = openPlanFile(path); });
    if (opening.heldElsewhere)
        trap.step(106, [&] { msgBox(openElsewhereMessage(path)); });
    if (!opening.plan)
        return;
    trap.step(108, [&] { window_.showPlan(std::move(*opening.plan)); });
    trap.step(110, [&] { remember(path); });
}

// The new file is written whole before the window turns to it; a failed
// write leaves the window on the plan it showed.
void PlanFiles::create(const QString& title, const std::function<StoredValues()>& values, const ErrorLocation& where)
{
    ErrorTrap trap(where);
    QString path;
    trap.step(100, [&] { path = askPlanFileName(title); });
    if (path.isEmpty())
        return;
    if (isOpenNow(path)) {
        trap.step(102, [&] { msgBox(Texts::tr("%1 is the plan open now: choose another name.").arg(shown(path))); });
        return;
    }
    bool mayWrite = false;
    trap.step(104, [&] { mayWrite = mayWriteAt(path); });
    if (!mayWrite)
        return;
    bool elsewhere = false;
    std::unique_ptr<PlanLock> lock;
    trap.step(106, [&] { lock = claimPlanFile(path, elsewhere); });
    if (elsewhere)
        trap.step(108, [&] { msgBox(openElsewhereMessage(path)); });
    if (!lock)
        return;
    OpenPlan plan;
    if (!trap.essential(110, [&] { plan.file = PlanFileStore::create(path, values(), showPlanFileNotice); }))
        return;
    plan.path = path;
    plan.lock = std::move(lock);
    trap.step(112, [&] { window_.showPlan(std::move(plan)); });
    trap.step(114, [&] { remember(path); });
}

void PlanFiles::newPlan()
{
    create(
        Texts::tr("New Plan"), [] { return newPlanValues(); }, locations::kNewPlanClick);
}

void PlanFiles::newPlanFromThis()
{
    create(
        Texts::tr("New Plan From This One"), [this] { return storedValues(nextPartyFrom(window_.shownPlan())); },
        locations::kNewPlanFromThisClick);
}

void PlanFiles::savePlanAs()
{
    create(
        Texts::tr("Save Plan As"), [this] { return window_.valuesAsStored(); }, locations::kSavePlanAsClick);
}

void PlanFiles::openPlan()
{
    ErrorTrap trap(locations::kOpenPlanClick);
    QString path;
    const OpenPlan& now = window_.openPlan();
    const QString folder = now.isFile() ? QFileInfo(now.path).path() : QString();
    trap.step(100, [&] { path = system().openFileName(Texts::tr("Open Plan"), planFilter(), folder); });
    open(trap, path);
}

// A plan that is gone is said so and leaves the list.
void PlanFiles::openRecent(const QString& path)
{
    ErrorTrap trap(locations::kOpenRecentClick);
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        open(trap, path);
        return;
    }
    trap.step(100, [&] {
        msgBox(
            Texts::tr("The plan %1 is no longer there: it was moved or deleted, so it is taken off the list of recent "
                      "plans.")
                .arg(shown(path)));
    });
    trap.step(102, [&] { RecentPlans(system().settings()).remove(path); });
}

StoredValues newPlanValues()
{
    StoredValues values = storedValues(Plan());
    // No date: a new plan's date follows the clock until it is typed.
    std::erase_if(values, [](const auto& value) { return value.first == kDateKey; });
    return values;
}

}  // namespace jubilo
