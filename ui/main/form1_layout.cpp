#include "ui/main/form1_layout.h"

#include <stdexcept>
#include <vector>

namespace jubilo {

namespace {

using K = ElementKind;
using W = MainWindowWidgets;
using Element = FormElement<W>;

// Elements come after their parents; the order is also the focus order.
constexpr Element kTopElements[] = {
    {"PushButton1", K::Button, nullptr, "Start Creating Template", 120, 120, 4680, 405,
     &W::startCreatingTemplateButton},
    {"PushButton14", K::Button, nullptr, "Help", 4920, 120, 4680, 405, &W::helpButton},
    {"PushButton21", K::Button, nullptr, "Load Sample/Example Data", 9720, 120, 4680, 405,
     &W::loadSampleDataButton},
    {"Frame13", K::Frame, nullptr, "Date", 120, 600, 7080, 830},
    {"txtDate", K::TextBox, "Frame13", nullptr, 240, 300, 6600, 345, &W::dateBox},
    {"SSTab1", K::TabStrip, nullptr, nullptr, 120, 1620, 7080, 4155, &W::leftTabs},
    {"SSTab2", K::TabStrip, nullptr, nullptr, 7320, 645, 7080, 5145, &W::rightTabs},
};

// A label left of the input it names. Labels stand 60 twips lower than
// their inputs.
struct LabelledInput {
    const char* label;
    const char* caption;
    int labelLeft, labelWidth;
    const char* input;
    ElementKind kind;
    int left, top, width;
    ElementSlot<W> slot;
};

constexpr int kLabelHeight = 225;
constexpr int kLabelDrop = 60;
constexpr int kInputHeight = 345;

// A table's tab: a frame of labelled inputs (and any further elements of
// the frame), the budget when the tab has one, then Add and Delete side by
// side with the table's list below them.
struct TableTab {
    const char* strip;
    const char* page;
    WidgetMember<QWidget> pageSlot;  // nullptr: not kept
    const char* caption;
    const char* frame;
    int frameHeight;
    std::span<const LabelledInput> inputs;
    std::span<const Element> moreInFrame;
    const char* budgetLabel;  // nullptr: no budget on this tab
    const char* budgetBox;
    WidgetMember<QLineEdit> budgetSlot;
    const char* addButton;
    const char* deleteButton;
    int buttonsTop;
    WidgetMember<QPushButton> addSlot, deleteSlot;
    const char* list;
    int listTop, listHeight;
    WidgetMember<QTreeView> listSlot;
};

constexpr LabelledInput kGuestInputs[] = {
    {"lblGuestName", "Name:", 120, 765, "txtGuestName", K::TextBox, 945, 270, 5595, &W::guestNameBox},
    {"lblAddress", "Address:", 120, 765, "txtAddress", K::TextBox, 945, 765, 5595, &W::guestAddressBox},
    {"lblRSVP", "RSVP:", 120, 765, "cboRSVP", K::DropDown, 945, 1260, 1860, &W::rsvpChoice},
    {"lblNumberParty", "Number in Party:", 2925, 1695, "txtNumberParty", K::TextBox, 4680, 1260, 1860,
     &W::numberInPartyBox},
};

constexpr LabelledInput kMusicInputs[] = {
    {"lblMusicType", "Music Type:", 120, 1020, "txtMusicType", K::TextBox, 1200, 270, 2220, &W::musicTypeBox},
    {"lblMusicFormat", "Format:", 3540, 720, "txtMusicFormat", K::TextBox, 4320, 270, 2220, &W::musicFormatBox},
    {"lblMusicPurchased", "Purchased:", 120, 990, "cboMusicPurchased", K::DropDown, 1170, 765, 2220,
     &W::musicPurchasedChoice},
    {"lblMusicAmount", "Amount:", 3510, 750, "txtMusicAmount", K::TextBox, 4320, 765, 2220, &W::musicAmountBox},
};

constexpr LabelledInput kDecorationInputs[] = {
    {"lblDecorationType", "Type:", 120, 990, "txtDecorationType", K::TextBox, 1170, 270, 2220,
     &W::decorationTypeBox},
    {"lblNumberOfDecorations", "Number:", 3510, 750, "txtNumberOfDecorations", K::TextBox, 4320, 270, 2220,
     &W::decorationNumberBox},
    {"lblDecorationPurchased", "Purchased:", 120, 990, "cboDecorationPurchased", K::DropDown, 1170, 765, 2220,
     &W::decorationPurchasedChoice},
    {"lblDecorationAmount", "Amount:", 3510, 750, "txtDecorationAmount", K::TextBox, 4320, 765, 2220,
     &W::decorationAmountBox},
};

constexpr LabelledInput kIncidentalInputs[] = {
    {"lblIncidentalName", "Name:", 120, 990, "txtIncidentalName", K::TextBox, 1170, 270, 5370,
     &W::incidentalNameBox},
    {"lblIncidentalPurchased", "Purchased:", 120, 990, "cboIncidentalPurchased", K::DropDown, 1170, 765, 2220,
     &W::incidentalPurchasedChoice},
    {"lblIncidentalAmount", "Amount:", 3510, 750, "txtIncidentalAmount", K::TextBox, 4320, 765, 2220,
     &W::incidentalAmountBox},
};

constexpr LabelledInput kFoodInputs[] = {
    {"lblFoodName", "Food and Drinks Name:", 45, 2055, "txtFoodName", K::TextBox, 2115, 225, 1860,
     &W::foodNameBox},
};

// The food's budget and the Ingredients frame, with its own Add, Delete
// and list, share the food's frame.
constexpr Element kMoreFoodElements[] = {
    {"lblFoodBudget", K::Label, "frameFood", "Budget:", 4410, 300, 705, 225},
    {"txtFoodBudget", K::TextBox, "frameFood", nullptr, 5130, 225, 1365, 345, &W::foodBudgetBox},
    {"frameIngredients", K::Frame, "frameFood", "Ingredients", 135, 585, 6405, 2445},
    {"lblIngredients", K::Label, "frameIngredients", "Ingredients:", 120, 285, 1080, 225},
    {"txtIngredients", K::TextBox, "frameIngredients", nullptr, 1260, 225, 4965, 345, &W::ingredientBox},
    {"lblFoodPurchased", K::Label, "frameIngredients", "Purchased:", 120, 735, 1080, 225},
    {"cboFoodPurchased", K::DropDown, "frameIngredients", nullptr, 1260, 675, 1860, 345,
     &W::ingredientPurchasedChoice},
    {"lblFoodAmount", K::Label, "frameIngredients", "Amount:", 3240, 735, 1065, 225},
    {"txtFoodAmount", K::TextBox, "frameIngredients", nullptr, 4365, 675, 1860, 345, &W::ingredientAmountBox},
    {"PushButton4", K::Button, "frameIngredients", "Add", 180, 1080, 2940, 400, &W::addIngredientButton},
    {"PushButton5", K::Button, "frameIngredients", "Delete", 3285, 1080, 2940, 400, &W::deleteIngredientButton},
    {"lvwIngredients", K::List, "frameIngredients", nullptr, 180, 1530, 6045, 780, &W::ingredientsList},
};

constexpr LabelledInput kOtherSupplyInputs[] = {
    {"lblOtherSupply", "Name:", 120, 990, "txtOtherSupply", K::TextBox, 1170, 270, 5370, &W::otherSupplyNameBox},
    {"lblOtherSupplyPurchased", "Purchased:", 120, 990, "cboOtherSupplyPurchased", K::DropDown, 1170, 765, 2220,
     &W::otherSupplyPurchasedChoice},
    {"lblOtherSupplyAmount", "Amount:", 3510, 750, "txtOtherSupplyAmount", K::TextBox, 4320, 765, 2220,
     &W::otherSupplyAmountBox},
};

constexpr LabelledInput kScheduleInputs[] = {
    {"lblTask", "Task:", 120, 540, "txtTask", K::TextBox, 720, 270, 5820, &W::taskBox},
    {"lblTaskTime", "Time:", 120, 540, "txtTaskTime", K::TextBox, 720, 765, 2220, &W::taskTimeBox},
    {"lblTaskNotes", "Notes:", 3060, 1200, "txtTaskNotes", K::TextBox, 4320, 765, 2220, &W::taskNotesBox},
};

constexpr LabelledInput kActivityInputs[] = {
    {"lblActivity", "Activity:", 45, 795, "txtActivity", K::TextBox, 855, 270, 5685, &W::activityBox},
    {"lblActivityTime", "Time:", 120, 675, "txtActivityTime", K::TextBox, 855, 765, 2220, &W::activityTimeBox},
    {"lblActivityNotes", "Notes:", 3195, 1065, "txtActivityNotes", K::TextBox, 4320, 765, 2220,
     &W::activityNotesBox},
};

// One row a tab, in the order of the strips' tabs.
constexpr TableTab kTabs[] = {
    {"SSTab1", "pageGuests", &W::guestsPage, "Guests", "frameGuests", 1770, kGuestInputs, {}, nullptr, nullptr, nullptr,
     "PushButton2", "PushButton3", 1935, &W::addGuestButton, &W::deleteGuestButton,
     "lvwGuests", 2430, 1230, &W::guestsList},
    {"SSTab1", "pageMusic", nullptr, "Music", "frameMusic", 1320, kMusicInputs, {},
     "lblMusicBudget", "txtMusicBudget", &W::musicBudgetBox,
     "PushButton15", "PushButton16", 1935, &W::addMusicButton, &W::deleteMusicButton,
     "lvwMusics", 2430, 1230, &W::musicList},
    {"SSTab1", "pageDecorations", nullptr, "Decorations", "frameDecorations", 1320, kDecorationInputs, {},
     "lblDecorationBudget", "txtDecorationBudget", &W::decorationBudgetBox,
     "PushButton17", "PushButton18", 1935, &W::addDecorationButton, &W::deleteDecorationButton,
     "lvwDecorations", 2430, 1230, &W::decorationsList},
    {"SSTab1", "pageIncidentals", nullptr, "Incidentals", "frameIncidentals", 1320, kIncidentalInputs, {},
     "lblIncidentalBudget", "txtIncidentalBudget", &W::incidentalBudgetBox,
     "PushButton19", "PushButton20", 1935, &W::addIncidentalButton, &W::deleteIncidentalButton,
     "lvwIncidentals", 2430, 1230, &W::incidentalsList},
    {"SSTab2", "pageFood", nullptr, "Food && Drinks", "frameFood", 3120, kFoodInputs, kMoreFoodElements,
     nullptr, nullptr, nullptr,
     "PushButton6", "PushButton7", 3240, &W::addFoodButton, &W::deleteFoodButton,
     "lvwFoodAndDrinks", 3690, 1005, &W::foodList},
    {"SSTab2", "pageOtherSupplies", nullptr, "Other Supplies", "frameOtherSupplies", 1320, kOtherSupplyInputs, {},
     "lblOtherSupplyBudget", "txtOtherSupplyBudget", &W::otherSupplyBudgetBox,
     "PushButton8", "PushButton9", 1935, &W::addOtherSupplyButton, &W::deleteOtherSupplyButton,
     "lvwOtherSupplies", 2430, 2265, &W::otherSuppliesList},
    {"SSTab2", "pageSchedules", nullptr, "Schedules", "frameSchedules", 1320, kScheduleInputs, {}, nullptr, nullptr, nullptr,
     "PushButton10", "PushButton11", 1440, &W::addScheduleButton, &W::deleteScheduleButton,
     "lvwSchedules", 1935, 2760, &W::schedulesList},
    {"SSTab2", "pageActivities", nullptr, "At The Party", "frameActivities", 1320, kActivityInputs, {},
     nullptr, nullptr, nullptr,
     "PushButton12", "PushButton13", 1440, &W::addActivityButton, &W::deleteActivityButton,
     "lvwActivities", 1935, 2760, &W::activitiesList},
};

void appendTab(std::vector<Element>& elements, const TableTab& tab)
{
    // Tab pages take their place from the strip.
    const ElementSlot<W> pageSlot = tab.pageSlot ? ElementSlot<W>(tab.pageSlot) : ElementSlot<W>();
    elements.push_back({tab.page, K::TabPage, tab.strip, tab.caption, 0, 0, 0, 0, pageSlot});
    elements.push_back({tab.frame, K::Frame, tab.page, nullptr, 90, 45, 6720, tab.frameHeight});
    for (const LabelledInput& in : tab.inputs) {
        elements.push_back({in.label, K::Label, tab.frame, in.caption, in.labelLeft, in.top + kLabelDrop,
                            in.labelWidth, kLabelHeight});
        elements.push_back({in.input, in.kind, tab.frame, nullptr, in.left, in.top, in.width, kInputHeight,
                            in.slot});
    }
    elements.insert(elements.end(), tab.moreInFrame.begin(), tab.moreInFrame.end());
    if (tab.budgetLabel) {
        elements.push_back({tab.budgetLabel, K::Label, tab.page, "Budget:", 90, 1515, 705, kLabelHeight});
        elements.push_back({tab.budgetBox, K::TextBox, tab.page, nullptr, 810, 1470, 5980, kInputHeight,
                            tab.budgetSlot});
    }
    elements.push_back({tab.addButton, K::Button, tab.page, "Add", 90, tab.buttonsTop, 3300, 400, tab.addSlot});
    elements.push_back(
        {tab.deleteButton, K::Button, tab.page, "Delete", 3510, tab.buttonsTop, 3300, 400, tab.deleteSlot});
    elements.push_back({tab.list, K::List, tab.page, nullptr, 90, tab.listTop, 6720, tab.listHeight, tab.listSlot});
}

std::vector<Element> form1Elements()
{
    std::vector<Element> elements(std::begin(kTopElements), std::end(kTopElements));
    for (const TableTab& tab : kTabs)
        appendTab(elements, tab);
    return elements;
}

struct TableList {
    TableId table;
    WidgetMember<QTreeView> list;
};

constexpr TableList kTableLists[] = {
    {TableId::Guests, &W::guestsList},
    {TableId::Music, &W::musicList},
    {TableId::Decorations, &W::decorationsList},
    {TableId::FoodAndDrinks, &W::foodList},
    {TableId::Ingredients, &W::ingredientsList},
    {TableId::OtherSupplies, &W::otherSuppliesList},
    {TableId::Incidentals, &W::incidentalsList},
    {TableId::Schedules, &W::schedulesList},
    {TableId::Activities, &W::activitiesList},
};

struct BudgetBox {
    BudgetId budget;
    WidgetMember<QLineEdit> box;
};

constexpr BudgetBox kBudgetBoxes[] = {
    {BudgetId::Music, &W::musicBudgetBox},
    {BudgetId::Decoration, &W::decorationBudgetBox},
    {BudgetId::Incidental, &W::incidentalBudgetBox},
    {BudgetId::Food, &W::foodBudgetBox},
    {BudgetId::OtherSupply, &W::otherSupplyBudgetBox},
};

}  // namespace

MainWindowWidgets buildForm1(QWidget& window)
{
    static const std::vector<Element> elements = form1Elements();
    return buildForm<W>(window, elements);
}

QTreeView& tableList(const MainWindowWidgets& widgets, TableId table)
{
    for (const TableList& entry : kTableLists) {
        if (entry.table == table)
            return *(widgets.*entry.list);
    }
    throw std::out_of_range("No list shows this table");
}

QLineEdit& budgetBox(const MainWindowWidgets& widgets, BudgetId budget)
{
    for (const BudgetBox& entry : kBudgetBoxes) {
        if (entry.budget == budget)
            return *(widgets.*entry.box);
    }
    throw std::out_of_range("No box holds this budget");
}

}  // namespace jubilo
