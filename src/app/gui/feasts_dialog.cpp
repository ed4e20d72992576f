// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/feasts_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/gui/day_list.h"
#include "app/gui/announce.h"
#include "app/gui/text_folding.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

constexpr int kDialogWidth = 520;
constexpr int kDialogHeight = 560;

}  // namespace

FeastsDialog::FeastsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("feastsDialog"));
  auto* layout = new QVBoxLayout(this);
  heading_ = AddDayListHeading(this, layout);
  filter_ = new QLineEdit(this);
  filter_->setObjectName(QStringLiteral("feastsFilter"));
  filter_->setPlaceholderText(QStringLiteral("Name eines Festes, z. B. Ostern"));
  filter_->setClearButtonEnabled(true);
  auto* filterRow = new QFormLayout();
  filterRow->addRow(QStringLiteral("&Filter"), filter_);
  layout->addLayout(filterRow);
  empty_ = new QLabel(this);
  empty_->setObjectName(QStringLiteral("feastsEmpty"));
  empty_->setWordWrap(true);
  empty_->hide();
  layout->addWidget(empty_);
  list_ = AddDayList(this, layout, QStringLiteral("feastsList"), QStringLiteral("Feste des Jahres"), QStringLiteral("Datum"),
                     QStringLiteral("Fest"));
  AddDayListFooter(this, layout);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
  connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
  // Down from the filter goes into the list.
  connect(filter_, &QLineEdit::returnPressed, this, [this] { list_->setFocus(); });
  resize(kDialogWidth, kDialogHeight);
}

void FeastsDialog::ShowYear(int year) {
  year_ = year;
  feasts_ = FeastsOfYear(year);
  setWindowTitle(QStringLiteral("Feste des Jahres %1").arg(year));
  heading_->setText(QStringLiteral("Feste des Jahres %1").arg(year));
  list_->clear();
  QList<QTreeWidgetItem*> items;
  for (std::size_t i = 0; i < feasts_.size(); ++i) {
    const Feast& feast = feasts_[i];
    const std::string_view month = GermanMonthName(feast.date.month);
    auto* item =
        new QTreeWidgetItem({QString::number(feast.date.day) + QStringLiteral(".") +
                                 QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())),
                             QString::fromStdString(feast.name)});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    items.append(item);
  }
  list_->addTopLevelItems(items);
  if (!items.isEmpty()) {
    list_->setCurrentItem(items.front());
  }
  applyFilter();
}

void FeastsDialog::applyFilter() {
  const QString wanted = filter_->text();
  QTreeWidgetItem* first = nullptr;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    const bool shown = MatchesSearch(item->text(1), wanted);
    item->setHidden(!shown);
    if (shown && first == nullptr) {
      first = item;
    }
  }
  if (first != nullptr && (list_->currentItem() == nullptr || list_->currentItem()->isHidden())) {
    list_->setCurrentItem(first);
  }
  const bool none = first == nullptr;
  empty_->setText(none ? (wanted.trimmed().isEmpty()
                              ? QStringLiteral("Keine Feste in diesem Jahr.")
                              : QStringLiteral("Kein Fest des Jahres %1 passt zu „%2“.").arg(year_).arg(wanted.trimmed()))
                       : QString());
  empty_->setVisible(none);
  if (none) {
    AnnounceMessage(empty_);
  }
}

int FeastsDialog::ShownCount() const {
  int count = 0;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    count += list_->topLevelItem(i)->isHidden() ? 0 : 1;
  }
  return count;
}

void FeastsDialog::choose(QTreeWidgetItem* item) {
  if (item == nullptr) {
    return;
  }
  const auto index = item->data(0, Qt::UserRole).toULongLong();
  if (index < feasts_.size()) {
    emit dayChosen(feasts_[index].date);
  }
}

}  // namespace tempulo
