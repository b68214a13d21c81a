#include "windows/history_table_model.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

#include "windows/qt_text.h"

namespace zelvano {

namespace {

// Enough rows at each end to meet the widest year and most names, few enough to be quick at
// ten thousand seasons.
constexpr std::size_t kMeasuredRows = 200;

}  // namespace

void HistoryTableModel::setTable(HistoryTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.header.size());
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && !(toolTips_ && role == Qt::ToolTipRole)) return {};
    const auto& row = table_.rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? toQString(row[column]) : QString();
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return toQString(table_.header[static_cast<std::size_t>(section)]);
}

void fitColumns(QTableView& view, const HistoryTable& table) {
    const int columns = static_cast<int>(table.header.size());
    const QFontMetrics cells(view.font());
    const QFontMetrics heading(view.horizontalHeader()->font());
    const int padding =
        2 * view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 12;
    const std::size_t rows = table.rows.size();
    for (int column = 0; column + 1 < columns; ++column) {
        const auto at = static_cast<std::size_t>(column);
        int width = heading.horizontalAdvance(toQString(table.header[at])) + padding + 8;
        const auto measure = [&](std::size_t row) {
            if (at < table.rows[row].size()) {
                width = std::max(width,
                                 cells.horizontalAdvance(toQString(table.rows[row][at])) + padding);
            }
        };
        for (std::size_t row = 0; row < std::min(rows, kMeasuredRows); ++row) measure(row);
        for (std::size_t row =
                 std::max(std::min(rows, kMeasuredRows), rows - std::min(rows, kMeasuredRows));
             row < rows; ++row) {
            measure(row);
        }
        view.setColumnWidth(column, width);
    }
    view.horizontalHeader()->setStretchLastSection(true);
}

}  // namespace zelvano
