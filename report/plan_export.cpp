#include "report/plan_export.h"

#include "host/constants/xl_constants.h"
#include "files/path_bytes.h"
#include "host/interface/spreadsheet_host.h"
#include "plan/plan.h"
#include "report/host_session.h"
#include "report/host_version.h"
#include "report/plan_sheet.h"
#include "report/plan_workbook.h"

#include <stdexcept>
#include <string>

namespace jubilo {

std::vector<KeptTable> loadStoredPlan(SettingsStore& store, Plan& plan, const QDateTime& now)
{
    SavedPlan saved(store);
    for (const PlanStep& step : saved.loadSteps(plan, now)) {
        try {
            step.run();
        } catch (const std::exception& error) {
            throw std::runtime_error("The stored plan's \"" + step.name.toStdString()
                                     + "\" could not be read: " + error.what());
        }
    }
    return {saved.keptTables().begin(), saved.keptTables().end()};
}

namespace {

void buildAndWrite(const Plan& plan, ExportFormat format, const QString& path)
{
    HostSession session;
    SpreadsheetHost& host = session.host();
    host.setDisplayAlerts(false);
    host.setScreenUpdating(false);
    HostWorkbook& book = session.addWorkbook();
    removeExtraSheets(host, extraSheetCount(host));
    namePlanSheet(host);
    buildPlanSheet(host, plan);
    host.sheets()->item(1)->select();
    host.range(QStringLiteral("B2"))->select();  // where the window's report leaves it
    if (format == ExportFormat::Pdf)
        book.exportAsFixedFormat(xl::kTypePDF, path);
    else
        book.saveAs(path, hostWorkbookFormat(&host));
}

}  // namespace

void exportPlan(const Plan& plan, ExportFormat format, const QString& path)
{
    try {
        buildAndWrite(plan, format, path);
    } catch (const std::exception& error) {
        throw std::runtime_error("The plan was not written to " + files::bytesOfName(path).toStdString() + ": "
                                 + error.what());
    }
}

}  // namespace jubilo
