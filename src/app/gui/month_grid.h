// SPDX-License-Identifier: GPL-3.0-or-later
// The month at a glance: one cell per day of the shown month under the
// weekday names, optionally with the ISO week in front. Public holidays are
// red and bold, weekends red, today has a ring (whatever day is selected), a
// small dot marks a festival of another religion or a main moon phase; each
// cell carries its tooltip and the text a screen reader says. The days of
// the neighbouring months fill the first and last row, dimmed; a click on
// one goes there. The arrows, Home/End and PageUp/PageDown move the
// selection, the mouse wheel the month; moves that leave the month are
// handed to the window, which knows the calendar around it.
#pragma once

#include <QDate>
#include <QTableWidget>
#include <vector>

namespace tempulo {

struct GridDay {
  bool publicHoliday = false;
  bool today = false;
  bool smallMark = false;
  QString toolTip;
  QString spokenText;
  bool anniversary = false;  // one of the user's anniversaries: a mark of its own
  bool eclipse = false;      // an eclipse's greatest eclipse falls on the day
};

class MonthGrid : public QTableWidget {
  Q_OBJECT

 public:
  enum Role {
    kDayRole = Qt::UserRole + 1,  // the day of the month, 0 for other cells
    kTodayRole,
    kSmallMarkRole,
    kPublicHolidayRole,
    kNeighbourRole,  // -1 for a day of the month before, 1 after, 0 otherwise
    kNeighbourDayRole,  // that day's number in its month
    kWeekNumberRole,    // true for the cells of the week column
    kAnniversaryRole,
    kEclipseRole,
  };

  explicit MonthGrid(QWidget* parent = nullptr);

  QDate selectedDate() const { return selected_; }
  // Selects a day of the shown month (raises selectionChanged when it
  // changes); a date of another month shows that month first.
  void setSelectedDate(const QDate& date);
  Qt::DayOfWeek firstDayOfWeek() const { return firstDay_; }
  // Monday, Saturday or Sunday in the first column.
  void SetFirstDayOfWeek(Qt::DayOfWeek day);

  // Shows the month of `date` with `date` selected, without signals.
  // `length` and `previousLength` are the days of the month and of the one
  // before as the almanac counts them (0: those of `date`'s own month): a
  // Julian February that the Gregorian month shown for it outdoes keeps its
  // 28 days.
  void ShowMonth(const QDate& date, int length = 0, int previousLength = 0);
  int MonthLength() const;
  // Marks and texts of the shown month's days, day 1 first; days past the
  // vector's end get none.
  void SetDays(const std::vector<GridDay>& days);
  // The ISO week column; `valid` is false where the shown dates are not the
  // report's own (the substitute months before the reform).
  void SetWeekNumbers(bool shown, bool valid);
  // Colours of weekend and holiday text, and of the dimmed days and week
  // numbers, readable on the palette's base.
  void SetHolidayColour(const QColor& colour);
  void SetMutedColour(const QColor& colour);
  QColor MutedColour() const { return mutedColour_; }
  // The tooltip of the week column where it stays empty.
  void SetWeekNumbersAbsentText(const QString& text) { weekNumbersAbsent_ = text; }

  // The cell of a day of the shown month, or nullptr.
  QTableWidgetItem* ItemForDay(int day) const;
  // The cell showing a day of a neighbouring month (-1 before, 1 after), or nullptr.
  QTableWidgetItem* ItemForNeighbourDay(int side, int day) const;
  bool WeekNumbersShown() const { return weekNumbers_; }

 signals:
  void selectionChanged();
  // A move by the keyboard that leaves the shown month.
  void dayStepRequested(int days);
  void monthStepRequested(int months);
  void yearStepRequested(int years);
  // A click on a day of the neighbouring month before (-1) or after (1).
  void neighbourDayChosen(int side, int day);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Rebuild();
  void ApplyDayFormats();
  void OnCurrentCellChanged(int row, int column);
  int FirstDayColumn() const { return weekNumbers_ ? 1 : 0; }
  int DayOffset() const;  // cells before day 1 in the first row

  QDate selected_;
  int length_ = 0;
  int previousLength_ = 0;
  Qt::DayOfWeek firstDay_ = Qt::Monday;
  int wheelRest_ = 0;
  QString weekNumbersAbsent_;
  std::vector<GridDay> days_;
  QColor holidayColour_;
  QColor mutedColour_;
  bool weekNumbers_ = false;
  bool weekNumbersValid_ = true;
  bool rebuilding_ = false;
};

}  // namespace tempulo
