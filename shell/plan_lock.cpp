#include "shell/plan_lock.h"

#include "trap/message.h"

#include <QDir>
#include <QFileInfo>

namespace jubilo {

QString planLockPath(const QString& storeLocation)
{
    if (storeLocation.isEmpty())
        return {};
    return QFileInfo(storeLocation).dir().filePath(QString::fromUtf8(kPlanLockFileName));
}

PlanLock::PlanLock(const QString& lockPath)
{
    if (lockPath.isEmpty())
        return;
    file_ = std::make_unique<QLockFile>(lockPath);
    // Held for as long as the program runs: never stale by age, only when
    // the program that made it is gone.
    file_->setStaleLockTime(0);
}

bool PlanLock::claim()
{
    if (!file_ || file_->isLocked())
        return true;
    if (file_->tryLock(0))
        return true;
    return file_->error() != QLockFile::LockFailedError;
}

bool claimPlanOrSayOpen(PlanLock& lock)
{
    if (lock.claim())
        return true;
    msgBox(QString::fromUtf8(kAlreadyOpenMessage));
    return false;
}

}  // namespace jubilo
