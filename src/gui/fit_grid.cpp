#include "gui/fit_grid.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "gui/qt_text.h"

namespace {

int Bytes(const QString& text) { return static_cast<int>(ToSjis(text).size()); }

}  // namespace

void FitGrid(QTableWidget& grid) {
  const int halfHeight = (QFontInfo(grid.font()).pixelSize() + 1) / 2;
  const int lineWidth = grid.showGrid() ? 1 : 0;
  int width = 0;
  grid.horizontalHeader()->setMinimumSectionSize(0);
  for (int column = 0; column < grid.columnCount(); ++column) {
    int longest = 0;
    if (const QTableWidgetItem* header = grid.horizontalHeaderItem(column)) longest = Bytes(header->text());
    for (int row = 0; row < grid.rowCount(); ++row) {
      if (const QTableWidgetItem* cell = grid.item(row, column)) longest = std::max(longest, Bytes(cell->text()));
    }
    const int columnWidth = longest * halfHeight + 3;
    grid.setColumnWidth(column, columnWidth);
    width += columnWidth + lineWidth;
  }
  if (grid.verticalHeader()->isVisible()) width += grid.verticalHeader()->width();
  if (grid.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
    int rows = 0;
    for (int row = 0; row < grid.rowCount(); ++row) rows += grid.rowHeight(row);
    const int header = grid.horizontalHeader()->isVisible() ? grid.horizontalHeader()->height() : 0;
    if (rows > grid.height() - header - 2 * grid.frameWidth()) width += 16;
  }
  if (grid.frameShape() != QFrame::NoFrame) width += 4;
  grid.resize(width, grid.height());
}
