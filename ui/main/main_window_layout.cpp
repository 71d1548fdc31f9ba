#include "ui/main/main_window_layout.h"

#include <stdexcept>
#include <vector>

namespace jubilo {

namespace {

using K = ElementKind;
using W = MainWindowWidgets;
using Element = FormElement<W>;

// Elements come after their parents; the order is also the focus order.
// Captions are marked for translation in the form's text context ("Form");
// element names are the names the error box knows them by and stay as
// they are.
constexpr Element kTopElements[] = {
    {"PushButton1", K::Button, nullptr, QT_TRANSLATE_NOOP("Form", "Start Creating Template"), 120, 120, 4680, 405,
     &W::startCreatingTemplateButton},
    {"PushButton14", K::Button, nullptr, QT_TRANSLATE_NOOP("Form", "Help"), 4920, 120, 4680, 405, &W::helpButton},
    {"PushButton21", K::Button, nullptr, QT_TRANSLATE_NOOP("Form", "Load Sample/Example Data"), 9720, 120, 4680, 405,
     &W::loadSampleDataButton},
    {"Frame13", K::Frame, nullptr, QT_TRANSLATE_NOOP("Form", "Date"), 120, 600, 7080, 830, &W::dateFrame},
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
    struct Page {
        const char* strip;
        const char* name;
        const char* caption;
        WidgetMember<QWidget> slot;  // nullptr: not kept
    };
    struct Frame {
        const char* name;
        int height;
        std::span<const LabelledInput> inputs;
        std::span<const Element> more;
    };
    struct Budget {
        const char* label;  // nullptr: no budget on this tab
        const char* box;
        WidgetMember<QLineEdit> slot;
    };
    struct Buttons {
        const char* add;
        WidgetMember<QPushButton> addSlot;
        const char* remove;
        WidgetMember<QPushButton> removeSlot;
        int top;
    };
    struct List {
        const char* name;
        int top, height;
        WidgetMember<QTreeView> slot;
    };

    Page page;
    Frame frame;
    Budget budget;
    Buttons buttons;
    List list;
};

constexpr LabelledInput kGuestInputs[] = {
    {"lblGuestName", QT_TRANSLATE_NOOP("Form", "Name:"), 120, 765, "txtGuestName", K::TextBox, 945, 270, 5595,
     &W::guestNameBox},
    {"lblAddress", QT_TRANSLATE_NOOP("Form", "Address:"), 120, 765, "txtAddress", K::TextBox, 945, 765, 5595,
     &W::guestAddressBox},
    {"lblRSVP", QT_TRANSLATE_NOOP("Form", "RSVP:"), 120, 765, "cboRSVP", K::DropDown, 945, 1260, 1860, &W::rsvpChoice},
    {"lblNumberParty", QT_TRANSLATE_NOOP("Form", "Number in Party:"), 2925, 1695, "txtNumberParty", K::TextBox, 4680,
     1260, 1860, &W::numberInPartyBox},
};

constexpr LabelledInput kMusicInputs[] = {
    {"lblMusicType", QT_TRANSLATE_NOOP("Form", "Music Type:"), 120, 1020, "txtMusicType", K::TextBox, 1200, 270, 2220,
     &W::musicTypeBox},
    {"lblMusicFormat", QT_TRANSLATE_NOOP("Form", "Format:"), 3540, 720, "txtMusicFormat", K::TextBox, 4320, 270, 2220,
     &W::musicFormatBox},
    {"lblMusicPurchased", QT_TRANSLATE_NOOP("Form", "Purchased:"), 120, 990, "cboMusicPurchased", K::DropDown, 1170,
     765, 2220, &W::musicPurchasedChoice},
    {"lblMusicAmount", QT_TRANSLATE_NOOP("Form", "Amount:"), 3510, 750, "txtMusicAmount", K::TextBox, 4320, 765, 2220,
     &W::musicAmountBox},
};

constexpr LabelledInput kDecorationInputs[] = {
    {"lblDecorationType", QT_TRANSLATE_NOOP("Form", "Type:"), 120, 990, "txtDecorationType", K::TextBox, 1170, 270,
     2220, &W::decorationTypeBox},
    {"lblNumberOfDecorations", QT_TRANSLATE_NOOP("Form", "Number:"), 3510, 750, "txtNumberOfDecorations", K::TextBox,
     4320, 270, 2220, &W::decorationNumberBox},
    {"lblDecorationPurchased", QT_TRANSLATE_NOOP("Form", "Purchased:"), 120, 990, "cboDecorationPurchased", K::DropDown,
     1170, 765, 2220, &W::decorationPurchasedChoice},
    {"lblDecorationAmount", QT_TRANSLATE_NOOP("Form", "Amount:"), 3510, 750, "txtDecorationAmount", K::TextBox, 4320,
     765, 2220, &W::decorationAmountBox},
};

constexpr LabelledInput kIncidentalInputs[] = {
    {"lblIncidentalName", QT_TRANSLATE_NOOP("Form", "Name:"), 120, 990, "txtIncidentalName", K::TextBox, 1170, 270,
     5370, &W::incidentalNameBox},
    {"lblIncidentalPurchased", QT_TRANSLATE_NOOP("Form", "Purchased:"), 120, 990, "cboIncidentalPurchased", K::DropDown,
     1170, 765, 2220, &W::incidentalPurchasedChoice},
    {"lblIncidentalAmount", QT_TRANSLATE_NOOP("Form", "Amount:"), 3510, 750, "txtIncidentalAmount", K::TextBox, 4320,
     765, 2220, &W::incidentalAmountBox},
};

constexpr LabelledInput kFoodInputs[] = {
    {"lblFoodName", QT_TRANSLATE_NOOP("Form", "Food and Drinks Name:"), 45, 2055, "txtFoodName", K::TextBox, 2115, 225,
     1860, &W::foodNameBox},
};

// The food's budget and the Ingredients frame, with its own Add, Delete
// and list, share the food's frame.
constexpr Element kMoreFoodElements[] = {
    {"lblFoodBudget", K::Label, "frameFood", QT_TRANSLATE_NOOP("Form", "Budget:"), 4410, 300, 705, 225},
    {"txtFoodBudget", K::TextBox, "frameFood", nullptr, 5130, 225, 1365, 345, &W::foodBudgetBox},
    {"frameIngredients", K::Frame, "frameFood", QT_TRANSLATE_NOOP("Form", "Ingredients"), 135, 585, 6405, 2445},
    {"lblIngredients", K::Label, "frameIngredients", QT_TRANSLATE_NOOP("Form", "Ingredients:"), 120, 285, 1080, 225},
    {"txtIngredients", K::TextBox, "frameIngredients", nullptr, 1260, 225, 4965, 345, &W::ingredientBox},
    {"lblFoodPurchased", K::Label, "frameIngredients", QT_TRANSLATE_NOOP("Form", "Purchased:"), 120, 735, 1080, 225},
    {"cboFoodPurchased", K::DropDown, "frameIngredients", nullptr, 1260, 675, 1860, 345, &W::ingredientPurchasedChoice},
    {"lblFoodAmount", K::Label, "frameIngredients", QT_TRANSLATE_NOOP("Form", "Amount:"), 3240, 735, 1065, 225},
    {"txtFoodAmount", K::TextBox, "frameIngredients", nullptr, 4365, 675, 1860, 345, &W::ingredientAmountBox},
    {"PushButton4", K::Button, "frameIngredients", QT_TRANSLATE_NOOP("Form", "Add"), 180, 1080, 2940, 400,
     &W::addIngredientButton},
    {"PushButton5", K::Button, "frameIngredients", QT_TRANSLATE_NOOP("Form", "Delete"), 3285, 1080, 2940, 400,
     &W::deleteIngredientButton},
    {"lvwIngredients", K::List, "frameIngredients", nullptr, 180, 1530, 6045, 780, &W::ingredientsList},
};

constexpr LabelledInput kOtherSupplyInputs[] = {
    {"lblOtherSupply", QT_TRANSLATE_NOOP("Form", "Name:"), 120, 990, "txtOtherSupply", K::TextBox, 1170, 270, 5370,
     &W::otherSupplyNameBox},
    {"lblOtherSupplyPurchased", QT_TRANSLATE_NOOP("Form", "Purchased:"), 120, 990, "cboOtherSupplyPurchased",
     K::DropDown, 1170, 765, 2220, &W::otherSupplyPurchasedChoice},
    {"lblOtherSupplyAmount", QT_TRANSLATE_NOOP("Form", "Amount:"), 3510, 750, "txtOtherSupplyAmount", K::TextBox, 4320,
     765, 2220, &W::otherSupplyAmountBox},
};

constexpr LabelledInput kScheduleInputs[] = {
    {"lblTask", QT_TRANSLATE_NOOP("Form", "Task:"), 120, 540, "txtTask", K::TextBox, 720, 270, 5820, &W::taskBox},
    {"lblTaskTime", QT_TRANSLATE_NOOP("Form", "Time:"), 120, 540, "txtTaskTime", K::TextBox, 720, 765, 2220,
     &W::taskTimeBox},
    {"lblTaskNotes", QT_TRANSLATE_NOOP("Form", "Notes:"), 3060, 1200, "txtTaskNotes", K::TextBox, 4320, 765, 2220,
     &W::taskNotesBox},
};

constexpr LabelledInput kActivityInputs[] = {
    {"lblActivity", QT_TRANSLATE_NOOP("Form", "Activity:"), 45, 795, "txtActivity", K::TextBox, 855, 270, 5685,
     &W::activityBox},
    {"lblActivityTime", QT_TRANSLATE_NOOP("Form", "Time:"), 120, 675, "txtActivityTime", K::TextBox, 855, 765, 2220,
     &W::activityTimeBox},
    {"lblActivityNotes", QT_TRANSLATE_NOOP("Form", "Notes:"), 3195, 1065, "txtActivityNotes", K::TextBox, 4320, 765,
     2220, &W::activityNotesBox},
};

constexpr TableTab::Budget kNoBudget = {nullptr, nullptr, nullptr};

// In the order of the strips' tabs.
constexpr TableTab kTabs[] = {
    {{"SSTab1", "pageGuests", QT_TRANSLATE_NOOP("Form", "Guests"), &W::guestsPage},
     {"frameGuests", 1770, kGuestInputs, {}},
     kNoBudget,
     {"PushButton2", &W::addGuestButton, "PushButton3", &W::deleteGuestButton, 1935},
     {"lvwGuests", 2430, 1230, &W::guestsList}},
    {{"SSTab1", "pageMusic", QT_TRANSLATE_NOOP("Form", "Music"), nullptr},
     {"frameMusic", 1320, kMusicInputs, {}},
     {"lblMusicBudget", "txtMusicBudget", &W::musicBudgetBox},
     {"PushButton15", &W::addMusicButton, "PushButton16", &W::deleteMusicButton, 1935},
     {"lvwMusics", 2430, 1230, &W::musicList}},
    {{"SSTab1", "pageDecorations", QT_TRANSLATE_NOOP("Form", "Decorations"), nullptr},
     {"frameDecorations", 1320, kDecorationInputs, {}},
     {"lblDecorationBudget", "txtDecorationBudget", &W::decorationBudgetBox},
     {"PushButton17", &W::addDecorationButton, "PushButton18", &W::deleteDecorationButton, 1935},
     {"lvwDecorations", 2430, 1230, &W::decorationsList}},
    {{"SSTab1", "pageIncidentals", QT_TRANSLATE_NOOP("Form", "Incidentals"), nullptr},
     {"frameIncidentals", 1320, kIncidentalInputs, {}},
     {"lblIncidentalBudget", "txtIncidentalBudget", &W::incidentalBudgetBox},
     {"PushButton19", &W::addIncidentalButton, "PushButton20", &W::deleteIncidentalButton, 1935},
     {"lvwIncidentals", 2430, 1230, &W::incidentalsList}},
    {{"SSTab2", "pageFood", QT_TRANSLATE_NOOP("Form", "Food && Drinks"), nullptr},
     {"frameFood", 3120, kFoodInputs, kMoreFoodElements},
     kNoBudget,  // in the frame
     {"PushButton6", &W::addFoodButton, "PushButton7", &W::deleteFoodButton, 3240},
     {"lvwFoodAndDrinks", 3690, 1005, &W::foodList}},
    {{"SSTab2", "pageOtherSupplies", QT_TRANSLATE_NOOP("Form", "Other Supplies"), nullptr},
     {"frameOtherSupplies", 1320, kOtherSupplyInputs, {}},
     {"lblOtherSupplyBudget", "txtOtherSupplyBudget", &W::otherSupplyBudgetBox},
     {"PushButton8", &W::addOtherSupplyButton, "PushButton9", &W::deleteOtherSupplyButton, 1935},
     {"lvwOtherSupplies", 2430, 2265, &W::otherSuppliesList}},
    {{"SSTab2", "pageSchedules", QT_TRANSLATE_NOOP("Form", "Schedules"), nullptr},
     {"frameSchedules", 1320, kScheduleInputs, {}},
     kNoBudget,
     {"PushButton10", &W::addScheduleButton, "PushButton11", &W::deleteScheduleButton, 1440},
     {"lvwSchedules", 1935, 2760, &W::schedulesList}},
    {{"SSTab2", "pageActivities", QT_TRANSLATE_NOOP("Form", "At The Party"), nullptr},
     {"frameActivities", 1320, kActivityInputs, {}},
     kNoBudget,
     {"PushButton12", &W::addActivityButton, "PushButton13", &W::deleteActivityButton, 1440},
     {"lvwActivities", 1935, 2760, &W::activitiesList}},
};

template <class T>
ElementSlot<W> slotOf(WidgetMember<T> member)
{
    return member ? ElementSlot<W>(member) : ElementSlot<W>();
}

void appendFrame(std::vector<Element>& elements, const char* page, const TableTab::Frame& frame)
{
    elements.push_back({frame.name, K::Frame, page, nullptr, 90, 45, 6720, frame.height});
    for (const LabelledInput& in : frame.inputs) {
        elements.push_back({in.label, K::Label, frame.name, in.caption, in.labelLeft, in.top + kLabelDrop,
                            in.labelWidth, kLabelHeight});
        elements.push_back({in.input, in.kind, frame.name, nullptr, in.left, in.top, in.width, kInputHeight, in.slot});
    }
    elements.insert(elements.end(), frame.more.begin(), frame.more.end());
}

void appendTab(std::vector<Element>& elements, const TableTab& tab)
{
    const char* page = tab.page.name;
    // Tab pages take their place from the strip.
    elements.push_back({page, K::TabPage, tab.page.strip, tab.page.caption, 0, 0, 0, 0, slotOf(tab.page.slot)});
    appendFrame(elements, page, tab.frame);
    if (const TableTab::Budget& budget = tab.budget; budget.label) {
        elements.push_back(
            {budget.label, K::Label, page, QT_TRANSLATE_NOOP("Form", "Budget:"), 90, 1515, 705, kLabelHeight});
        elements.push_back({budget.box, K::TextBox, page, nullptr, 810, 1470, 5980, kInputHeight, budget.slot});
    }
    const TableTab::Buttons& buttons = tab.buttons;
    elements.push_back(
        {buttons.add, K::Button, page, QT_TRANSLATE_NOOP("Form", "Add"), 90, buttons.top, 3300, 400, buttons.addSlot});
    elements.push_back({buttons.remove, K::Button, page, QT_TRANSLATE_NOOP("Form", "Delete"), 3510, buttons.top, 3300,
                        400, buttons.removeSlot});
    const TableTab::List& list = tab.list;
    elements.push_back({list.name, K::List, page, nullptr, 90, list.top, 6720, list.height, list.slot});
}

std::vector<Element> mainWindowElements()
{
    std::vector<Element> elements(std::begin(kTopElements), std::end(kTopElements));
    for (const TableTab& tab : kTabs)
        appendTab(elements, tab);
    return elements;
}

// The member that keeps a table's list or a budget's box.
template <class Key, class T>
struct KeptFor {
    Key key;
    WidgetMember<T> member;
};

constexpr KeptFor<TableId, QTreeView> kTableLists[] = {
    {TableId::Guests, &W::guestsList},           {TableId::Music, &W::musicList},
    {TableId::Decorations, &W::decorationsList}, {TableId::FoodAndDrinks, &W::foodList},
    {TableId::Ingredients, &W::ingredientsList}, {TableId::OtherSupplies, &W::otherSuppliesList},
    {TableId::Incidentals, &W::incidentalsList}, {TableId::Schedules, &W::schedulesList},
    {TableId::Activities, &W::activitiesList},
};

constexpr KeptFor<BudgetId, QLineEdit> kBudgetBoxes[] = {
    {BudgetId::Music, &W::musicBudgetBox},
    {BudgetId::Decoration, &W::decorationBudgetBox},
    {BudgetId::Incidental, &W::incidentalBudgetBox},
    {BudgetId::Food, &W::foodBudgetBox},
    {BudgetId::OtherSupply, &W::otherSupplyBudgetBox},
};

template <class Key, class T>
T& keptFor(const MainWindowWidgets& widgets, std::span<const KeptFor<Key, T>> entries, Key key)
{
    for (const KeptFor<Key, T>& entry : entries) {
        if (entry.key == key)
            return *(widgets.*entry.member);
    }
    throw std::out_of_range("The main window keeps no element for this table or budget");
}

}  // namespace

MainWindowWidgets buildMainWindow(QWidget& window)
{
    static const std::vector<Element> elements = mainWindowElements();
    return buildForm<W>(window, elements);
}

QTreeView& tableList(const MainWindowWidgets& widgets, TableId table)
{
    return keptFor<TableId, QTreeView>(widgets, kTableLists, table);
}

QLineEdit& budgetBox(const MainWindowWidgets& widgets, BudgetId budget)
{
    return keptFor<BudgetId, QLineEdit>(widgets, kBudgetBoxes, budget);
}

}  // namespace jubilo
