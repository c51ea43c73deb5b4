#include "gui/grid_setup.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QPainter>
#include <QTableWidget>

#include "gui/fonts.h"

namespace {
constexpr int kTextLeft = 2;
}

void TGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem background = option;
  initStyleOption(&background, index);
  const QString text = background.text;
  background.text.clear();
  QStyledItemDelegate::paint(painter, background, index);
  painter->save();
  painter->setClipRect(option.rect);
  painter->setFont(background.font);
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const QRect rect = option.rect.adjusted(kTextLeft, 0, 0, 0);
  painter->drawText(rect, static_cast<int>(background.displayAlignment & Qt::AlignVertical_Mask) | Qt::AlignLeft |
                              Qt::TextSingleLine, text);
  painter->restore();
}

void SetUpGrid(QTableWidget& grid) {
  grid.setFont(GridFont());
  grid.horizontalHeader()->setFont(GridFont());
  grid.setWordWrap(false);
  grid.setTextElideMode(Qt::ElideNone);
  grid.setItemDelegate(new TGridCellDelegate(&grid));
  grid.verticalHeader()->setMinimumSectionSize(0);
  grid.verticalHeader()->setDefaultSectionSize(QFontInfo(grid.font()).pixelSize() + 3);
}
