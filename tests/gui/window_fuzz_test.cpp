// SPDX-License-Identifier: GPL-3.0-or-later
// 10,000 random events on the window with a fixed seed: clicks, typing,
// steps, resizes, keys on the grid, holiday-list clicks, region changes,
// copies, the mouse wheel, clicks on the neighbouring months' days, the keys
// for today and the first day of the week. After every event the grid holds
// a valid date of the month the controls name, and only days that month has;
// the caption, the heading and the first report line name the date the
// controls hold (or the last showable one while a typed year is not);
// no error is raised; and a copy puts exactly the report lines on the
// clipboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "report/refresh.h"
#include "time/civil.h"
#include <QTableWidgetItem>
#include <QWheelEvent>
#include "app/gui/main_window.h"
#include "app/gui/month_grid.h"
#include "app/gui/spin_edit.h"

namespace tempulo {
namespace {

int EventCount() {
  if (const char* value = std::getenv("TEMPULO_FUZZ_EVENTS")) {
    return std::atoi(value);
  }
  return 10000;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

TEST(WindowFuzz, RandomEventsKeepTheWindowConsistent) {
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  QTemporaryDir settingsDir;
  MainWindow form(clock, std::make_unique<QSettings>(settingsDir.filePath(QStringLiteral("tempulo.conf")),
                                                     QSettings::IniFormat));
  QStringList errors;
  QString clipboard;
  form.SetErrorReporter([&](const QString&, const QString& message) { errors.append(message); });
  form.SetClipboardWriter([&](const QString& text) { clipboard = text; });
  form.show();
  QLineEdit* yearEdit = form.YearSpin()->findChild<QLineEdit*>();
  ASSERT_NE(yearEdit, nullptr);

  std::mt19937 random(20261208U);
  const auto uniform = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };

  const int events = EventCount();
  for (int event = 0; event < events; ++event) {
    const QString captionBefore = form.windowTitle();
    const QStringList reportBefore = form.ReportLines();
    const qsizetype errorsBefore = errors.size();
    const int kind = uniform(0, 19);
    // The captions the window showed during the event: while a year is
    // typed, each showable prefix ("3", "35", "358" of 3583) shows.
    QStringList captionsSeen = {captionBefore};
    QString what;
    int clickedDay = 0;  // the day of a clicked holiday row
    switch (kind) {
      case 0:
      case 1: {  // a click on a day of the shown month
        const QDate shown = form.Grid()->selectedDate();
        const int day = uniform(1, shown.daysInMonth());
        what = QStringLiteral("click %1").arg(day);
        form.Grid()->setSelectedDate(QDate(shown.year(), shown.month(), day));
        break;
      }
      case 2: {
        const int month = uniform(1, 12);
        what = QStringLiteral("month %1").arg(month);
        form.MonthSpin()->setValue(month);
        break;
      }
      case 3: {
        const int steps = uniform(0, 1) == 0 ? -1 : 1;
        what = QStringLiteral("month step %1").arg(steps);
        form.MonthSpin()->stepBy(steps);
        break;
      }
      case 4: {
        // Mostly years near the reform and the 1900 boundary, where the rules change.
        const int year = uniform(0, 2) == 0 ? uniform(1000, 3000) : uniform(1570, 1600) + uniform(0, 1) * 330;
        what = QStringLiteral("year %1").arg(year);
        yearEdit->selectAll();
        QTest::keyClicks(yearEdit, QString::number(year));
        QTest::keyClick(yearEdit, Qt::Key_Return);
        break;
      }
      case 5: {
        const int steps = uniform(0, 1) == 0 ? -1 : 1;
        what = QStringLiteral("year step %1").arg(steps);
        form.YearSpin()->stepBy(steps);
        break;
      }
      case 6:
      case 7: {  // typing a year digit by digit; the validator may refuse some keys
        QString digits = QString::number(uniform(1, 3));
        const int more = uniform(0, 3);
        for (int i = 0; i < more; ++i) digits += QString::number(uniform(0, 9));
        what = QStringLiteral("type %1").arg(digits);
        yearEdit->selectAll();
        QTest::keyClick(yearEdit, Qt::Key_Backspace);
        for (const QChar digit : digits) {
          QTest::keyClicks(yearEdit, QString(digit));
          captionsSeen.append(form.windowTitle());
        }
        if (uniform(0, 3) == 0) {
          QTest::keyClick(yearEdit, Qt::Key_Return);
          what += QStringLiteral(" + return");
        }
        break;
      }
      case 8:
        what = QStringLiteral("today");
        form.TodayButton()->click();
        break;
      case 9:
        what = QStringLiteral("copy");
        form.CopyButton()->click();
        ASSERT_EQ(clipboard, form.ReportLines().join(QLatin1Char('\n')) + QLatin1Char('\n')) << event;
        break;
      case 10: {
        const QSize size(uniform(form.minimumWidth(), 1500), uniform(form.minimumHeight(), 1000));
        what = QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height());
        form.resize(size);
        break;
      }
      case 11:
      case 12: {  // a key on the grid
        static const int kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                    Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
        const int key = kKeys[uniform(0, 7)];
        const bool control = uniform(0, 3) == 0;
        what = QStringLiteral("key %1%2").arg(control ? QStringLiteral("ctrl+") : QString()).arg(key);
        QTest::keyClick(form.Grid(), static_cast<Qt::Key>(key),
                        control ? Qt::ControlModifier : Qt::NoModifier);
        break;
      }
      case 13: {  // a click on a holiday-list row
        QListView* list = form.HolidayList();
        const int rows = list->model()->rowCount();
        if (rows == 0) {
          what = QStringLiteral("no holiday row");
          break;
        }
        const QModelIndex index = list->model()->index(uniform(0, rows - 1), 0);
        what = QStringLiteral("holiday row %1").arg(index.data().toString());
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        // The row's day: its own number, or that of the day's first row above it.
        for (int row = index.row(); row >= 0 && clickedDay == 0; --row) {
          clickedDay =
              list->model()->index(row, 0).data().toString().section(QLatin1Char('\t'), 0, 0).toInt();
        }
        break;
      }
      case 15: {  // the wheel over the grid, a notch or a fine step
        const int delta = (uniform(0, 1) == 0 ? -1 : 1) * (uniform(0, 2) == 0 ? 40 : 120);
        what = QStringLiteral("wheel %1").arg(delta);
        const QPoint centre = form.Grid()->viewport()->rect().center();
        QWheelEvent wheel(centre, form.Grid()->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.Grid()->viewport(), &wheel);
        break;
      }
      case 16: {  // a click on a day of a neighbouring month
        const int side = uniform(0, 1) == 0 ? -1 : 1;
        QTableWidgetItem* cell = form.Grid()->ItemForNeighbourDay(side, side < 0 ? uniform(24, 31) : uniform(1, 7));
        if (cell == nullptr) {
          what = QStringLiteral("no neighbour cell");
          break;
        }
        what = QStringLiteral("neighbour %1 %2").arg(side).arg(cell->text());
        QTest::mouseClick(form.Grid()->viewport(), Qt::LeftButton, {},
                          form.Grid()->visualItemRect(cell).center());
        break;
      }
      case 17:
        what = QStringLiteral("ctrl+t");
        QTest::keyClick(form.Grid(), Qt::Key_T, Qt::ControlModifier);
        break;
      case 18: {
        const Qt::DayOfWeek day = std::array{Qt::Monday, Qt::Saturday, Qt::Sunday}[uniform(0, 2)];
        what = QStringLiteral("first day %1").arg(day);
        form.SetFirstDayOfWeek(day);
        break;
      }
      default: {
        const int region = uniform(0, form.RegionBox()->count() - 1);
        what = QStringLiteral("region %1").arg(region);
        form.RegionBox()->setCurrentIndex(region);
        break;
      }
    }
    if (std::getenv("TEMPULO_FUZZ_TRACE") != nullptr) {
      std::fprintf(stderr, "%d %s -> grid %s month %s year '%s' caption %s\n", event, qPrintable(what),
                   qPrintable(form.Grid()->selectedDate().toString(Qt::ISODate)),
                   qPrintable(QString::number(form.MonthSpin()->Value())), qPrintable(yearEdit->text()),
                   qPrintable(form.windowTitle()));
    }
    SCOPED_TRACE(QStringLiteral("event %1: %2").arg(event).arg(what).toStdString());

    const QDate grid = form.Grid()->selectedDate();
    ASSERT_TRUE(grid.isValid());
    const auto selected = ReadSelectedDate(grid.day(), {.month = form.MonthSpin()->Value(), .year = form.YearSpin()->Value()});
    if (!selected) {
      // A year still being typed: the window shows what it last could.
      ASSERT_TRUE(captionsSeen.contains(form.windowTitle())) << form.windowTitle().toStdString();
      if (form.windowTitle() == captionBefore) {
        ASSERT_EQ(form.ReportLines(), reportBefore);
      }
      continue;
    }
    ASSERT_EQ(grid.month(), selected->month);
    if (clickedDay > 0) {
      ASSERT_EQ(grid.day(), std::min(clickedDay, grid.daysInMonth()));
    }
    const int gridYear = NeedsSubstituteGridYear({selected->year, selected->month})
                             ? SubstituteGridYear({selected->year, selected->month})
                             : selected->year;
    ASSERT_EQ(grid.year(), gridYear);
    ASSERT_EQ(form.windowTitle().toStdString(), WindowCaption(*selected));
    ASSERT_EQ(form.Heading(),
              Q(std::string(GermanMonthName(selected->month)) + " " + std::to_string(selected->year)));
    ASSERT_FALSE(form.ReportLines().isEmpty());
    ASSERT_EQ(form.ReportLines().front(), Q(DateLine(*selected)));
    // Only days the month has can be chosen, so no report fails.
    ASSERT_LE(selected->day, CivilMonthLength(selected->year, selected->month));
    ASSERT_EQ(errors.size(), errorsBefore) << errors.back().toStdString();
    ASSERT_EQ(form.ReportLines().back(),
              selected->year >= 1900 ? form.ReportLines().back() : QStringLiteral(" "));
  }
}

}  // namespace
}  // namespace tempulo
