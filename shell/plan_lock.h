#pragma once
// One Jubilo per plan. Two windows on the same settings store would each
// write their own tables over the other's, so a second start is refused
// while a first holds the plan's lock file, beside the settings file.

#include <QLockFile>
#include <QString>

#include <memory>

namespace jubilo {

inline constexpr char kPlanLockFileName[] = "Jubilo.lock";
inline constexpr char kAlreadyOpenMessage[] = "Jubilo is already open.";

// The lock file beside the settings file at `storeLocation`; empty when the
// store has no file (nothing to guard).
QString planLockPath(const QString& storeLocation);

class PlanLock {
public:
    explicit PlanLock(const QString& lockPath);

    // True when this program now holds the plan. A lock left behind by a
    // program that was killed is taken over; a folder where no lock can be
    // made does not stop the program.
    bool claim();

private:
    std::unique_ptr<QLockFile> file_;
};

// Claims the plan of the installed seam's settings store; when another
// Jubilo holds it, says so ("Jubilo is already open.") and answers false.
bool claimPlanOrSayOpen(PlanLock& lock);

}  // namespace jubilo
