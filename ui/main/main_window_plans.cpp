// The main window's menus and the plan it shows: turning to another plan,
// the read-only plan, the plan as stored, About.

#include "errors/error_trap.h"
#include "messages/message.h"
#include "messages/product.h"
#include "plan/next_party.h"
#include "plan/stored_values.h"
#include "plan/recent_plans.h"
#include "plan/settings_store.h"
#include "platform/system.h"
#include "ui/main/main_window.h"

#include "ui/main/budget_tips.h"
#include "ui/main/list_export.h"
#include "ui/main/numbered_steps.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace jubilo {

namespace {

// The stored plan's steps when the window turns to another plan, in the
// order SavedPlan gives them.
constexpr int kShowPlanSteps[] = {106, 108, 110, 112, 114, 116, 118, 120, 122, 124, 126, 128, 130, 132};
static_assert(std::size(kShowPlanSteps) == kLoadStepCount);

}  // namespace

// The bar goes above the form, and the form moves down by its height: the
// form keeps its size and every element its place within it.
void MainWindow::buildMenus()
{
    menus_ = buildPlanMenus(*this);
    const int barHeight = menus_.bar->sizeHint().height();
    const int width = twipsToPixels(kMainWindowWidth);
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != menus_.bar)
            child->move(child->x(), child->y() + barHeight);
    }
    menus_.bar->setGeometry(0, 0, width, barHeight);
    setFixedSize(width, twipsToPixels(kMainWindowHeight) + barHeight);
    connect(menus_.newPlan, &QAction::triggered, this, [this] { planFiles_.newPlan(); });
    connect(menus_.newPlanFromThis, &QAction::triggered, this, &MainWindow::newPlanFromThis);
    connect(menus_.openPlan, &QAction::triggered, this, [this] { planFiles_.openPlan(); });
    connect(menus_.savePlanAs, &QAction::triggered, this, [this] { planFiles_.savePlanAs(); });
    connect(menus_.importGuests, &QAction::triggered, this, &MainWindow::importGuests);
    connect(menus_.quit, &QAction::triggered, this, &QWidget::close);
    new ListExport(plan_, widgets_, menus_, *this);  // the File menu's exports; the window owns it
    connect(menus_.help, &QAction::triggered, this, &MainWindow::showHelp);
    connect(menus_.about, &QAction::triggered, this, &MainWindow::showAbout);
    // The File menu refills it: a disabled submenu never says it is about to show.
    connect(menus_.fileMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    // Filled when the File menu opens, not at start: the list is read then.
    menus_.recentMenu->setEnabled(false);
}

void MainWindow::buildFigureViews()
{
    figures_ = std::make_unique<FiguresTracker>(plan_, system().typedInput(), this);
    statusBar_ = new PlanStatusBar(*figures_, this);
    const int top = height();
    const int barHeight = statusBar_->sizeHint().height();
    statusBar_->setGeometry(0, top, width(), barHeight);
    setFixedSize(width(), top + barHeight);
    glance_ = new GlanceToggle(*menus_.glance, *figures_, *this);
}

void MainWindow::budgetsChanged()
{
    figures_->budgetsChanged();
    showBudgetTips(widgets_, plan_, figures_->figures());
}

void MainWindow::fillRecentMenu()
{
    menus_.recentMenu->clear();
    QStringList paths;
    guardHandler(locations::kOpenRecentClick, [&] { paths = RecentPlans(system().settings()).paths(); });
    for (int i = 0; i < paths.size(); ++i) {
        QAction* action = menus_.recentMenu->addAction(recentPlanItemText(i + 1, paths[i]));
        const QString path = paths[i];
        connect(action, &QAction::triggered, this, [this, path] { planFiles_.openRecent(path); });
    }
    menus_.recentMenu->setEnabled(!paths.isEmpty());
}

void MainWindow::applyReadOnly()
{
    widgets_.dateBox->setReadOnly(open_.readOnly);
    for (const BudgetSpec& budget : budgetSpecs())
        budgetBox(widgets_, budget.id).setReadOnly(open_.readOnly);
}

bool MainWindow::refusesReadOnly()
{
    if (!open_.readOnly)
        return false;
    const int answer = msgBox(tr("This plan is read-only, so the change cannot be kept. Save a copy you can change "
                                 "with Save Plan As?"),
                              msgbox::kYesNo);
    if (answer == msgbox::kAnswerYes)
        planFiles_.savePlanAs();
    return true;
}

StoredValues MainWindow::valuesAsStored() const
{
    // A kept table's rows beyond what the list shows live only in the store.
    return saved_ ? saved_->storedValues(plan_) : storedValues(plan_);
}

// Steps are numbered as the error box reports them.
void MainWindow::showPlan(OpenPlan next)
{
    ErrorTrap trap(locations::kShowPlan);
    trap.step(100, [&] { setUpdatesEnabled(false); });
    trap.step(102, [&] {
        for (const TableSpec& spec : tableSpecs())
            plan_.table(spec.id).clear();
    });
    // The new plan's store is in place before the old one goes.
    trap.essential(104, [&] {
        saved_ = std::make_unique<SavedPlan>(next.store());
        open_ = std::move(next);
        history_.clear();
        ++plansShown_;
    });
    if (!trap.abandoned())
        runNumbered(trap, kShowPlanSteps, saved_->loadSteps(plan_, system().now()));
    trap.step(134, [&] {
        fillBoxes();
        boxVisits_.forget();
    });
    trap.step(136, [&] { setWindowTitle(windowCaption(open_)); });
    trap.cleanup(138, [&] { setUpdatesEnabled(true); });
    trap.step(140, [&] { tellOfKeptTables(); });
}

void MainWindow::showAbout()
{
    ErrorTrap trap(locations::kAboutClick);
    trap.step(100, [] {
        msgBox(tr("Jubilo %1\n\nPlan a party and get a printable spreadsheet of the plan.\n\n%2")
                   .arg(QCoreApplication::applicationVersion(), QString::fromUtf8(kHomePageAddress)),
               msgbox::kOkOnly, tr("About Jubilo"));
    });
}

}  // namespace jubilo
