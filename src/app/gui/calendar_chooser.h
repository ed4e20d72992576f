// SPDX-License-Identifier: GPL-3.0-or-later
// "Kalender wählen…": which of the report's calendar and festival lines show.
#pragma once

#include <QDialog>

#include "report/registry.h"

class QListWidget;

namespace tempulo {

class CalendarChooser : public QDialog {
  Q_OBJECT

 public:
  explicit CalendarChooser(const EntryChoice& choice, QWidget* parent = nullptr);

  // The choice as the boxes stand now.
  EntryChoice Choice() const;
  // Ticks the boxes of `choice`.
  void Show(const EntryChoice& choice);
  QListWidget* List() const { return list_; }

 private:
  QListWidget* list_ = nullptr;
};

// The settings value of a choice, and back: unknown identifiers (from a newer
// version, or a damaged file) are left out; a value naming nothing known is
// the default set.
QString EntryChoiceSetting(const EntryChoice& choice);
EntryChoice EntryChoiceFromSetting(const QString& value);

}  // namespace tempulo
