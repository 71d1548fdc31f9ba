#pragma once
// The party's date and its timetable's times read from their texts as a
// spreadsheet reads a typed date or time (through the host's reader, so
// "12/24/2026", "Dec 24, 2026", "11:10 AM" and "19:30" read as they do in
// the sheet), and the date box's own default text besides
// ("2026 | December 07 | 09 PM"), which the sheet takes for text.

#include "host/interface/host_typed_input.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace jubilo {

// The day the text names; none when it names no day. A date and time
// ("12/24/2026 7:00 PM") gives its day.
std::optional<QDate> readPartyDate(const QString& text, const HostTypedInput& reader,
                                   const QLocale& locale = QLocale());

// The time of day the text names, to the second; none when it names none
// (a text, a date, a number of a day or more, an empty cell).
std::optional<QTime> readPartyTime(const QString& text, const HostTypedInput& reader);

}  // namespace jubilo
