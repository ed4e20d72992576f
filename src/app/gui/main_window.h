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
#include "report/registry.h"
#include "report/report_place.h"
#include "time/place.h"
#include "time/clock.h"
#include "report/month_overview.h"
#include "holidays/holidays.h"
#include "holidays/public_holidays.h"
#include "app/gui/help_dialogs.h"
#include "app/gui/settings_store.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QMenuBar;
class QVBoxLayout;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QMessageBox;
class QModelIndex;
class QPushButton;

class QTimer;
class QToolButton;

namespace tempulo {

class CalendarChooser;

class AnniversariesDialog;
class AnniversaryStore;
class PlanetsPanel;

class FeastsDialog;
class FeastSearchDialog;
class GoToDialog;
class SunMoonPanel;
class LinesModel;
class MonthGrid;
class MoonPicture;
class PrintActions;
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

  // `settings` keeps the region, the week-number column, the first day of
  // the week, the place, the window's geometry and the last calendar of
  // "Gehe zu…"; without one the user's own settings are used. A change that
  // cannot be saved is reported through the error reporter, once.
  explicit MainWindow(const Clock& clock, std::unique_ptr<QSettings> settings = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  void SetErrorReporter(ErrorReporter reporter) { errorReporter_ = std::move(reporter); }
  // Shows `date` as though it had been chosen in the controls; called after
  // show(), which opens the window on today. A day the grid cannot show (a
  // Julian 29 February its Gregorian month lacks) becomes the month's last.
  void ShowDate(const CivilDate& date);
  void SetClipboardWriter(ClipboardWriter writer) { clipboardWriter_ = std::move(writer); }
  // The place of the sun and moon block (none: the fixed place in MEZ), as
  // though it had been chosen in the "Ort…" dialog: stored, and the report
  // refreshed. Returns the German notice of a failed write, empty otherwise.
  QString SetPlace(const std::optional<Place>& place);
  // The notice of unreadable place settings at start-up; empty when none.
  const QString& PlaceNotice() const { return placeNotice_; }

  // The first column of the grid: Monday, Saturday or Sunday; stored.
  void SetFirstDayOfWeek(Qt::DayOfWeek day);
  QAction* FirstDayAction(Qt::DayOfWeek day) const;

  // Where other parts of the window add to it: the menus (actions that open
  // a dialog go to the tools menu), the side column beside the report (one
  // panel below the other), the key list of F1 and the settings.
  QMenuBar* MenuBar() const { return menuBar_; }
  QMenu* FileMenu() const { return fileMenu_; }
  QMenu* GoMenu() const { return goMenu_; }
  QMenu* ToolsMenu() const { return toolsMenu_; }
  QMenu* HelpMenu() const { return helpMenu_; }
  QVBoxLayout* SideColumn() const { return sideColumn_; }
  // Puts a panel at the foot of the side column, below those already there.
  void AddSidePanel(QWidget* panel);
  void AddShortcutLine(const QString& keys, const QString& action);
  const std::vector<ShortcutLine>& ShortcutLines() const { return shortcutLines_; }
  SettingsStore& Settings() { return *store_; }

  // What the lists and the heading show now.
  QStringList ReportLines() const;
  QStringList HolidayLines() const;
  QString Heading() const;
  Region HolidayRegion() const { return region_; }
  // The short notice after copying ("Kopiert"), empty when none is shown.
  QString CopyNotice() const;
  // The notice below the date fields (a refused year), empty when none.
  QString FieldNotice() const;

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
  SunMoonPanel* SunMoon() const { return sunMoonPanel_; }
  // The context menu of a list, once it has been opened.
  QMenu* ContextMenu() const { return contextMenu_; }
  QPushButton* GoToButton() const { return goToButton_; }
  QPushButton* FeastsButton() const { return feastsButton_; }

  // "Gehe zu…" (Ctrl+G) and "Feste des Jahres" (Ctrl+J); the dialogs once
  // opened, for the tests.
  void OpenGoToDialog();
  void OpenFeastsDialog();
  // "Fest suchen…" (Ctrl+F), the key list (F1) and "Über Tempulo".
  void OpenFeastSearch();
  // "Kalender wählen…": the report's lines the user wants; kept in the settings.
  void OpenCalendarChooser();
  CalendarChooser* CalendarChooserShown() const { return calendarChooser_; }
  const EntryChoice& ReportEntryChoice() const { return entries_; }
  void OpenShortcuts();
  void OpenAbout();
  // "Finsternisse des Jahres" of the selected year for the chosen place.
  void OpenEclipsesDialog();
  GoToDialog* GoToDialogShown() const { return goToDialog_; }
  // "Jahrestage…" (Ctrl+Shift+J), the user's anniversaries and the line
  // above the grid that names today's.
  void OpenAnniversariesDialog();
  AnniversariesDialog* AnniversariesDialogShown() const { return anniversariesDialog_; }
  AnniversaryStore* Anniversaries() const { return anniversaries_; }
  QLabel* AnniversaryBanner() const { return anniversaryBanner_; }
  FeastsDialog* FeastsDialogShown() const { return feastsDialog_; }
  FeastSearchDialog* FeastSearchShown() const { return feastSearch_; }
  ShortcutsDialog* ShortcutsShown() const { return shortcutsDialog_; }
  QMessageBox* AboutShown() const { return aboutBox_; }

  // Stores size and position (also done when the window closes).
  void SaveGeometry();
  // "Drucken…" (Ctrl+P) and "Als PDF speichern…".
  PrintActions* Printing() const { return printActions_; }
  PlanetsPanel* Planets() const { return planetsPanel_; }
  class EclipsesDialog* EclipsesDialogShown() const { return eclipsesDialog_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void buildMenus();
  void connectControls();
  // A refused value in the month or year field.
  void refuseField(const QString& what, double typed, double low, double high);
  // Shows `month` of `year` in the grid: its Gregorian grid year, the
  // month's own length and the day clamped to it.
  void showGridMonth(int year, int month, int day);
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

  const Clock& clock_;
  std::unique_ptr<SettingsStore> store_;
  bool settingsReported_ = false;
  bool closing_ = false;
  HolidayTable holidays_;
  std::optional<ReportPlace> place_;
  PlanetsPanel* planetsPanel_ = nullptr;
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
  FeastSearchDialog* feastSearch_ = nullptr;
  ShortcutsDialog* shortcutsDialog_ = nullptr;
  QMessageBox* aboutBox_ = nullptr;
  SunMoonPanel* sunMoonPanel_ = nullptr;
  QVBoxLayout* sideColumn_ = nullptr;
  QLabel* fieldNotice_ = nullptr;
  QTimer* fieldNoticeTimer_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* goMenu_ = nullptr;
  QMenu* toolsMenu_ = nullptr;
  CalendarChooser* calendarChooser_ = nullptr;
  EntryChoice entries_;
  QMenu* helpMenu_ = nullptr;
  QActionGroup* firstDayGroup_ = nullptr;
  std::vector<ShortcutLine> shortcutLines_;
  QString lastGoToCalendar_;
  PrintActions* printActions_ = nullptr;
  AnniversaryStore* anniversaries_ = nullptr;
  AnniversariesDialog* anniversariesDialog_ = nullptr;
  QPushButton* anniversariesButton_ = nullptr;
  QLabel* anniversaryBanner_ = nullptr;
  void showAnniversaryBanner();
  class EclipsesDialog* eclipsesDialog_ = nullptr;
};

}  // namespace tempulo
