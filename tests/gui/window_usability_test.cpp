// SPDX-License-Identifier: GPL-3.0-or-later
// Using the window as a new user does: the keyboard from the first second,
// the sun and moon in sight, the year field, today's keys, the wheel, the
// first day of the week, the remembered geometry, finding a feast, the key
// list and what a screen reader hears.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>
#include <memory>

#include "app/gui/announce.h"
#include "app/gui/feast_search_dialog.h"
#include "app/gui/feasts_dialog.h"
#include "app/gui/main_window.h"
#include "app/gui/month_grid.h"
#include "app/gui/spin_edit.h"
#include "app/gui/sun_moon_panel.h"
#include "time/clock.h"

namespace tempulo {
namespace {

class UsabilityTest : public ::testing::Test {
 protected:
  void Open(CivilDate today) {
    clock_ = std::make_unique<FixedClock>(today, TimeOfDay{12, 0, 0});
    window_ = std::make_unique<MainWindow>(*clock_,
                                           std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat));
    window_->SetErrorReporter([this](const QString&, const QString& message) { errors_.append(message); });
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  QString SettingsPath() const { return dir_.filePath(QStringLiteral("tempulo.conf")); }
  QString Caption() const { return window_->windowTitle(); }
  // A key as the user presses it: to whatever has the focus.
  static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
  }
  void Wheel(int delta) {
    QWidget* viewport = window_->Grid()->viewport();
    const QPoint centre = viewport->rect().center();
    QWheelEvent wheel(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
  }
  QString ReportValue(const QString& label) const {
    for (const QString& line : window_->ReportLines()) {
      if (line.section(QLatin1Char('\t'), 0, 0) == label) {
        return line.section(QLatin1Char('\t'), 1);
      }
    }
    return {};
  }

  QTemporaryDir dir_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<MainWindow> window_;
  QStringList errors_;
};

TEST_F(UsabilityTest, TheKeyboardWorksInTheGridFromTheStart) {
  Open({2026, 5, 13});
  EXPECT_EQ(QApplication::focusWidget(), window_->Grid());
  Press(Qt::Key_PageDown);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 13.Juni 2026"));
  Press(Qt::Key_Down);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 20.Juni 2026"));
  // Today by Ctrl+T and by ".", also from a list.
  Press(Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 13.Mai 2026"));
  Press(Qt::Key_PageUp);
  window_->ReportList()->setFocus();
  Press(Qt::Key_Period);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 13.Mai 2026"));
  // Tab reaches every control, the grid included, and back.
  QStringList reached;
  window_->Grid()->setFocus();
  for (int i = 0; i < 30; ++i) {
    Press(Qt::Key_Tab);
    reached.append(QApplication::focusWidget()->objectName());
  }
  for (const char* name : {"monthGrid", "monthSpin", "yearSpin", "todayButton", "regionBox", "weekNumbersBox",
                           "goToButton", "feastsButton", "holidayList", "reportList", "copyButton", "placeButton"}) {
    EXPECT_TRUE(reached.contains(QString::fromLatin1(name))) << name;
  }
}

TEST_F(UsabilityTest, TheSunAndMoonPanelShowsTheReportsValuesInSight) {
  for (const QSize size : {QSize(1024 - 16, 600 - 48), QSize(1041, 682), QSize(1280, 800)}) {
    Open({2026, 5, 13});
    window_->resize(size.expandedTo(window_->minimumSize()));
    QApplication::processEvents();
    const SunMoonPanel* panel = window_->SunMoon();
    for (const char* label :
         {"Sonnenaufgang", "Sonnenuntergang", "Morgendämmerung", "Abenddämmerung", "Mondaufgang", "Monduntergang"}) {
      const QString name = QString::fromUtf8(label);
      // The report's value; a time of the day itself without its date.
      EXPECT_FALSE(panel->ValueOf(name).isEmpty()) << label;
      EXPECT_EQ(QStringLiteral("13.05.2026 ") + panel->ValueOf(name), ReportValue(name)) << label;
    }
    // The next main phase after 13 May 2026 is the new moon of 16 May.
    EXPECT_TRUE(panel->ValueOf(QStringLiteral("Nächste Phase"))
                    .startsWith(QStringLiteral("Neumond, ") + ReportValue(QStringLiteral("Nächster Neumond"))))
        << panel->ValueOf(QStringLiteral("Nächste Phase")).toStdString();
    // The report's rows wrap instead of scrolling sideways.
    EXPECT_EQ(window_->ReportList()->horizontalScrollBar()->maximum(), 0) << size.width();
    // Labels whole, the times on one line beside them.
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
      if (label->isVisible() && !label->wordWrap()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
      }
    }
    const QFontMetrics metrics(panel->font());
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
      if (label->isVisible() && label->wordWrap() && label->accessibleName() == QStringLiteral("Sonnenaufgang")) {
        EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << label->text().toStdString();
      }
    }
    // In sight: inside the window, not hidden.
    const QRect inWindow(panel->mapTo(window_.get(), QPoint()), panel->size());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(window_->rect().contains(inWindow)) << size.width() << "x" << size.height();
    // The report keeps a useful height.
    EXPECT_GE(window_->ReportList()->height(), 8 * window_->ReportList()->fontMetrics().height());
    window_.reset();
  }
  // Before 1900 the report has no such block; the panel says so.
  Open({1850, 5, 13});
  EXPECT_TRUE(window_->SunMoon()->ValueOf(QStringLiteral("Sonnenaufgang")).isEmpty());
}

TEST_F(UsabilityTest, TheYearFieldTakesEveryShownYearAndRefusesOthersVisibly) {
  Open({2026, 3, 13});
  QLineEdit* edit = window_->YearSpin()->findChild<QLineEdit*>();
  const struct {
    QString typed;
    Qt::Key end;
    QString caption;
    bool refused;
  } cases[] = {
      {QStringLiteral("201"), Qt::Key_Tab, QStringLiteral("Tempulo 13.März 201"), false},
      {QStringLiteral("100"), Qt::Key_Return, QStringLiteral("Tempulo 13.März 100"), false},
      {QStringLiteral("3000"), Qt::Key_Return, QStringLiteral("Tempulo 13.März 3000"), false},
      {QStringLiteral("20"), Qt::Key_Return, QStringLiteral("Tempulo 13.März 3000"), true},
      {QStringLiteral("3001"), Qt::Key_Tab, QStringLiteral("Tempulo 13.März 300"), true},
  };
  for (const auto& c : cases) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, c.typed);
    QTest::keyClick(edit, c.end);
    EXPECT_EQ(Caption(), c.caption) << c.typed.toStdString();
    EXPECT_EQ(!window_->FieldNotice().isEmpty(), c.refused) << c.typed.toStdString();
    if (c.refused) {
      EXPECT_TRUE(window_->FieldNotice().contains(c.typed)) << window_->FieldNotice().toStdString();
      EXPECT_TRUE(window_->FieldNotice().contains(QStringLiteral("100 bis 3000")));
      // The field shows the year the window shows.
      EXPECT_TRUE(c.caption.endsWith(QLatin1Char(' ') + edit->text())) << edit->text().toStdString();
    }
  }
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(UsabilityTest, TheWheelOverTheGridChangesTheMonth) {
  Open({2026, 12, 8});
  Wheel(-120);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.Januar 2027"));
  Wheel(120);
  Wheel(120);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.November 2026"));
  // Fine wheels add their small steps up to a notch.
  Wheel(-40);
  Wheel(-40);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.November 2026"));
  Wheel(-40);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.Dezember 2026"));
}

