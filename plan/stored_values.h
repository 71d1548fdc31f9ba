#pragma once
// A plan as the values a store holds for it, for writing a whole plan at
// once (a new plan file): (key, text) pairs in the order SavedPlan loads
// them, each text exactly as SavedPlan writes it.

#include "plan/plan.h"

#include <QString>

#include <utility>
#include <vector>

namespace jubilo {

using StoredValues = std::vector<std::pair<QString, QString>>;

// The eight stored tables encoded as SavedPlan::saveTable writes them, the
// date, the five budgets. The Ingredients working list is no part of it.
// Throws SeparatorInTextError, as a save does, when a cell would not load
// back as written.
StoredValues storedValues(const Plan& plan);

}  // namespace jubilo
