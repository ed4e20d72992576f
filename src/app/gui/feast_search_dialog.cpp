// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/feast_search_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/gui/announce.h"
#include "app/gui/text_folding.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

constexpr int kDefaultYears = 5;
// More hits than a list can sensibly show (a weekly feast over fifty years).
constexpr int kMaxHits = 2000;

QString DateText(const CivilDate& date) {
  const std::string_view month = GermanMonthName(date.month);
  return QStringLiteral("%1.%2 %3")
      .arg(date.day)
      .arg(QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())))
      .arg(date.year);
}

}  // namespace

FeastSearchDialog::FeastSearchDialog(int year, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("feastSearchDialog"));
  setWindowTitle(QStringLiteral("Fest suchen"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout();
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("feastName"));
  name_->setPlaceholderText(QStringLiteral("z. B. Ostern, Chanukka, Frühlingsfest"));
  name_->setClearButtonEnabled(true);
  form->addRow(QStringLiteral("&Name"), name_);
  auto* years = new QWidget(this);
  auto* yearsLayout = new QHBoxLayout(years);
  yearsLayout->setContentsMargins(0, 0, 0, 0);
  from_ = new QSpinBox(years);
  from_->setObjectName(QStringLiteral("fromYear"));
  from_->setAccessibleName(QStringLiteral("von Jahr"));
  to_ = new QSpinBox(years);
  to_->setObjectName(QStringLiteral("toYear"));
  to_->setAccessibleName(QStringLiteral("bis Jahr"));
  for (QSpinBox* spin : {from_, to_}) {
    spin->setRange(kMinimumYear, kMaximumYear);
    spin->setGroupSeparatorShown(false);
  }
  from_->setValue(year);
  to_->setValue(std::min(kMaximumYear, year + kDefaultYears - 1));
  yearsLayout->addWidget(from_);
  yearsLayout->addWidget(new QLabel(QStringLiteral("bis"), years));
  yearsLayout->addWidget(to_);
  yearsLayout->addStretch(1);
  form->addRow(QStringLiteral("&Jahre"), years);
  layout->addLayout(form);

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("message"));
  message_->setWordWrap(true);
  message_->setAccessibleName(QStringLiteral("Meldung"));
  layout->addWidget(message_);

  hits_ = new QTreeWidget(this);
  hits_->setObjectName(QStringLiteral("feastHits"));
  hits_->setAccessibleName(QStringLiteral("Gefundene Feste"));
  hits_->setColumnCount(2);
  hits_->setHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Fest")});
  hits_->setRootIsDecorated(false);
  hits_->setUniformRowHeights(true);
  hits_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  layout->addWidget(hits_, 1);

  auto* buttons = new QDialogButtonBox(this);
  searchButton_ = buttons->addButton(QStringLiteral("&Suchen"), QDialogButtonBox::ActionRole);
  searchButton_->setObjectName(QStringLiteral("searchButton"));
  QPushButton* close = buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
  // Enter searches in the fields and goes to a day in the list; no button
  // takes it.
  for (QPushButton* button : {searchButton_, close}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  layout->addWidget(buttons);

  connect(searchButton_, &QPushButton::clicked, this, [this] { Search(); });
  connect(name_, &QLineEdit::returnPressed, this, [this] { Search(); });
  for (QSpinBox* spin : {from_, to_}) {
    connect(spin, &QAbstractSpinBox::editingFinished, this, [this, spin] {
      if (spin->hasFocus() && !name_->text().trimmed().isEmpty()) {
        Search();
      }
    });
  }
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(hits_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
  resize(520, 480);
}

void FeastSearchDialog::say(const QString& text) {
  message_->setText(text);
  if (!text.isEmpty()) {
    AnnounceMessage(message_);
  }
}

int FeastSearchDialog::Search() {
  hits_->clear();
  found_.clear();
  const QString wanted = name_->text().trimmed();
  if (wanted.isEmpty()) {
    say(QStringLiteral("Bitte den Namen eines Festes eingeben."));
    name_->setFocus();
    return 0;
  }
  const int first = std::min(from_->value(), to_->value());
  const int last = std::max(from_->value(), to_->value());
  if (last - first + 1 > kMaxYears) {
    say(QStringLiteral("Bitte höchstens %1 Jahre auf einmal durchsuchen (gewählt: %2 bis %3).")
            .arg(kMaxYears)
            .arg(first)
            .arg(last));
    return 0;
  }
  for (int year = first; year <= last && static_cast<int>(found_.size()) < kMaxHits; ++year) {
    for (Feast& feast : FeastsOfYear(year)) {
      if (MatchesSearch(QString::fromStdString(feast.name), wanted)) {
        found_.push_back(std::move(feast));
      }
    }
  }
  QList<QTreeWidgetItem*> items;
  for (std::size_t i = 0; i < found_.size(); ++i) {
    auto* item = new QTreeWidgetItem({DateText(found_[i].date), QString::fromStdString(found_[i].name)});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    items.append(item);
  }
  hits_->addTopLevelItems(items);
  if (items.isEmpty()) {
    say(first == last ? QStringLiteral("Kein Fest „%1“ im Jahr %2.").arg(wanted).arg(first)
                      : QStringLiteral("Kein Fest „%1“ in den Jahren %2 bis %3.").arg(wanted).arg(first).arg(last));
    return 0;
  }
  say(items.size() == 1 ? QStringLiteral("1 Treffer; Eingabetaste oder Doppelklick geht zu dem Tag.")
                        : QStringLiteral("%1 Treffer; Eingabetaste oder Doppelklick geht zu dem Tag.")
                              .arg(items.size()));
  hits_->setCurrentItem(items.front());
  hits_->setFocus();
  return static_cast<int>(items.size());
}

void FeastSearchDialog::choose(QTreeWidgetItem* item) {
  if (item == nullptr) {
    return;
  }
  const auto index = item->data(0, Qt::UserRole).toULongLong();
  if (index < found_.size()) {
    emit dayChosen(found_[index].date);
  }
}

}  // namespace tempulo
