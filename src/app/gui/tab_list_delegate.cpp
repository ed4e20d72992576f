// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/tab_list_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace tempulo {

TabListDelegate::TabListDelegate(int tabStopPixels, int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), tabStop_(tabStopPixels > 0 ? tabStopPixels : 1), rowHeight_(rowHeight) {}

void TabListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* widget = opt.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

  painter->save();
  painter->setFont(opt.font);
  const bool selected = (opt.state & QStyle::State_Selected) != 0;
  painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const QFontMetrics metrics(opt.font);
  const int left = opt.rect.left() + 2;
  int x = left;
  const QStringList parts = text.split(QLatin1Char('\t'));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0) {
      // The next tab stop strictly right of the text so far.
      x = left + ((x - left) / tabStop_ + 1) * tabStop_;
    }
    const QRect cell(x, opt.rect.top(), opt.rect.right() - x, opt.rect.height());
    painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
    x += metrics.horizontalAdvance(parts[i]);
  }
  painter->restore();
}

QSize TabListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(rowHeight_);
  return size;
}

int DialogUnitsToPixels(int dialogUnits, const QFont& font) {
  const QFontMetrics metrics(font);
  const int sample =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  const int baseUnit = (sample / 26 + 1) / 2;
  return dialogUnits * baseUnit / 4;
}

int LabelGap(const QFont& font) { return 2 * QFontMetrics(font).averageCharWidth(); }

int TabStopAfterLongestLabel(const QStringList& lines, const QFont& font, int minimum) {
  QFont bold(font);
  bold.setBold(true);
  const QFontMetrics regular(font);
  const QFontMetrics boldMetrics(bold);
  int widest = 0;
  for (const QString& line : lines) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
      continue;
    }
    const QString label = line.left(tab);
    widest = std::max({widest, regular.horizontalAdvance(label), boldMetrics.horizontalAdvance(label)});
  }
  return std::max(minimum, widest + LabelGap(font));
}

}  // namespace tempulo
