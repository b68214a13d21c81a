#pragma once
// The controls every page of the history window is made of: tables of the source's texts and
// the titles above them, in the window's fonts.
//
//   QTableView* table = makeHistoryTable(page, "gamesTable", "試合結果", "…");
//   showHistoryTable(*table, source.season(7).games);

#include <QString>

#include "platform/history_view.h"

class QLabel;
class QPushButton;
class QTableView;
class QWidget;

namespace zelvano {

class HistoryTableModel;

// A read-only table of whole rows, one selected at a time, named for a screen reader. Tab goes
// on to the next control; the arrows move within the table.
QTableView* makeHistoryTable(QWidget* parent, const QString& name, const QString& spoken,
                             const QString& description);
HistoryTableModel& historyModelOf(QTableView& table);
// Shows the table with its columns fitted to their texts.
void showHistoryTable(QTableView& table, HistoryTable content);
// A bold title above a page; plain text, so a name is never taken for markup.
QLabel* makeHistoryTitle(QWidget* parent, const QString& name);
// A button that Enter presses when it has the focus, named and described for a screen reader.
QPushButton* makeHistoryButton(QWidget* parent, const QString& name, const QString& caption,
                               const QString& description);

}  // namespace zelvano
