#pragma once
// The line under the form that answers what a planner asks every day: how
// many guests and people are coming, what is spent against the budget, and
// what is still to buy. It follows every change to the plan.

#include <QStatusBar>

namespace jubilo {

class FiguresTracker;
class SummaryLine;

class PlanStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit PlanStatusBar(const FiguresTracker& figures, QWidget* parent = nullptr);

    QString summary() const;
    // Spent passes the budget: the line says so in words and with a sign,
    // and shows it in a colour of its own too.
    bool showsOverBudget() const { return overBudget_; }

private:
    void showFigures();

    const FiguresTracker& figures_;
    SummaryLine* line_ = nullptr;
    bool overBudget_ = false;
};

}  // namespace jubilo
