#include "ui/main/main_window.h"

#include "ui/common/caption_fit.h"
#include "plan/settings_store.h"
#include "platform/system.h"
#include "report/host_checks.h"
#include "report/report_run.h"
#include "report/sheet_palette.h"
#include "ui/common/home_page.h"
#include "messages/app_title.h"
#include "errors/error_trap.h"
#include "messages/message.h"
#include "ui/main/accessible_names.h"
#include "ui/main/cell_editor.h"
#include "ui/main/entry_keys.h"
#include "ui/main/numbered_steps.h"
#include "ui/main/sample_data.h"
#include "ui/main/shown_names.h"
#include "ui/main/step_names.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <span>

namespace jubilo {

namespace {

QFont arialBold(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void setBackground(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// The step numbers of the stored plan's steps, in the order SavedPlan gives
// them: at load the eight tables, the date and the five budgets; at close
// the eight tables.
constexpr int kLoadPlanSteps[] = {118, 120, 122, 124, 126, 128, 130, 132, 134, 136, 138, 140, 142, 144};
constexpr int kSaveTableSteps[] = {100, 102, 104, 106, 108, 110, 112, 114};
static_assert(std::size(kLoadPlanSteps) == kLoadStepCount);
static_assert(std::size(kSaveTableSteps) == kStoredTableCount);

}  // namespace

MainWindow::MainWindow(OpenPlan plan, QWidget* parent)
    : QWidget(parent, kFormWindowFlags)
    , open_(std::move(plan))
    , planFiles_(*this)
    , history_([this](const HistoryStep& step, bool undo) { applyHistoryStep(step, undo); }, this)
    , boxVisits_(
          plan_,
          [this](const QString& name, PlanChange change) {
              history_.push(name, HistoryStep{std::move(change), {}, {}});
          },
          this)
    , rowEntry_(
          widgets_, plan_, [this](TableId id) { saveTableNow(id); }, [this](TableId id) { return refusesChanges(id); })
    , selectAll_(this)
    , pointer_(*this, [this](const QWidget& widget) { return isArrowArea(widget); })
    , screens_(std::make_unique<ReportScreensOfWindows>(*this))
{
    buildWindow();
    formLoad();
}

// The lists losing the focus as they go must not reach a window half gone.
MainWindow::~MainWindow() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void MainWindow::buildWindow()
{
    setObjectName(QStringLiteral("Form1"));
    widgets_ = buildMainWindow(*this);
    styleElements();
    buildMenus();
    buildFigureViews();
    connectProcedures();
    connectBudgetsAndDate();
    connectListEditing();
    connectHistory();
    connectRowClipboard();
    nameForScreenReaders(widgets_);
}

// Cells are edited where they stand, rows moved by keyboard, and Return in
// a frame adds its row. Failures are reported naming the list's handler.
void MainWindow::connectListEditing()
{
    for (const TableSpec& spec : tableSpecs()) {
        QTreeView& list = tableList(widgets_, spec.id);
        const std::string location = "Form1." + list.objectName().toStdString() + "_AfterLabelEdit";
        const TableId id = spec.id;
        list.setItemDelegate(new CellEditor(
            spec,
            [this, id, location](int position, int column, const QString& text) {
                bool taken = false;
                recordStep(step_names::edit(id, column), {id}, [&] {
                    guardHandler(ErrorLocation{location},
                                 [&] { taken = rowEntry_.editCell(id, position, column, text); });
                });
                return taken;
            },
            &list));
        list.setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    }
    entryKeys_ = std::make_unique<EntryKeys>(
        widgets_, [this](TableId id, int by) { moveSelectedRow(id, by); }, this);
}

void MainWindow::moveSelectedRow(TableId id, int by)
{
    QTreeView& list = tableList(widgets_, id);
    const std::string location = "Form1." + list.objectName().toStdString() + "_KeyDown";
    recordStep(step_names::moveRow(), {id}, [&] {
        guardHandler(ErrorLocation{location}, [&] {
            const QModelIndex current = list.currentIndex();
            if (!current.isValid() || !rowEntry_.moveRow(id, current.row() + 1, by))
                return;
            const QModelIndex moved = list.model()->index(current.row() + by, current.column());
            list.selectionModel()->setCurrentIndex(moved,
                                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        });
    });
}

// Every widget of the window by its class, the parts inside lists and tab
// strips (headers, tab bars) included.
void MainWindow::styleElements()
{
    setBackground(*this, QPalette::Window, Qt::white);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(child)) {
            child->setFont(arialBold(11.25));
            continue;
        }
        child->setFont(arialBold(9));
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child))
            setBackground(*child, QPalette::Window, Qt::white);
        else if (child->property(kPictureBoxProperty).toBool())
            setBackground(*child, QPalette::Window, QApplication::palette().color(QPalette::Base));
        if (auto* box = qobject_cast<QLineEdit*>(child))
            selectAll_.watch(*box);
    }
    for (auto* list : findChildren<QAbstractItemView*>())
        list->setFont(QFont(QStringLiteral("Arial"), 9));
    fitTranslatedCaptions(*this);
}

