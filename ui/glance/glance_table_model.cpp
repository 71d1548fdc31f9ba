#include "ui/glance/glance_table_model.h"

#include "figures/figure_texts.h"
#include "ui/glance/glance_texts.h"

#include <QColor>
#include <QFont>

namespace jubilo {

GlanceTableModel::GlanceTableModel(const FiguresTracker& tracker, QObject* parent)
    : QAbstractTableModel(parent)
    , tracker_(tracker)
{
    connect(&tracker, &FiguresTracker::changed, this, &GlanceTableModel::figuresChanged);
}

int GlanceTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kWholePartyRow + 1; }

int GlanceTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QColor GlanceTableModel::overBudgetColour() { return QColor(0xB0, 0x00, 0x20); }

GlanceTableModel::RowFigures GlanceTableModel::rowFigures(int row) const
{
    const PlanFigures& figures = tracker_.figures();
    const MoneyFigures money
        = row == kWholePartyRow ? figures.wholeParty() : figures.money[static_cast<std::size_t>(row)];
    return {money.budget, money.spent, money.stillToBuy, money.itemsToBuy};
}

QString GlanceTableModel::cellText(const RowFigures& figures, int column) const
{
    switch (column) {
    case BudgetColumn:
        return budgetText(figures.budget);
    case SpentColumn:
        return moneyText(figures.spent);
    case LeftColumn:
        return leftText(figures.spent, figures.budget);
    default:
        return stillToBuyText(figures.stillToBuy, figures.itemsToBuy);
    }
}

QVariant GlanceTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(rowFigures(index.row()), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole: {
        const RowFigures figures = rowFigures(index.row());
        const bool marked = index.column() == LeftColumn || index.column() == SpentColumn;
        if (marked && isOverBudget(figures.spent, figures.budget))
            return overBudgetColour();
        return {};
    }
    default:
        return {};
    }
}

QVariant GlanceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
        case BudgetColumn:
            return tr("Budget");
        case SpentColumn:
            return tr("Spent");
        case LeftColumn:
            return tr("Left");
        case StillToBuyColumn:
            return tr("Still to buy");
        default:
            return {};
        }
    }
    if (orientation != Qt::Vertical || section < 0 || section > kWholePartyRow)
        return {};
    if (role == Qt::DisplayRole)
        return section == kWholePartyRow ? tr("Whole party")
                                         : listName(tracker_.figures().money[static_cast<std::size_t>(section)]);
    if (role == Qt::FontRole && section == kWholePartyRow) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

Qt::ItemFlags GlanceTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GlanceTableModel::figuresChanged()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole, Qt::ForegroundRole});
}

}  // namespace jubilo
