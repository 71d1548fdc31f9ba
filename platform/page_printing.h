#pragma once
// Printing a host's pages on a printer Qt drives.

#include "host/interface/host_pages.h"

class QPrinter;

namespace jubilo {

// Paper and orientation from the pages, drawn from the paper's edge: the
// pages hold their own margins.
void preparePrinter(QPrinter& printer, const HostPages& pages);

// Prints the pages the printer's page ranges name, or all when it names
// none. Throws when the printer cannot start or reports an error.
void printPagesOn(QPrinter& printer, const HostPages& pages);

}  // namespace jubilo
