// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/calendar_chooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tempulo {
namespace {

constexpr int kIdRole = Qt::UserRole + 1;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

CalendarChooser::CalendarChooser(const EntryChoice& choice, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kalender wählen"));
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(QStringLiteral("Der Bericht zeigt die angekreuzten Zeilen, immer in seiner Reihenfolge. "
                                         "Die übrigen werden nicht berechnet."),
                          this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("calendarList"));
  list_->setAccessibleName(QStringLiteral("Zeilen des Berichts"));
  for (const ReportEntry& entry : ReportEntries()) {
    if (!entry.choosable) {
      continue;
    }
    auto* item = new QListWidgetItem(Q(EntryChoiceLabel(entry)), list_);
    item->setData(kIdRole, Q(entry.id));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setToolTip(Q(entry.id));
  }
  hint->setBuddy(list_);
  layout->addWidget(list_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* all = buttons->addButton(QStringLiteral("&Alle"), QDialogButtonBox::ResetRole);
  all->setObjectName(QStringLiteral("allButton"));
  QPushButton* defaults = buttons->addButton(QStringLiteral("&Voreinstellung"), QDialogButtonBox::ResetRole);
  defaults->setObjectName(QStringLiteral("defaultButton"));
  connect(all, &QPushButton::clicked, this, [this] { Show(EntryChoice::All()); });
  connect(defaults, &QPushButton::clicked, this, [this] { Show(EntryChoice()); });
  // A report needs at least one line of its own.
  connect(list_, &QListWidget::itemChanged, this, [this, buttons] {
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!Choice().Ids().empty());
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  Show(choice);
  list_->setCurrentRow(0);
  list_->setFocus();
}

void CalendarChooser::Show(const EntryChoice& choice) {
  for (int i = 0; i < list_->count(); ++i) {
    QListWidgetItem* item = list_->item(i);
    const bool shown = choice.Shows(item->data(kIdRole).toString().toStdString());
    item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
  }
}

EntryChoice CalendarChooser::Choice() const {
  EntryChoice choice;
  for (int i = 0; i < list_->count(); ++i) {
    const QListWidgetItem* item = list_->item(i);
    choice.Set(item->data(kIdRole).toString().toStdString(), item->checkState() == Qt::Checked);
  }
  return choice;
}

QString EntryChoiceSetting(const EntryChoice& choice) { return QString::fromStdString(choice.Text()); }

EntryChoice EntryChoiceFromSetting(const QString& value) {
  const std::string text = value.toStdString();
  // "default" and "all" are no identifiers of a saved choice; a list is.
  if (text.empty() || text == "default" || text == "all") {
    return EntryChoice();
  }
  return EntryChoice::Parse(text).value_or(EntryChoice());
}

}  // namespace tempulo
