#include "plan/recent_plans.h"

#include "plan/saved_plan.h"
#include "plan/settings_store.h"

namespace jubilo {

namespace {

QString keyOf(int slot) { return QString::number(slot + 1); }

}  // namespace

RecentPlans::RecentPlans(SettingsStore& store)
    : store_(store)
{
}

// What the slots hold, empty ones included: each is read once.
QStringList RecentPlans::heldPaths()
{
    QStringList held;
    for (int slot = 0; slot < kMaxRecentPlans; ++slot)
        held << store_.read(kStoreApplication, kRecentPlansSection, keyOf(slot), QString());
    return held;
}

QStringList RecentPlans::pathsIn(const QStringList& held)
{
    QStringList paths;
    for (const QString& path : held) {
        if (!path.isEmpty() && !paths.contains(path))
            paths << path;
    }
    return paths;
}

QStringList RecentPlans::paths() { return pathsIn(heldPaths()); }

void RecentPlans::add(const QString& path)
{
    const QStringList held = heldPaths();
    QStringList after = pathsIn(held);
    after.removeAll(path);
    after.prepend(path);
    store(held, after.mid(0, kMaxRecentPlans));
}

void RecentPlans::remove(const QString& path)
{
    const QStringList held = heldPaths();
    QStringList after = pathsIn(held);
    after.removeAll(path);
    store(held, after);
}

void RecentPlans::store(const QStringList& held, const QStringList& after)
{
    for (int slot = 0; slot < kMaxRecentPlans; ++slot) {
        if (held.value(slot) != after.value(slot))
            store_.write(kStoreApplication, kRecentPlansSection, keyOf(slot), after.value(slot));
    }
}

}  // namespace jubilo