TEST_F(UsabilityTest, TheFirstDayOfTheWeekIsChosenAndKept) {
  Open({2026, 12, 8});
  const struct {
    Qt::DayOfWeek day;
    QString header;
    int column;  // of 1 December 2026, a Tuesday
  } cases[] = {{Qt::Sunday, QStringLiteral("So"), 2}, {Qt::Saturday, QStringLiteral("Sa"), 3},
               {Qt::Monday, QStringLiteral("Mo"), 1}};
  for (const auto& c : cases) {
    window_->FirstDayAction(c.day)->trigger();
    EXPECT_EQ(window_->Grid()->firstDayOfWeek(), c.day);
    EXPECT_EQ(window_->Grid()->horizontalHeaderItem(0)->text(), c.header);
    EXPECT_EQ(window_->Grid()->column(window_->Grid()->ItemForDay(1)), c.column);
  }
  window_->FirstDayAction(Qt::Sunday)->trigger();
  window_.reset();
  Open({2026, 12, 8});
  EXPECT_EQ(window_->Grid()->firstDayOfWeek(), Qt::Sunday);
  EXPECT_TRUE(window_->FirstDayAction(Qt::Sunday)->isChecked());
  // Week numbers follow the row's Thursday: 3 December 2026 is in week 49.
  window_->WeekNumbersBox()->setChecked(true);
  const int row = window_->Grid()->row(window_->Grid()->ItemForDay(3));
  EXPECT_EQ(window_->Grid()->item(row, 0)->text(), QStringLiteral("49"));
}

