// Draws the items of a list with their tab characters expanded to fixed tab
// stops, so that labels and values form columns. Every row is one fixed
// height.
#pragma once

#include <QStyledItemDelegate>

namespace tempulo {

class TabListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  TabListDelegate(int tabStopPixels, int rowHeight, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int tabStop_;
  int rowHeight_;
};

// Pixels of a tab stop given in dialog units for a font: a dialog unit is a
// quarter of the font's average character width.
int DialogUnitsToPixels(int dialogUnits, const QFont& font);

}  // namespace tempulo
