#include "ui/main/cell_editor.h"

#include "ui/common/form_layout.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <limits>

namespace jubilo {

namespace {

bool isYesNo(const TableSpec& table, int column)
{
    return column >= 0 && column < table.columnCount
        && table.columns[static_cast<size_t>(column)].kind == CellKind::YesNo;
}

}  // namespace

CellEditor::CellEditor(const TableSpec& table, Commit commit, QObject* parent)
    : QStyledItemDelegate(parent)
    , table_(table)
    , commit_(std::move(commit))
{
}

QWidget* CellEditor::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    if (isYesNo(table_, index.column())) {
        auto* choice = new QComboBox(parent);
        addAnswerItems(*choice);
        return choice;
    }
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

void CellEditor::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* choice = qobject_cast<QComboBox*>(editor)) {
        choice->setCurrentIndex(choice->findData(text));
        return;
    }
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->setText(text);
        box->selectAll();
    }
}

void CellEditor::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (committing_)
        return;
    QString text;
    if (const auto* choice = qobject_cast<QComboBox*>(editor))
        text = choice->currentIndex() < 0 ? QString() : choice->currentData().toString();
    else if (const auto* box = qobject_cast<QLineEdit*>(editor))
        text = box->text();
    if (text == index.data(Qt::EditRole).toString())
        return;
    const QScopedValueRollback guard(committing_, true);
    commit_(index.row() + 1, index.column(), text);
}

}  // namespace jubilo
