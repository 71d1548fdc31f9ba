#pragma once
// A file's columns mapped to the Guests list's: the header row recognised
// by the names people give such columns, and every row read through the
// mapping and checked by Add's rules.
//
// A cell the mapping leaves out, or one a short row lacks, is empty. An
// empty "RSVP?" reads "No" (no answer yet) and an empty "Number in Party"
// reads "1": a guest's own row. An empty name or address is refused, as
// Add refuses it.

#include "lists/guest_source.h"
#include "plan/plan_tables.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace jubilo {

// The Guests column a header cell names ("Full name", "party size", "RSVP?"),
// 0-based, or none: case, spaces and a trailing "?" or ":" do not matter.
std::optional<int> guestColumnNamed(const QString& header);

// True when some cell of the row names a Guests column.
bool isHeaderRow(const QStringList& cells);

// Each Guests column from the first header cell naming it; without a
// header, the file's columns in order.
GuestMapping suggestedMapping(const QStringList& header, int columnCount);

// One file row as it would go into the list: mapped, defaults filled in,
// "yes"/"no" spelled as the list spells them.
PlanRow mappedRow(const SourceRow& row, const GuestMapping& mapping);

struct MappedGuests {
    std::vector<PlanRow> rows;  // every row, when there is no problem
    // The first row Add would refuse: its line and why.
    std::optional<int> problemLine;
    QString problem;
};

MappedGuests mappedGuests(const std::vector<SourceRow>& rows, const GuestMapping& mapping);

}  // namespace jubilo