TEST_F(UsabilityTest, TheWindowsSizeAndPositionAreRemembered) {
  Open({2026, 12, 8});
  window_->resize(900, 560);
  window_->move(40, 30);
  QApplication::processEvents();
  const QSize size = window_->size();
  window_->close();
  window_.reset();
  Open({2026, 12, 8});
  EXPECT_EQ(window_->size(), size);
  // A damaged value is ignored: the window opens as by default.
  window_.reset();
  {
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("window/geometry"), QByteArray("kaputt"));
  }
  Open({2026, 12, 8});
  EXPECT_GE(window_->width(), window_->minimumWidth());
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(UsabilityTest, CtrlFFindsAFeastByNameAndGoesToItsDay) {
  Open({2026, 12, 8});
  Press(Qt::Key_F, Qt::ControlModifier);
  FeastSearchDialog* search = window_->FeastSearchShown();
  ASSERT_NE(search, nullptr);
  EXPECT_TRUE(search->isVisible());
  search->FromYear()->setValue(2027);
  search->ToYear()->setValue(2027);
  QTest::keyClicks(search->NameField(), QStringLiteral("ostern"));
  QTest::keyClick(search->NameField(), Qt::Key_Return);
  const QList<QTreeWidgetItem*> easter = search->Hits()->findItems(QStringLiteral("Ostern"), Qt::MatchExactly, 1);
  ASSERT_EQ(easter.size(), 1);
  EXPECT_EQ(easter.front()->text(0), QStringLiteral("28.März 2027"));
  search->Hits()->setCurrentItem(easter.front());
  QTest::keyClick(search->Hits(), Qt::Key_Return);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 28.März 2027"));
  // Nothing found, a range too long: a sentence, no list.
  const struct {
    QString name;
    int from;
    int to;
    QString message;
  } refusals[] = {
      {QStringLiteral("Kaiserfest"), 2027, 2028, QStringLiteral("Kein Fest „Kaiserfest“ in den Jahren 2027 bis 2028.")},
      {QStringLiteral("Ostern"), 1900, 2000,
       QStringLiteral("Bitte höchstens 50 Jahre auf einmal durchsuchen (gewählt: 1900 bis 2000).")},
      {QString(), 2027, 2027, QStringLiteral("Bitte den Namen eines Festes eingeben.")},
  };
  for (const auto& r : refusals) {
    search->NameField()->setText(r.name);
    search->FromYear()->setValue(r.from);
    search->ToYear()->setValue(r.to);
    EXPECT_EQ(search->Search(), 0);
    EXPECT_EQ(search->Message()->text(), r.message);
    EXPECT_EQ(search->Hits()->topLevelItemCount(), 0);
  }
}

TEST_F(UsabilityTest, TheFeastsListFiltersByName) {
  Open({2026, 12, 8});
  window_->OpenFeastsDialog();
  FeastsDialog* feasts = window_->FeastsDialogShown();
  ASSERT_NE(feasts, nullptr);
  const int all = feasts->ShownCount();
  QTest::keyClicks(feasts->Filter(), QStringLiteral("neujahr"));
  EXPECT_GT(feasts->ShownCount(), 0);
  EXPECT_LT(feasts->ShownCount(), all);
  for (int i = 0; i < feasts->List()->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = feasts->List()->topLevelItem(i);
    EXPECT_EQ(item->isHidden(), !item->text(1).contains(QStringLiteral("Neujahr"), Qt::CaseInsensitive))
        << item->text(1).toStdString();
  }
  feasts->Filter()->setText(QStringLiteral("xyzzy"));
  EXPECT_EQ(feasts->ShownCount(), 0);
  feasts->Filter()->clear();
  EXPECT_EQ(feasts->ShownCount(), all);
}

