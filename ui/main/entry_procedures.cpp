#include "ui/main/entry_procedures.h"

namespace jubilo {

namespace {

using namespace locations;

constexpr AddProcedure kAdds[] = {
    {TableId::Guests, "PushButton2",
     {"txtGuestName", "txtAddress", "cboRSVP", "txtNumberParty"},
     {"txtGuestName", "txtAddress", "txtNumberParty"},
     "You forgot to input all entries for guest.", Form1_PushButton2_Click},
    {TableId::Music, "PushButton15",
     {"txtMusicType", "txtMusicFormat", "cboMusicPurchased", "txtMusicAmount"},
     {"txtMusicType", "txtMusicFormat", "txtMusicAmount"},
     "You forgot to input all entries for music.", Form1_PushButton15_Click},
    {TableId::Decorations, "PushButton17",
     {"txtDecorationType", "txtNumberOfDecorations", "cboDecorationPurchased", "txtDecorationAmount"},
     {"txtDecorationType", "txtNumberOfDecorations", "txtDecorationAmount"},
     "You forgot to input all entries for decorations.", Form1_PushButton17_Click},
    {TableId::Incidentals, "PushButton19",
     {"txtIncidentalName", "cboIncidentalPurchased", "txtIncidentalAmount", nullptr},
     {"txtIncidentalName", "txtIncidentalAmount", nullptr},
     "You forgot to input all entries for incidentals.", Form1_PushButton19_Click},
    {TableId::Ingredients, "PushButton4",
     {"txtIngredients", "cboFoodPurchased", "txtFoodAmount", nullptr},
     {"txtIngredients", "txtFoodAmount", nullptr},
     "You forgot to input all entries for ingredients.", Form1_PushButton4_Click},
    {TableId::OtherSupplies, "PushButton8",
     {"txtOtherSupply", "cboOtherSupplyPurchased", "txtOtherSupplyAmount", nullptr},
     {"txtOtherSupply", "txtOtherSupplyAmount", nullptr},
     "You forgot to input all entries for other supplies.", Form1_PushButton8_Click},
    {TableId::Schedules, "PushButton10",
     {"txtTask", "txtTaskTime", "txtTaskNotes", nullptr},
     {"txtTask", "txtTaskTime", "txtTaskNotes"},
     "You forgot to input all entries for schedules.", Form1_PushButton10_Click},
    {TableId::Activities, "PushButton12",
     {"txtActivity", "txtActivityTime", "txtActivityNotes", nullptr},
     {"txtActivity", "txtActivityTime", "txtActivityNotes"},
     "You forgot to input all entries for activities.", Form1_PushButton12_Click},
};

constexpr DeleteProcedure kDeletes[] = {
    {TableId::Guests, "PushButton3", Form1_chkDeleteGuest_Click},
    {TableId::Music, "PushButton16", Form1_chkDeleteMusic_Click},
    {TableId::Decorations, "PushButton18", Form1_chkDeleteDecorations_Click},
    {TableId::Incidentals, "PushButton20", Form1_chkDeleteIncidentals_Click},
    {TableId::Ingredients, "PushButton5", Form1_chkDeleteIngredients_Click},
    {TableId::FoodAndDrinks, "PushButton7", Form1_chkDeleteFood_Click},
    {TableId::OtherSupplies, "PushButton9", Form1_chkDeleteOtherSupplies_Click},
    {TableId::Schedules, "PushButton11", Form1_chkDeleteSchedules_Click},
    {TableId::Activities, "PushButton13", Form1_chkDeleteActivities_Click},
};

}  // namespace

std::span<const AddProcedure> addProcedures()
{
    return kAdds;
}

std::span<const DeleteProcedure> deleteProcedures()
{
    return kDeletes;
}

}  // namespace jubilo
