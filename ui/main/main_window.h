#pragma once
// Form1, the main window: the party date, two tab strips with the nine
// tables, their inputs and budgets, and the three command buttons.

#include "figures/figures_tracker.h"
#include "plan/plan.h"
#include "plan/plan_table_model.h"
#include "plan/saved_plan.h"
#include "ui/common/skin.h"
#include "ui/common/window_pointer.h"
#include "ui/main/box_visits.h"
#include "ui/main/entry_keys.h"
#include "ui/main/glance_toggle.h"
#include "ui/main/main_window_layout.h"
#include "startup/open_plan.h"
#include "ui/main/plan_files.h"
#include "ui/main/plan_history.h"
#include "ui/main/plan_menus.h"
#include "ui/main/plan_status_bar.h"
#include "ui/main/report_screens.h"
#include "ui/main/row_entry.h"
#include "ui/main/select_all_on_focus.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace jubilo {

// How long the user pauses before the plan's file is made whole.
inline constexpr std::chrono::milliseconds kFoldPlanDelay{2000};

class MainWindow : public QWidget, public PlanWindow {
    Q_OBJECT
public:
    // Opens on `plan`: by default the settings store's plan, unguarded.
    explicit MainWindow(OpenPlan plan = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Plan& plan() { return plan_; }
    const MainWindowWidgets& widgets() const { return widgets_; }
    const PlanMenus& menus() const { return menus_; }
    PlanFiles& planFiles() { return planFiles_; }
    const PlanHistory& history() const { return history_; }
    // The plan's figures, kept up to date with every change.
    const FiguresTracker& figures() const { return *figures_; }
    const PlanStatusBar& planStatusBar() const { return *statusBar_; }
    // View > Plan at a Glance's window; null until first shown.
    GlanceWindow* glanceWindow() const { return glance_->window(); }

    // PlanWindow: the File menu's view of the window.
    const Plan& shownPlan() const override { return plan_; }
    const OpenPlan& openPlan() const override { return open_; }
    StoredValues valuesAsStored() const override;
    // Empties every list, loads `plan` as the start loads the store's, and
    // names it in the caption. The plan shown before needs no saving: every
    // change to it was stored when it was made.
    void showPlan(OpenPlan plan) override;

    // "Start Creating Template": builds the workbook and shows its preview.
    void startReport();
    // Null until the first report.
    PreviewWindow* preview() const;

    // The pointer shown over the buttons.
    QCursor handPointer() const { return pointer_.hand(); }

    void loadSampleData();
    void showHelp();
    void showAbout();
    // Folds the changes the store keeps in its journal into the plan's
    // file, so that the file alone holds the plan (a copy of it, another
    // program reading it). Runs once the user has paused for
    // kFoldPlanDelay after a change.
    void foldPlanFile();
    // The Edit menu's Undo and Redo, each under its error trap.
    void undoStep();
    void redoStep();
    // Writes the eight stored tables under the close's error trap.
    void saveTables();
    // Edit > Copy Rows and Paste Rows, on the list that has the focus: its
    // selected rows to the clipboard as text and as a table, and rows from
    // the clipboard's text after its last row, all or none, as one step.
    void copyRows();
    void pasteRows();
    // File > Import Guests: a CSV or vCard file's guests, once the import
    // dialog is confirmed, appended to the Guests list as one undo step.
    void importGuests();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    // The plan's figures, the status bar under the form (the window grows
    // by its height) and the glance window's menu item.
    void buildFigureViews();
    // The budget texts changed: the figures and the boxes' tooltips follow.
    void budgetsChanged();
    void fillRecentMenu();
    // A read-only plan takes no change: the boxes are read-only too, and a
    // change asks whether to save a copy.
    void applyReadOnly();
    bool refusesReadOnly();
    void fillBoxes();
    void styleElements();
    void connectProcedures();
    void connectBudgetsAndDate();
    void connectListEditing();
    void moveSelectedRow(TableId id, int by);
    void connectHistory();
    void fillSampleData();
    // Runs `change` and, when it changed the plan or one of `boxes`, makes
    // it one undo step named `name`. `tables` are those it may change.
    void recordStep(const QString& name, std::vector<TableId> tables, const std::function<void()>& change,
                    std::vector<QLineEdit*> boxes = {});
    // Brings the plan, the boxes and the store to one side of a step, all
    // or none of them: when the store refuses, the plan is put back.
    void applyHistoryStep(const HistoryStep& step, bool undo);
    void showHistoryStep(const HistoryStep& step, bool undo);
    void newPlanFromThis();
    int selectedRow(TableId id) const;
    void selectRow(TableId id, int position);
    // The budget boxes and the date box show the plan's texts; nothing is
    // stored for it.
    void showBudgetsAndDate();
    // A change went to the store: the file is folded once the user pauses.
    void planWritten();
    void formLoad();
    void attachTables();
    void saveTableNow(TableId id);
    // Tables whose stored text holds more rows than they show are never
    // changed, so that text is never written over.
    void tellOfKeptTables();
    bool refusesChanges(TableId id);
    // The tables that take no example row (kept or full), named in one
    // message; an empty list says nothing.
    std::vector<TableId> refuseSampleTables();
    QString keptTablesText(std::span<const KeptTable> kept) const;
    bool isArrowArea(const QWidget& widget) const;
    void connectRowClipboard();
    void updateRowClipboardItems();
    std::optional<TableId> listInFocus() const;
    // The list's selected rows, 1-based, in the list's order.
    std::vector<int> selectedRows(TableId id) const;
    void pasteInto(TableId id);
    void selectRows(TableId id, int first, int last);

    Plan plan_;
    OpenPlan open_;
    MainWindowWidgets widgets_;
    PlanMenus menus_;
    std::unique_ptr<FiguresTracker> figures_;
    PlanStatusBar* statusBar_ = nullptr;
    GlanceToggle* glance_ = nullptr;
    PlanFiles planFiles_;
    PlanHistory history_;
    BoxVisits boxVisits_;
    QTimer* foldTimer_ = nullptr;
    int plansShown_ = 0;  // counts the plans turned to, to tell that one was
    std::unique_ptr<SavedPlan> saved_;
    std::array<std::unique_ptr<PlanTableModel>, kTableCount> models_;
    RowEntry rowEntry_;
    SelectAllOnFocus selectAll_;
    SkinFramework skin_;
    WindowPointer pointer_;
    std::unique_ptr<ReportScreensOfWindows> screens_;
    std::unique_ptr<EntryKeys> entryKeys_;
};

}  // namespace jubilo
