#include "report/plan_workbook.h"

#include "host/constants/sheet_names.h"
#include "host/interface/spreadsheet_host.h"
#include "platform/system.h"
#include "report/host_checks.h"
#include "report/plan_sheet.h"

#include <stdexcept>

namespace jubilo {

QString planSheetName()
{
    const QString shown = planSheetTitle();
    const std::u16string_view name(reinterpret_cast<const char16_t*>(shown.utf16()), size_t(shown.size()));
    return xl::isSheetName(name) ? shown : kPlanSheetTitle;
}

std::unique_ptr<SpreadsheetHost> startSpreadsheetHost()
{
    auto host = system().createHost(kHostClassName);
    if (!host)
        throw std::runtime_error("The spreadsheet host could not be started");
    return host;
}

int extraSheetCount(SpreadsheetHost& host)
{
    const int count = host.sheets()->count();
    return count == 1 ? 0 : count - 1;
}

void removeExtraSheets(SpreadsheetHost& host, int count)
{
    for (int i = 0; i < count; ++i)
        host.sheets()->item(2)->remove();
}

void namePlanSheet(SpreadsheetHost& host)
{
    const auto sheets = host.sheets();
    sheets->item(sheets->count())->setName(planSheetName());
}

}  // namespace jubilo
