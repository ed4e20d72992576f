// SPDX-License-Identifier: GPL-3.0-or-later
// "Gehe zu…": a date of another calendar, entered in fields that fit that
// calendar, and the civil day it names. The lookup and its messages are the
// core's; the dialog only gathers the fields and shows the answer.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "report/calendar_lookup.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace tempulo {

class GoToDialog : public QDialog {
  Q_OBJECT

 public:
  // A further check of a found day by the window; a message refuses it.
  using DayCheck = std::function<std::optional<QString>(CivilDate)>;

  // The fields start on `current`, the window's selected day, in the
  // calendar chosen.
  GoToDialog(CivilDate current, QWidget* parent = nullptr);

  void SetDayCheck(DayCheck check) { dayCheck_ = std::move(check); }
  // Shows the calendar with this identifier (the report's); false if unknown.
  bool SelectCalendar(std::string_view id);
  // The day found by the last successful "Gehe zu".
  std::optional<CivilDate> Result() const { return result_; }

  // The controls the tests drive.
  QComboBox* CalendarBox() const { return calendarBox_; }
  QSpinBox* YearSpin() const { return yearSpin_; }
  QComboBox* MonthBox() const { return monthBox_; }
  // The era of a calendar that counts its years within eras; hidden otherwise.
  QComboBox* EraBox() const { return eraBox_; }
  QSpinBox* DaySpin() const { return daySpin_; }
  const std::array<QSpinBox*, 5>& LongCountSpins() const { return longCount_; }
  QLabel* Message() const { return message_; }
  QLabel* FormHint() const { return form_; }
  QPushButton* GoButton() const { return goButton_; }

 signals:
  void dayChosen(tempulo::CivilDate day);

 private:
  const LookupCalendar& calendar() const;
  void onCalendarChosen();
  // The month list of the chosen calendar for the year in the year field:
  // leap months only where that year has them.
  void fillMonths();
  void go();
  void say(const QString& message);

  CivilDate current_;
  DayCheck dayCheck_;
  std::optional<CivilDate> result_;
  QFormLayout* fields_ = nullptr;
  QComboBox* calendarBox_ = nullptr;
  QWidget* dateRow_ = nullptr;
  QWidget* longCountRow_ = nullptr;
  QSpinBox* yearSpin_ = nullptr;
  QComboBox* monthBox_ = nullptr;
  QComboBox* eraBox_ = nullptr;
  QSpinBox* daySpin_ = nullptr;
  std::array<QSpinBox*, 5> longCount_{};
  QLabel* form_ = nullptr;
  QLabel* message_ = nullptr;
  QPushButton* goButton_ = nullptr;
  bool filling_ = false;
};

}  // namespace tempulo