void MainWindow::connectProcedures()
{
    for (const AddProcedure& p : addProcedures()) {
        connect(widgets_.*p.button, &QPushButton::clicked, this, [this, &p] {
            recordStep(
                step_names::add(p.table), {p.table}, [&] { rowEntry_.add(p); }, textBoxesOf(widgets_, p));
        });
    }
    connect(widgets_.addFoodButton, &QPushButton::clicked, this, [this] {
        recordStep(step_names::add(TableId::FoodAndDrinks), {TableId::FoodAndDrinks, TableId::Ingredients},
                   [&] { rowEntry_.addFood(); }, {widgets_.foodNameBox});
    });
    for (const DeleteProcedure& p : deleteProcedures()) {
        connect(widgets_.*p.button, &QPushButton::clicked, this,
                [this, &p] { recordStep(step_names::remove(p.table), {p.table}, [&] { rowEntry_.remove(p); }); });
    }
    connect(widgets_.loadSampleDataButton, &QPushButton::clicked, this, &MainWindow::loadSampleData);
    connect(widgets_.helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(widgets_.startCreatingTemplateButton, &QPushButton::clicked, this, &MainWindow::startReport);
    connect(widgets_.leftTabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0)
            widgets_.guestNameBox->setFocus(Qt::OtherFocusReason);
    });
}

void MainWindow::connectBudgetsAndDate()
{
    for (const BudgetSpec& budget : budgetSpecs()) {
        const BudgetId id = budget.id;
        QLineEdit& box = budgetBox(widgets_, id);
        // The error box names the handler after the box.
        const std::string location = "Form1." + box.objectName().toStdString() + "_Change";
        boxVisits_.watch(box, step_names::budget(id));
        connect(&box, &QLineEdit::textChanged, this, [this, id, location](const QString& text) {
            guardHandler(ErrorLocation{location}, [&] {
                plan_.setBudget(id, text);
                budgetsChanged();
                if (saved_)
                    saved_->writeBudget(id, text);
                planWritten();
            });
        });
    }
    QLineEdit* date = widgets_.dateBox;
    boxVisits_.watch(*date, step_names::date());
    connect(date, &QLineEdit::textChanged, this, [this](const QString& text) { plan_.setDate(text); });
    // Only the user's edits are stored, so an untouched date keeps following
    // the clock.
    connect(date, &QLineEdit::textEdited, this, [this](const QString& text) {
        guardHandler(ErrorLocation{"Form1.txtDate_Change"}, [&] {
            if (saved_)
                saved_->writeDate(text);
            planWritten();
        });
    });
}

void MainWindow::attachTables()
{
    for (const TableSpec& spec : tableSpecs()) {
        auto& model = models_[static_cast<size_t>(spec.id)];
        model = std::make_unique<ShownTableModel>(plan_.table(spec.id), this);
        tableList(widgets_, spec.id).setModel(model.get());
        figures_->follow(spec.id, *model);
    }
}

// Steps are numbered as the error box reports them.
void MainWindow::formLoad()
{
    ErrorTrap trap(locations::kMainWindowLoad);
    trap.step(100, [&] { applySkin(*this, skin_); });
    trap.step(104, [&] {
        setWindowTitle(windowCaption(open_));
        setWindowIcon(QApplication::windowIcon());
        setAppTitle();
    });
    trap.step(106, [&] { setUpdatesEnabled(false); });
    pointer_.loadHand(trap);
    trap.step(112, [] { maybeShowHomePage(); });
    trap.step(114, [&] { attachTables(); });
    trap.step(116, [&] { saved_ = std::make_unique<SavedPlan>(open_.store()); });
    if (saved_)
        runNumbered(trap, kLoadPlanSteps, saved_->loadSteps(plan_, system().now()));
    trap.step(146, [&] { fillBoxes(); });
    trap.step(148, [] { initSheetPalette(); });
    trap.step(150, [&] {
        setUpdatesEnabled(true);
        repaint();
    });
    trap.step(152, [] { checkHostAvailable(); });
    trap.step(154, [&] { tellOfKeptTables(); });
}

void MainWindow::fillBoxes()
{
    widgets_.dateBox->setText(plan_.date());
    for (const BudgetSpec& budget : budgetSpecs())
        budgetBox(widgets_, budget.id).setText(plan_.budget(budget.id));
    budgetsChanged();
    applyReadOnly();
}

QString MainWindow::keptTablesText(std::span<const KeptTable> kept) const
{
    return keptTablesMessage(kept, open_.store().location(kStoreApplication), open_.isFile());
}

