// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/day_list.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tempulo {

QLabel* AddDayListHeading(QDialog* dialog, QVBoxLayout* layout) {
  auto* heading = new QLabel(dialog);
  QFont bold = dialog->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  return heading;
}

QTreeWidget* AddDayList(QDialog* dialog, QVBoxLayout* layout, const QString& objectName,
                        const QString& accessibleName, const QString& firstColumn, const QString& secondColumn) {
  auto* list = new QTreeWidget(dialog);
  list->setObjectName(objectName);
  list->setAccessibleName(accessibleName);
  list->setColumnCount(2);
  list->setHeaderLabels({firstColumn, secondColumn});
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  layout->addWidget(list, 1);
  return list;
}

void AddDayListFooter(QDialog* dialog, QVBoxLayout* layout) {
  layout->addWidget(new QLabel(QStringLiteral("Doppelklick oder Eingabetaste: zu diesem Tag gehen"), dialog));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

}  // namespace tempulo