TEST_F(UsabilityTest, F1ListsTheKeysAndAboutNamesVersionAndLicence) {
  Open({2026, 12, 8});
  window_->AddShortcutLine(QStringLiteral("Strg+P"), QStringLiteral("Drucken"));
  Press(Qt::Key_F1);
  ShortcutsDialog* keys = window_->ShortcutsShown();
  ASSERT_NE(keys, nullptr);
  EXPECT_EQ(keys->List()->topLevelItemCount(), static_cast<int>(window_->ShortcutLines().size()));
  EXPECT_EQ(keys->List()->findItems(QStringLiteral("Strg+P"), Qt::MatchExactly, 0).size(), 1);
  EXPECT_EQ(keys->List()->topLevelItem(keys->List()->topLevelItemCount() - 1)->text(0), QStringLiteral("Strg+Q"));
  keys->reject();
  window_->OpenAbout();
  ASSERT_NE(window_->AboutShown(), nullptr);
  const QString about = window_->AboutShown()->text();
  EXPECT_TRUE(about.contains(QStringLiteral("Tempulo ") + QStringLiteral(TEMPULO_VERSION_FOR_TESTS)));
  EXPECT_TRUE(about.contains(QStringLiteral("GPL-3.0-or-later")));
  window_->AboutShown()->reject();
  // A further panel goes below the sun and moon panel.
  auto* panel = new QLabel(QStringLiteral("Planeten"));
  window_->AddSidePanel(panel);
  QApplication::processEvents();
  EXPECT_GT(panel->mapTo(window_.get(), QPoint()).y(),
            window_->SunMoon()->mapTo(window_.get(), QPoint()).y() + window_->SunMoon()->height() - 1);
  // The menus hold the actions others extend.
  for (QMenu* menu : {window_->FileMenu(), window_->GoMenu(), window_->ToolsMenu(), window_->HelpMenu()}) {
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions().isEmpty()) << menu->title().toStdString();
  }
}

TEST_F(UsabilityTest, AnEmptyHolidayListSaysSo) {
  Open({2026, 8, 10});
  window_->RegionBox()->setCurrentIndex(window_->RegionBox()->findData(QStringLiteral("HB")));
  EXPECT_TRUE(window_->HolidayLines().isEmpty());
  EXPECT_EQ(window_->HolidayList()->accessibleDescription(), QStringLiteral("keine Feiertage"));
  // The list paints its notice; it is not a row that could be copied.
  QImage image(window_->HolidayList()->viewport()->size(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  window_->HolidayList()->viewport()->render(&image);
  bool painted = false;
  for (int y = 0; y < image.height() && !painted; ++y) {
    for (int x = 0; x < image.width() && !painted; ++x) {
      painted = qGray(image.pixel(x, y)) < 128;
    }
  }
  EXPECT_TRUE(painted);
}

TEST_F(UsabilityTest, ScreenReadersHearContinuationLinesWithTheirCalendarAndSkipBlankLines) {
  Open({2026, 12, 8});
  const QAbstractItemModel* model = window_->ReportList()->model();
  bool sawMaya = false;
  for (int row = 0; row < model->rowCount(); ++row) {
    const QModelIndex index = model->index(row, 0);
    const QString text = index.data().toString();
    const QString spoken = index.data(Qt::AccessibleTextRole).toString();
    if (text.trimmed().isEmpty()) {
      EXPECT_TRUE(spoken.isEmpty()) << row;
      EXPECT_FALSE(model->flags(index).testFlag(Qt::ItemIsSelectable)) << row;
    } else if (text.startsWith(QLatin1Char('\t'))) {
      EXPECT_TRUE(spoken.contains(QStringLiteral(": "))) << spoken.toStdString();
      if (spoken.startsWith(QStringLiteral("Maya-Kalender, Tzolkin und Haab: "))) {
        sawMaya = true;
        EXPECT_TRUE(spoken.endsWith(text.mid(1))) << spoken.toStdString();
      }
    }
  }
  EXPECT_TRUE(sawMaya);
}

// Messages are announced the moment they appear: the year field's refusal,
// the place search that finds nothing, the dialogs' messages.
TEST_F(UsabilityTest, MessagesAreAnnounced) {
  Open({2026, 3, 13});
  QStringList announced;
  SetAnnouncementListener([&announced](QWidget* label) { announced.append(label->objectName()); });
  QLineEdit* edit = window_->YearSpin()->findChild<QLineEdit*>();
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("20"));
  QTest::keyClick(edit, Qt::Key_Return);
  window_->OpenFeastSearch();
  window_->FeastSearchShown()->Search();
  SetAnnouncementListener(nullptr);
  EXPECT_EQ(announced, QStringList({QStringLiteral("fieldNotice"), QStringLiteral("message")}));
}

}  // namespace
}  // namespace tempulo
