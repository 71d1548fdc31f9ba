#pragma once
// A budget box whose text does not read as an amount says so in its
// tooltip: that list has no budget in the figures, and the text is kept as
// typed. A box that reads as an amount, or is empty, has no tooltip.

#include "figures/plan_figures.h"
#include "ui/main/main_window_layout.h"

namespace jubilo {

void showBudgetTips(const MainWindowWidgets& widgets, const Plan& plan, const PlanFigures& figures);

}  // namespace jubilo
