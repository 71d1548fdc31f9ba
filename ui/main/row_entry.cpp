#include "ui/main/row_entry.h"

#include "plan/table_text.h"
#include "errors/error_trap.h"
#include "messages/message.h"
#include "ui/main/shown_names.h"

#include "host/constants/xl_constants.h"

#include <QCoreApplication>
#include <QItemSelectionModel>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RowEntry)
};

}  // namespace

QString fullListMessage(const PlanTable& table)
{
    //: %1 is the list's name ("Guests"), %2 the most rows a list holds.
    return Texts::tr("The %1 list is full: it holds at most %2 rows.")
        .arg(shownTableName(table.spec().id))
        .arg(PlanTable::kMaxRows);
}

RowEntry::RowEntry(const MainWindowWidgets& widgets, Plan& plan, std::function<void(TableId)> tableChanged,
                   std::function<bool(TableId)> refusesChanges)
    : widgets_(widgets)
    , plan_(plan)
    , tableChanged_(std::move(tableChanged))
    , refusesChanges_(std::move(refusesChanges))
{
}

QString RowEntry::inputText(const EntryInput& input) const
{
    if (const auto* choice = std::get_if<WidgetMember<QComboBox>>(&input)) {
        const QComboBox& box = *(widgets_.**choice);
        return box.currentIndex() < 0 ? QString() : box.currentData().toString();
    }
    return (widgets_.*std::get<WidgetMember<QLineEdit>>(input))->text();
}

bool RowEntry::isFilled(const EntryInput& input) const
{
    if (const auto* choice = std::get_if<WidgetMember<QComboBox>>(&input))
        return (widgets_.**choice)->currentIndex() >= 0;
    return !(widgets_.*std::get<WidgetMember<QLineEdit>>(input))->text().isEmpty();
}

std::vector<int> RowEntry::selectedPositions(TableId table) const
{
    const QTreeView& list = tableList(widgets_, table);
    std::vector<int> positions;
    if (list.selectionModel()) {
        for (const QModelIndex& row : list.selectionModel()->selectedRows())
            positions.push_back(row.row() + 1);
    }
    std::sort(positions.begin(), positions.end(), std::greater<>());
    return positions;
}

bool RowEntry::fitsCells(const PlanTable& table, const PlanRow& row) const
{
    for (int column = 0; column < row.size() && column < table.columnCount(); ++column) {
        if (row[column].size() > xl::kMaxCellTextLength) {
            //: %1 is the column's header ("Address"), %2 and %3 counts of characters.
            msgBox(Texts::tr("The text in the \"%1\" box is too long: it has %2 characters, and a cell of the "
                             "plan holds at most %3. Please shorten it and try again.")
                       .arg(shownColumnHeader(table.spec(), column))
                       .arg(row[column].size())
                       .arg(xl::kMaxCellTextLength));
            return false;
        }
    }
    return true;
}

bool RowEntry::canStore(const PlanTable& table, const std::vector<PlanRow>& rows) const
{
    if (!canHold(table, rows))
        return false;
    if (table.rowCount() + static_cast<qsizetype>(rows.size()) > PlanTable::kMaxRows) {
        msgBox(fullListMessage(table));
        return false;
    }
    return true;
}

bool RowEntry::canHold(const PlanTable& table, const std::vector<PlanRow>& rows) const
{
    for (const PlanRow& row : rows) {
        if (!survivesStore(row, table.columnCount())) {
            msgBox(Texts::tr("An entry cannot contain the text \"||MySeparator11||\" or "
                             "\"||MySeparator12||\". Please change it and try again."));
            return false;
        }
        if (!fitsCells(table, row))
            return false;
    }
    return true;
}

