#pragma once
// Form1, the main window: the party date, two tab strips with the nine
// tables, their inputs and budgets, and the three command buttons.

#include "plan/plan.h"
#include "plan/plan_table_model.h"
#include "plan/saved_plan.h"
#include "ui/common/skin.h"
#include "ui/common/window_pointer.h"
#include "ui/main/entry_keys.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/report_screens.h"
#include "ui/main/row_entry.h"
#include "ui/main/select_all_on_focus.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

namespace jubilo {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Plan& plan() { return plan_; }
    const MainWindowWidgets& widgets() const { return widgets_; }

    // "Start Creating Template": builds the workbook and shows its preview.
    void startReport();
    // Null until the first report.
    PreviewWindow* preview() const;

    // The pointer shown over the buttons.
    QCursor handPointer() const { return pointer_.hand(); }

    void loadSampleData();
    void showHelp();
    // Writes the eight stored tables under the close's error trap.
    void saveTables();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void styleElements();
    void connectProcedures();
    void connectBudgetsAndDate();
    void connectListEditing();
    void moveSelectedRow(TableId id, int by);
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

    Plan plan_;
    MainWindowWidgets widgets_;
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
