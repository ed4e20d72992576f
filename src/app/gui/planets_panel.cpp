// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/planets_panel.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "app/gui/day_list.h"
#include "app/gui/settings_store.h"
#include "astro/planets.h"
#include "report/planet_event_lines.h"
#include "report/report_builder.h"
#include "time/date_encoding.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 3000;
constexpr int kDialogWidth = 620;
constexpr int kDialogHeight = 560;
constexpr int kPanelWidth = 230;

const QString kPlanetsKey = QStringLiteral("report/planets");
const QString kSunHoursKey = QStringLiteral("report/sunHours");

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "HH:MM" of a moment in the zone of the place.
QString ClockText(double moment, const ReportPlace* place) {
  const int seconds = place == nullptr || place->zone.IsFixedMez() ? 3600 : place->zone.OffsetAt(moment).seconds;
  const std::string text = DateTimeText(moment + (seconds + 30) / 86400.0);
  return text.size() >= 16 ? Q(text.substr(11, 5)) : QStringLiteral("00:00");
}

bool ReadFlag(const SettingsStore* store, const QString& key) {
  // Anything but a plain true counts as the default, off: QVariant would
  // read any other word as true.
  if (store == nullptr) {
    return false;
  }
  const QVariant value = store->Value(key);
  if (value.typeId() == QMetaType::Bool) {
    return value.toBool();
  }
  return value.typeId() == QMetaType::QString && value.toString() == QStringLiteral("true");
}

}  // namespace

PlanetEventsDialog::PlanetEventsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("planetEventsDialog"));
  auto* layout = new QVBoxLayout(this);
  heading_ = AddDayListHeading(this, layout);
  list_ = AddDayList(this, layout, QStringLiteral("planetEventsList"), QStringLiteral("Planetenereignisse des Jahres"), QStringLiteral("Zeit"),
                     QStringLiteral("Ereignis"));
  AddDayListFooter(this, layout);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    if (item == nullptr) {
      return;
    }
    const auto index = item->data(0, Qt::UserRole).toULongLong();
    if (index < days_.size()) {
      emit dayChosen(days_[index]);
    }
  });
  resize(kDialogWidth, kDialogHeight);
}

void PlanetEventsDialog::ShowYear(int year, const ReportPlace* place) {
  year_ = year;
  days_.clear();
  list_->clear();
  const QString title = QStringLiteral("Planetenereignisse %1").arg(year);
  setWindowTitle(title);
  if (year < kFirstYear || year > kLastYear) {
    heading_->setText(QStringLiteral("Planetenereignisse gibt es für die Jahre 1900 bis 3000."));
    return;
  }
  heading_->setText(title);
  QList<QTreeWidgetItem*> items;
  for (const PlanetEvent& event : PlanetEventsOfYear(year, place)) {
    auto* item = new QTreeWidgetItem({Q(PlanetEventTime(event, place)), Q(PlanetEventText(event))});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(days_.size()));
    days_.push_back(PlanetEventDate(event, place));
    items.append(item);
  }
  list_->addTopLevelItems(items);
  if (!items.isEmpty()) {
    list_->setCurrentItem(items.front());
  }
}

