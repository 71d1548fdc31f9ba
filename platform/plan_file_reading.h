#pragma once
// A plan file read as it is opened: every fault that makes it no plan is
// found before Jubilo takes it, and named.

#include "files/file_calls.h"

#include <QByteArray>
#include <QString>

namespace jubilo {

// The file's bytes when they are a plan: a regular file of at most
// kMaxPlanFileBytes, UTF-8 text without a NUL, every line one QSettings
// reads, and a [Jubilo] group. Otherwise throws PlanFileError naming the
// file and the fault. Only reads.
QByteArray readPlanFile(const QString& path, const files::FileCalls& calls);

}  // namespace jubilo
