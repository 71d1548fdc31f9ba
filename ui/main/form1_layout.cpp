#include "ui/main/form1_layout.h"

namespace jubilo {

namespace {

using K = ElementKind;

// Elements come after their parents. Labels sit left of their inputs.
constexpr FormElement kElements[] = {
    {"PushButton1", K::Button, nullptr, "Start Creating Template", 120, 120, 4680, 405},
    {"PushButton14", K::Button, nullptr, "Help", 4920, 120, 4680, 405},
    {"PushButton21", K::Button, nullptr, "Load Sample/Example Data", 9720, 120, 4680, 405},
    {"Frame13", K::Frame, nullptr, "Date", 120, 600, 7080, 830},
    {"txtDate", K::TextBox, "Frame13", nullptr, 240, 300, 6600, 345},
    {"SSTab1", K::TabStrip, nullptr, nullptr, 120, 1620, 7080, 4155},
    {"SSTab2", K::TabStrip, nullptr, nullptr, 7320, 645, 7080, 5145},

    // SSTab1, "Guests"
    {"pageGuests", K::TabPage, "SSTab1", "Guests", 45, 315, 6980, 3795},
    {"frameGuests", K::Frame, "pageGuests", nullptr, 90, 45, 6720, 1770},
    {"lblGuestName", K::Label, "frameGuests", "Name:", 120, 330, 765, 225},
    {"txtGuestName", K::TextBox, "frameGuests", nullptr, 945, 270, 5595, 345},
    {"lblAddress", K::Label, "frameGuests", "Address:", 120, 825, 765, 225},
    {"txtAddress", K::TextBox, "frameGuests", nullptr, 945, 765, 5595, 345},
    {"lblRSVP", K::Label, "frameGuests", "RSVP:", 120, 1320, 765, 225},
    {"cboRSVP", K::DropDown, "frameGuests", nullptr, 945, 1260, 1860, 345},
    {"lblNumberParty", K::Label, "frameGuests", "Number in Party:", 2925, 1320, 1695, 225},
    {"txtNumberParty", K::TextBox, "frameGuests", nullptr, 4680, 1260, 1860, 345},
    {"PushButton2", K::Button, "pageGuests", "Add", 90, 1935, 3300, 400},
    {"PushButton3", K::Button, "pageGuests", "Delete", 3510, 1935, 3300, 400},
    {"lvwGuests", K::List, "pageGuests", nullptr, 90, 2430, 6720, 1230},

    // SSTab1, "Music"
    {"pageMusic", K::TabPage, "SSTab1", "Music", 45, 315, 6945, 3795},
    {"frameMusic", K::Frame, "pageMusic", nullptr, 90, 45, 6720, 1320},
    {"lblMusicType", K::Label, "frameMusic", "Music Type:", 120, 330, 1020, 225},
    {"txtMusicType", K::TextBox, "frameMusic", nullptr, 1200, 270, 2220, 345},
    {"lblMusicFormat", K::Label, "frameMusic", "Format:", 3540, 330, 720, 225},
    {"txtMusicFormat", K::TextBox, "frameMusic", nullptr, 4320, 270, 2220, 345},
    {"lblMusicPurchased", K::Label, "frameMusic", "Purchased:", 120, 825, 990, 225},
    {"cboMusicPurchased", K::DropDown, "frameMusic", nullptr, 1170, 765, 2220, 345},
    {"lblMusicAmount", K::Label, "frameMusic", "Amount:", 3510, 825, 750, 225},
    {"txtMusicAmount", K::TextBox, "frameMusic", nullptr, 4320, 765, 2220, 345},
    {"lblMusicBudget", K::Label, "pageMusic", "Budget:", 90, 1515, 705, 225},
    {"txtMusicBudget", K::TextBox, "pageMusic", nullptr, 810, 1470, 5980, 345},
    {"PushButton15", K::Button, "pageMusic", "Add", 90, 1935, 3300, 400},
    {"PushButton16", K::Button, "pageMusic", "Delete", 3510, 1935, 3300, 400},
    {"lvwMusics", K::List, "pageMusic", nullptr, 90, 2430, 6720, 1230},

    // SSTab1, "Decorations"
    {"pageDecorations", K::TabPage, "SSTab1", "Decorations", 45, 315, 6945, 3795},
    {"frameDecorations", K::Frame, "pageDecorations", nullptr, 90, 45, 6720, 1320},
    {"lblDecorationType", K::Label, "frameDecorations", "Type:", 120, 330, 990, 225},
    {"txtDecorationType", K::TextBox, "frameDecorations", nullptr, 1170, 270, 2220, 345},
    {"lblNumberOfDecorations", K::Label, "frameDecorations", "Number:", 3510, 330, 750, 225},
    {"txtNumberOfDecorations", K::TextBox, "frameDecorations", nullptr, 4320, 270, 2220, 345},
    {"lblDecorationPurchased", K::Label, "frameDecorations", "Purchased:", 120, 825, 990, 225},
    {"cboDecorationPurchased", K::DropDown, "frameDecorations", nullptr, 1170, 765, 2220, 345},
    {"lblDecorationAmount", K::Label, "frameDecorations", "Amount:", 3510, 825, 750, 225},
    {"txtDecorationAmount", K::TextBox, "frameDecorations", nullptr, 4320, 765, 2220, 345},
    {"lblDecorationBudget", K::Label, "pageDecorations", "Budget:", 90, 1515, 705, 225},
    {"txtDecorationBudget", K::TextBox, "pageDecorations", nullptr, 810, 1470, 5980, 345},
    {"PushButton17", K::Button, "pageDecorations", "Add", 90, 1935, 3300, 400},
    {"PushButton18", K::Button, "pageDecorations", "Delete", 3510, 1935, 3300, 400},
    {"lvwDecorations", K::List, "pageDecorations", nullptr, 90, 2430, 6720, 1230},

    // SSTab1, "Incidentals"
    {"pageIncidentals", K::TabPage, "SSTab1", "Incidentals", 45, 315, 6945, 3795},
    {"frameIncidentals", K::Frame, "pageIncidentals", nullptr, 90, 45, 6720, 1320},
    {"lblIncidentalName", K::Label, "frameIncidentals", "Name:", 120, 330, 990, 225},
    {"txtIncidentalName", K::TextBox, "frameIncidentals", nullptr, 1170, 270, 5370, 345},
    {"lblIncidentalPurchased", K::Label, "frameIncidentals", "Purchased:", 120, 825, 990, 225},
    {"cboIncidentalPurchased", K::DropDown, "frameIncidentals", nullptr, 1170, 765, 2220, 345},
    {"lblIncidentalAmount", K::Label, "frameIncidentals", "Amount:", 3510, 825, 750, 225},
    {"txtIncidentalAmount", K::TextBox, "frameIncidentals", nullptr, 4320, 765, 2220, 345},
    {"lblIncidentalBudget", K::Label, "pageIncidentals", "Budget:", 90, 1515, 705, 225},
    {"txtIncidentalBudget", K::TextBox, "pageIncidentals", nullptr, 810, 1470, 5980, 345},
    {"PushButton19", K::Button, "pageIncidentals", "Add", 90, 1935, 3300, 400},
    {"PushButton20", K::Button, "pageIncidentals", "Delete", 3510, 1935, 3300, 400},
    {"lvwIncidentals", K::List, "pageIncidentals", nullptr, 90, 2430, 6720, 1230},

    // SSTab2, "Food && Drinks"
    {"pageFood", K::TabPage, "SSTab2", "Food && Drinks", 45, 315, 6980, 4785},
    {"frameFood", K::Frame, "pageFood", nullptr, 90, 45, 6720, 3120},
    {"lblFoodName", K::Label, "frameFood", "Food and Drinks Name:", 45, 285, 2055, 225},
    {"txtFoodName", K::TextBox, "frameFood", nullptr, 2115, 225, 1860, 345},
    {"lblFoodBudget", K::Label, "frameFood", "Budget:", 4410, 300, 705, 225},
    {"txtFoodBudget", K::TextBox, "frameFood", nullptr, 5130, 225, 1365, 345},
    {"frameIngredients", K::Frame, "frameFood", "Ingredients", 135, 585, 6405, 2445},
    {"lblIngredients", K::Label, "frameIngredients", "Ingredients:", 120, 285, 1080, 225},
    {"txtIngredients", K::TextBox, "frameIngredients", nullptr, 1260, 225, 4965, 345},
    {"lblFoodPurchased", K::Label, "frameIngredients", "Purchased:", 120, 735, 1080, 225},
    {"cboFoodPurchased", K::DropDown, "frameIngredients", nullptr, 1260, 675, 1860, 345},
    {"lblFoodAmount", K::Label, "frameIngredients", "Amount:", 3240, 735, 1065, 225},
    {"txtFoodAmount", K::TextBox, "frameIngredients", nullptr, 4365, 675, 1860, 345},
    {"PushButton4", K::Button, "frameIngredients", "Add", 180, 1080, 2940, 400},
    {"PushButton5", K::Button, "frameIngredients", "Delete", 3285, 1080, 2940, 400},
    {"lvwIngredients", K::List, "frameIngredients", nullptr, 180, 1530, 6045, 780},
    {"PushButton6", K::Button, "pageFood", "Add", 90, 3240, 3300, 400},
    {"PushButton7", K::Button, "pageFood", "Delete", 3510, 3240, 3300, 400},
    {"lvwFoodAndDrinks", K::List, "pageFood", nullptr, 90, 3690, 6720, 1005},

    // SSTab2, "Other Supplies"
    {"pageOtherSupplies", K::TabPage, "SSTab2", "Other Supplies", 45, 315, 6945, 4785},
    {"frameOtherSupplies", K::Frame, "pageOtherSupplies", nullptr, 90, 45, 6720, 1320},
    {"lblOtherSupply", K::Label, "frameOtherSupplies", "Name:", 120, 330, 990, 225},
    {"txtOtherSupply", K::TextBox, "frameOtherSupplies", nullptr, 1170, 270, 5370, 345},
    {"lblOtherSupplyPurchased", K::Label, "frameOtherSupplies", "Purchased:", 120, 825, 990, 225},
    {"cboOtherSupplyPurchased", K::DropDown, "frameOtherSupplies", nullptr, 1170, 765, 2220, 345},
    {"lblOtherSupplyAmount", K::Label, "frameOtherSupplies", "Amount:", 3510, 825, 750, 225},
    {"txtOtherSupplyAmount", K::TextBox, "frameOtherSupplies", nullptr, 4320, 765, 2220, 345},
    {"lblOtherSupplyBudget", K::Label, "pageOtherSupplies", "Budget:", 90, 1515, 705, 225},
    {"txtOtherSupplyBudget", K::TextBox, "pageOtherSupplies", nullptr, 810, 1470, 5980, 345},
    {"PushButton8", K::Button, "pageOtherSupplies", "Add", 90, 1935, 3300, 400},
    {"PushButton9", K::Button, "pageOtherSupplies", "Delete", 3510, 1935, 3300, 400},
    {"lvwOtherSupplies", K::List, "pageOtherSupplies", nullptr, 90, 2430, 6720, 2265},

    // SSTab2, "Schedules"
    {"pageSchedules", K::TabPage, "SSTab2", "Schedules", 45, 315, 6945, 4785},
    {"frameSchedules", K::Frame, "pageSchedules", nullptr, 90, 45, 6720, 1320},
    {"lblTask", K::Label, "frameSchedules", "Task:", 120, 330, 540, 225},
    {"txtTask", K::TextBox, "frameSchedules", nullptr, 720, 270, 5820, 345},
    {"lblTaskTime", K::Label, "frameSchedules", "Time:", 120, 825, 540, 225},
    {"txtTaskTime", K::TextBox, "frameSchedules", nullptr, 720, 765, 2220, 345},
    {"lblTaskNotes", K::Label, "frameSchedules", "Notes:", 3060, 825, 1200, 225},
    {"txtTaskNotes", K::TextBox, "frameSchedules", nullptr, 4320, 765, 2220, 345},
    {"PushButton10", K::Button, "pageSchedules", "Add", 90, 1440, 3300, 400},
    {"PushButton11", K::Button, "pageSchedules", "Delete", 3510, 1440, 3300, 400},
    {"lvwSchedules", K::List, "pageSchedules", nullptr, 90, 1935, 6720, 2760},

    // SSTab2, "At The Party"
    {"pageActivities", K::TabPage, "SSTab2", "At The Party", 45, 315, 6945, 4785},
    {"frameActivities", K::Frame, "pageActivities", nullptr, 90, 45, 6720, 1320},
    {"lblActivity", K::Label, "frameActivities", "Activity:", 45, 330, 795, 225},
    {"txtActivity", K::TextBox, "frameActivities", nullptr, 855, 270, 5685, 345},
    {"lblActivityTime", K::Label, "frameActivities", "Time:", 120, 825, 675, 225},
    {"txtActivityTime", K::TextBox, "frameActivities", nullptr, 855, 765, 2220, 345},
    {"lblActivityNotes", K::Label, "frameActivities", "Notes:", 3195, 825, 1065, 225},
    {"txtActivityNotes", K::TextBox, "frameActivities", nullptr, 4320, 765, 2220, 345},
    {"PushButton12", K::Button, "pageActivities", "Add", 90, 1440, 3300, 400},
    {"PushButton13", K::Button, "pageActivities", "Delete", 3510, 1440, 3300, 400},
    {"lvwActivities", K::List, "pageActivities", nullptr, 90, 1935, 6720, 2760},
};

}  // namespace

std::span<const FormElement> form1Elements()
{
    return kElements;
}

}  // namespace jubilo
