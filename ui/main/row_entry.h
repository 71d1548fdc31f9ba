#pragma once
// Runs the add and delete procedures against the main window's inputs and
// the plan. Each runs under its error trap; steps are numbered as the error
// box reports them.

#include "plan/plan.h"
#include "ui/main/entry_procedures.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace jubilo {

// Says the table is full and how many rows a list holds.
QString fullListMessage(const PlanTable& table);

class RowEntry {
public:
    // `tableChanged` runs after every successful change of a table;
    // `refusesChanges` says why and answers true when a table must not change.
    RowEntry(const MainWindowWidgets& widgets, Plan& plan, std::function<void(TableId)> tableChanged,
             std::function<bool(TableId)> refusesChanges);

    void add(const AddProcedure& procedure);
    void addFood();
    // Deletes the list's selected rows, all of them when several are.
    void remove(const DeleteProcedure& procedure);
    // A cell edited where it stands, under the rules of Add: an empty text
    // is refused with the table's reminder, a text the store cannot hold
    // with its message. False, having said why, when refused.
    bool editCell(TableId table, int position, int column, const QString& text);
    // Moves the table's row at `position` by -1 or +1; false at either end.
    bool moveRow(TableId table, int position, int by);

private:
    // The text of a text box, or the chosen item of a drop-down.
    QString inputText(const EntryInput& input) const;
    bool isFilled(const EntryInput& input) const;
    // The 1-based positions of the list's selected rows, from the last up.
    std::vector<int> selectedPositions(TableId table) const;
    // Refuses, with a message, rows the table or the store cannot hold.
    bool canStore(const PlanTable& table, const std::vector<PlanRow>& rows) const;
    bool canHold(const PlanTable& table, const std::vector<PlanRow>& rows) const;
    // Refuses, with a message naming the box, a text no cell can hold.
    bool fitsCells(const PlanTable& table, const PlanRow& row) const;

    const MainWindowWidgets& widgets_;
    Plan& plan_;
    std::function<void(TableId)> tableChanged_;
    std::function<bool(TableId)> refusesChanges_;
};

}  // namespace jubilo
