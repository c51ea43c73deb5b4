// The look of the program's grids: the grid font, rows one font height + 3
// pixels high, and texts drawn 2 pixels in from the cell's left edge without
// wrapping or shortening, so that a column fitted with FitGrid shows its
// longest text whole.
#pragma once

#include <QStyledItemDelegate>

class QTableWidget;

class TGridCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Gives a grid the grid font, the row height and the cell drawing above.
void SetUpGrid(QTableWidget& grid);
