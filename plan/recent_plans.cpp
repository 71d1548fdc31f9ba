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

QStringList RecentPlans::paths()
{
    QStringList paths;
    for (int slot = 0; slot < kMaxRecentPlans; ++slot) {
        const QString path = store_.read(kStoreApplication, kRecentPlansSection, keyOf(slot), QString());
        if (!path.isEmpty() && !paths.contains(path))
            paths << path;
    }
    return paths;
}

void RecentPlans::add(const QString& path)
{
    QStringList after = paths();
    after.removeAll(path);
    after.prepend(path);
    store(after.mid(0, kMaxRecentPlans));
}

void RecentPlans::remove(const QString& path)
{
    QStringList after = paths();
    after.removeAll(path);
    store(after);
}

void RecentPlans::store(const QStringList& after)
{
    for (int slot = 0; slot < kMaxRecentPlans; ++slot) {
        const QString was = store_.read(kStoreApplication, kRecentPlansSection, keyOf(slot), QString());
        const QString now = after.value(slot);
        if (was != now)
            store_.write(kStoreApplication, kRecentPlansSection, keyOf(slot), now);
    }
}

}  // namespace jubilo
