#pragma once
// The budget table of the glance window: one row per money list in the
// sheet's order and a last row for the whole party; columns Budget, Spent,
// Left and Still to buy. Read-only, and live: every change to the figures
// is one dataChanged over the table, with no reset, so a view keeps its
// selection and a screen reader its place.

#include "figures/figures_tracker.h"

#include <QAbstractTableModel>

namespace jubilo {

class GlanceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { BudgetColumn, SpentColumn, LeftColumn, StillToBuyColumn, ColumnCount };
    static constexpr int kWholePartyRow = kMoneyTableCount;

    explicit GlanceTableModel(const FiguresTracker& tracker, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The colour that marks a list over its budget, beside the words.
    static QColor overBudgetColour();

private:
    // A row's figures: a list's, or the whole party's.
    struct RowFigures {
        std::optional<double> budget;
        SheetSum spent;
        SheetSum stillToBuy;
        int itemsToBuy = 0;
    };
    RowFigures rowFigures(int row) const;
    QString cellText(const RowFigures& figures, int column) const;
    void figuresChanged();

    const FiguresTracker& tracker_;
};

}  // namespace jubilo
