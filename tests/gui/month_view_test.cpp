// SPDX-License-Identifier: GPL-3.0-or-later
// The month at a glance: marks, region, keyboard, copying, accessibility,
// resizing, the moon and the settings.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPalette>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTableWidgetItem>
#include <QTest>
#include <memory>
#include <set>

#include "app/gui/main_window.h"
#include "app/gui/month_grid.h"
#include "app/gui/moon_picture.h"
#include "app/gui/spin_edit.h"
#include "app/gui/tab_list_delegate.h"
#include "report/contrast.h"

namespace tempulo {
namespace {

class MonthViewTest : public ::testing::Test {
 protected:
  void Open(CivilDate today) {
    clock_ = std::make_unique<FixedClock>(today, TimeOfDay{12, 0, 0});
    window_ = std::make_unique<MainWindow>(*clock_,
                                           std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat));
    window_->SetErrorReporter([this](const QString&, const QString& message) { errors_.append(message); });
    window_->SetClipboardWriter([this](const QString& text) { clipboard_ = text; });
    window_->show();
  }
  QString SettingsPath() const { return settingsDir_.filePath(QStringLiteral("tempulo.conf")); }
  MonthGrid* Grid() const { return window_->Grid(); }
  QDate Selected() const { return Grid()->selectedDate(); }
  void ChooseRegion(const QString& code) {
    QComboBox* box = window_->RegionBox();
    box->setCurrentIndex(box->findData(code));
  }
  std::set<int> MarkedDays(int role) const {
    std::set<int> days;
    for (int day = 1; day <= Selected().daysInMonth(); ++day) {
      if (Grid()->ItemForDay(day)->data(role).toBool()) {
        days.insert(day);
      }
    }
    return days;
  }
  void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  }

  // No value is cut: its row reaches its end (scrolling sideways), or the
  // row is tall enough for the value wrapped beside the labels. The value
  // starts at or after the tab stop beyond the longest label.
  void ExpectEveryReportValueInReach() const {
    QListView* list = window_->ReportList();
    const QStringList lines = window_->ReportLines();
    const QFontMetrics metrics(list->font());
    const int valueStart = TabStopAfterLongestLabel(lines, list->font(), 0);
    const int reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
    for (int row = 0; row < lines.size(); ++row) {
      const QString& line = lines[row];
      const QString value = line.section(QLatin1Char('\t'), 1);
      if (value.isEmpty() || value.contains(QLatin1Char('\t'))) {
        continue;
      }
      const int advance = metrics.horizontalAdvance(value);
      const int height = list->visualRect(list->model()->index(row, 0)).height();
      // Wrapping never needs fewer lines than the width divides into.
      const bool wrapped = reach > valueStart && static_cast<long long>(height) * (reach - valueStart) >=
                                                     static_cast<long long>(advance) * metrics.height();
      EXPECT_TRUE(reach >= valueStart + advance || wrapped) << line.toStdString();
    }
  }

  QTemporaryDir settingsDir_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<MainWindow> window_;
  QStringList errors_;
  QString clipboard_;
};

TEST_F(MonthViewTest, MarksPublicHolidaysOfTheRegionInRedBold) {
  Open({2026, 5, 8});
  const struct {
    const char* region;
    std::set<int> days;
  } cases[] = {{"alle", {1, 14, 25}}, {"BB", {1, 14, 24, 25}}, {"CH", {14, 24, 25}}, {"AT", {1, 14, 25}}};
  for (const auto& c : cases) {
    ChooseRegion(QString::fromUtf8(c.region));
    EXPECT_EQ(MarkedDays(MonthGrid::kPublicHolidayRole), c.days) << c.region;
    for (const int day : c.days) {
      EXPECT_TRUE(Grid()->ItemForDay(day)->font().bold()) << c.region << " " << day;
      EXPECT_TRUE(Grid()->ItemForDay(day)->foreground().color().red() > 0x80) << day;
    }
    EXPECT_FALSE(Grid()->ItemForDay(13)->font().bold());
  }
  // Festivals and main moon phases carry the small mark; the tooltip names them.
  EXPECT_TRUE(MarkedDays(MonthGrid::kSmallMarkRole).count(1) == 1);  // full moon 1 May 2026
  EXPECT_TRUE(Grid()->ItemForDay(1)->toolTip().contains(QStringLiteral("Vollmond")));
  EXPECT_TRUE(
      Grid()->ItemForDay(25)->toolTip().contains(QStringLiteral("Pfingstmontag – gesetzlicher Feiertag")));
}

