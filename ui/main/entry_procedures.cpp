#include "ui/main/entry_procedures.h"

#include <QCoreApplication>

#include <stdexcept>

namespace jubilo {

namespace {

using namespace locations;
using W = MainWindowWidgets;

constexpr AddProcedure kAdds[] = {
    {TableId::Guests,
     &W::addGuestButton,
     {&W::guestNameBox, &W::guestAddressBox, &W::rsvpChoice, &W::numberInPartyBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for guest."),
     kAddGuestClick,
     {{106, 108, 110}, {112, 114, 0, 116}, 118}},
    {TableId::Music,
     &W::addMusicButton,
     {&W::musicTypeBox, &W::musicFormatBox, &W::musicPurchasedChoice, &W::musicAmountBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for music."),
     kAddMusicClick,
     {{106, 108, 110}, {112, 114, 0, 116}, 118}},
    {TableId::Decorations,
     &W::addDecorationButton,
     {&W::decorationTypeBox, &W::decorationNumberBox, &W::decorationPurchasedChoice, &W::decorationAmountBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for decorations."),
     kAddDecorationClick,
     {{106, 108, 110}, {112, 114, 0, 116}, 118}},
    {TableId::Incidentals,
     &W::addIncidentalButton,
     {&W::incidentalNameBox, &W::incidentalPurchasedChoice, &W::incidentalAmountBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for incidentals."),
     kAddIncidentalClick,
     {{106, 108, 0}, {110, 0, 112, 0}, 114}},
    {TableId::Ingredients,
     &W::addIngredientButton,
     {&W::ingredientBox, &W::ingredientPurchasedChoice, &W::ingredientAmountBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for ingredients."),
     kAddIngredientClick,
     {{106, 108, 0}, {110, 0, 112, 0}, 114}},
    {TableId::OtherSupplies,
     &W::addOtherSupplyButton,
     {&W::otherSupplyNameBox, &W::otherSupplyPurchasedChoice, &W::otherSupplyAmountBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for other supplies."),
     kAddOtherSupplyClick,
     {{106, 108, 0}, {110, 0, 112, 0}, 114}},
    {TableId::Schedules,
     &W::addScheduleButton,
     {&W::taskBox, &W::taskTimeBox, &W::taskNotesBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for schedules."),
     kAddScheduleClick,
     {{106, 108, 0}, {110, 112, 114, 0}, 116}},
    {TableId::Activities,
     &W::addActivityButton,
     {&W::activityBox, &W::activityTimeBox, &W::activityNotesBox},
     QT_TRANSLATE_NOOP("EntryReminders", "You forgot to input all entries for activities."),
     kAddActivityClick,
     {{106, 108, 0}, {110, 112, 114, 0}, 116}},
};

constexpr DeleteProcedure kDeletes[] = {
    {TableId::Guests, &W::deleteGuestButton, kDeleteGuestClick},
    {TableId::Music, &W::deleteMusicButton, kDeleteMusicClick},
    {TableId::Decorations, &W::deleteDecorationButton, kDeleteDecorationClick},
    {TableId::Incidentals, &W::deleteIncidentalButton, kDeleteIncidentalClick},
    {TableId::Ingredients, &W::deleteIngredientButton, kDeleteIngredientClick},
    {TableId::FoodAndDrinks, &W::deleteFoodButton, kDeleteFoodClick},
    {TableId::OtherSupplies, &W::deleteOtherSupplyButton, kDeleteOtherSupplyClick},
    {TableId::Schedules, &W::deleteScheduleButton, kDeleteScheduleClick},
    {TableId::Activities, &W::deleteActivityButton, kDeleteActivityClick},
};

}  // namespace

std::span<const AddProcedure> addProcedures() { return kAdds; }

std::span<const DeleteProcedure> deleteProcedures() { return kDeletes; }

QString shownReminder(const char* reminder) { return QCoreApplication::translate("EntryReminders", reminder); }

QString reminderFor(TableId table)
{
    if (table == TableId::FoodAndDrinks)
        return shownReminder(kFoodReminder);
    for (const AddProcedure& add : kAdds) {
        if (add.table == table)
            return shownReminder(add.reminder);
    }
    throw std::out_of_range("No reminder for this table");
}

std::vector<QLineEdit*> textBoxesOf(const MainWindowWidgets& widgets, const AddProcedure& procedure)
{
    std::vector<QLineEdit*> boxes;
    for (const EntryInput& input : procedure.cells) {
        if (const auto* box = std::get_if<WidgetMember<QLineEdit>>(&input))
            boxes.push_back(widgets.**box);
    }
    return boxes;
}

}  // namespace jubilo
