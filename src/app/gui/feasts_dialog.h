// SPDX-License-Identifier: GPL-3.0-or-later
// "Feste des Jahres": the feasts of the selected year as the core lists
// them; choosing one goes to its day.
#pragma once

#include <QDialog>
#include <vector>

#include "report/feasts.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tempulo {

class FeastsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FeastsDialog(QWidget* parent = nullptr);

  // Lists the feasts of a civil year 100..3000 (nothing for another).
  void ShowYear(int year);
  int Year() const { return year_; }

  QTreeWidget* List() const { return list_; }
  QLabel* Heading() const { return heading_; }

 signals:
  void dayChosen(tempulo::CivilDate day);

 private:
  void choose(QTreeWidgetItem* item);

  int year_ = 0;
  std::vector<Feast> feasts_;
  QLabel* heading_ = nullptr;
  QTreeWidget* list_ = nullptr;
};

}  // namespace tempulo
