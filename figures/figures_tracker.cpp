#include "figures/figures_tracker.h"

#include <QAbstractItemModel>

#include <algorithm>

namespace jubilo {

namespace {

std::size_t moneyIndex(const MoneyTableSpec& spec)
{
    return static_cast<std::size_t>(&spec - moneyTableSpecs().data());
}

// Whether columns first..last hold a cell the figures read: a name or an
// address edited changes no figure.
bool readsAnyOf(TableId table, int first, int last)
{
    const auto within = [&](int column) { return column >= first && column <= last; };
    if (table == TableId::Guests)
        return within(kGuestRsvpColumn) || within(kGuestCountColumn);
    const MoneyTableSpec& spec = *moneyTableSpec(table);
    return within(spec.purchasedColumn) || within(spec.amountColumn);
}

bool hasFigures(TableId table) { return table == TableId::Guests || moneyTableSpec(table) != nullptr; }

}  // namespace

FiguresTracker::FiguresTracker(const Plan& plan, const HostTypedInput& reader, QObject* parent)
    : QObject(parent)
    , plan_(plan)
    , reader_(reader)
{
    for (std::size_t i = 0; i < money_.size(); ++i) {
        figures_.money[i].table = moneyTableSpecs()[i].table;
        figures_.money[i].budgetId = moneyTableSpecs()[i].budget;
    }
    rereadAll();
}

void FiguresTracker::follow(TableId table, const QAbstractItemModel& model)
{
    if (!hasFigures(table))
        return;
    connect(&model, &QAbstractItemModel::rowsInserted, this,
            [this, table](const QModelIndex&, int first, int last) { rowsInserted(table, first, last); });
    connect(&model, &QAbstractItemModel::rowsRemoved, this,
            [this, table](const QModelIndex&, int first, int last) { rowsRemoved(table, first, last); });
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this, table](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (readsAnyOf(table, topLeft.column(), bottomRight.column()))
                    rowsChanged(table, topLeft.row(), bottomRight.row());
            });
    connect(&model, &QAbstractItemModel::rowsMoved, this,
            [this, table](const QModelIndex&, int first, int last, const QModelIndex&, int destination) {
                rowsMoved(table, first, last, destination);
            });
    connect(&model, &QAbstractItemModel::modelReset, this, [this, table] { reread(table); });
    connect(&model, &QAbstractItemModel::layoutChanged, this, [this, table] { reread(table); });
    reread(table);
}

void FiguresTracker::budgetsChanged()
{
    for (MoneyFigures& money : figures_.money)
        money.budget = budgetAmount(plan_.budget(money.budgetId), reader_);
    emit changed();
}

void FiguresTracker::rereadAll()
{
    QSignalBlocker quiet(this);
    reread(TableId::Guests);
    for (const MoneyTableSpec& spec : moneyTableSpecs())
        reread(spec.table);
    budgetsChanged();
    quiet.unblock();
    emit changed();
}

FigureRow FiguresTracker::readRow(TableId table, int index) const
{
    const PlanRow& row = plan_.table(table).row(index + 1);
    if (table == TableId::Guests)
        return guestFigureRow(row, reader_);
    return moneyFigureRow(row, *moneyTableSpec(table), reader_);
}

FiguresTracker::Readings& FiguresTracker::readings(TableId table)
{
    if (table == TableId::Guests)
        return guests_;
    return money_[moneyIndex(*moneyTableSpec(table))];
}

void FiguresTracker::rowsInserted(TableId table, int first, int last)
{
    Readings read;
    read.reserve(static_cast<std::size_t>(last - first + 1));
    for (int index = first; index <= last; ++index)
        read.push_back(readRow(table, index));
    Readings& rows = readings(table);
    rows.insert(rows.begin() + first, std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    sum(table);
}

void FiguresTracker::rowsRemoved(TableId table, int first, int last)
{
    Readings& rows = readings(table);
    rows.erase(rows.begin() + first, rows.begin() + last + 1);
    sum(table);
}

void FiguresTracker::rowsChanged(TableId table, int first, int last)
{
    Readings& rows = readings(table);
    for (int index = std::max(first, 0); index <= last && index < static_cast<int>(rows.size()); ++index)
        rows[static_cast<std::size_t>(index)] = readRow(table, index);
    sum(table);
}

// As the model tells it: rows first..last now stand before the row that
// stood at `destination`.
void FiguresTracker::rowsMoved(TableId table, int first, int last, int destination)
{
    Readings& rows = readings(table);
    const auto begin = rows.begin();
    if (destination < first)
        std::rotate(begin + destination, begin + first, begin + last + 1);
    else if (destination > last + 1)
        std::rotate(begin + first, begin + last + 1, begin + destination);
    sum(table);
}

void FiguresTracker::reread(TableId table)
{
    Readings& rows = readings(table);
    rows.clear();
    const int count = plan_.table(table).rowCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index)
        rows.push_back(readRow(table, index));
    sum(table);
}

void FiguresTracker::sum(TableId table)
{
    if (table == TableId::Guests)
        sumGuests(figures_.guests, guests_);
    else
        sumMoney(figures_.money[moneyIndex(*moneyTableSpec(table))], readings(table));
    emit changed();
}

}  // namespace jubilo
