#pragma once
// The plan files opened last, newest first, kept in the settings store in a
// group of their own ("Recent Plans", keys "1" to "8"), never in the plan's.

#include <QString>
#include <QStringList>

namespace jubilo {

class SettingsStore;

inline constexpr int kMaxRecentPlans = 8;
inline const QString kRecentPlansSection = QStringLiteral("Recent Plans");

class RecentPlans {
public:
    explicit RecentPlans(SettingsStore& store);

    // Newest first; empty keys and repeats are passed over.
    QStringList paths();
    // Puts `path` first; the oldest beyond kMaxRecentPlans is dropped.
    void add(const QString& path);
    void remove(const QString& path);

private:
    QStringList heldPaths();
    static QStringList pathsIn(const QStringList& held);
    // Writes the keys whose path changed from what `held` read; the rest
    // stay as they are.
    void store(const QStringList& held, const QStringList& after);

    SettingsStore& store_;
};

}  // namespace jubilo
