// SPDX-License-Identifier: GPL-3.0-or-later
// "Kalender wählen…": choosing and unchoosing lines, the choice kept across a
// restart, and a settings file that names lines this version does not know.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "app/gui/calendar_chooser.h"
#include "app/gui/main_window.h"
#include "time/clock.h"

namespace tempulo {
namespace {

class CalendarChooserTest : public ::testing::Test {
 protected:
  void Open() {
    window_.reset();
    window_ = std::make_unique<MainWindow>(clock_, std::make_unique<QSettings>(Path(), QSettings::IniFormat));
    window_->show();
  }
  QString Path() const { return dir_.filePath(QStringLiteral("tempulo.conf")); }
  bool HasLabel(const QString& label) const {
    for (const QString& line : window_->ReportLines()) {
      if (line.section(QLatin1Char('\t'), 0, 0) == label) {
        return true;
      }
    }
    return false;
  }
  // Ticks exactly the lines named, then confirms.
  void Choose(const QStringList& ids) {
    window_->OpenCalendarChooser();
    QListWidget* list = window_->CalendarChooserShown()->List();
    for (int i = 0; i < list->count(); ++i) {
      QListWidgetItem* item = list->item(i);
      item->setCheckState(ids.contains(item->toolTip()) ? Qt::Checked : Qt::Unchecked);
    }
    window_->CalendarChooserShown()->accept();
  }

  QTemporaryDir dir_;
  FixedClock clock_{{2026, 12, 9}, TimeOfDay{12, 0, 0}};
  std::unique_ptr<MainWindow> window_;
};

TEST_F(CalendarChooserTest, ChosenLinesShowInReportOrderAndAreKeptAcrossARestart) {
  Open();
  ASSERT_TRUE(HasLabel(QStringLiteral("Jüdischer Kalender")));
  ASSERT_TRUE(HasLabel(QStringLiteral("Maya-Kalender")));
  const int everything = static_cast<int>(window_->ReportLines().size());

  Choose({QStringLiteral("sun_moon"), QStringLiteral("jewish"), QStringLiteral("weekday")});
  EXPECT_TRUE(HasLabel(QStringLiteral("Jüdischer Kalender")));
  EXPECT_TRUE(HasLabel(QStringLiteral("Sonnenaufgang")));
  EXPECT_FALSE(HasLabel(QStringLiteral("Maya-Kalender")));
  EXPECT_LT(window_->ReportLines().size(), everything);
  // The table's order, not the order of choosing.
  const QStringList lines = window_->ReportLines();
  const auto at = [&lines](const QString& label) {
    for (int i = 0; i < lines.size(); ++i) {
      if (lines[i].startsWith(label + QLatin1Char('\t'))) {
        return i;
      }
    }
    return -1;
  };
  EXPECT_LT(at(QStringLiteral("Wochentag")), at(QStringLiteral("Jüdischer Kalender")));
  EXPECT_LT(at(QStringLiteral("Jüdischer Kalender")), at(QStringLiteral("Sonnenaufgang")));

  Open();  // a restart on the same settings
  EXPECT_TRUE(HasLabel(QStringLiteral("Jüdischer Kalender")));
  EXPECT_FALSE(HasLabel(QStringLiteral("Maya-Kalender")));

  // Unchoosing one line of the kept choice, then back to the default.
  Choose({QStringLiteral("weekday"), QStringLiteral("sun_moon")});
  EXPECT_FALSE(HasLabel(QStringLiteral("Jüdischer Kalender")));
  window_->OpenCalendarChooser();
  window_->CalendarChooserShown()->Show(EntryChoice());
  window_->CalendarChooserShown()->accept();
  EXPECT_EQ(window_->ReportLines().size(), everything);
  EXPECT_TRUE(window_->ReportEntryChoice().IsDefault());
}

TEST_F(CalendarChooserTest, SettingsNamingUnknownLinesKeepTheKnownOnesOrFallBackToTheDefault) {
  const struct {
    const char* stored;
    bool mayaShown;
    bool jewishShown;
  } cases[] = {
      {"jewish,from_a_newer_version,sun_moon", false, true},
      {"nothing_known_at_all", true, true},
      {"", true, true},
      {",,,", true, true},
  };
  for (const auto& c : cases) {
    {
      QSettings settings(Path(), QSettings::IniFormat);
      settings.setValue(QStringLiteral("reportEntries"), QString::fromUtf8(c.stored));
    }
    Open();
    EXPECT_EQ(HasLabel(QStringLiteral("Maya-Kalender")), c.mayaShown) << c.stored;
    EXPECT_EQ(HasLabel(QStringLiteral("Jüdischer Kalender")), c.jewishShown) << c.stored;
  }
}

}  // namespace
}  // namespace tempulo
