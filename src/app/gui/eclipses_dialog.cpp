// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/eclipses_dialog.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "app/gui/day_list.h"
#include "report/refresh.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr int kDialogWidth = 680;
constexpr int kDialogHeight = 360;
constexpr double kDefaultLatitude = 50.0;
constexpr double kDefaultLongitude = 12.0;

}  // namespace

EclipsesDialog::EclipsesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("eclipsesDialog"));
  auto* layout = new QVBoxLayout(this);
  heading_ = AddDayListHeading(this, layout);
  list_ = AddDayList(this, layout, QStringLiteral("eclipsesList"), QStringLiteral("Finsternisse des Jahres"), QStringLiteral("Datum"),
                     QStringLiteral("Finsternis"));
  AddDayListFooter(this, layout);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
  resize(kDialogWidth, kDialogHeight);
}

void EclipsesDialog::ShowYear(int year, const ReportPlace* place) {
  const TimeZone zone = place != nullptr ? place->zone : TimeZone{};
  const double latitude = place != nullptr ? place->place.latitude : kDefaultLatitude;
  const double longitude = place != nullptr ? place->place.longitude : kDefaultLongitude;
  setWindowTitle(QStringLiteral("Finsternisse des Jahres %1").arg(year));
  heading_->setText(QStringLiteral("Finsternisse des Jahres %1").arg(year));
  list_->clear();
  days_.clear();
  QList<QTreeWidgetItem*> items;
  for (const PlacedEclipse& e : EclipsesOfYear(year, zone, latitude, longitude)) {
    // The day of the maximum in the place's civil time, as the report lists it.
    const double local = e.maximum + zone.OffsetAt(e.maximum).seconds / 86400.0;
    const CivilDate day = CivilFromFixed(FixedFromDateValue(std::floor(local)));
    const std::string_view month = GermanMonthName(day.month);
    auto* item = new QTreeWidgetItem({QString::number(day.day) + QStringLiteral(".") +
                                          QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())),
                                      QString::fromStdString(EclipseSummary(e, zone))});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(days_.size()));
    days_.push_back(day);
    items.append(item);
  }
  list_->addTopLevelItems(items);
  if (!items.isEmpty()) {
    list_->setCurrentItem(items.front());
  }
}

void EclipsesDialog::choose(QTreeWidgetItem* item) {
  if (item == nullptr) {
    return;
  }
  const auto index = item->data(0, Qt::UserRole).toULongLong();
  if (index < days_.size()) {
    emit dayChosen(days_[index]);
  }
}

}  // namespace tempulo