PlanetsPanel::PlanetsPanel(SettingsStore* store, QWidget* parent) : QWidget(parent), store_(store) {
  setObjectName(QStringLiteral("planetsPanel"));
  setMaximumWidth(kPanelWidth);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  heading_ = new QLabel(QStringLiteral("Planeten heute Abend"), this);
  QFont bold = font();
  bold.setBold(true);
  heading_->setFont(bold);
  layout->addWidget(heading_);
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("planetsList"));
  list_->setAccessibleName(QStringLiteral("Planeten heute Abend"));
  list_->setColumnCount(2);
  list_->setHeaderLabels({QStringLiteral("Planet"), QStringLiteral("sichtbar")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  layout->addWidget(list_);
  planetsInReport_ = new QCheckBox(QStringLiteral("Planeten im Bericht"), this);
  planetsInReport_->setObjectName(QStringLiteral("planetsInReport"));
  planetsInReport_->setChecked(ReadFlag(store_, kPlanetsKey));
  sunHoursInReport_ = new QCheckBox(QStringLiteral("Goldene/Blaue Stunde im Bericht"), this);
  sunHoursInReport_->setObjectName(QStringLiteral("sunHoursInReport"));
  sunHoursInReport_->setChecked(ReadFlag(store_, kSunHoursKey));
  eventsButton_ = new QPushButton(QStringLiteral("Planetenereignisse…"), this);
  eventsButton_->setObjectName(QStringLiteral("planetEventsButton"));
  eventsButton_->setToolTip(QStringLiteral("Konjunktionen, Oppositionen, Elongationen und Stillstände des Jahres"));
  layout->addWidget(planetsInReport_);
  layout->addWidget(sunHoursInReport_);
  layout->addWidget(eventsButton_);
  const auto keep = [this](const QString& key, bool on) {
    // Through the store: a failed save is reported once, and an unreadable
    // settings file is kept aside before anything is written.
    if (store_ != nullptr) {
      store_->Set(key, on);
    }
    emit reportLinesChanged();
  };
  connect(planetsInReport_, &QCheckBox::toggled, this, [keep](bool on) { keep(kPlanetsKey, on); });
  connect(sunHoursInReport_, &QCheckBox::toggled, this, [keep](bool on) { keep(kSunHoursKey, on); });
  connect(eventsButton_, &QPushButton::clicked, this, &PlanetsPanel::OpenEvents);
}

ExtraReportLines PlanetsPanel::ReportLines() const {
  ExtraReportLines lines;
  lines.planets = planetsInReport_->isChecked();
  lines.sunHours = sunHoursInReport_->isChecked();
  return lines;
}

void PlanetsPanel::ShowDay(const CivilDate& date, const ReportPlace* place) {
  date_ = date;
  place_ = place;
  list_->clear();
  if (date.year < kFirstYear) {
    heading_->setText(QStringLiteral("Planeten (ab 1900)"));
    return;
  }
  heading_->setText(QStringLiteral("Planeten heute Abend"));
  double dateValue = 0;
  try {
    dateValue = DateValueOf(CheckedFixedFromCivil(date));
  } catch (const std::exception&) {
    return;  // a day its month lacks: nothing to show
  }
  DaySpan day = CivilDaySpan(dateValue, kCetUtcOffsetHours);
  long double latitude = kObserverLatitude;
  long double west = kObserverLongitude;
  if (place != nullptr) {
    day = {place->zone.DayStart(dateValue), place->zone.DayStart(dateValue + 1.0)};
    latitude = static_cast<long double>(place->place.latitude);
    west = -static_cast<long double>(place->place.longitude);
  }
  const DaySpan night = NightAfter(day, latitude, west);
  QList<QTreeWidgetItem*> items;
  for (const Planet planet : kPlanets) {
    const PlanetNight evening = PlanetEvening(planet, day, night, latitude, west);
    const PlanetPlace& p = evening.place;
    QString seen = QStringLiteral("–");
    if (!(night.end > night.start)) {
      seen = QStringLiteral("keine Dunkelheit");
    } else if (evening.stretches > 0) {
      seen = ClockText(evening.from[0], place) + QStringLiteral("–") + ClockText(evening.to[0], place);
      if (evening.stretches > 1) {
        seen += QStringLiteral(", …");
      }
    }
    char magnitude[32];
    std::snprintf(magnitude, sizeof magnitude, "%.1Lf mag, %.0Lf° %s der Sonne", p.magnitude, p.elongation,
                  p.eastOfSun ? "östlich" : "westlich");
    auto* item = new QTreeWidgetItem({Q(PlanetName(planet)), seen});
    item->setToolTip(0, Q(std::string(magnitude)));
    item->setToolTip(1, Q(std::string(magnitude)));
    if (evening.stretches == 0) {
      item->setForeground(0, palette().color(QPalette::PlaceholderText));
    }
    items.append(item);
  }
  list_->addTopLevelItems(items);
  if (dialog_ != nullptr && dialog_->isVisible() && dialog_->Year() != date.year) {
    dialog_->ShowYear(date.year, place);
  }
}

void PlanetsPanel::OpenEvents() {
  if (dialog_ == nullptr) {
    dialog_ = new PlanetEventsDialog(this);
    connect(dialog_, &PlanetEventsDialog::dayChosen, this, [this](CivilDate day) { emit dayChosen(day); });
  }
  if (dialog_->Year() != date_.year) {
    dialog_->ShowYear(date_.year, place_);
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

}  // namespace tempulo
