// Sizes a grid to its contents.
#pragma once

class QTableWidget;

// Sets every column's width to (longest text of the column, its header
// included, in Shift-JIS bytes) × (half the font's pixel height, rounded
// up) + 3, then the grid's width to the sum of the column widths and one
// grid line each, plus 16 when the vertical scroll bar may show and the rows
// do not all fit, plus 4 when the grid has a frame.
void FitGrid(QTableWidget& grid);
