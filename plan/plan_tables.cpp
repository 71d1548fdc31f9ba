#include "plan/plan_tables.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <string>

namespace jubilo {

namespace {

using K = CellKind;

constexpr TableSpec kSpecs[kTableCount] = {
    {TableId::Guests,
     QT_TRANSLATE_NOOP("TableNames", "Guests"),
     "Guests",
     4,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Guest(s)"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Address"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "RSVP?"), K::YesNo},
       {QT_TRANSLATE_NOOP("TableColumns", "Number in Party"), K::Count}}}},
    {TableId::Music,
     QT_TRANSLATE_NOOP("TableNames", "Music"),
     "Musics",
     4,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Music(s)"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Format"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Purchased?"), K::YesNo},
       {QT_TRANSLATE_NOOP("TableColumns", "Amount"), K::Money}}}},
    {TableId::Decorations,
     QT_TRANSLATE_NOOP("TableNames", "Decorations"),
     "Decorations",
     4,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Type"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Number"), K::Count},
       {QT_TRANSLATE_NOOP("TableColumns", "Purchased?"), K::YesNo},
       {QT_TRANSLATE_NOOP("TableColumns", "Amount"), K::Money}}}},
    {TableId::FoodAndDrinks,
     QT_TRANSLATE_NOOP("TableNames", "Food and Drinks"),
     "Food And Drinks",
     4,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Name"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Ingredients"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Purchased?"), K::YesNo},
       {QT_TRANSLATE_NOOP("TableColumns", "Amount"), K::Money}}}},
    {TableId::Ingredients,
     QT_TRANSLATE_NOOP("TableNames", "Ingredients"),
     nullptr,
     3,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Ingredients"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Purchased?"), K::YesNo},
       {QT_TRANSLATE_NOOP("TableColumns", "Amount"), K::Money},
       {}}}},
    {TableId::OtherSupplies,
     QT_TRANSLATE_NOOP("TableNames", "Other Supplies"),
     "Other Supplies",
     3,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Name"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Purchased?"), K::YesNo},
       {QT_TRANSLATE_NOOP("TableColumns", "Amount"), K::Money},
       {}}}},
    {TableId::Incidentals,
     QT_TRANSLATE_NOOP("TableNames", "Incidentals"),
     "Incidentals",
     3,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Name"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Purchased?"), K::YesNo},
       {QT_TRANSLATE_NOOP("TableColumns", "Amount"), K::Money},
       {}}}},
    {TableId::Schedules,
     QT_TRANSLATE_NOOP("TableNames", "Schedules"),
     "Schedules",
     3,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Task"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Time"), K::Time},
       {QT_TRANSLATE_NOOP("TableColumns", "Notes"), K::FreeText},
       {}}}},
    {TableId::Activities,
     QT_TRANSLATE_NOOP("TableNames", "Activities"),
     "Activities",
     3,
     {{{QT_TRANSLATE_NOOP("TableColumns", "Activity"), K::FreeText},
       {QT_TRANSLATE_NOOP("TableColumns", "Time"), K::Time},
       {QT_TRANSLATE_NOOP("TableColumns", "Notes"), K::FreeText},
       {}}}},
};

}  // namespace

std::span<const TableSpec> tableSpecs() { return kSpecs; }

const TableSpec& tableSpec(TableId id)
{
    for (const TableSpec& spec : kSpecs) {
        if (spec.id == id)
            return spec;
    }
    throw std::out_of_range("Unknown table");
}

std::vector<TableId> tableIds()
{
    std::vector<TableId> ids;
    for (const TableSpec& spec : kSpecs)
        ids.push_back(spec.id);
    return ids;
}

SharedEnds sharedEnds(std::span<const PlanRow> before, std::span<const PlanRow> after)
{
    const auto same = [](const PlanRow& a, const PlanRow& b) {
        return (a.size() == b.size() && a.constData() == b.constData()) || a == b;
    };
    const std::size_t shorter = std::min(before.size(), after.size());
    SharedEnds ends;
    while (ends.head < shorter && same(before[ends.head], after[ends.head]))
        ++ends.head;
    while (ends.tail < shorter - ends.head
           && same(before[before.size() - 1 - ends.tail], after[after.size() - 1 - ends.tail]))
        ++ends.tail;
    return ends;
}

PlanTable::PlanTable(const TableSpec& spec)
    : spec_(&spec)
{
}

PlanTable::PlanTable(const PlanTable& other)
    : spec_(other.spec_)
    , rows_(other.rows_)
{
}

PlanTable::PlanTable(PlanTable&& other) noexcept
    : spec_(other.spec_)
    , rows_(std::move(other.rows_))
{
}

PlanTable& PlanTable::operator=(const PlanTable& other)
{
    if (this != &other) {
        spec_ = other.spec_;
        replaceRows(1, rowCount(), other.rows_);
    }
    return *this;
}

PlanTable& PlanTable::operator=(PlanTable&& other)
{
    if (this != &other) {
        spec_ = other.spec_;
        replaceRows(1, rowCount(), std::move(other.rows_));
    }
    return *this;
}

QString PlanTable::header(int column) const
{
    if (column < 0 || column >= columnCount())
        throw std::out_of_range("Column out of range");
    return QString::fromUtf8(spec_->columns[static_cast<size_t>(column)].header);
}

