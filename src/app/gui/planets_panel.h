// SPDX-License-Identifier: GPL-3.0-or-later
// "Planeten heute Abend": a compact list beside the moon of the planets the
// coming night shows (from the evening's civil dusk to the next morning's
// dawn, at the chosen place), the choices of the report's optional lines
// (the "Planeten" block, golden and blue hour), kept with QSettings, and the
// year's planetary events in a list whose entries go to their day.
#pragma once

#include <QDialog>
#include <QWidget>
#include <vector>

#include "astro/planet_events.h"
#include "report/planet_lines.h"
#include "report/report_place.h"
#include "time/civil.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tempulo {

class SettingsStore;

class PlanetEventsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PlanetEventsDialog(QWidget* parent = nullptr);
  // Lists the events of a year 1900..3000 in the place's zone (none: MEZ).
  void ShowYear(int year, const ReportPlace* place);
  int Year() const { return year_; }
  QTreeWidget* List() const { return list_; }

 signals:
  void dayChosen(tempulo::CivilDate day);

 private:
  int year_ = 0;
  std::vector<CivilDate> days_;
  QLabel* heading_ = nullptr;
  QTreeWidget* list_ = nullptr;
};

class PlanetsPanel : public QWidget {
  Q_OBJECT

 public:
  // `store` (may be null) keeps the choices of the report's lines.
  PlanetsPanel(SettingsStore* store, QWidget* parent = nullptr);

  // The night after the date's evening at the place (none: 50 N, 12 E, MEZ).
  // The place must outlive the panel's use of it.
  void ShowDay(const CivilDate& date, const ReportPlace* place);
  // The optional report lines the user chose.
  ExtraReportLines ReportLines() const;

  QTreeWidget* List() const { return list_; }
  QCheckBox* PlanetsInReport() const { return planetsInReport_; }
  QCheckBox* SunHoursInReport() const { return sunHoursInReport_; }
  PlanetEventsDialog* EventsDialogShown() const { return dialog_; }
  void OpenEvents();

 signals:
  void reportLinesChanged();
  void dayChosen(tempulo::CivilDate day);

 private:
  SettingsStore* store_;
  CivilDate date_{};
  const ReportPlace* place_ = nullptr;
  QLabel* heading_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QCheckBox* planetsInReport_ = nullptr;
  QCheckBox* sunHoursInReport_ = nullptr;
  QPushButton* eventsButton_ = nullptr;
  PlanetEventsDialog* dialog_ = nullptr;
};

}  // namespace tempulo
