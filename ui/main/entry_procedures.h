#pragma once
// The add and delete procedures of the nine tables, as data.

#include "model/plan_tables.h"
#include "trap/error_location.h"
#include "ui/main/form1_layout.h"

#include <array>
#include <span>
#include <variant>

namespace jubilo {

// Where a cell comes from: a text box, or a drop-down whose chosen item is
// taken. Empty past the table's columns.
using EntryInput = std::variant<std::monostate, WidgetMember<QLineEdit>, WidgetMember<QComboBox>>;

// Adds one row from the tab's inputs. Every input must be filled; cell c
// comes from cells[c]; the text boxes among them are emptied afterwards
// (a drop-down keeps its choice).
struct AddProcedure {
    TableId table;
    WidgetMember<QPushButton> button;
    std::array<EntryInput, 4> cells;  // the first columnCount are used
    const char* reminder;
    ErrorLocation location;
};

struct DeleteProcedure {
    TableId table;
    WidgetMember<QPushButton> button;
    ErrorLocation location;
};

// The eight tables that take one row from their own inputs.
std::span<const AddProcedure> addProcedures();
std::span<const DeleteProcedure> deleteProcedures();

// Food and Drinks: one row per Ingredients row, under the dish's name.
inline constexpr char kFoodReminder[] = "You forgot to input all entries for food.";

// The reminder a table's Add shows for an empty input.
const char* reminderFor(TableId table);

}  // namespace jubilo
