// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/help_dialogs.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#ifndef TEMPULO_VERSION
#define TEMPULO_VERSION "unbekannt"
#endif

namespace tempulo {

ShortcutsDialog::ShortcutsDialog(const std::vector<ShortcutLine>& lines, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("shortcutsDialog"));
  setWindowTitle(QStringLiteral("Tastenkürzel"));
  auto* layout = new QVBoxLayout(this);
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("shortcutList"));
  list_->setAccessibleName(QStringLiteral("Tastenkürzel"));
  list_->setColumnCount(2);
  list_->setHeaderLabels({QStringLiteral("Tasten"), QStringLiteral("Wirkung")});
  list_->setRootIsDecorated(false);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  for (const ShortcutLine& line : lines) {
    auto* item = new QTreeWidgetItem(list_, {line.keys, line.action});
    item->setData(0, Qt::AccessibleTextRole, line.keys + QStringLiteral(": ") + line.action);
  }
  layout->addWidget(list_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(520, 480);
}

QString AboutText() {
  return QStringLiteral(
             "<h3>Tempulo %1</h3>"
             "<p>Ein Almanach für den Schreibtisch: der Tag in mehr als vierzig Kalendern, die Feiertage "
             "des Monats und die Zeiten von Sonne und Mond. Alles wird auf diesem Rechner berechnet; "
             "das Programm braucht kein Netz.</p>"
             "<p>Lizenz: GNU General Public License, Version 3 oder später (GPL-3.0-or-later). "
             "Tempulo ist freie Software und kommt ohne jede Gewährleistung.</p>")
      .arg(QStringLiteral(TEMPULO_VERSION));
}

}  // namespace tempulo
