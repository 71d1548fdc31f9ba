#pragma once
// A plan's figures kept up to date as its lists and budgets change, at the
// cost of the change rather than of the plan: each row is read once, when it
// comes or changes, and a list's sums are made again from those readings,
// in the order the sheet's SUM takes them, so that they stay exact.

#include "figures/plan_figures.h"

#include <QObject>

#include <array>
#include <vector>

class QAbstractItemModel;

namespace jubilo {

class FiguresTracker : public QObject {
    Q_OBJECT
public:
    FiguresTracker(const Plan& plan, const HostTypedInput& reader, QObject* parent = nullptr);

    const PlanFigures& figures() const { return figures_; }

    // Follows a list through the model its view shows: the model's rows are
    // the table's, in order. Lists without figures are passed over.
    void follow(TableId table, const QAbstractItemModel& model);
    // The plan's budget texts changed (typed, undone, another plan shown).
    void budgetsChanged();
    // Reads the whole plan afresh.
    void rereadAll();

signals:
    void changed();

private:
    using Readings = std::vector<FigureRow>;

    FigureRow readRow(TableId table, int index) const;  // 0-based
    void rowsInserted(TableId table, int first, int last);
    void rowsRemoved(TableId table, int first, int last);
    void rowsChanged(TableId table, int first, int last);
    void rowsMoved(TableId table, int first, int last, int destination);
    void reread(TableId table);
    // Sums the table's readings into its figures and tells of the change.
    void sum(TableId table);
    Readings& readings(TableId table);

    const Plan& plan_;
    const HostTypedInput& reader_;
    Readings guests_;
    std::array<Readings, kMoneyTableCount> money_;
    PlanFigures figures_;
};

}  // namespace jubilo
