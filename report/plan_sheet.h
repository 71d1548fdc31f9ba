#pragma once
// Lays the whole plan out on the host's active sheet: a title block, then
// Guests, Music, Decorations, Food and Drinks, Other Supplies, Incidentals,
// Schedule and At The Party in columns B to F, with print area and page
// setup, leaving the selection on C15.

#include <QString>

namespace jubilo {

// The title in the sheet's first block (and the sheet's name), in English:
// the text the translations start from.
inline constexpr char kPlanSheetTitleText[] = QT_TRANSLATE_NOOP("PlanSheet", "Holiday Party Plans");
inline const QString kPlanSheetTitle = QString::fromUtf8(kPlanSheetTitleText);
// The title as the sheet shows it, in the program's language.
QString planSheetTitle();

class Plan;
class SpreadsheetHost;

// Texts are translated, and money is written in the program's locale
// (QLocale()) as the sheet is built: the host's application must have been
// started in the same locale, so that its cells read and show amounts alike.
// Fails on the first host failure, leaving what was written; a plan too
// long for the sheet's 65,536 rows fails when the first row beyond is due.
void buildPlanSheet(SpreadsheetHost& host, const Plan& plan);

}  // namespace jubilo
