#pragma once
// The add and delete procedures of the nine tables, as data.

#include "plan/plan_tables.h"
#include "errors/error_location.h"
#include "ui/main/main_window_layout.h"

#include <array>
#include <span>
#include <variant>
#include <vector>

namespace jubilo {

// Where a cell comes from: a text box, or a drop-down whose chosen item is
// taken. Empty past the table's columns.
using EntryInput = std::variant<std::monostate, WidgetMember<QLineEdit>, WidgetMember<QComboBox>>;

// The step numbers of one Add after the row is appended (step 104), as the
// error box reports them. Each procedure numbers its own: a table with a
// drop-down has one box fewer to empty.
struct AddSteps {
    std::array<int, 3> setCell;  // cells 1 to 3 into the new row; 0 past the columns
    std::array<int, 4> emptyBox;  // cell c's text box emptied; 0 for a drop-down or past the columns
    int listChanged;  // the list shown again and the table stored
};

// Adds one row from the tab's inputs. Every input must be filled; cell c
// comes from cells[c]; the text boxes among them are emptied afterwards
// (a drop-down keeps its choice).
struct AddProcedure {
    TableId table;
    WidgetMember<QPushButton> button;
    std::array<EntryInput, 4> cells;  // the first columnCount are used
    const char* reminder;
    ErrorLocation location;
    AddSteps steps;
};

struct DeleteProcedure {
    TableId table;
    WidgetMember<QPushButton> button;
    ErrorLocation location;
};

// The text boxes an Add takes its cells from (a drop-down is no box).
std::vector<QLineEdit*> textBoxesOf(const MainWindowWidgets& widgets, const AddProcedure& procedure);

// The eight tables that take one row from their own inputs.
std::span<const AddProcedure> addProcedures();
std::span<const DeleteProcedure> deleteProcedures();

// Food and Drinks: one row per Ingredients row, under the dish's name.
inline constexpr char kFoodReminder[]
    = QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for food.");

// A reminder (`AddProcedure::reminder`, kFoodReminder) as the message shows it.
QString shownReminder(const char* reminder);
// The reminder a table's Add shows for an empty input, as shown.
QString reminderFor(TableId table);

}  // namespace jubilo
