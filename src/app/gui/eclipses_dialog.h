// SPDX-License-Identifier: GPL-3.0-or-later
// "Finsternisse des Jahres": the year's solar and lunar eclipses as the
// chosen place sees them; choosing one goes to its day.
#pragma once

#include <QDialog>
#include <vector>

#include "report/eclipse_lines.h"
#include "report/report_place.h"
#include "time/civil.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tempulo {

class EclipsesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EclipsesDialog(QWidget* parent = nullptr);

  // Lists the eclipses of a civil year 100..3000 for the place (null: the
  // default place in MEZ).
  void ShowYear(int year, const ReportPlace* place);

  QTreeWidget* List() const { return list_; }

 signals:
  void dayChosen(tempulo::CivilDate day);

 private:
  void choose(QTreeWidgetItem* item);

  std::vector<CivilDate> days_;
  QLabel* heading_ = nullptr;
  QTreeWidget* list_ = nullptr;
};

}  // namespace tempulo
