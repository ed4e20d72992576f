// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the items of a list with their tab characters expanded to tab stops,
// so that labels and values form columns. The tab stop is set after the
// longest label, so that a gap always separates label and value. A value
// too long for the list's width wraps onto further lines of its row; where
// even a word does not fit, the row keeps one line and the list scrolls
// sideways, so no value is ever cut.
#pragma once

#include <QFontMetrics>
#include <QList>
#include <QStringList>
#include <QStyledItemDelegate>

class QAbstractItemView;

namespace tempulo {

class TabListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  TabListDelegate(int tabStopPixels, int rowHeight, QObject* parent = nullptr);

  void SetTabStop(int pixels) { tabStop_ = pixels > 0 ? pixels : 1; }
  void SetRowHeight(int pixels) { rowHeight_ = pixels; }
  // The view whose width the values wrap to; none: they never wrap.
  void SetWrapView(const QAbstractItemView* view) { wrapView_ = view; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  // Space between a row's edge and its text.
  static constexpr int kTextMargin = 2;

  QList<int> PartLefts(const QStringList& parts, const QFontMetrics& metrics) const;
  // The width the last part wraps to, or 0 when the row stays one line.
  int WrapWidth(const QStringList& parts, const QList<int>& lefts, const QFontMetrics& metrics) const;

  int tabStop_;
  int rowHeight_;
  const QAbstractItemView* wrapView_ = nullptr;
};

// Pixels of a tab stop given in dialog units for a font: a dialog unit is a
// quarter of the font's average character width.
int DialogUnitsToPixels(int dialogUnits, const QFont& font);

// The gap the tab stop leaves after the longest label: two average characters.
int LabelGap(const QFont& font);

// A tab stop at least `minimum` pixels from the left, and at least the gap
// beyond the widest label (the text before the first tab) of any line, in
// the font and in its bold face.
int TabStopAfterLongestLabel(const QStringList& lines, const QFont& font, int minimum);

}  // namespace tempulo
