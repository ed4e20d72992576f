// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's command line, read before any display is opened, and
// the window opening on a given date.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/gui/main_window.h"
#include "app/gui/month_grid.h"
#include "app/gui/spin_edit.h"
#include "app/gui/window_options.h"

namespace tempulo {
namespace {

WindowOptions Parse(QStringList arguments) {
  arguments.prepend(QStringLiteral("tempulo"));
  return ParseWindowArguments(arguments);
}

TEST(WindowArguments, AcceptedCommandLines) {
  const struct {
    QStringList arguments;
    bool help;
    bool version;
    bool checkDisplay;
    std::optional<CivilDate> date;
  } cases[] = {
      {{}, false, false, false, std::nullopt},
      {{QStringLiteral("--help")}, true, false, false, std::nullopt},
      {{QStringLiteral("-h")}, true, false, false, std::nullopt},
      {{QStringLiteral("--version")}, false, true, false, std::nullopt},
      {{QStringLiteral("--check-display")}, false, false, true, std::nullopt},
      {{QStringLiteral("--date"), QStringLiteral("2000-01-01")}, false, false, false, CivilDate{2000, 1, 1}},
      {{QStringLiteral("--date=3000-12-31")}, false, false, false, CivilDate{3000, 12, 31}},
      // 5-14 October 1582 continue the Julian calendar; years from 100 on.
      {{QStringLiteral("--date"), QStringLiteral("1582-10-10")}, false, false, false, CivilDate{1582, 10, 10}},
      {{QStringLiteral("--date"), QStringLiteral("0201-03-04")}, false, false, false, CivilDate{201, 3, 4}},
      // The toolkit's own options stay the toolkit's.
      {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--date"),
        QStringLiteral("2013-08-07")},
       false, false, false, CivilDate{2013, 8, 7}},
      {{QStringLiteral("-display"), QStringLiteral(":0"), QStringLiteral("-reverse")}, false, false, false,
       std::nullopt},
  };
  for (const auto& c : cases) {
    const WindowOptions options = Parse(c.arguments);
    const QString what = c.arguments.join(QLatin1Char(' '));
    EXPECT_EQ(options.error, QString()) << what.toStdString();
    EXPECT_EQ(options.help, c.help) << what.toStdString();
    EXPECT_EQ(options.version, c.version) << what.toStdString();
    EXPECT_EQ(options.checkDisplay, c.checkDisplay) << what.toStdString();
    EXPECT_EQ(options.date, c.date) << what.toStdString();
  }
}

TEST(WindowArguments, MalformedCommandLinesGetOneGermanLine) {
  const struct {
    QStringList arguments;
    const char* error;
  } cases[] = {
      {{QStringLiteral("--date")}, "Nach --date fehlt das Datum."},
      {{QStringLiteral("--date"), QStringLiteral("2000-13-01")}, "Den Monat 13 gibt es nicht."},
      {{QStringLiteral("--date"), QStringLiteral("2023-02-29")}, "Den 29. Februar 2023 gibt es nicht."},
      {{QStringLiteral("--date"), QStringLiteral("0099-12-31")}, "Das Jahr 99 liegt außerhalb von 100 bis 3000."},
      {{QStringLiteral("--date"), QStringLiteral("1.1.2000")}, "Das Datum \"1.1.2000\" hat nicht die Form JJJJ-MM-TT."},
      {{QStringLiteral("--date"), QStringLiteral("2000-01-01"), QStringLiteral("--date"), QStringLiteral("2000-01-02")},
       "Die Angabe --date steht mehrfach im Aufruf."},
      {{QStringLiteral("--days"), QStringLiteral("3")}, "Unbekannte Angabe \"--days\" (Hilfe: tempulo --help)."},
      {{QStringLiteral("-x")}, "Unbekannte Angabe \"-x\" (Hilfe: tempulo --help)."},
      {{QStringLiteral("heute")}, "Unbekannte Angabe \"heute\" (Hilfe: tempulo --help)."},
      {{QStringLiteral("--help=ja")}, "Fehlerhafter Aufruf (Hilfe: tempulo --help)."},
      // A Julian leap day the month grid cannot hold: its substitute
      // Gregorian February has 28 days.
      {{QStringLiteral("--date"), QStringLiteral("1000-02-29")},
       "Den 29. Februar 1000 kann das Monatsraster des Fensters nicht zeigen; "
       "tempulo-report --date 1000-02-29 zeigt seinen Bericht."},
  };
  for (const auto& c : cases) {
    const WindowOptions options = Parse(c.arguments);
    const QString what = c.arguments.join(QLatin1Char(' '));
    EXPECT_EQ(options.error.toStdString(), c.error) << what.toStdString();
    EXPECT_FALSE(options.date.has_value()) << what.toStdString();
  }
}

class ShowDateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<MainWindow>(clock_);
    form_->SetErrorReporter([this](const QString&, const QString& message) { errors_.append(message); });
    form_->show();
  }

  const FixedClock clock_{{2026, 12, 8}, {12, 0, 0}};
  std::unique_ptr<MainWindow> form_;
  QStringList errors_;
};

TEST_F(ShowDateTest, ControlsGridAndReportNameTheDate) {
  const struct {
    CivilDate date;
    QDate grid;  // a substitute Gregorian month before the reform
    const char* caption;
    const char* yearText;
  } cases[] = {
      {CivilDate{2013, 8, 7}, QDate(2013, 8, 7), "Tempulo 7.August 2013", "2013"},
      {CivilDate{1582, 10, 10}, QDate(1584, 10, 10), "Tempulo 10.Oktober 1582", "1582"},
      {CivilDate{3000, 12, 31}, QDate(3000, 12, 31), "Tempulo 31.Dezember 3000", "3000"},
      {CivilDate{201, 3, 4}, QDate(1587, 3, 4), "Tempulo 4.März 201", "201"},
  };
  for (const auto& c : cases) {
    form_->ShowDate(c.date);
    EXPECT_EQ(form_->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(form_->Grid()->selectedDate(), c.grid) << c.caption;
    EXPECT_EQ(form_->MonthSpin()->Value(), c.date.month) << c.caption;
    EXPECT_EQ(form_->YearSpin()->findChild<QLineEdit*>()->text().toStdString(), c.yearText);
    ASSERT_FALSE(form_->ReportLines().isEmpty());
    EXPECT_EQ(form_->ReportLines().at(0).toStdString(),
              "Datum\t" + std::string(c.caption).substr(std::string("Tempulo ").size()));
  }
  EXPECT_TRUE(errors_.isEmpty());
}

// An early year stays what it is once editing ends: the year field takes
// every year the almanac shows.
TEST_F(ShowDateTest, EarlyYearStaysWhenEditingEnds) {
  form_->ShowDate(CivilDate{201, 3, 4});
  ASSERT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 4.März 201"));
  QTest::keyClick(form_->YearSpin()->findChild<QLineEdit*>(), Qt::Key_Return);
  EXPECT_EQ(form_->YearSpin()->Value(), 201);
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 4.März 201"));
  EXPECT_EQ(form_->ReportLines().at(0), QStringLiteral("Datum\t4.März 201"));
}

}  // namespace
}  // namespace tempulo
