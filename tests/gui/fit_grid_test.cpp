// Fitting a grid to its texts, and the grid font.
#include <QFontInfo>
#include <QHeaderView>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "gui/fit_grid.h"
#include "gui/fonts.h"
#include "gui/grid_setup.h"
#include "gui_test_support.h"

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(GuiFitGrid, ColumnsTakeTheirLongestTextInBytesAndTheGridTheirSum) {
  EnsureGuiApplication();
  QTableWidget grid(3, 3);
  SetUpGrid(grid);
  // The stand-in of the grid font is the IPA Gothic, 12 pixels high: a byte
  // is 6 pixels.
  EXPECT_EQ(QFontInfo(grid.font()).family(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(QFontInfo(grid.font()).pixelSize(), 12);
  grid.verticalHeader()->hide();
  grid.setHorizontalHeaderLabels({Text("年月日"), Text("競走名"), Text("Ｒ")});
  const char* cells[3][3] = {{"040501", "天皇賞（春）", "11"}, {"040502", "ＮＨＫマイルＣ", "9"}, {"", "", ""}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) grid.setItem(r, c, new QTableWidgetItem(Text(cells[r][c])));
  }
  grid.resize(100, 400);  // every row fits
  FitGrid(grid);
  EXPECT_EQ(grid.columnWidth(0), 6 * 6 + 3);   // "年月日": 6 bytes
  EXPECT_EQ(grid.columnWidth(1), 14 * 6 + 3);  // "ＮＨＫマイルＣ": 14 bytes
  EXPECT_EQ(grid.columnWidth(2), 2 * 6 + 3);   // "Ｒ", "11": 2 bytes
  EXPECT_EQ(grid.width(), (39 + 1) + (87 + 1) + (15 + 1) + 4);
  grid.show();
  SaveScreenshot(grid, "fit-grid");

  grid.resize(grid.width(), 40);  // rows hidden: room for the scroll bar
  FitGrid(grid);
  EXPECT_EQ(grid.width(), (39 + 1) + (87 + 1) + (15 + 1) + 16 + 4);
}

}  // namespace
