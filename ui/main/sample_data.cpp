#include "ui/main/sample_data.h"

namespace jubilo {

namespace {

using T = TableId;
using W = MainWindowWidgets;

constexpr SampleStep kSteps[] = {
    {100, T::Guests, {"John", "NY City", "Yes", "1"}, nullptr, nullptr},
    {108, T::Music, {"Dance", "CD", "No", "9.99"}, nullptr, nullptr},
    {116, T::Music, {}, &W::musicBudgetBox, "15.00"},
    {118, T::Decorations, {"Garland", "3", "Yes", "3.04"}, nullptr, nullptr},
    {126, T::Decorations, {}, &W::decorationBudgetBox, "25.00"},
    {128, T::Incidentals, {"Other", "No", "0.00"}, nullptr, nullptr},
    {134, T::Incidentals, {}, &W::incidentalBudgetBox, "20.00"},
    {136, T::Ingredients, {"Meat", "Yes", "20.00"}, nullptr, nullptr},
    {142, T::FoodAndDrinks, {}, &W::foodBudgetBox, "50.00"},
    {144, T::FoodAndDrinks, {}, &W::foodNameBox, "Barbeque"},
    {146, T::FoodAndDrinks, {"Barbeque", "Meat", "Yes", "20.00"}, nullptr, nullptr},
    {154, T::OtherSupplies, {"Lights", "Yes", "14.99"}, nullptr, nullptr},
    {160, T::OtherSupplies, {}, &W::otherSupplyBudgetBox, "30.00"},
    {162, T::Schedules, {"Buy meals", "11:10 AM", "Nearest store"}, nullptr, nullptr},
    {168, T::Activities, {"Dancing", "07:00 PM", "If guests want to"}, nullptr, nullptr},
};

}  // namespace

std::span<const SampleStep> sampleSteps() { return kSteps; }

}  // namespace jubilo
