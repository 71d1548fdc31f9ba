// The main window's undo history: recording each change as a step, and
// undoing and redoing steps through the Edit menu.

#include "errors/error_trap.h"
#include "plan/plan_change.h"
#include "ui/main/main_window.h"
#include "ui/main/step_names.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>

namespace jubilo {

void MainWindow::connectHistory()
{
    foldTimer_ = new QTimer(this);
    foldTimer_->setObjectName(QStringLiteral("foldTimer"));
    foldTimer_->setSingleShot(true);
    foldTimer_->setInterval(kFoldPlanDelay);
    connect(foldTimer_, &QTimer::timeout, this, &MainWindow::foldPlanFile);
    history_.bindActions(*menus_.undo, *menus_.redo);
    connect(menus_.undo, &QAction::triggered, this, &MainWindow::undoStep);
    connect(menus_.redo, &QAction::triggered, this, &MainWindow::redoStep);
    // A box's visit under way becomes a step the menu can offer.
    connect(menus_.editMenu, &QMenu::aboutToShow, this, [this] { boxVisits_.settle(); });
}

void MainWindow::planWritten() { foldTimer_->start(); }

void MainWindow::foldPlanFile()
{
    foldTimer_->stop();
    guardHandler(locations::kFoldPlanTimer, [&] { open_.store().checkpoint(); });
}

// Of several selected rows, the first in the list.
int MainWindow::selectedRow(TableId id) const
{
    const std::vector<int> rows = selectedRows(id);
    return rows.empty() ? 0 : rows.front();
}

void MainWindow::selectRow(TableId id, int position)
{
    QTreeView& list = tableList(widgets_, id);
    if (!list.selectionModel())
        return;
    if (position < 1 || position > plan_.table(id).rowCount()) {
        list.selectionModel()->clearSelection();
        return;
    }
    const QModelIndex row = list.model()->index(position - 1, 0);
    list.selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list.scrollTo(row);
}

void MainWindow::recordStep(const QString& name, std::vector<TableId> tables, const std::function<void()>& change,
                            std::vector<QLineEdit*> boxes)
{
    boxVisits_.settle();
    const PlanSnapshot before(plan_, tables);
    HistoryStep step;
    for (TableId id : tables)
        step.choices.push_back({id, selectedRow(id), 0});
    for (QLineEdit* box : boxes)
        step.boxes.push_back({box, box->text(), QString()});
    change();
    step.change = before.changeTo(plan_);
    for (RowChoice& choice : step.choices)
        choice.after = selectedRow(choice.table);
    for (BoxText& box : step.boxes)
        box.after = box.box->text();
    std::erase_if(step.boxes, [](const BoxText& box) { return box.before == box.after; });
    if (!step.change.isEmpty() || !step.boxes.empty())
        history_.push(name, std::move(step));
    boxVisits_.forget();
    planWritten();
}

void MainWindow::applyHistoryStep(const HistoryStep& step, bool undo)
{
    const PlanChange& change = step.change;
    undo ? change.undo(plan_) : change.redo(plan_);
    try {
        if (saved_)
            saved_->storeChange(plan_, change);
    } catch (...) {
        undo ? change.redo(plan_) : change.undo(plan_);
        throw;
    }
    showHistoryStep(step, undo);
    planWritten();
}

void MainWindow::showBudgetsAndDate()
{
    const auto show = [](QLineEdit& box, const QString& text) {
        if (box.text() == text)
            return;
        const QSignalBlocker quiet(box);
        box.setText(text);
    };
    for (const BudgetSpec& budget : budgetSpecs())
        show(budgetBox(widgets_, budget.id), plan_.budget(budget.id));
    show(*widgets_.dateBox, plan_.date());
    budgetsChanged();
}

// The tab of the lists a step changed comes to the front when they share
// one; a box is set back only while it shows what the step left in it, so
// text typed since is never lost.
void MainWindow::showHistoryStep(const HistoryStep& step, bool undo)
{
    showBudgetsAndDate();
    for (const BoxText& text : step.boxes) {
        if (text.box->text() == (undo ? text.after : text.before))
            text.box->setText(undo ? text.before : text.after);
    }
    const std::vector<TableId> tables = step.change.tables();
    for (const RowChoice& choice : step.choices) {
        if (std::find(tables.begin(), tables.end(), choice.table) != tables.end())
            selectRow(choice.table, undo ? choice.before : choice.after);
    }
    for (QTabWidget* tabs : {widgets_.leftTabs, widgets_.rightTabs}) {
        for (int page = 0; page < tabs->count(); ++page) {
            const auto onPage = [&](TableId id) { return tabs->widget(page)->isAncestorOf(&tableList(widgets_, id)); };
            if (!tables.empty() && std::all_of(tables.begin(), tables.end(), onPage))
                tabs->setCurrentIndex(page);
        }
    }
}

// Steps are numbered as the error box reports them.
void MainWindow::undoStep()
{
    ErrorTrap trap(locations::kUndoClick);
    trap.step(100, [&] { boxVisits_.settle(); });
    trap.step(102, [&] { history_.undo(); });
    trap.step(104, [&] { boxVisits_.forget(); });
}

void MainWindow::redoStep()
{
    ErrorTrap trap(locations::kRedoClick);
    trap.step(100, [&] { boxVisits_.settle(); });
    trap.step(102, [&] { history_.redo(); });
    trap.step(104, [&] { boxVisits_.forget(); });
}

// The new plan's first step takes back what made it the next party's (the
// answers, the date): undone, the plan is a plain copy of the last one.
// A kept table is left out: it takes no change.
void MainWindow::newPlanFromThis()
{
    std::vector<TableId> tables;
    for (TableId id : SavedPlan::tableOrder()) {
        if (!saved_ || !saved_->isKept(id))
            tables.push_back(id);
    }
    const PlanSnapshot before(plan_, tables);
    const int shown = plansShown_;
    planFiles_.newPlanFromThis();
    if (plansShown_ == shown)
        return;
    PlanChange change = before.changeTo(plan_);
    if (!change.isEmpty())
        history_.push(step_names::newPlanFromThis(), HistoryStep{std::move(change), {}, {}});
}

}  // namespace jubilo
