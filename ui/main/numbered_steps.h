#pragma once
// The stored plan's load and save steps run under a procedure's error
// trap, each at the number a named table of that procedure gives it.

#include "errors/error_trap.h"
#include "plan/saved_plan.h"

#include <span>
#include <vector>

namespace jubilo {

inline void runNumbered(ErrorTrap& trap, std::span<const int> lines, const std::vector<PlanStep>& steps)
{
    for (std::size_t i = 0; i < steps.size() && i < lines.size(); ++i)
        trap.step(lines[i], steps[i].run);
}

}  // namespace jubilo
