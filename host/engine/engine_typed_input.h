#pragma once
// The engine's reading of typed text, as the program registers it with the
// platform seam beside the engine's host.

#include "host/interface/host_typed_input.h"

namespace jubilo {

// Reads as a cell of a new engine host's sheet does: in the application's
// locale (the program's default one), a date without a year taking the
// clock's.
const HostTypedInput& engineTypedInput();

}  // namespace jubilo
