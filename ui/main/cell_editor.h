#pragma once
// Edits a cell of a table's list where it stands (double-click or F2): a
// text cell in a line edit that starts with its whole text selected, a
// Yes/No cell in a drop-down of exactly "Yes" and "No". Return or leaving
// the cell commits, Escape cancels. Whether the text may be stored is for
// `commit` to decide: it answers false, having said why, to keep the old
// text.

#include "plan/plan_tables.h"

#include <QStyledItemDelegate>

#include <functional>

namespace jubilo {

class CellEditor : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `commit(position, column, text)`, position 1-based.
    using Commit = std::function<bool(int, int, const QString&)>;

    CellEditor(const TableSpec& table, Commit commit, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const TableSpec& table_;
    Commit commit_;
    // A refusal's message box takes the focus from the editor, which would
    // commit again.
    mutable bool committing_ = false;
};

}  // namespace jubilo
