// SPDX-License-Identifier: GPL-3.0-or-later
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
struct SelectedDate;

class TForm9 : public QWidget {
  Q_OBJECT

 public:
  // Shows an error raised during a refresh: title and message.
  using ErrorReporter = std::function<void(const QString& title, const QString& message)>;
  // Puts plain text on the clipboard.
  using ClipboardWriter = std::function<void(const QString& text)>;

  explicit TForm9(const Clock& clock, QWidget* parent = nullptr);
  ~TForm9() override;

  void SetErrorReporter(ErrorReporter reporter) { errorReporter_ = std::move(reporter); }
  void SetClipboardWriter(ClipboardWriter writer) { clipboardWriter_ = std::move(writer); }

  // What the lists and the heading show now.
  QStringList ReportLines() const;
  QStringList HolidayLines() const;
  QString Heading() const;

  // Event handlers, named after their events.
  void T1Change();
  void T2Change();
  void B1C();
  // Shows `date` as though it had been chosen in the controls; called after
  // show(), which opens the window on today. A year below 1000 stays in the
  // year field as typed.
  void ShowDate(const SelectedDate& date);
  void SpeedButton1Click();
  // The refresh.
  void datum();

  // The controls, under their names.
  QWidget* P5 = nullptr;
  QWidget* P9 = nullptr;
  QWidget* P10 = nullptr;
  QLabel* P11 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QCalendarWidget* Cal1 = nullptr;
  QWidget* P7 = nullptr;
  QLabel* L1 = nullptr;
  SpinEdit* T1 = nullptr;
  QLabel* L2 = nullptr;
  SpinEdit* T2 = nullptr;
  QPushButton* D3 = nullptr;
  QWidget* P16 = nullptr;
  QLabel* P15 = nullptr;
  QListView* LB1 = nullptr;
  QWidget* P6 = nullptr;
  QWidget* P13 = nullptr;
  QWidget* P17 = nullptr;
  QWidget* P14 = nullptr;
  QListView* LB2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  // Shows `month` of `gridYear` in the grid with the day clamped to the
  // month's length, without raising the grid's change event.
  void SetGrid(int gridYear, int month, int day);
  void FitReportListToWholeRows();

  const Clock& clock_;
  HolidayTable holidays_;
  QStringListModel* lb1Model_ = nullptr;
  QStringListModel* lb2Model_ = nullptr;
  ErrorReporter errorReporter_;
  ClipboardWriter clipboardWriter_;
  bool shown_ = false;
};

}  // namespace tempulo
