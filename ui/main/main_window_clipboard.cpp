// A list's rows copied to the clipboard and pasted from it: Edit > Copy Rows
// (Ctrl+C) and Edit > Paste Rows (Ctrl+V), on the list that has the focus.
// While a text box has it, the items are greyed out, so the keys stay the
// box's own.

#include "errors/error_trap.h"
#include "lists/copied_rows.h"
#include "lists/pasted_rows.h"
#include "messages/message.h"
#include "platform/system.h"
#include "ui/main/main_window.h"
#include "ui/main/shown_names.h"
#include "ui/main/step_names.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QMenu>

#include <algorithm>

namespace jubilo {

// Several rows can be selected (Shift and Ctrl with a click or the arrows),
// to be copied or deleted together.
void MainWindow::connectRowClipboard()
{
    for (const TableSpec& spec : tableSpecs())
        tableList(widgets_, spec.id).setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(menus_.copyRows, &QAction::triggered, this, &MainWindow::copyRows);
    connect(menus_.pasteRows, &QAction::triggered, this, &MainWindow::pasteRows);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateRowClipboardItems);
    connect(menus_.editMenu, &QMenu::aboutToShow, this, &MainWindow::updateRowClipboardItems);
    updateRowClipboardItems();
}

// The window's focus widget stays the list while a menu is open.
std::optional<TableId> MainWindow::listInFocus() const
{
    for (const TableSpec& spec : tableSpecs()) {
        if (focusWidget() == &tableList(widgets_, spec.id))
            return spec.id;
    }
    return std::nullopt;
}

void MainWindow::updateRowClipboardItems()
{
    const bool onList = listInFocus().has_value();
    menus_.copyRows->setEnabled(onList);
    menus_.pasteRows->setEnabled(onList);
}

std::vector<int> MainWindow::selectedRows(TableId id) const
{
    const QTreeView& list = tableList(widgets_, id);
    std::vector<int> positions;
    if (!list.selectionModel())
        return positions;
    for (const QModelIndex& row : list.selectionModel()->selectedRows())
        positions.push_back(row.row() + 1);
    std::sort(positions.begin(), positions.end());
    return positions;
}

// The rows go in the list's order, whatever order they were selected in.
void MainWindow::copyRows()
{
    const std::optional<TableId> id = listInFocus();
    if (!id)
        return;
    guardHandler(locations::kCopyRowsClick, [&] {
        const PlanTable& table = plan_.table(*id);
        std::vector<PlanRow> rows;
        for (int position : selectedRows(*id))
            rows.push_back(table.row(position));
        if (!rows.empty())
            system().setClipboardRows(tabSeparatedRows(rows), htmlTableOfRows(rows));
    });
}

void MainWindow::pasteRows()
{
    const std::optional<TableId> id = listInFocus();
    if (!id)
        return;
    recordStep(step_names::pasteRows(), {*id},
               [&] { guardHandler(locations::kPasteRowsClick, [&] { pasteInto(*id); }); });
}

// All rows or none, as Add takes them, after the list's last row; they are
// stored at once and selected.
void MainWindow::pasteInto(TableId id)
{
    if (refusesChanges(id))
        return;
    PlanTable& table = plan_.table(id);
    const QString text = system().clipboardText();
    PastedRows pasted = readPastedRows(table.spec(), text, PlanTable::kMaxRows - table.rowCount());
    if (pasted.refusal) {
        msgBox(tr("Nothing was pasted into the %1 list: line %2 of the pasted text cannot go in, because %3.")
                   .arg(shownTableName(id))
                   .arg(pasted.refusal->line)
                   .arg(pasted.refusal->reason));
        return;
    }
    if (pasted.rows.empty()) {
        msgBox(tr("The clipboard holds no rows to paste."));
        return;
    }
    const int first = table.rowCount() + 1;
    table.appendRows(std::move(pasted.rows));
    saveTableNow(id);
    selectRows(id, first, table.rowCount());
}

void MainWindow::selectRows(TableId id, int first, int last)
{
    QTreeView& list = tableList(widgets_, id);
    const QModelIndex top = list.model()->index(first - 1, 0);
    const QItemSelection rows(top, list.model()->index(last - 1, 0));
    list.selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list.selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
    list.scrollTo(top);
}

}  // namespace jubilo
