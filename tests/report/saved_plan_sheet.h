#pragma once
// A plan's workbook saved as the program saves it, for the tests that give
// it to other programs.

#include "host/engine/engine_host.h"
#include "report/plan_sheet.h"

#include <QTemporaryDir>

namespace jubilo::testing {

// Saves `plan`'s sheet as "<name>.xls" in `dir`; returns its path.
inline QString savePlanSheet(const QTemporaryDir& dir, const QString& name, const Plan& plan)
{
    auto host = createEngineHost("Excel.Application");
    auto book = host->workbooks()->add();
    buildPlanSheet(*host, plan);
    const QString path = dir.filePath(name + ".xls");
    book->saveAs(path, xl::kExcel8);
    host->quit();
    return path;
}

}  // namespace jubilo::testing
