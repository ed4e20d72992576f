// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a list as the window shows them: the text with its tabs (drawn
// as columns), what a screen reader says instead, an optional tooltip, and
// whether the row is a statutory holiday (bold, in the holiday colour).
#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QFont>
#include <QVector>

namespace tempulo {

struct ListLine {
  QString text;
  QString toolTip;
  bool emphasised = false;
  int day = 0;  // the day a holiday row belongs to, 0 for others
  QString spoken;      // what a screen reader says instead of the text; empty: the text
  bool blank = false;  // a spacing line: not selectable, not read out
};

class LinesModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  void SetLines(QVector<ListLine> lines);
  const QVector<ListLine>& Lines() const { return lines_; }
  QStringList Texts() const;
  void SetEmphasis(const QColor& colour, const QFont& font);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  QVector<ListLine> lines_;
  QColor emphasisColour_;
  QFont emphasisFont_;
};

}  // namespace tempulo
