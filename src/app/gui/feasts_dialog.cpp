// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/feasts_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "report/refresh.h"

namespace tempulo {
namespace {

constexpr int kDialogWidth = 520;
constexpr int kDialogHeight = 560;

}  // namespace

FeastsDialog::FeastsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("feastsDialog"));
  auto* layout = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  QFont bold = font();
  bold.setBold(true);
  heading_->setFont(bold);
  layout->addWidget(heading_);
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("feastsList"));
  list_->setAccessibleName(QStringLiteral("Feste des Jahres"));
  list_->setColumnCount(2);
  list_->setHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Fest")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  layout->addWidget(list_, 1);
  auto* hint = new QLabel(QStringLiteral("Doppelklick oder Eingabetaste: zu diesem Tag gehen"), this);
  layout->addWidget(hint);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
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