int PlanTable::checkedIndex(int position) const
{
    if (position < 1 || position > rowCount())
        throw std::out_of_range("Row " + std::to_string(position) + " does not exist in " + spec_->name
                                + " (rows: " + std::to_string(rowCount()) + ")");
    return position - 1;
}

QString PlanTable::cell(int position, int column) const
{
    const PlanRow& cells = row(position);
    return column >= 0 && column < cells.size() ? cells[column] : QString();
}

const PlanRow& PlanTable::row(int position) const { return rows_[static_cast<size_t>(checkedIndex(position))]; }

void PlanTable::checkRoom(std::size_t rows) const
{
    if (rows > static_cast<std::size_t>(kMaxRows - rowCount()))
        //: %1 is the list's name, %2 the most rows it holds.
        throw TableFullError(
            QCoreApplication::translate("PlanTables", "The %1 table is full: it holds at most %2 rows.")
                .arg(QString::fromUtf8(spec_->name))
                .arg(kMaxRows)
                .toStdString());
}

PlanRow PlanTable::fitted(PlanRow cells) const
{
    if (cells.size() > columnCount())
        cells.resize(columnCount());
    while (cells.size() < columnCount())
        cells.append(QString());
    return cells;
}

int PlanTable::append(const PlanRow& cells)
{
    checkRoom(1);
    const int index = rowCount();
    if (observer_)
        observer_->rowsAboutToBeInserted(index, index);
    rows_.push_back(fitted(cells));
    if (observer_)
        observer_->rowsInserted();
    return index + 1;
}

void PlanTable::appendRows(std::vector<PlanRow> rows)
{
    checkRoom(rows.size());
    if (rows.empty())
        return;
    const int first = rowCount();
    if (observer_)
        observer_->rowsAboutToBeInserted(first, first + static_cast<int>(rows.size()) - 1);
    rows_.reserve(rows_.size() + rows.size());
    for (PlanRow& row : rows)
        rows_.push_back(fitted(std::move(row)));
    if (observer_)
        observer_->rowsInserted();
}

void PlanTable::setCell(int position, int column, const QString& text)
{
    const int index = checkedIndex(position);
    if (column < 0 || column >= columnCount())
        throw std::out_of_range("Column out of range");
    rows_[static_cast<size_t>(index)][column] = text;
    if (observer_)
        observer_->cellChanged(index, column);
}

void PlanTable::removeAt(int position)
{
    const int index = checkedIndex(position);
    if (observer_)
        observer_->rowsAboutToBeRemoved(index, index);
    rows_.erase(rows_.begin() + index);
    if (observer_)
        observer_->rowsRemoved();
}

std::vector<PlanRow> PlanTable::rows(int position, int count) const
{
    if (count == 0)
        return {};
    const int first = checkedIndex(position);
    checkedIndex(position + count - 1);
    return {rows_.begin() + first, rows_.begin() + first + count};
}

void PlanTable::replaceRows(int position, int count, std::vector<PlanRow> replacement)
{
    if (position < 1 || count < 0 || position + count > rowCount() + 1)
        throw std::out_of_range("Rows " + std::to_string(position) + " to " + std::to_string(position + count - 1)
                                + " do not exist in " + spec_->name + " (rows: " + std::to_string(rowCount()) + ")");
    if (replacement.size() > static_cast<std::size_t>(count))
        checkRoom(replacement.size() - static_cast<std::size_t>(count));
    const int first = position - 1;
    if (count > 0) {
        if (observer_)
            observer_->rowsAboutToBeRemoved(first, first + count - 1);
        rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
        if (observer_)
            observer_->rowsRemoved();
    }
    if (replacement.empty())
        return;
    if (observer_)
        observer_->rowsAboutToBeInserted(first, first + static_cast<int>(replacement.size()) - 1);
    for (PlanRow& row : replacement)
        row = fitted(std::move(row));
    rows_.insert(rows_.begin() + first, std::make_move_iterator(replacement.begin()),
                 std::make_move_iterator(replacement.end()));
    if (observer_)
        observer_->rowsInserted();
}

void PlanTable::move(int position, int to)
{
    const int from = checkedIndex(position);
    const int target = checkedIndex(to);
    if (from == target)
        return;
    if (observer_)
        observer_->rowAboutToMove(from, target);
    PlanRow row = std::move(rows_[static_cast<size_t>(from)]);
    rows_.erase(rows_.begin() + from);
    rows_.insert(rows_.begin() + target, std::move(row));
    if (observer_)
        observer_->rowMoved();
}

void PlanTable::clear()
{
    if (rows_.empty())
        return;
    const int last = rowCount() - 1;
    if (observer_)
        observer_->rowsAboutToBeRemoved(0, last);
    rows_.clear();
    if (observer_)
        observer_->rowsRemoved();
}

QString shownTableName(TableId id) { return QCoreApplication::translate("TableNames", tableSpec(id).name); }

QString shownColumnHeader(const TableSpec& table, int column)
{
    if (column < 0 || column >= table.columnCount)
        throw std::out_of_range("Column out of range");
    return QCoreApplication::translate("TableColumns", table.columns[static_cast<size_t>(column)].header);
}

}  // namespace jubilo
