#pragma once
// The add and delete procedures of the nine tables, as data.

#include "model/plan_tables.h"
#include "trap/error_location.h"

#include <array>
#include <span>

namespace jubilo {

// Adds one row from the tab's inputs. Every source must be filled; cell c
// comes from cells[c] (a "cbo" name is a drop-down whose chosen item is
// taken); the emptied boxes are cleared afterwards.
struct AddProcedure {
    TableId table;
    const char* button;
    std::array<const char*, 4> cells;    // the first columnCount are used
    std::array<const char*, 3> emptied;  // nullptr ends the list
    const char* reminder;
    ErrorLocation location;
};

struct DeleteProcedure {
    TableId table;
    const char* button;
    ErrorLocation location;
};

// The eight tables that take one row from their own inputs.
std::span<const AddProcedure> addProcedures();
std::span<const DeleteProcedure> deleteProcedures();

// Food and Drinks: one row per Ingredients row, under the dish's name.
inline constexpr char kFoodAddButton[] = "PushButton6";
inline constexpr char kFoodNameBox[] = "txtFoodName";
inline constexpr char kFoodReminder[] = "You forgot to input all entries for food.";

}  // namespace jubilo
