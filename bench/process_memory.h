#pragma once
// How much memory this process holds, as the kernel counts it in
// /proc/self/status; 0 where that file cannot be read (not Linux).

#include <QByteArray>
#include <QFile>

namespace jubilo::bench {

// A line of /proc/self/status in kibibytes: "VmRSS" (resident now),
// "VmHWM" (the most resident so far).
inline long processStatusKiB(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = field + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

inline long residentKiB() { return processStatusKiB("VmRSS"); }
inline long peakResidentKiB() { return processStatusKiB("VmHWM"); }

}  // namespace jubilo::bench
