#pragma once
// The spreadsheet host backed by Jubilo's own engine, and the two entry
// points the program registers with the platform seam.

#include "host/interface/spreadsheet_host.h"

#include <memory>

namespace jubilo {

// A new, invisible instance for "Excel.Application"; throws
// std::runtime_error for any other class name.
std::unique_ptr<SpreadsheetHost> createEngineHost(const QString& className);

// The oldest live engine instance of that class, or nullptr when none runs.
std::shared_ptr<SpreadsheetHost> runningEngineHost(const QString& className);

}  // namespace jubilo