// An eclipse day carries its own mark and names the eclipse in its tooltip.
TEST_F(MonthViewTest, MarksEclipseDays) {
  Open({2026, 8, 1});
  EXPECT_EQ(MarkedDays(MonthGrid::kEclipseRole), (std::set<int>{12, 28}));
  EXPECT_TRUE(Grid()->ItemForDay(12)->toolTip().contains(QStringLiteral("totale Sonnenfinsternis")));
  EXPECT_TRUE(Grid()->ItemForDay(28)->data(Qt::AccessibleTextRole).toString().contains(
      QStringLiteral("partielle Mondfinsternis")));
  window_->MonthSpin()->setValue(9);
  EXPECT_TRUE(MarkedDays(MonthGrid::kEclipseRole).empty());
}

TEST_F(MonthViewTest, TodaysRingStaysWhenAnotherDayIsSelected) {
  Open({2026, 12, 8});
  EXPECT_EQ(MarkedDays(MonthGrid::kTodayRole), std::set<int>{8});
  Grid()->setSelectedDate(QDate(2026, 12, 20));
  EXPECT_EQ(Selected(), QDate(2026, 12, 20));
  EXPECT_EQ(MarkedDays(MonthGrid::kTodayRole), std::set<int>{8});
  window_->MonthSpin()->setValue(11);
  EXPECT_TRUE(MarkedDays(MonthGrid::kTodayRole).empty());
  window_->YearSpin()->setValue(2025);
  window_->MonthSpin()->setValue(12);
  EXPECT_TRUE(MarkedDays(MonthGrid::kTodayRole).empty());
  window_->YearSpin()->setValue(2026);
  EXPECT_EQ(MarkedDays(MonthGrid::kTodayRole), std::set<int>{8});
}

