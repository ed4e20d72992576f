// SPDX-License-Identifier: GPL-3.0-or-later
// "Feste des Jahres": the feasts of the selected year as the core lists
// them; choosing one goes to its day.
#pragma once

#include <QDialog>
#include <vector>

#include "report/feasts.h"

class QLabel;
class QLineEdit;
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
  // Shows only the feasts whose name holds the text (case and umlauts
  // aside); the count shown.
  QLineEdit* Filter() const { return filter_; }
  int ShownCount() const;

 signals:
  void dayChosen(tempulo::CivilDate day);

 private:
  void choose(QTreeWidgetItem* item);
  void applyFilter();

  int year_ = 0;
  std::vector<Feast> feasts_;
  QLabel* heading_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QLabel* empty_ = nullptr;
};

}  // namespace tempulo
