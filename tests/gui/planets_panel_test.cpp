// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/planets_panel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include "app/gui/main_window.h"
#include "time/clock.h"

namespace tempulo {
namespace {

class PlanetsPanelTest : public ::testing::Test {
 protected:
  void Open(CivilDate today) {
    clock_ = std::make_unique<FixedClock>(today, TimeOfDay{12, 0, 0});
    form_ = std::make_unique<MainWindow>(*clock_, std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat));
    form_->SetErrorReporter([this](const QString& title, const QString& message) {
      errors_.append(title + QStringLiteral(": ") + message);
    });
    form_->show();
  }

  int LinesStartingWith(const QString& prefix) const {
    int count = 0;
    for (const QString& line : form_->ReportLines()) {
      count += line.startsWith(prefix) ? 1 : 0;
    }
    return count;
  }

  QString SettingsPath() const { return settingsDir_.filePath(QStringLiteral("tempulo.conf")); }

  QTemporaryDir settingsDir_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<MainWindow> form_;
  QStringList errors_;
};

TEST_F(PlanetsPanelTest, ListsTheSevenPlanetsAndAddsTheBlockOnlyWhenChosen) {
  Open({2026, 12, 9});
  PlanetsPanel* panel = form_->Planets();
  ASSERT_NE(panel, nullptr);
  ASSERT_EQ(panel->List()->topLevelItemCount(), 7);
  EXPECT_EQ(panel->List()->topLevelItem(1)->text(0), QStringLiteral("Venus"));
  EXPECT_FALSE(panel->PlanetsInReport()->isChecked());
  EXPECT_EQ(LinesStartingWith(QStringLiteral("Planeten\t")), 0);
  panel->PlanetsInReport()->setChecked(true);
  EXPECT_EQ(LinesStartingWith(QStringLiteral("Planeten\t")), 1);
  EXPECT_EQ(LinesStartingWith(QStringLiteral("Neptun\t")), 1);
  panel->SunHoursInReport()->setChecked(true);
  EXPECT_EQ(LinesStartingWith(QStringLiteral("Goldene Stunde\t")), 1);
  // The choice is kept for the next start.
  form_.reset();
  Open({2026, 12, 9});
  EXPECT_TRUE(form_->Planets()->PlanetsInReport()->isChecked());
  EXPECT_EQ(LinesStartingWith(QStringLiteral("Planeten\t")), 1);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(PlanetsPanelTest, AnUnreadableChoiceFallsBackToNone) {
  {
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("report/planets"), QStringLiteral("vielleicht"));
    settings.setValue(QStringLiteral("report/sunHours"), 42.5);
  }
  Open({2026, 12, 9});
  EXPECT_FALSE(form_->Planets()->PlanetsInReport()->isChecked());
  EXPECT_EQ(LinesStartingWith(QStringLiteral("Planeten\t")), 0);
}

TEST_F(PlanetsPanelTest, AnEventGoesToItsDay) {
  Open({2020, 1, 15});
  PlanetsPanel* panel = form_->Planets();
  panel->OpenEvents();
  PlanetEventsDialog* dialog = panel->EventsDialogShown();
  ASSERT_NE(dialog, nullptr);
  QTreeWidget* list = dialog->List();
  QTreeWidgetItem* opposition = nullptr;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    if (list->topLevelItem(i)->text(1) == QStringLiteral("Mars in Opposition zur Sonne")) {
      opposition = list->topLevelItem(i);
    }
  }
  ASSERT_NE(opposition, nullptr);
  emit list->itemActivated(opposition, 0);
  // 13 October 2020, 23:2x UT: 14 October in MEZ.
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 14.Oktober 2020"));
}

TEST_F(PlanetsPanelTest, BeforeNineteenHundredTheListIsEmpty) {
  Open({1850, 6, 1});
  EXPECT_EQ(form_->Planets()->List()->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace tempulo
