#pragma once
// The steps that make a fresh host's new workbook ready for the plan sheet,
// shared by the report run (each under its own trap step) and the scripting
// export (all at once).

#include <QString>

#include <memory>

namespace jubilo {

class SpreadsheetHost;

// A new host of the spreadsheet class; throws when none starts.
std::unique_ptr<SpreadsheetHost> startSpreadsheetHost();
// How many sheets the active workbook has beyond its first.
int extraSheetCount(SpreadsheetHost& host);
// Deletes `count` sheets after the first, leaving the first alone.
void removeExtraSheets(SpreadsheetHost& host, int count);
// The sheet's name, seen on its tab: the title in the program's language
// when a spreadsheet takes it as a name (1 to 31 characters, none of
// : \ / ? * [ ], no apostrophe first or last), the English title otherwise.
QString planSheetName();
// Names the last sheet after the plan (planSheetName).
void namePlanSheet(SpreadsheetHost& host);

}  // namespace jubilo
