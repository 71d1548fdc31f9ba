#pragma once
// Guards around the spreadsheet host: that one can be started at all, and
// a warning when one already runs before a report.

#include "host/constants/xl_constants.h"

#include <QString>

namespace jubilo {

inline const QString kHostClassName = QString::fromLatin1(xl::kApplicationClassName);
inline const QString kHostDefaultValue = QString::fromLatin1(xl::kApplicationDefaultValue);

QString hostUnavailableMessage();
QString hostRunningQuestion();

// Creates and releases one host; when that fails, explains why and ends the
// program. Never shows the error box.
void checkHostAvailable();

// True when a running host answers with its default value. Never fails.
bool isHostRunning();

// Asks whether to go on when a host runs; true when the user declines.
bool warnHostRunning();

}  // namespace jubilo
