// The almanac's one window. It holds only widgets, their events and the
// refresh wiring; every computation lives in the core.
#pragma once

#include <QWidget>
#include <functional>

#include "app/core/clock.h"
#include "holidays/holidays.h"

class QCalendarWidget;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;
class QToolButton;

namespace tempulo {

class SpinEdit;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows an error raised during a refresh: title and message.
  using ErrorReporter = std::function<void(const QString& title, const QString& message)>;
  // Puts plain text on the clipboard.
  using ClipboardWriter = std::function<void(const QString& text)>;

  explicit MainWindow(const Clock& clock, QWidget* parent = nullptr);
  ~MainWindow() override;

  void SetErrorReporter(ErrorReporter reporter) { errorReporter_ = std::move(reporter); }
  void SetClipboardWriter(ClipboardWriter writer) { clipboardWriter_ = std::move(writer); }

  // What the lists and the heading show now.
  QStringList ReportLines() const;
  QStringList HolidayLines() const;
  QString Heading() const;

  // The controls the tests drive as a user would.
  QCalendarWidget* MonthGrid() const { return monthGrid_; }
  SpinEdit* MonthSpin() const { return monthSpin_; }
  SpinEdit* YearSpin() const { return yearSpin_; }
  QPushButton* TodayButton() const { return todayButton_; }
  QToolButton* CopyButton() const { return copyButton_; }
  QListView* HolidayList() const { return holidayList_; }
  QListView* ReportList() const { return reportList_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A new day in the grid or a new month in the month field.
  void onMonthOrDayChanged();
  void onYearChanged();
  void goToToday();
  void copyReport();
  // Recomputes caption, heading and both lists for the date the controls hold.
  void refresh();
  void setUpLists();
  void firstShow();
  // Shows `month` of `gridYear` in the grid with the day clamped to the
  // month's length, without raising the grid's change event.
  void SetGrid(int gridYear, int month, int day);
  void FitReportListToWholeRows();

  const Clock& clock_;
  HolidayTable holidays_;
  QStringListModel* holidayModel_ = nullptr;
  QStringListModel* reportModel_ = nullptr;
  ErrorReporter errorReporter_;
  ClipboardWriter clipboardWriter_;
  QWidget* leftColumn_ = nullptr;
  QWidget* leftMargin_ = nullptr;
  QWidget* leftPanel_ = nullptr;
  QLabel* headingLabel_ = nullptr;
  QToolButton* copyButton_ = nullptr;
  QCalendarWidget* monthGrid_ = nullptr;
  QWidget* datePanel_ = nullptr;
  QLabel* monthLabel_ = nullptr;
  SpinEdit* monthSpin_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  SpinEdit* yearSpin_ = nullptr;
  QPushButton* todayButton_ = nullptr;
  QWidget* holidayPanel_ = nullptr;
  QLabel* holidayHeading_ = nullptr;
  QListView* holidayList_ = nullptr;
  QWidget* rightColumn_ = nullptr;
  QWidget* reportFrame_ = nullptr;
  QWidget* reportTopMargin_ = nullptr;
  QWidget* reportPanel_ = nullptr;
  QListView* reportList_ = nullptr;
  bool shown_ = false;
};

}  // namespace tempulo
