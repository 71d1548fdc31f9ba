#pragma once
// "Plan at a Glance": a window of its own, beside the main window, with the
// figures a planner asks for every day. At the top the guests (how many,
// people invited and coming, and how many guests' numbers are not
// counted), then the budget table (glance_table_model.h) and the bar chart
// (budget_chart.h), whose context menu saves it as a PNG picture. It
// follows the plan as it changes: each change updates the texts in place,
// the table's cells and the chart's drawing, with no widget made anew.

#include "figures/figures_tracker.h"

#include <QWidget>

class QAction;
class QLabel;
class QTableView;

namespace jubilo {

class BudgetChart;
class GlanceTableModel;

class GlanceWindow : public QWidget {
    Q_OBJECT
public:
    // The tracker outlives the window.
    explicit GlanceWindow(const FiguresTracker& tracker, QWidget* parent = nullptr);

    QLabel& guestsLabel() const { return *guests_; }
    QLabel& uncountedGuestsLabel() const { return *uncounted_; }
    QTableView& table() const { return *table_; }
    BudgetChart& chart() const { return *chart_; }
    // "Save Chart as PNG…", in the chart's context menu.
    QAction& saveChartAction() const { return *saveChart_; }

private:
    void buildTable(GlanceTableModel* model);
    void figuresChanged();
    void fitTableWidth();

    const FiguresTracker& tracker_;
    QLabel* guests_ = nullptr;
    QLabel* uncounted_ = nullptr;
    QTableView* table_ = nullptr;
    BudgetChart* chart_ = nullptr;
    QAction* saveChart_ = nullptr;
};

}  // namespace jubilo
