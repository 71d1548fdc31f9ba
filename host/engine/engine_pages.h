#pragma once
// PrintOut for the engine's sheets: the sheet's printed pages, as its page
// setup lays them out, handed to the print dialog through the seam, which
// lays them out only once it has found a printer.

#include "host/interface/host_pages.h"

#include <memory>

namespace jubilo::spreadsheet {
class Worksheet;
}

namespace jubilo::engine {

// The sheet's printed pages, drawn on demand. They keep what they draw, so
// they outlive the sheet's workbook.
std::shared_ptr<const HostPages> printedPages(spreadsheet::Worksheet& sheet);

PrintResult printOut(spreadsheet::Worksheet& sheet);

}  // namespace jubilo::engine