void RowEntry::add(const AddProcedure& p)
{
    PlanTable& table = plan_.table(p.table);
    const int columns = table.columnCount();
    ErrorTrap trap(p.location);
    const bool incomplete = trap.condition(100, [&] {
        for (int c = 0; c < columns; ++c) {
            if (!isFilled(p.cells[static_cast<size_t>(c)]))
                return true;
        }
        return false;
    });
    if (incomplete) {
        trap.step(102, [&] { msgBox(shownReminder(p.reminder)); });
        return;
    }
    QStringList texts;
    for (int c = 0; c < columns; ++c)
        texts << inputText(p.cells[static_cast<size_t>(c)]);
    if (refusesChanges_(p.table) || !canStore(table, {texts}))
        return;

    int position = 0;
    trap.step(104, [&] { position = table.append({texts[0]}); });
    for (int c = 1; c < columns; ++c)
        trap.step(p.steps.setCell[static_cast<size_t>(c - 1)], [&] { table.setCell(position, c, texts[c]); });
    for (int c = 0; c < columns; ++c) {
        if (const auto* box = std::get_if<WidgetMember<QLineEdit>>(&p.cells[static_cast<size_t>(c)]))
            trap.step(p.steps.emptyBox[static_cast<size_t>(c)], [&] { (widgets_.**box)->setText(QString()); });
    }
    trap.step(p.steps.listChanged, [&] { tableChanged_(p.table); });
}

void RowEntry::addFood()
{
    PlanTable& food = plan_.table(TableId::FoodAndDrinks);
    PlanTable& ingredients = plan_.table(TableId::Ingredients);
    ErrorTrap trap(locations::kAddFoodClick);
    const bool incomplete
        = trap.condition(100, [&] { return widgets_.foodNameBox->text().isEmpty() || ingredients.rowCount() == 0; });
    if (incomplete) {
        trap.step(102, [&] { msgBox(shownReminder(kFoodReminder)); });
        return;
    }
    const QString name = widgets_.foodNameBox->text();
    int count = 0;
    trap.step(104, [&] { count = ingredients.rowCount(); });
    std::vector<PlanRow> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({name, ingredients.cell(i, 0), ingredients.cell(i, 1), ingredients.cell(i, 2)});
    if (refusesChanges_(TableId::FoodAndDrinks) || !canStore(food, rows))
        return;

    for (int i = 1; i <= count; ++i) {
        int position = 0;
        trap.step(106, [&] { position = food.append({name}); });
        trap.step(108, [&] { food.setCell(position, 1, ingredients.cell(i, 0)); });
        trap.step(110, [&] { food.setCell(position, 2, ingredients.cell(i, 1)); });
        trap.step(112, [&] { food.setCell(position, 3, ingredients.cell(i, 2)); });
    }
    trap.step(116, [&] { ingredients.clear(); });
    trap.step(118, [&] { widgets_.foodNameBox->setText(QString()); });
    trap.step(120, [&] { tableChanged_(TableId::FoodAndDrinks); });
}

void RowEntry::remove(const DeleteProcedure& p)
{
    PlanTable& table = plan_.table(p.table);
    ErrorTrap trap(p.location);
    if (trap.condition(100, [&] { return table.rowCount() == 0; }))
        return;
    if (refusesChanges_(p.table))
        return;
    bool removed = false;
    trap.step(102, [&] {
        const std::vector<int> positions = selectedPositions(p.table);
        if (positions.empty())
            throw std::runtime_error(Texts::tr("No row is selected. Please select the row to delete.").toStdString());
        // From the last up, a run of neighbours at a time, so that the
        // positions still to go keep their place.
        for (std::size_t i = 0; i < positions.size();) {
            std::size_t run = 1;
            while (i + run < positions.size() && positions[i + run] == positions[i] - static_cast<int>(run))
                ++run;
            table.replaceRows(positions[i + run - 1], static_cast<int>(run), {});
            i += run;
        }
        removed = true;
    });
    if (removed)
        trap.step(104, [&] { tableChanged_(p.table); });
}

bool RowEntry::editCell(TableId id, int position, int column, const QString& text)
{
    PlanTable& table = plan_.table(id);
    if (refusesChanges_(id))
        return false;
    if (text.isEmpty()) {
        msgBox(reminderFor(id));
        return false;
    }
    PlanRow row = table.row(position);
    row[column] = text;
    if (!canHold(table, {row}))
        return false;
    table.setCell(position, column, text);
    tableChanged_(id);
    return true;
}

bool RowEntry::moveRow(TableId id, int position, int by)
{
    PlanTable& table = plan_.table(id);
    const int to = position + by;
    if (position < 1 || to < 1 || to > table.rowCount() || refusesChanges_(id))
        return false;
    table.move(position, to);
    tableChanged_(id);
    return true;
}

}  // namespace jubilo
