#include "windows/history_controls.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "windows/fonts.h"
#include "windows/history_table_model.h"

namespace zelvano {

QTableView* makeHistoryTable(QWidget* parent, const QString& name, const QString& spoken,
                             const QString& description) {
    auto* table = new QTableView(parent);  // owned by its parent
    table->setObjectName(name);
    table->setModel(new HistoryTableModel(table));  // owned by the table
    table->setAccessibleName(spoken);
    table->setAccessibleDescription(description);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab goes on to the next control
    // A text longer than its column ends in "…" on one line, never cut within a character.
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->verticalHeader()->setVisible(false);
    table->setFont(windowFont(FontFace::Gothic, 9.0));
    // Rows as high as their text, so that a long career reads at a glance.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setFont(windowFont(FontFace::Gothic, 9.0, true));
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

HistoryTableModel& historyModelOf(QTableView& table) {
    return *static_cast<HistoryTableModel*>(table.model());
}

void showHistoryTable(QTableView& table, HistoryTable content) {
    HistoryTableModel& model = historyModelOf(table);
    model.setTable(std::move(content));
    fitColumns(table, model.table());
}

QLabel* makeHistoryTitle(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);  // owned by its parent
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(windowFont(FontFace::Gothic, 12.0, true));
    label->setWordWrap(true);
    return label;
}

QPushButton* makeHistoryButton(QWidget* parent, const QString& name, const QString& caption,
                               const QString& description) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(defaultWindowFont());
    button->setAutoDefault(true);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(description);
    return button;
}

}  // namespace zelvano
