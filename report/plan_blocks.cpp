#include "report/plan_blocks.h"

namespace jubilo {

namespace {

using K = BlockKind;
using T = TableId;

constexpr PlanBlock kBlocks[] = {
    {"Guests",
     K::FourColumnList,
     T::Guests,
     {"Address Invitation Was Sent To", "RSVP?", "Number in Party"},
     std::nullopt,
     false,
     false,
     'E'},
    {"Music", K::FourColumnList, T::Music, {"Format", "Purchased?", nullptr}, BudgetId::Music, true, false, 'F'},
    {"Decorations",
     K::FourColumnList,
     T::Decorations,
     {"Number", "Purchased?", nullptr},
     BudgetId::Decoration,
     true,
     false,
     'F'},
    {"Food and Drinks",
     K::FourColumnList,
     T::FoodAndDrinks,
     {"Ingredients", "Purchased?", nullptr},
     BudgetId::Food,
     true,
     true,
     'F'},
    {"Other Supplies",
     K::ThreeColumnList,
     T::OtherSupplies,
     {nullptr, "Purchased?", nullptr},
     BudgetId::OtherSupply,
     true,
     false,
     'F'},
    {"Incidentals",
     K::ThreeColumnList,
     T::Incidentals,
     {nullptr, "Purchased?", nullptr},
     BudgetId::Incidental,
     true,
     false,
     'F'},
    {"Schedule", K::Timeline, T::Schedules, {"Task", "Time", "Notes"}, std::nullopt, false, false, 'F'},
    {"At The Party", K::Timeline, T::Activities, {"Activity", "Time", "Notes"}, std::nullopt, false, false, 'F'},
};

constexpr ColumnSpan kFourColumns[] = {{'B', 'B'}, {'C', 'D'}, {'E', 'E'}, {'F', 'F'}};
constexpr ColumnSpan kThreeColumns[] = {{'B', 'D'}, {'E', 'E'}, {'F', 'F'}};
constexpr ColumnSpan kTimelineColumns[] = {{'B', 'C'}, {'D', 'E'}, {'F', 'F'}};

}  // namespace

std::span<const PlanBlock> planBlocks() { return kBlocks; }

std::span<const ColumnSpan> dataColumns(BlockKind kind)
{
    switch (kind) {
    case K::FourColumnList:
        return kFourColumns;
    case K::ThreeColumnList:
        return kThreeColumns;
    case K::Timeline:
        return kTimelineColumns;
    }
    return {};
}

}  // namespace jubilo
