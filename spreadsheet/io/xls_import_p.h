#pragma once
// A workbook built from the .xls layer's image of a file: the inverse of
// exportWorkbook for what the engine writes, and a faithful reading of what
// other programs write as far as the engine can hold it (colours outside
// the palette fall back to the nearest fixed entry, formulas with tokens
// the engine does not read keep their last result as a constant).

#include "spreadsheet/xls/xls_workbook.h"

#include <QString>

#include <memory>

namespace jubilo::spreadsheet {

class Application;
class Workbook;

// The new workbook belongs to app but is not yet listed among its open
// workbooks. Throws SpreadsheetError when the file holds something the
// engine refuses (a sheet name it does not allow, two sheets of one name).
std::shared_ptr<Workbook> importWorkbook(const xls::XlsWorkbook& file, Application& app, const QString& name);

}  // namespace jubilo::spreadsheet
