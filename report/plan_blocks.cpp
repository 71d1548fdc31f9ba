#include "report/plan_blocks.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

using K = BlockKind;
using T = TableId;

constexpr PlanBlock kBlocks[] = {
    {QT_TRANSLATE_NOOP("PlanSheet", "Guests"),
     K::FourColumnList,
     T::Guests,
     {QT_TRANSLATE_NOOP("PlanSheet", "Address Invitation Was Sent To"), QT_TRANSLATE_NOOP("PlanSheet", "RSVP?"),
      QT_TRANSLATE_NOOP("PlanSheet", "Number in Party")},
     std::nullopt,
     false,
     false,
     'E'},
    {QT_TRANSLATE_NOOP("PlanSheet", "Music"),
     K::FourColumnList,
     T::Music,
     {QT_TRANSLATE_NOOP("PlanSheet", "Format"), QT_TRANSLATE_NOOP("PlanSheet", "Purchased?"), nullptr},
     BudgetId::Music,
     true,
     false,
     'F'},
    {QT_TRANSLATE_NOOP("PlanSheet", "Decorations"),
     K::FourColumnList,
     T::Decorations,
     {QT_TRANSLATE_NOOP("PlanSheet", "Number"), QT_TRANSLATE_NOOP("PlanSheet", "Purchased?"), nullptr},
     BudgetId::Decoration,
     true,
     false,
     'F'},
    {QT_TRANSLATE_NOOP("PlanSheet", "Food and Drinks"),
     K::FourColumnList,
     T::FoodAndDrinks,
     {QT_TRANSLATE_NOOP("PlanSheet", "Ingredients"), QT_TRANSLATE_NOOP("PlanSheet", "Purchased?"), nullptr},
     BudgetId::Food,
     true,
     true,
     'F'},
    {QT_TRANSLATE_NOOP("PlanSheet", "Other Supplies"),
     K::ThreeColumnList,
     T::OtherSupplies,
     {nullptr, QT_TRANSLATE_NOOP("PlanSheet", "Purchased?"), nullptr},
     BudgetId::OtherSupply,
     true,
     false,
     'F'},
    {QT_TRANSLATE_NOOP("PlanSheet", "Incidentals"),
     K::ThreeColumnList,
     T::Incidentals,
     {nullptr, QT_TRANSLATE_NOOP("PlanSheet", "Purchased?"), nullptr},
     BudgetId::Incidental,
     true,
     false,
     'F'},
    {QT_TRANSLATE_NOOP("PlanSheet", "Schedule"),
     K::Timeline,
     T::Schedules,
     {QT_TRANSLATE_NOOP("PlanSheet", "Task"), QT_TRANSLATE_NOOP("PlanSheet", "Time"),
      QT_TRANSLATE_NOOP("PlanSheet", "Notes")},
     std::nullopt,
     false,
     false,
     'F'},
    {QT_TRANSLATE_NOOP("PlanSheet", "At The Party"),
     K::Timeline,
     T::Activities,
     {QT_TRANSLATE_NOOP("PlanSheet", "Activity"), QT_TRANSLATE_NOOP("PlanSheet", "Time"),
      QT_TRANSLATE_NOOP("PlanSheet", "Notes")},
     std::nullopt,
     false,
     false,
     'F'},
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

QString sheetText(const char* english) { return QCoreApplication::translate("PlanSheet", english); }

}  // namespace jubilo
