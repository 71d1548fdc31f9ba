#include "lists/guest_mapping.h"

#include "plan/answers.h"
#include "plan/row_rules.h"

#include <algorithm>

namespace jubilo {

namespace {

// The names a column of guests goes by in the lists people keep, as
// normalised(): lower case, single spaces, no trailing "?" or ":".
const std::array<QStringList, kGuestColumns> kColumnNames = {
    QStringList{"guest(s)", "guest", "guests", "name", "names", "full name", "fullname", "guest name", "display name",
                "who"},
    QStringList{"address", "addresses", "street address", "home address", "postal address", "mailing address",
                "full address"},
    QStringList{"rsvp", "r.s.v.p.", "coming", "attending", "response", "reply", "confirmed"},
    QStringList{"number in party", "number", "party size", "size of party", "count", "people", "persons",
                "number of guests", "guest count", "headcount", "head count", "#", "how many"},
};

const QString kOneGuest = QStringLiteral("1");
constexpr int kRsvpColumn = 2;
constexpr int kNumberColumn = 3;

QString normalised(const QString& header)
{
    QString text = header.simplified().toLower();
    while (text.endsWith(QLatin1Char('?')) || text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

}  // namespace

std::optional<int> guestColumnNamed(const QString& header)
{
    const QString name = normalised(header);
    for (int column = 0; column < kGuestColumns; ++column) {
        if (kColumnNames[static_cast<std::size_t>(column)].contains(name))
            return column;
    }
    return std::nullopt;
}

bool isHeaderRow(const QStringList& cells)
{
    return std::any_of(cells.begin(), cells.end(), [](const QString& cell) { return guestColumnNamed(cell); });
}

GuestMapping suggestedMapping(const QStringList& header, int columnCount)
{
    GuestMapping mapping;
    if (header.isEmpty()) {
        for (int column = 0; column < kGuestColumns && column < columnCount; ++column)
            mapping.columns[static_cast<std::size_t>(column)] = column;
        return mapping;
    }
    for (int source = header.size() - 1; source >= 0; --source) {
        if (const std::optional<int> column = guestColumnNamed(header[source]))
            mapping.columns[static_cast<std::size_t>(*column)] = source;  // the first one wins
    }
    return mapping;
}

PlanRow mappedRow(const SourceRow& row, const GuestMapping& mapping)
{
    PlanRow cells;
    for (const int source : mapping.columns)
        cells << (source >= 0 && source < row.cells.size() ? row.cells[source] : QString());
    // A choice, not a text: " yes " is meant as "Yes".
    cells[kRsvpColumn] = cells[kRsvpColumn].trimmed();
    if (cells[kRsvpColumn].isEmpty())
        cells[kRsvpColumn] = QString::fromLatin1(kNoAnswer);
    if (cells[kNumberColumn].isEmpty())
        cells[kNumberColumn] = kOneGuest;
    return normalisedRow(tableSpec(TableId::Guests), cells);
}

MappedGuests mappedGuests(const std::vector<SourceRow>& rows, const GuestMapping& mapping)
{
    const TableSpec& guests = tableSpec(TableId::Guests);
    MappedGuests mapped;
    mapped.rows.reserve(rows.size());
    for (const SourceRow& row : rows) {
        PlanRow cells = mappedRow(row, mapping);
        if (const std::optional<RowFault> fault = rowFault(guests, cells)) {
            mapped.problemLine = row.line;
            mapped.problem = rowFaultText(guests, cells, *fault);
            mapped.rows.clear();
            return mapped;
        }
        mapped.rows.push_back(std::move(cells));
    }
    return mapped;
}

}  // namespace jubilo
