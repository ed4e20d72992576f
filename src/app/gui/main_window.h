// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac's one window. It holds only widgets, their events and the
// refresh wiring; every computation and every text lives in the core.
#pragma once

#include <QSettings>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "report/refresh.h"
#include "report/report_place.h"
#include "time/place.h"
#include "time/clock.h"
#include "report/month_overview.h"
#include "holidays/holidays.h"
#include "holidays/public_holidays.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QModelIndex;
class QPushButton;

class QTimer;
class QToolButton;

namespace tempulo {

class FeastsDialog;
class GoToDialog;
class LinesModel;
class MonthGrid;
class MoonPicture;
class SpinEdit;
class TabListDelegate;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows an error raised during a refresh: title and message.
  using ErrorReporter = std::function<void(const QString& title, const QString& message)>;
  // Puts plain text on the clipboard.
  using ClipboardWriter = std::function<void(const QString& text)>;

  static constexpr int kDefaultWidth = 1041;
  static constexpr int kDefaultHeight = 682;

  // `settings` keeps the region and the week-number column; without one the
  // user's own settings are used.
  explicit MainWindow(const Clock& clock, std::unique_ptr<QSettings> settings = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  void SetErrorReporter(ErrorReporter reporter) { errorReporter_ = std::move(reporter); }
  // Shows `date` as though it had been chosen in the controls; called after
  // show(), which opens the window on today. A year below 1000 stays in the
  // year field as typed.
  void ShowDate(const CivilDate& date);
  void SetClipboardWriter(ClipboardWriter writer) { clipboardWriter_ = std::move(writer); }
  // The place of the sun and moon block (none: the fixed place in MEZ), as
  // though it had been chosen in the "Ort…" dialog: stored, and the report
  // refreshed. Returns the German notice of a failed write, empty otherwise.
  QString SetPlace(const std::optional<Place>& place);
  // The notice of unreadable place settings at start-up; empty when none.
  const QString& PlaceNotice() const { return placeNotice_; }

  // What the lists and the heading show now.
  QStringList ReportLines() const;
  QStringList HolidayLines() const;
  QString Heading() const;
  Region HolidayRegion() const { return region_; }
  // The short notice after copying ("Kopiert"), empty when none is shown.
  QString CopyNotice() const;

  // The controls the tests drive as a user would.
  MonthGrid* Grid() const { return monthGrid_; }
  SpinEdit* MonthSpin() const { return monthSpin_; }
  SpinEdit* YearSpin() const { return yearSpin_; }
  QPushButton* TodayButton() const { return todayButton_; }
  QToolButton* CopyButton() const { return copyButton_; }
  QComboBox* RegionBox() const { return regionBox_; }
  QCheckBox* WeekNumbersBox() const { return weekNumbersBox_; }
  QListView* HolidayList() const { return holidayList_; }
  QListView* ReportList() const { return reportList_; }
  MoonPicture* Moon() const { return moonPicture_; }
  // The context menu of a list, once it has been opened.
  QMenu* ContextMenu() const { return contextMenu_; }
  QPushButton* GoToButton() const { return goToButton_; }
  QPushButton* FeastsButton() const { return feastsButton_; }

  // "Gehe zu…" (Ctrl+G) and "Feste des Jahres" (Ctrl+J); the dialogs once
  // opened, for the tests.
  void OpenGoToDialog();
  void OpenFeastsDialog();
  // "Finsternisse des Jahres" of the selected year for the chosen place.
  void OpenEclipsesDialog();
  GoToDialog* GoToDialogShown() const { return goToDialog_; }
  FeastsDialog* FeastsDialogShown() const { return feastsDialog_; }
  class EclipsesDialog* EclipsesDialogShown() const { return eclipsesDialog_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void connectControls();
  void loadSettings();
  // A new day in the grid or a new month in the month field.
  void onMonthOrDayChanged();
  void onYearChanged();
  void onRegionChosen(int index);
  void onWeekNumbersToggled(bool shown);
  void goToToday();
  // Moves the selection by days, months or years across the month's edges.
  void stepDays(int days);
  void stepMonths(int months);
  void stepYears(int years);
  void goTo(int year, int month, int day);
  void selectHolidayEntry(const QModelIndex& index);
  void copyReport();
  // Ctrl+C: the lines selected in `list` when there are several, else the report.
  void copyFromList(const QListView* list);
  void copyLines(const QStringList& lines);
  void showListMenu(QListView* list, const QPoint& position);
  // Recomputes caption, heading, report list and moon for the date the
  // controls hold, and the month's marks and holiday list when they changed.
  void refresh();
  void updateMonthView(int year, int month, int day);
  void applyColours();
  void placeOnScreen();
  void firstShow();
  // Shows `month` of `gridYear` in the grid with the day clamped to the
  // month's length, without raising the grid's change event.
  void setGrid(int gridYear, int month, int day);

  const Clock& clock_;
  std::unique_ptr<QSettings> settings_;
  HolidayTable holidays_;
  std::optional<ReportPlace> place_;
  QString placeNotice_;
  QToolButton* placeButton_ = nullptr;
  void choosePlace();
  MonthOverviewCache overviews_;
  Region region_ = Region::kAll;
  ErrorReporter errorReporter_;
  ClipboardWriter clipboardWriter_;
  bool shown_ = false;
  // What the grid and the holiday list were last built for.
  struct MonthViewKey {
    int year = 0;
    int month = 0;
    Region region = Region::kAll;
    bool weekNumbers = false;
    friend bool operator==(const MonthViewKey&, const MonthViewKey&) = default;
  };
  std::optional<MonthViewKey> monthView_;

  QLabel* headingLabel_ = nullptr;
  QToolButton* copyButton_ = nullptr;
  QLabel* copyNotice_ = nullptr;
  QTimer* copyNoticeTimer_ = nullptr;
  MonthGrid* monthGrid_ = nullptr;
  SpinEdit* monthSpin_ = nullptr;
  SpinEdit* yearSpin_ = nullptr;
  QPushButton* todayButton_ = nullptr;
  QComboBox* regionBox_ = nullptr;
  QCheckBox* weekNumbersBox_ = nullptr;
  QLabel* holidayHeading_ = nullptr;
  QListView* holidayList_ = nullptr;
  QListView* reportList_ = nullptr;
  MoonPicture* moonPicture_ = nullptr;
  QLabel* moonCaption_ = nullptr;
  LinesModel* holidayModel_ = nullptr;
  LinesModel* reportModel_ = nullptr;
  TabListDelegate* holidayDelegate_ = nullptr;
  TabListDelegate* reportDelegate_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QColor holidayColour_;
  QPushButton* goToButton_ = nullptr;
  QPushButton* feastsButton_ = nullptr;
  GoToDialog* goToDialog_ = nullptr;
  FeastsDialog* feastsDialog_ = nullptr;
  class EclipsesDialog* eclipsesDialog_ = nullptr;
  QPushButton* eclipsesButton_ = nullptr;
};

}  // namespace tempulo
