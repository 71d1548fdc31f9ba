#pragma once
// Where everything sits on the main window, and the elements the window
// keeps: filled while the layout is built, named after what they are.

#include "plan/plan.h"
#include "ui/common/form_layout.h"

#include <span>

namespace jubilo {

// Client area of the main window, in twips.
inline constexpr int kMainWindowWidth = 14520;
inline constexpr int kMainWindowHeight = 5895;

struct MainWindowWidgets {
    QPushButton* startCreatingTemplateButton = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* loadSampleDataButton = nullptr;
    QGroupBox* dateFrame = nullptr;
    QLineEdit* dateBox = nullptr;
    QTabWidget* leftTabs = nullptr;  // guests, music, decorations, incidentals
    QTabWidget* rightTabs = nullptr;  // food and drinks, other supplies, schedules, activities

    QWidget* guestsPage = nullptr;
    QLineEdit* guestNameBox = nullptr;
    QLineEdit* guestAddressBox = nullptr;
    QComboBox* rsvpChoice = nullptr;
    QLineEdit* numberInPartyBox = nullptr;
    QPushButton* addGuestButton = nullptr;
    QPushButton* deleteGuestButton = nullptr;
    QTreeView* guestsList = nullptr;

    QLineEdit* musicTypeBox = nullptr;
    QLineEdit* musicFormatBox = nullptr;
    QComboBox* musicPurchasedChoice = nullptr;
    QLineEdit* musicAmountBox = nullptr;
    QLineEdit* musicBudgetBox = nullptr;
    QPushButton* addMusicButton = nullptr;
    QPushButton* deleteMusicButton = nullptr;
    QTreeView* musicList = nullptr;

    QLineEdit* decorationTypeBox = nullptr;
    QLineEdit* decorationNumberBox = nullptr;
    QComboBox* decorationPurchasedChoice = nullptr;
    QLineEdit* decorationAmountBox = nullptr;
    QLineEdit* decorationBudgetBox = nullptr;
    QPushButton* addDecorationButton = nullptr;
    QPushButton* deleteDecorationButton = nullptr;
    QTreeView* decorationsList = nullptr;

    QLineEdit* incidentalNameBox = nullptr;
    QComboBox* incidentalPurchasedChoice = nullptr;
    QLineEdit* incidentalAmountBox = nullptr;
    QLineEdit* incidentalBudgetBox = nullptr;
    QPushButton* addIncidentalButton = nullptr;
    QPushButton* deleteIncidentalButton = nullptr;
    QTreeView* incidentalsList = nullptr;

    QLineEdit* foodNameBox = nullptr;
    QLineEdit* foodBudgetBox = nullptr;
    QLineEdit* ingredientBox = nullptr;
    QComboBox* ingredientPurchasedChoice = nullptr;
    QLineEdit* ingredientAmountBox = nullptr;
    QPushButton* addIngredientButton = nullptr;
    QPushButton* deleteIngredientButton = nullptr;
    QTreeView* ingredientsList = nullptr;
    QPushButton* addFoodButton = nullptr;
    QPushButton* deleteFoodButton = nullptr;
    QTreeView* foodList = nullptr;

    QLineEdit* otherSupplyNameBox = nullptr;
    QComboBox* otherSupplyPurchasedChoice = nullptr;
    QLineEdit* otherSupplyAmountBox = nullptr;
    QLineEdit* otherSupplyBudgetBox = nullptr;
    QPushButton* addOtherSupplyButton = nullptr;
    QPushButton* deleteOtherSupplyButton = nullptr;
    QTreeView* otherSuppliesList = nullptr;

    QLineEdit* taskBox = nullptr;
    QLineEdit* taskTimeBox = nullptr;
    QLineEdit* taskNotesBox = nullptr;
    QPushButton* addScheduleButton = nullptr;
    QPushButton* deleteScheduleButton = nullptr;
    QTreeView* schedulesList = nullptr;

    QLineEdit* activityBox = nullptr;
    QLineEdit* activityTimeBox = nullptr;
    QLineEdit* activityNotesBox = nullptr;
    QPushButton* addActivityButton = nullptr;
    QPushButton* deleteActivityButton = nullptr;
    QTreeView* activitiesList = nullptr;
};

// A member of MainWindowWidgets that keeps a T.
template <class T>
using WidgetMember = T* MainWindowWidgets::*;

// Builds the main window's elements under `window`.
MainWindowWidgets buildMainWindow(QWidget& window);

// The list that shows a table, and the box that holds a budget.
QTreeView& tableList(const MainWindowWidgets& widgets, TableId table);
QLineEdit& budgetBox(const MainWindowWidgets& widgets, BudgetId budget);

}  // namespace jubilo
