#pragma once
// The window opens on a plan it can read. A settings file that is there but
// cannot be read (no permission, a folder in its place) would show as an
// empty plan, and every step of loading it would fail in turn.

#include <optional>

namespace jubilo {

class SettingsStore;

// Reads the store's plan once. When that fails, says why, naming the file,
// and answers the exit status to end with; nothing when the plan reads.
std::optional<int> checkPlanReadableOrEnd(SettingsStore& store);

}  // namespace jubilo
