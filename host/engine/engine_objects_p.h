#pragma once
// Adapters from the host interface to the engine's objects. Each holds the
// engine object (or a weak reference to it) and forwards member by member.

#include "host/interface/spreadsheet_host.h"
#include "spreadsheet/model/application.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

namespace jubilo::engine {

std::unique_ptr<HostRange> wrapRange(const spreadsheet::Range& range);
// The engine's range behind a range of this host; throws for any other.
const spreadsheet::Range& engineRange(const HostRange& range);
std::unique_ptr<HostWorksheet> wrapSheet(const std::shared_ptr<spreadsheet::Worksheet>& sheet);
std::unique_ptr<HostSheets> wrapSheets(const std::shared_ptr<spreadsheet::Workbook>& book);
std::unique_ptr<HostWorkbook> wrapWorkbook(const std::shared_ptr<spreadsheet::Workbook>& book);
std::unique_ptr<HostWorkbooks> wrapWorkbooks(const std::shared_ptr<spreadsheet::Application>& app);

}  // namespace jubilo::engine