void MainWindow::tellOfKeptTables()
{
    if (saved_ && !saved_->keptTables().empty())
        msgBox(keptTablesText(saved_->keptTables()));
}

bool MainWindow::refusesChanges(TableId id)
{
    if (refusesReadOnly())
        return true;
    if (!saved_ || !saved_->isKept(id))
        return false;
    for (const KeptTable& kept : saved_->keptTables()) {
        if (kept.id == id)
            msgBox(keptTablesText({&kept, 1}));
    }
    return true;
}

void MainWindow::startReport()
{
    ErrorTrap trap(locations::kStartCreatingTemplateClick);
    trap.step(100, [&] { setUpdatesEnabled(false); });
    if (!trap.condition(102, [] { return warnHostRunning(); })) {
        trap.step(104, [&] { screens_->setBusyPointer(true); });
        trap.step(106, [&] { generateReport(plan_, *screens_); });
        trap.step(108, [&] { screens_->setBusyPointer(false); });
    }
    trap.step(110, [&] { setUpdatesEnabled(true); });
}

PreviewWindow* MainWindow::preview() const { return screens_->preview(); }

void MainWindow::saveTableNow(TableId id)
{
    const PlanTable& table = plan_.table(id);
    if (saved_ && table.spec().isStored())
        saved_->saveTable(table);
    planWritten();
}

void MainWindow::saveTables()
{
    ErrorTrap trap(locations::kMainWindowClose);
    if (!saved_)
        return;
    runNumbered(trap, kSaveTableSteps, saved_->saveSteps(plan_));
}

std::vector<TableId> MainWindow::refuseSampleTables()
{
    std::vector<TableId> refused;
    std::vector<KeptTable> kept;
    QStringList full;
    for (TableId id : sampleTables()) {
        if (saved_ && saved_->isKept(id)) {
            for (const KeptTable& table : saved_->keptTables()) {
                if (table.id == id)
                    kept.push_back(table);
            }
        } else if (plan_.table(id).rowCount() >= PlanTable::kMaxRows) {
            full << fullListMessage(plan_.table(id));
        } else {
            continue;
        }
        refused.push_back(id);
    }
    if (!kept.empty())
        full.prepend(keptTablesText(kept));
    if (!refused.empty())
        msgBox(sampleRefusalMessage(refused, full.join(QStringLiteral("\n\n"))));
    return refused;
}

void MainWindow::loadSampleData()
{
    recordStep(step_names::loadSampleData(), tableIds(), [this] { fillSampleData(); }, {widgets_.foodNameBox});
}

// A list that cannot take its example row is named once, before any step,
// instead of failing at each step of the row; the other lists load.
void MainWindow::fillSampleData()
{
    if (refusesReadOnly())
        return;
    ErrorTrap trap(locations::kLoadSampleDataClick);
    const std::vector<TableId> refused = refuseSampleTables();
    for (const SampleStep& step : sampleSteps()) {
        if (step.box) {
            trap.step(step.lines[0], [&] { (widgets_.*step.box)->setText(sampleText(step.text)); });
            continue;
        }
        if (std::find(refused.begin(), refused.end(), step.table) != refused.end())
            continue;
        PlanTable& table = plan_.table(step.table);
        int position = 0;
        // The row's cells need the row.
        if (!trap.step(step.lines[0], [&] { position = table.append({sampleText(step.cells[0])}); }))
            continue;
        for (int c = 1; c < table.columnCount(); ++c) {
            trap.step(step.lines[static_cast<size_t>(c)],
                      [&] { table.setCell(position, c, sampleText(step.cells[static_cast<size_t>(c)])); });
        }
    }
    trap.step(174, [&] {
        for (TableId id : SavedPlan::tableOrder())
            saveTableNow(id);
    });
}

void MainWindow::showHelp()
{
    ErrorTrap trap(locations::kHelpClick);
    trap.step(100, [] {
        //: The Help button's message; %1 is the contact page's web address.
        msgBox(tr("Questions? Please contact Team Tarvel at %1").arg(QString::fromUtf8(kContactPageAddress)));
    });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveTables();
    event->accept();
    // Closing the main window ends the program, other windows included.
    QApplication::exit(0);
}

// Over these the pointer turns back into the arrow; over other inputs it
// stays as it is. The menu bar is pointed at with the arrow, as the window.
bool MainWindow::isArrowArea(const QWidget& widget) const
{
    return qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QGroupBox*>(&widget)
        || qobject_cast<const QLabel*>(&widget) || &widget == widgets_.guestsPage || &widget == widgets_.rightTabs
        || &widget == widgets_.dateBox || &widget == widgets_.ingredientAmountBox
        || qobject_cast<const QMenuBar*>(&widget);
}

}  // namespace jubilo
