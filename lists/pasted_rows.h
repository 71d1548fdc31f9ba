#pragma once
// Rows pasted into a list, as a spreadsheet program or a text editor puts
// them on the clipboard: tab-separated or CSV, a line break after the last
// row or none, CR LF or LF, cells holding line breaks quoted. Each row is
// checked with Add's rules (plan/row_rules.h); the rows go in all or none,
// so the first row refused is named by the line it starts on.

#include "plan/plan_tables.h"

#include <QString>

#include <optional>
#include <vector>

namespace jubilo {

// The cell separator of pasted text, read from its first row outside quoted
// cells: a tab when it holds one (spreadsheet programs copy cells so), else
// a comma, else a semicolon (CSV as some locales write it); a tab when it
// holds none of them.
char pastedDelimiter(const QString& text);

// Why pasted text was refused: its line (from 1) and a reason that reads
// after "because", as rowFaultText's do ("its \"RSVP?\" cell is empty").
struct PasteRefusal {
    int line = 0;
    QString reason;
};

struct PastedRows {
    std::vector<PlanRow> rows;  // normalised as Add takes them, in the text's order
    std::optional<PasteRefusal> refusal;  // when set, `rows` is empty
};

// The rows of `text` for the list `table`, which has room for `room` more
// rows. A first row that names the list's columns (a copy that took the
// headers along) is left out. Blank lines give no row.
PastedRows readPastedRows(const TableSpec& table, const QString& text, int room);

}  // namespace jubilo
