#pragma once
// Lets a list view show a PlanTable: exactly its rows, in its order, with
// its column headers. Rows are 1-based in the table and 0-based here.

#include "plan/plan_tables.h"

#include <QAbstractTableModel>

namespace jubilo {

class PlanTableModel : public QAbstractTableModel, private PlanTableObserver {
    Q_OBJECT
public:
    explicit PlanTableModel(PlanTable& table, QObject* parent = nullptr);
    ~PlanTableModel() override;

    PlanTable& table() { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Every cell can be edited where it stands; what may be stored is for
    // the editor to decide before it sets the text.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted() override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved() override;
    void cellChanged(int row, int column) override;
    void rowAboutToMove(int from, int to) override;
    void rowMoved() override;

    PlanTable& table_;
};

}  // namespace jubilo
