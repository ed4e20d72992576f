// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/tab_list_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace tempulo {

// The left edge of each tab-separated part, counted from the text's start,
// and after them the right edge of the last part.
QList<int> TabListDelegate::PartLefts(const QStringList& parts, const QFontMetrics& metrics) const {
  QList<int> lefts;
  lefts.reserve(parts.size() + 1);
  int x = 0;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0) {
      // The next tab stop strictly right of the text so far.
      x = (x / tabStop_ + 1) * tabStop_;
    }
    lefts.append(x);
    x += metrics.horizontalAdvance(parts[i]);
  }
  lefts.append(x);
  return lefts;
}

int TabListDelegate::WrapWidth(const QStringList& parts, const QList<int>& lefts,
                               const QFontMetrics& metrics) const {
  if (wrapView_ == nullptr || parts.size() < 2) {
    return 0;
  }
  // The room as though the vertical scroll bar were shown: a bar that
  // appears after the layout would otherwise leave every row too wide.
  int room = wrapView_->viewport()->width() - 2 * kTextMargin;
  if (const QScrollBar* bar = wrapView_->verticalScrollBar(); bar != nullptr && !bar->isVisible()) {
    room -= wrapView_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
  }
  if (lefts.back() <= room) {
    return 0;  // fits on one line
  }
  // Too little room beside the labels: scroll sideways instead.
  const int width = room - lefts[parts.size() - 1];
  const QString& value = parts.back();
  if (width < 8 * metrics.averageCharWidth()) {
    return 0;
  }
  // A single word wider than the room would be cut.
  for (const QString& word : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (metrics.horizontalAdvance(word) > width) {
      return 0;
    }
  }
  return width;
}

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
  const QStringList parts = text.split(QLatin1Char('\t'));
  const QFontMetrics metrics(opt.font);
  const QList<int> lefts = PartLefts(parts, metrics);
  const int wrap = WrapWidth(parts, lefts, metrics);
  const int left = opt.rect.left() + kTextMargin;
  // Wrapped rows keep their first line where a one-line row has it.
  const int firstLineTop = opt.rect.top() + std::max(0, (rowHeight_ - metrics.height()) / 2);
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const int x = left + lefts[i];
    if (wrap > 0) {
      const bool last = i == parts.size() - 1;
      const QRect cell(x, firstLineTop, last ? wrap : opt.rect.right() - x, opt.rect.bottom() - firstLineTop);
      painter->drawText(cell, Qt::AlignLeft | Qt::AlignTop | (last ? Qt::TextWordWrap : Qt::TextSingleLine),
                        parts[i]);
      continue;
    }
    const QRect cell(x, opt.rect.top(), opt.rect.right() - x, opt.rect.height());
    painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
  }
  painter->restore();
}

QSize TabListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  // As wide as the columns are laid out, so that the list scrolls sideways
  // to a value longer than the window is wide instead of cutting it off.
  const QStringList parts = opt.text.split(QLatin1Char('\t'));
  const QFontMetrics metrics(opt.font);
  const QList<int> lefts = PartLefts(parts, metrics);
  const int wrap = WrapWidth(parts, lefts, metrics);
  if (wrap > 0) {
    const QRect needed = metrics.boundingRect(QRect(0, 0, wrap, 100000), Qt::TextWordWrap, parts.back());
    const int padding = std::max(0, rowHeight_ - metrics.height());
    return {2 * kTextMargin + lefts[parts.size() - 1] + wrap, std::max(rowHeight_, needed.height() + padding)};
  }
  return {2 * kTextMargin + lefts.back(), rowHeight_};
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
