#pragma once
// A table of the history as a Qt model: the rows stay as the source gave them and become texts
// only as the view draws them, so that the transaction log of ten thousand seasons (64,000 rows)
// costs one copy of its strings, not a widget item a cell.
//
//   auto* model = new HistoryTableModel(view);   // owned by the view
//   model->setTable(source.transactions(0));
//   view->setModel(model);

#include <QAbstractTableModel>

#include "platform/history_view.h"

class QTableView;

namespace zelvano {

class HistoryTableModel final : public QAbstractTableModel {
public:
    explicit HistoryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setTable(HistoryTable table);
    const HistoryTable& table() const { return table_; }
    // Cells whose text may be longer than their column show it whole as a tool tip.
    void setToolTips(bool on) { toolTips_ = on; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    HistoryTable table_;
    bool toolTips_ = false;
};

// Makes every column but the last as wide as its header and the widest text among the first and
// the last rows (the history's tables run by year, so the widest year is at one end), and lets
// the last column fill the rest of the table.
void fitColumns(QTableView& view, const HistoryTable& table);

}  // namespace zelvano
