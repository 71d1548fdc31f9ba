#pragma once
// "New Plan From This One": the plan for the next party of the same kind.

#include "plan/plan.h"

namespace jubilo {

// Every row of the stored tables kept, with every yes/no cell ("RSVP?",
// "Purchased?") set to "No": no one has answered, nothing is bought yet.
// The budgets are kept; the date is empty, for the user to set. The
// Ingredients working list is no part of a plan and starts empty.
Plan nextPartyFrom(const Plan& plan);

}  // namespace jubilo
