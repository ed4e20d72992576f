// SPDX-License-Identifier: GPL-3.0-or-later
// "Fest suchen": the days of a feast, found by (part of) its name in a
// range of years; choosing a hit goes to its day.
#pragma once

#include <QDialog>
#include <vector>

#include "report/feasts.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace tempulo {

class FeastSearchDialog : public QDialog {
  Q_OBJECT

 public:
  // The longest range one search walks through.
  static constexpr int kMaxYears = 50;

  // The range starts at `year`.
  explicit FeastSearchDialog(int year, QWidget* parent = nullptr);

  // Searches the range; the number of hits (the list shows them, or a
  // German sentence says why there are none).
  int Search();

  QLineEdit* NameField() const { return name_; }
  QSpinBox* FromYear() const { return from_; }
  QSpinBox* ToYear() const { return to_; }
  QTreeWidget* Hits() const { return hits_; }
  QLabel* Message() const { return message_; }

 signals:
  void dayChosen(tempulo::CivilDate day);

 private:
  void choose(QTreeWidgetItem* item);
  void say(const QString& text);

  std::vector<Feast> found_;
  QLineEdit* name_ = nullptr;
  QSpinBox* from_ = nullptr;
  QSpinBox* to_ = nullptr;
  QPushButton* searchButton_ = nullptr;
  QTreeWidget* hits_ = nullptr;
  QLabel* message_ = nullptr;
};

}  // namespace tempulo