TEST_F(MonthViewTest, KeyboardCrossesMonthAndYearEdges) {
  Open({2026, 12, 31});
  Grid()->setFocus();
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    QDate expected;
  } steps[] = {
      {Qt::Key_Right, Qt::NoModifier, QDate(2027, 1, 1)},
      {Qt::Key_Left, Qt::NoModifier, QDate(2026, 12, 31)},
      {Qt::Key_Down, Qt::NoModifier, QDate(2027, 1, 7)},
      {Qt::Key_Up, Qt::NoModifier, QDate(2026, 12, 31)},
      {Qt::Key_PageDown, Qt::NoModifier, QDate(2027, 1, 31)},
      {Qt::Key_PageDown, Qt::NoModifier, QDate(2027, 2, 28)},  // clamped to February
      {Qt::Key_PageUp, Qt::NoModifier, QDate(2027, 1, 28)},
      {Qt::Key_PageUp, Qt::ControlModifier, QDate(2026, 1, 28)},
      {Qt::Key_PageDown, Qt::ControlModifier, QDate(2027, 1, 28)},
      {Qt::Key_Home, Qt::NoModifier, QDate(2027, 1, 1)},
      {Qt::Key_End, Qt::NoModifier, QDate(2027, 1, 31)},
  };
  for (const auto& step : steps) {
    Key(Grid(), step.key, step.modifiers);
    EXPECT_EQ(Selected(), step.expected) << step.key;
    EXPECT_EQ(window_->MonthSpin()->Value(), step.expected.month());
    EXPECT_EQ(window_->YearSpin()->Value(), step.expected.year());
    EXPECT_EQ(window_->ReportLines().at(0),
              QStringLiteral("Datum\t%1.%2 %3")
                  .arg(step.expected.day())
                  .arg(QLocale(QLocale::German).monthName(step.expected.month()))
                  .arg(step.expected.year()));
  }
  // The year field's range ends the moves: nothing before January 100.
  window_->YearSpin()->setValue(100);
  window_->MonthSpin()->setValue(1);
  Key(Grid(), Qt::Key_Home);
  Key(Grid(), Qt::Key_Left);
  EXPECT_EQ(window_->YearSpin()->Value(), 100);
  EXPECT_EQ(window_->MonthSpin()->Value(), 1);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(MonthViewTest, CtrlCCopiesTheReportOrTheSelectedLines) {
  Open({2026, 12, 8});
  QListView* report = window_->ReportList();
  report->setFocus();
  report->setCurrentIndex(report->model()->index(5, 0));
  Key(report, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard_, window_->ReportLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
  report->selectionModel()->select(report->model()->index(4, 0), QItemSelectionModel::Select);
  report->selectionModel()->select(report->model()->index(2, 0), QItemSelectionModel::Select);
  Key(report, Qt::Key_C, Qt::ControlModifier);
  const QStringList lines = window_->ReportLines();
  EXPECT_EQ(clipboard_, lines.at(2) + QLatin1Char('\n') + lines.at(4) + QLatin1Char('\n') + lines.at(5) +
                            QLatin1Char('\n'));
  // The grid copies the whole report too, never its day number.
  Grid()->setFocus();
  Key(Grid(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard_, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
  EXPECT_EQ(window_->CopyNotice(), QStringLiteral("Kopiert"));
}

TEST_F(MonthViewTest, ContextMenuCopiesALineOrAll) {
  Open({2026, 5, 8});
  for (QListView* list : {window_->ReportList(), window_->HolidayList()}) {
    const QRect row = list->visualRect(list->model()->index(0, 0));
    emit list->customContextMenuRequested(row.center());
    QMenu* menu = window_->ContextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions().at(0)->text(), QStringLiteral("&Zeile kopieren"));
    menu->actions().at(0)->trigger();
    EXPECT_EQ(clipboard_, list->model()->index(0, 0).data().toString() + QLatin1Char('\n'));
    emit list->customContextMenuRequested(row.center());
    window_->ContextMenu()->actions().at(1)->trigger();
    EXPECT_EQ(clipboard_.count(QLatin1Char('\n')), list->model()->rowCount());
    window_->ContextMenu()->hide();
  }
}

TEST_F(MonthViewTest, HolidayListEntrySelectsItsDay) {
  Open({2026, 5, 8});
  QListView* list = window_->HolidayList();
  const QStringList lines = window_->HolidayLines();
  const int whitMonday = static_cast<int>(lines.indexOf(QStringLiteral("25\tPfingstmontag")));
  ASSERT_GE(whitMonday, 0);
  const QRect row = list->visualRect(list->model()->index(whitMonday, 0));
  list->scrollTo(list->model()->index(whitMonday, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualRect(list->model()->index(whitMonday, 0)).center());
  (void)row;
  EXPECT_EQ(Selected(), QDate(2026, 5, 25));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Tempulo 25.Mai 2026"));
  // A further row of a day ("\tStaatsfeiertag Österreich") selects that day; Enter works too.
  const int second = static_cast<int>(lines.indexOf(QStringLiteral("\tStaatsfeiertag Österreich")));
  ASSERT_GE(second, 0);
  list->setFocus();
  list->setCurrentIndex(list->model()->index(second, 0));
  Key(list, Qt::Key_Return);
  EXPECT_EQ(Selected(), QDate(2026, 5, 1));
  // A region shows only its statutory holidays.
  ChooseRegion(QStringLiteral("BY"));
  EXPECT_EQ(window_->HolidayLines(),
            (QStringList{QStringLiteral("01\tMaitag"), QStringLiteral("14\tHimmelfahrt"),
                         QStringLiteral("25\tPfingstmontag")}));
}

TEST_F(MonthViewTest, ScreenReadersHearDatesAndLinesWithoutTabs) {
  Open({2026, 5, 25});
  EXPECT_EQ(Grid()->accessibleName(), QStringLiteral("Monatsübersicht"));
  EXPECT_FALSE(window_->HolidayList()->accessibleName().isEmpty());
  EXPECT_FALSE(window_->ReportList()->accessibleName().isEmpty());
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(Grid());
  ASSERT_NE(grid, nullptr);
  QAccessibleTableInterface* table = grid->tableInterface();
  ASSERT_NE(table, nullptr);
  const QTableWidgetItem* item = Grid()->ItemForDay(25);
  QAccessibleInterface* cell = table->cellAt(item->row(), item->column());
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text(QAccessible::Name).toStdString(),
            "Montag, 25. Mai 2026, Pfingstmontag (gesetzlicher Feiertag), Adams Handtuchtag, "
            "Große Wallfahrt, Beginn der Hadsch, heute");
  QAccessibleInterface* report = QAccessible::queryAccessibleInterface(window_->ReportList());
  ASSERT_NE(report, nullptr);
  bool sawWeekday = false;
  for (int i = 0; i < report->childCount(); ++i) {
    const QString name = report->child(i)->text(QAccessible::Name);
    EXPECT_FALSE(name.contains(QLatin1Char('\t'))) << name.toStdString();
    sawWeekday = sawWeekday || name == QStringLiteral("Wochentag: Montag");
  }
  EXPECT_TRUE(sawWeekday);
}

TEST_F(MonthViewTest, ResizesDownToASmallScreenAndTheReportGrows) {
  Open({2026, 12, 8});
  // A 1024x600 screen with a panel and a title bar.
  EXPECT_LE(window_->minimumWidth(), 1024);
  EXPECT_LE(window_->minimumHeight(), 600 - 48 - 30);
  window_->resize(window_->minimumSize());
  QApplication::processEvents();
  for (QWidget* child : window_->findChildren<QWidget*>()) {
    if (!child->isVisible() || child->isWindow() || child->parentWidget() != window_.get()) {
      continue;
    }
    EXPECT_TRUE(window_->rect().contains(child->geometry())) << child->objectName().toStdString();
  }
  EXPECT_GE(window_->Grid()->height(), window_->Grid()->minimumHeight());
  // A value wider than the narrow report (the Roman date) is reached by
  // scrolling sideways, not cut off; a wide window needs no scrolling.
  EXPECT_GT(window_->ReportList()->horizontalScrollBar()->maximum(), 0);
  ExpectEveryReportValueInReach();
  const int smallReport = window_->ReportList()->height();
  window_->resize(1041, 900);
  QApplication::processEvents();
  EXPECT_GT(window_->ReportList()->height(), smallReport);
  EXPECT_GT(window_->HolidayList()->height(), 0);
  ExpectEveryReportValueInReach();
  window_->resize(2400, 900);
  QApplication::processEvents();
  EXPECT_EQ(window_->ReportList()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MonthViewTest, MoonPictureFollowsTheDay) {
  Open({2024, 1, 25});
  ASSERT_TRUE(window_->Moon()->Disc().has_value());
  EXPECT_GT(window_->Moon()->Disc()->illuminated, 0.97);
  Grid()->setSelectedDate(QDate(2024, 1, 4));
  ASSERT_TRUE(window_->Moon()->Disc().has_value());
  EXPECT_FALSE(window_->Moon()->Disc()->waxing);
  EXPECT_TRUE(window_->Moon()->accessibleDescription().startsWith(QStringLiteral("Mond: ")));
  window_->YearSpin()->setValue(1850);
  EXPECT_FALSE(window_->Moon()->Disc().has_value());
  EXPECT_FALSE(window_->Moon()->isVisible());
}

TEST_F(MonthViewTest, SettingsAreKeptAndABadFileGivesTheDefaults) {
  Open({2026, 5, 8});
  ChooseRegion(QStringLiteral("SN"));
  window_->WeekNumbersBox()->setChecked(true);
  EXPECT_TRUE(Grid()->WeekNumbersShown());
  window_.reset();
  Open({2026, 5, 8});
  EXPECT_EQ(window_->HolidayRegion(), Region::kSN);
  EXPECT_TRUE(window_->WeekNumbersBox()->isChecked());
  EXPECT_TRUE(Grid()->WeekNumbersShown());
  window_.reset();
  for (const QByteArray& content : {QByteArray("region=XX\nweekNumbers=vielleicht\n"),
                                    QByteArray("\xff\xfe[[[\0\0garbage", 14), QByteArray()}) {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    Open({2026, 5, 8});
    EXPECT_EQ(window_->HolidayRegion(), Region::kAll);
    EXPECT_FALSE(window_->WeekNumbersBox()->isChecked());
    EXPECT_GT(window_->ReportLines().size(), 20);
    window_.reset();
  }
}

// Every text and mark of the grid and the lists keeps 4.5:1 in light and
// dark palettes: holidays, dimmed days of the neighbouring months, week
// numbers, and the selected day's text on its fill.
TEST_F(MonthViewTest, ColoursKeepTheirContrastInLightAndDarkPalettes) {
  const auto rgb = [](const QColor& colour) { return Rgb{colour.red(), colour.green(), colour.blue()}; };
  const struct {
    QColor base;
    QColor text;
    QColor highlight;  // the desktop's, white text on it
  } palettes[] = {
      {QColor(Qt::white), QColor(Qt::black), QColor(0x30, 0x8c, 0xc6)},
      {QColor(0x1e, 0x1e, 0x1e), QColor(Qt::white), QColor(0x2a, 0x82, 0xda)},
      {QColor(0x35, 0x35, 0x35), QColor(0xbe, 0xbe, 0xbe), QColor(0x3d, 0xae, 0xe9)},
  };
  for (const auto& p : palettes) {
    Open({2026, 12, 8});
    window_->WeekNumbersBox()->setChecked(true);
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Base, p.base);
    palette.setColor(QPalette::Text, p.text);
    palette.setColor(QPalette::Highlight, p.highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    window_->setPalette(palette);
    QApplication::processEvents();
    const std::string name = p.base.name().toStdString();
    const QColor red = Grid()->ItemForDay(25)->foreground().color();
    EXPECT_GE(ContrastRatio(rgb(red), rgb(p.base)), 4.5) << name;
    QTableWidgetItem* neighbour = Grid()->ItemForNeighbourDay(1, 1);
    ASSERT_NE(neighbour, nullptr);
    EXPECT_GE(ContrastRatio(rgb(neighbour->foreground().color()), rgb(p.base)), 4.5) << name;
    const QTableWidgetItem* week = Grid()->item(0, 0);
    EXPECT_EQ(week->text(), QStringLiteral("49"));
    EXPECT_GE(ContrastRatio(rgb(week->foreground().color()), rgb(p.base)), 4.5) << name;
    for (QWidget* view : {static_cast<QWidget*>(Grid()), static_cast<QWidget*>(window_->HolidayList()),
                          static_cast<QWidget*>(window_->ReportList())}) {
      const QPalette own = view->palette();
      EXPECT_GE(ContrastRatio(rgb(own.color(QPalette::Active, QPalette::Highlight)),
                              rgb(own.color(QPalette::Active, QPalette::HighlightedText))),
                4.5)
          << name << " " << view->objectName().toStdString();
      EXPECT_GE(ContrastRatio(rgb(own.color(QPalette::Inactive, QPalette::Highlight)),
                              rgb(own.color(QPalette::Inactive, QPalette::HighlightedText))),
                4.5)
          << name << " " << view->objectName().toStdString();
    }
    window_.reset();
  }
  // Before the reform the week column stays empty and says why.
  Open({2026, 12, 8});
  window_->WeekNumbersBox()->setChecked(true);
  window_->YearSpin()->setValue(1500);
  EXPECT_TRUE(Grid()->item(0, 0)->text().isEmpty());
  EXPECT_TRUE(Grid()->item(0, 0)->toolTip().contains(QStringLiteral("Julianische"))) << Grid()->item(0, 0)->toolTip().toStdString();
}

TEST_F(MonthViewTest, ShortcutsQuitAndMnemonicsFocus) {
  Open({2026, 5, 8});
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_J, Qt::AltModifier);
  EXPECT_TRUE(window_->YearSpin()->hasFocus());
  QTest::keyClick(window_.get(), Qt::Key_M, Qt::AltModifier);
  EXPECT_TRUE(window_->MonthSpin()->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window_->isVisible());
}

TEST(TabStop, LeavesAGapAfterTheLongestLabel) {
  const QFont font = QApplication::font();
  const QStringList lines = {QStringLiteral("Datum\t8.Dezember 2026"),
                             QStringLiteral("Französischer Revolutionskalender\t15.Frimaire 235"),
                             QStringLiteral("\tnur Wert"), QStringLiteral(" ")};
  QFont bold(font);
  bold.setBold(true);
  const int widest =
      QFontMetrics(bold).horizontalAdvance(QStringLiteral("Französischer Revolutionskalender"));
  EXPECT_GE(TabStopAfterLongestLabel(lines, font, 10), widest + LabelGap(font));
  EXPECT_GT(LabelGap(font), 0);
  EXPECT_EQ(TabStopAfterLongestLabel({QStringLiteral("a\tb")}, font, 5000), 5000);
}

}  // namespace
}  // namespace tempulo
