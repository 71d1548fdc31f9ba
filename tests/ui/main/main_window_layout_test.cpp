#include "ui/main/entry_procedures.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/sample_data.h"

#include <QStackedWidget>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

// The tab page an element stands on.
const QWidget* tabPageOf(const QWidget* widget)
{
    while (widget && !qobject_cast<const QStackedWidget*>(widget->parentWidget()))
        widget = widget->parentWidget();
    return widget;
}

class MainWindowLayoutTest : public ::testing::Test {
protected:
    QWidget window;
    const MainWindowWidgets widgets = buildMainWindow(window);
};

TEST_F(MainWindowLayoutTest, EveryAddReadsAndEmptiesInputsOnItsTablesTab)
{
    for (const AddProcedure& p : addProcedures()) {
        const QPushButton* button = widgets.*p.button;
        ASSERT_NE(button, nullptr) << p.reminder;
        EXPECT_EQ(button->text(), "Add") << p.reminder;
        const QTreeView& list = tableList(widgets, p.table);
        EXPECT_EQ(button->parentWidget(), list.parentWidget()) << p.reminder;
        const int columns = tableSpec(p.table).columnCount;
        for (int c = 0; c < 4; ++c) {
            const EntryInput& input = p.cells[static_cast<size_t>(c)];
            if (c >= columns) {
                EXPECT_TRUE(std::holds_alternative<std::monostate>(input)) << p.reminder;
                continue;
            }
            const QWidget* box = std::holds_alternative<WidgetMember<QComboBox>>(input)
                ? static_cast<const QWidget*>(widgets.*std::get<WidgetMember<QComboBox>>(input))
                : widgets.*std::get<WidgetMember<QLineEdit>>(input);
            ASSERT_NE(box, nullptr) << p.reminder << " column " << c;
            EXPECT_EQ(tabPageOf(box), tabPageOf(&list)) << p.reminder << " column " << c;
        }
    }
}

// The error box numbers an Add's steps 100, 102, ... in the order they run:
// the cells after the first, then one step per text box emptied (a
// drop-down keeps its choice and has none), then the list.
TEST(AddStepsTest, EveryAddNumbersItsStepsInTheOrderTheyRun)
{
    for (const AddProcedure& p : addProcedures()) {
        const int columns = tableSpec(p.table).columnCount;
        int next = 106;
        for (int c = 1; c < 4; ++c) {
            EXPECT_EQ(p.steps.setCell[static_cast<size_t>(c - 1)], c < columns ? next : 0)
                << p.reminder << " cell " << c;
            next += c < columns ? 2 : 0;
        }
        for (int c = 0; c < 4; ++c) {
            const bool box = std::holds_alternative<WidgetMember<QLineEdit>>(p.cells[static_cast<size_t>(c)]);
            EXPECT_EQ(p.steps.emptyBox[static_cast<size_t>(c)], box ? next : 0) << p.reminder << " box " << c;
            next += box ? 2 : 0;
        }
        EXPECT_EQ(p.steps.listChanged, next) << p.reminder;
    }
}

TEST_F(MainWindowLayoutTest, EveryDeleteStandsBesideItsTablesList)
{
    ASSERT_EQ(deleteProcedures().size(), tableSpecs().size());
    for (const DeleteProcedure& p : deleteProcedures()) {
        const QPushButton* button = widgets.*p.button;
        ASSERT_NE(button, nullptr) << tableSpec(p.table).name;
        EXPECT_EQ(button->text(), "Delete");
        EXPECT_EQ(button->parentWidget(), tableList(widgets, p.table).parentWidget()) << tableSpec(p.table).name;
    }
}

TEST_F(MainWindowLayoutTest, BudgetBoxesStandOnTheirTablesTabAndNameTheirHandlers)
{
    const std::pair<BudgetId, const char*> names[] = {
        {BudgetId::Music, "txtMusicBudget"},
        {BudgetId::Decoration, "txtDecorationBudget"},
        {BudgetId::Incidental, "txtIncidentalBudget"},
        {BudgetId::Food, "txtFoodBudget"},
        {BudgetId::OtherSupply, "txtOtherSupplyBudget"},
    };
    for (const auto& [id, name] : names) {
        const QLineEdit& box = budgetBox(widgets, id);
        EXPECT_EQ(box.objectName(), name);
        EXPECT_EQ(tabPageOf(&box), tabPageOf(&tableList(widgets, budgetSpec(id).table))) << name;
    }
    for (const SampleStep& step : sampleSteps()) {
        if (step.box) {
            EXPECT_EQ(tabPageOf(widgets.*step.box), tabPageOf(&tableList(widgets, step.table))) << step.lines[0];
        }
    }
}

}  // namespace
}  // namespace jubilo
