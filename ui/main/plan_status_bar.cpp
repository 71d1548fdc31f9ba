#include "ui/main/plan_status_bar.h"

#include "figures/figure_texts.h"
#include "figures/figures_tracker.h"

#include "ui/main/summary_line.h"

namespace jubilo {

PlanStatusBar::PlanStatusBar(const FiguresTracker& figures, QWidget* parent)
    : QStatusBar(parent)
    , figures_(figures)
    , line_(new SummaryLine(this))
{
    setObjectName(QStringLiteral("PlanStatusBar"));
    setSizeGripEnabled(false);
    line_->setObjectName(QStringLiteral("PlanSummary"));
    line_->setAccessibleName(tr("Plan summary"));
    addWidget(line_, 1);
    connect(&figures_, &FiguresTracker::changed, this, &PlanStatusBar::showFigures);
    showFigures();
}

QString PlanStatusBar::summary() const { return line_->text(); }

void PlanStatusBar::showFigures()
{
    const PlanFigures& figures = figures_.figures();
    line_->setText(planSummaryLine(figures));
    overBudget_ = isOverBudget(figures.totalSpent(), figures.totalBudget());
    line_->setMarked(overBudget_);
}

}  // namespace jubilo
