#pragma once
// Lays the whole plan out on the host's active sheet: a title block, then
// Guests, Music, Decorations, Food and Drinks, Other Supplies, Incidentals,
// Schedule and At The Party in columns B to F, with print area and page
// setup, leaving the selection on C15.

#include <QString>

namespace jubilo {

// The sheet's name and the title in its first block.
inline const QString kPlanSheetTitle = QStringLiteral("Holiday Party Plans");

class Plan;
class SpreadsheetHost;

// Fails on the first host failure, leaving what was written; a plan too
// long for the sheet's 65,536 rows fails when the first row beyond is due.
void buildPlanSheet(SpreadsheetHost& host, const Plan& plan);

}  // namespace jubilo
