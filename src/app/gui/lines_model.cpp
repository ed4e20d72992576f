// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/lines_model.h"

#include "time/utf8.h"

namespace tempulo {

void LinesModel::SetLines(QVector<ListLine> lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

QStringList LinesModel::Texts() const {
  QStringList texts;
  texts.reserve(lines_.size());
  for (const ListLine& line : lines_) {
    texts.append(line.text);
  }
  return texts;
}

void LinesModel::SetEmphasis(const QColor& colour, const QFont& font) {
  emphasisColour_ = colour;
  emphasisFont_ = font;
  emphasisFont_.setBold(true);
  if (!lines_.isEmpty()) {
    emit dataChanged(index(0), index(static_cast<int>(lines_.size()) - 1));
  }
}

int LinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= lines_.size()) {
    return {};
  }
  const ListLine& line = lines_[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      return line.text;
    case Qt::AccessibleTextRole:
      if (line.blank) {
        return QString();
      }
      return line.spoken.isEmpty() ? QString::fromStdString(SpokenLine(line.text.toStdString())) : line.spoken;
    case Qt::ToolTipRole:
      return line.toolTip.isEmpty() ? QVariant() : QVariant(line.toolTip);
    case Qt::FontRole:
      return line.emphasised ? QVariant(emphasisFont_) : QVariant();
    case Qt::ForegroundRole:
      return line.emphasised && emphasisColour_.isValid() ? QVariant(emphasisColour_) : QVariant();
    default:
      return {};
  }
}

Qt::ItemFlags LinesModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= lines_.size()) {
    return Qt::NoItemFlags;
  }
  // Spacing lines are skipped by the keyboard and by screen readers.
  return lines_[index.row()].blank ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace tempulo
