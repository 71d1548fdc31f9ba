#pragma once
// The party's timetable: one event for each row of the Schedules and the
// At The Party lists, on the party's day at the row's time, ready for a
// calendar. Rows whose time reads as no time are left out and named.

#include "host/interface/host_typed_input.h"
#include "lists/ics_writer.h"
#include "plan/plan.h"

#include <QDate>
#include <QString>

#include <vector>

namespace jubilo {

// The lists the timetable is made of, in the order their events come.
inline constexpr TableId kTimetableLists[] = {TableId::Schedules, TableId::Activities};
// The left-out rows one message names; it counts the rest.
inline constexpr int kLeftOutRowsNamed = 10;

struct LeftOutRow {
    TableId list;
    int position;  // 1-based, as the list shows it
    QString time;
};

struct PartyTimetable {
    std::vector<CalendarEvent> events;
    std::vector<LeftOutRow> leftOut;
};

// Each event's UID is made from the day, the list, the row's place and its
// task: exporting again gives the same UIDs, so a calendar that imports
// the file again updates its events rather than doubling them, and two
// parties on different days never share one.
PartyTimetable partyTimetable(const Plan& plan, const QDate& day, const HostTypedInput& reader);

// A calendar holds at least one event: what is said instead of saving one
// without.
QString emptyTimetableText();

// 2 rows are left out because their time does not read as a time:
// Schedules row 3 "soon", At The Party row 1 "".
QString leftOutText(const std::vector<LeftOutRow>& rows);

}  // namespace jubilo
