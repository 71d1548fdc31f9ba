#pragma once
// One Jubilo per plan. Two windows on the same plan would each write their
// own tables over the other's, so a start first claims the plan's lock file
// and a second start is refused while another Jubilo holds it.
//
// The hold is the kernel's advisory lock on the open lock file, which ends
// with the process that holds it, however it ends: a Jubilo that crashed or
// was killed leaves no lock behind, only a file the next start takes over.

#include <QString>

#include <optional>

namespace jubilo {

inline constexpr char kPlanLockFileName[] = "Jubilo.lock";
// What the user is told when another Jubilo holds the plan.
QString alreadyOpenMessage();

// The lock file beside the settings file at `storeLocation`; empty when the
// store has no file (nothing to guard).
QString planLockPath(const QString& storeLocation);

// The lock file of the plan file at `planPath`, beside the settings file at
// `storeLocation` (the plan's own folder may be read-only): "Jubilo-" and
// sixteen hexadecimal digits of the SHA-256 of the plan's canonical path,
// so every name a link or "./" gives the same plan finds the same lock.
// Empty when the store has no file.
QString planFileLockPath(const QString& storeLocation, const QString& planPath);

class PlanLock {
public:
    enum class Claim {
        Held,  // this program holds the plan (or there is nothing to guard)
        HeldElsewhere,  // another running Jubilo holds it
        Failed,  // the lock could not be made or taken; problem() says why
    };

    // Guards the plan whose lock file is `lockPath`; an empty path guards
    // nothing.
    explicit PlanLock(QString lockPath);
    // Lets the plan go.
    ~PlanLock();
    PlanLock(const PlanLock&) = delete;
    PlanLock& operator=(const PlanLock&) = delete;

    // Takes the plan unless another running Jubilo holds it. A missing
    // folder is made, readable by the user alone. Whatever stands at the
    // lock's name that no running Jubilo holds is taken over: a file left by
    // a crash (empty or not), a file that cannot be opened, a link of any
    // kind. A folder at the name, a folder that cannot be written or a file
    // system without locks make the claim fail. The program's id is written
    // into the file, for whoever looks.
    Claim claim();

    const QString& path() const { return path_; }
    // Why the last claim failed, naming the lock file; empty otherwise.
    const QString& problem() const { return problem_; }

private:
    Claim fail(const QString& reason);

    QString path_;
    QString problem_;
    int fd_ = -1;
};

// Claims the plan of the installed seam's settings store. Nothing when this
// program now holds it; otherwise says why and gives the status the program
// ends with: 0 after "Jubilo is already open." when another Jubilo holds
// the plan, 1 after a message naming the lock file when it cannot be taken.
std::optional<int> claimPlanOrEnd(PlanLock& lock);

}  // namespace jubilo
