// SPDX-License-Identifier: GPL-3.0-or-later
// The chosen place between starts: missing, empty, corrupt and unwritable
// settings files, and the window's report for a chosen place.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QTest>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "app/gui/main_window.h"
#include "app/gui/place_settings.h"
#include "permission_bits.h"

namespace tempulo {
namespace {

class PlaceSettingsTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath(QStringLiteral("tempulo.conf")); }
  void Write(const QByteArray& bytes) {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Read() const {
    QFile file(Path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QTemporaryDir dir_;
};

TEST_F(PlaceSettingsTest, FilesThatGiveTheDefault) {
  const struct {
    const char* what;
    const char* content;  // nullptr: no file
    bool notice;
  } cases[] = {
      {"missing", nullptr, false},
      {"empty", "", false},
      {"other keys only", "[General]\nregion=BY\n", false},
      {"latitude not a number", "[place]\nname=X\nlatitude=abc\nlongitude=13\nzone=MEZ\n", true},
      {"latitude out of range", "[place]\nlatitude=95\nlongitude=13\nzone=MEZ\n", true},
      {"longitude infinite", "[place]\nlatitude=50\nlongitude=inf\nzone=MEZ\n", true},
      {"unknown zone", "[place]\nlatitude=50\nlongitude=13\nzone=Mars/Olymp\n", true},
      {"binary garbage", "\x01\xff\xfe\x80\x81\x90\xc3\x28", true},
      {"broken group", "[place\nlatitude=50\n", true},
  };
  for (const auto& c : cases) {
    QFile::remove(Path());
    if (c.content != nullptr) {
      Write(QByteArray(c.content));
    }
    QSettings settings(Path(), QSettings::IniFormat);
    const PlaceSetting loaded = LoadPlaceSetting(settings);
    EXPECT_FALSE(loaded.place.has_value()) << c.what;
    EXPECT_EQ(!loaded.notice.isEmpty(), c.notice) << c.what << ": " << loaded.notice.toStdString();
  }
}

TEST_F(PlaceSettingsTest, RoundTripAndRemoval) {
  const Place berlin{"Berlin", 52.52, 13.405, "Europe/Berlin"};
  {
    QSettings settings(Path(), QSettings::IniFormat);
    EXPECT_EQ(SavePlaceSetting(settings, berlin), QString());
  }
  {
    QSettings settings(Path(), QSettings::IniFormat);
    const PlaceSetting loaded = LoadPlaceSetting(settings);
    ASSERT_TRUE(loaded.place.has_value());
    EXPECT_EQ(*loaded.place, berlin);
    EXPECT_EQ(SavePlaceSetting(settings, std::nullopt), QString());
  }
  QSettings settings(Path(), QSettings::IniFormat);
  EXPECT_FALSE(LoadPlaceSetting(settings).place.has_value());
}

TEST_F(PlaceSettingsTest, AFailedWriteSaysSo) {
  // A settings path below a plain file cannot be written, not even by root.
  Write("[General]\nregion=BY\n");
  QSettings settings(Path() + QStringLiteral("/tempulo.conf"), QSettings::IniFormat);
  const QString notice = SavePlaceSetting(settings, Place{"Berlin", 52.52, 13.405, "Europe/Berlin"});
  EXPECT_TRUE(notice.contains(QStringLiteral("nicht"))) << notice.toStdString();
  EXPECT_EQ(Read(), QByteArray("[General]\nregion=BY\n"));
}

TEST_F(PlaceSettingsTest, AReadOnlyFileIsKept) {
  const PermissionBitsApply permissionBits;
  if (geteuid() == 0 && !permissionBits) {
    GTEST_SKIP() << "root writes read-only files and cannot give that up here";
  }
  const QByteArray before = "[place]\nlatitude=48.2\nlongitude=16.37\nname=Wien\nzone=Europe/Vienna\n";
  Write(before);
  QFile::setPermissions(Path(), QFileDevice::ReadOwner);
  QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  QSettings settings(Path(), QSettings::IniFormat);
  EXPECT_EQ(LoadPlaceSetting(settings).place->name, "Wien");
  const QString notice = SavePlaceSetting(settings, Place{"Berlin", 52.52, 13.405, "Europe/Berlin"});
  QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(notice.isEmpty());
  EXPECT_EQ(Read(), before);
}

TEST_F(PlaceSettingsTest, TheWindowShowsOneNoticeAndTheChosenPlace) {
  Write("[place]\nlatitude=abc\n");
  const FixedClock clock({2026, 7, 15}, {12, 0, 0});
  QStringList notices;
  {
    MainWindow window(clock, std::make_unique<QSettings>(Path(), QSettings::IniFormat));
    window.SetErrorReporter([&notices](const QString&, const QString& message) { notices.append(message); });
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(notices.size(), 1);
    EXPECT_FALSE(window.PlaceNotice().isEmpty());
    EXPECT_EQ(window.SetPlace(Place{"Berlin", 52.52, 13.405, "Europe/Berlin"}), QString());
  }
  notices.clear();
  MainWindow again(clock, std::make_unique<QSettings>(Path(), QSettings::IniFormat));
  again.SetErrorReporter([&notices](const QString&, const QString& message) { notices.append(message); });
  again.show();
  QApplication::processEvents();
  EXPECT_TRUE(notices.isEmpty());
  EXPECT_TRUE(again.PlaceNotice().isEmpty());
  EXPECT_TRUE(QString::fromUtf8(Read()).contains(QStringLiteral("Europe/Berlin")));
}

TEST(PlaceDialogTest, ListChoiceAndFreeEntry) {
  const std::vector<Place> places = {{"Görlitz", 51.1528, 14.9872, "Europe/Berlin"},
                                     {"Wien", 48.2082, 16.3738, "Europe/Vienna"},
                                     {"Sydney", -33.8667, 151.2167, "Australia/Sydney"}};
  const struct {
    const char* search;
    int row;                 // -1: no row chosen
    const char* latitude;    // nullptr: as the list filled it
    const char* longitude;
    const char* zone;
    Place expected;
  } cases[] = {
      {"wie", 0, nullptr, nullptr, nullptr, places[1]},
      {"Australia/", 0, nullptr, nullptr, nullptr, places[2]},
      {"", -1, "51,15 N", "14°59′ O", "Europe/Berlin", {"", 51.15, 14 + 59 / 60.0, "Europe/Berlin"}},
      {"", -1, "33,87 S", "151,2 E", "MEZ", {"", -33.87, 151.2, "MEZ"}},
      // A list place whose coordinates were changed loses its name.
      {"gör", 0, "51,5 N", nullptr, nullptr, {"", 51.5, 14.9872, "Europe/Berlin"}},
  };
  for (const auto& c : cases) {
    PlaceDialog dialog(places, std::nullopt);
    dialog.findChild<QLineEdit*>(QStringLiteral("placeSearch"))->setText(QString::fromUtf8(c.search));
    if (c.row >= 0) {
      dialog.findChild<QListWidget*>(QStringLiteral("placeList"))->setCurrentRow(c.row);
    }
    const auto set = [&dialog](const char* name, const char* text) {
      if (text != nullptr) {
        dialog.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
      }
    };
    set("placeLatitude", c.latitude);
    set("placeLongitude", c.longitude);
    set("placeZone", c.zone);
    dialog.accept();
    ASSERT_TRUE(dialog.Chosen().has_value()) << c.search;
    const Place chosen = *dialog.Chosen();
    EXPECT_EQ(chosen.name, c.expected.name) << c.search;
    EXPECT_NEAR(chosen.latitude, c.expected.latitude, 1.0 / 60) << c.search;
    EXPECT_NEAR(chosen.longitude, c.expected.longitude, 1.0 / 60) << c.search;
    EXPECT_EQ(chosen.zone, c.expected.zone) << c.search;
  }
}


// The search as people type: case, spelt-out and missing umlauts; Enter
// takes the highlighted or only hit, the arrows move into the list, and a
// search without hits says so and keeps the dialog open.
TEST(PlaceDialogTest, TheSearchFindsWhatPeopleTypeAndEnterTakesIt) {
  const std::vector<Place> places = {{"Berlin", 52.52, 13.405, "Europe/Berlin"},
                                     {"München", 48.1372, 11.5756, "Europe/Berlin"},
                                     {"Zürich", 47.3769, 8.5417, "Europe/Zurich"},
                                     {"Gießen", 50.5840, 8.6784, "Europe/Berlin"}};
  const struct {
    const char* typed;
    int downs;  // presses of Down before Enter
    const char* expected;  // nullptr: nothing found, the dialog stays open
  } cases[] = {
      {"München", 0, "München"}, {"münchen", 0, "München"}, {"MUNCHEN", 0, "München"},
      {"Muenchen", 0, "München"}, {"zurich", 0, "Zürich"},   {"Giessen", 0, "Gießen"},
      {"", 1, "Berlin"},          {"", 2, "München"},        {"Paris", 0, nullptr},
  };
  for (const auto& c : cases) {
    PlaceDialog dialog(places, std::nullopt);
    dialog.show();
    // Typed: the field's text as the keys leave it.
    dialog.SearchField()->setFocus();
    dialog.SearchField()->setText(QString::fromUtf8(c.typed));
    for (int i = 0; i < c.downs; ++i) {
      QTest::keyClick(dialog.focusWidget() != nullptr ? dialog.focusWidget() : dialog.SearchField(), Qt::Key_Down);
    }
    if (c.downs == 0) {
      QTest::keyClick(dialog.SearchField(), Qt::Key_Return);
    } else {
      EXPECT_EQ(dialog.focusWidget(), dialog.List()) << c.typed;
      QTest::keyClick(dialog.List(), Qt::Key_Return);
    }
    if (c.expected == nullptr) {
      EXPECT_TRUE(dialog.isVisible()) << c.typed;
      EXPECT_EQ(dialog.result(), 0) << c.typed;
      EXPECT_TRUE(dialog.SearchNotice()->isVisible()) << c.typed;
      EXPECT_EQ(dialog.SearchNotice()->text(), QStringLiteral("nichts gefunden"));
      continue;
    }
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed;
    ASSERT_TRUE(dialog.Chosen().has_value()) << c.typed;
    EXPECT_EQ(dialog.Chosen()->name, c.expected) << c.typed;
  }
}

TEST(PlaceDialogTest, TheZoneIgnoresCaseAndCompletesFromTheDatabase) {
  const std::vector<Place> places = {{"Wien", 48.2082, 16.3738, "Europe/Vienna"},
                                     {"Sydney", -33.8667, 151.2167, "Australia/Sydney"}};
  PlaceDialog dialog(places, std::nullopt);
  QCompleter* completer = dialog.ZoneField()->completer();
  ASSERT_NE(completer, nullptr);
  completer->setCompletionPrefix(QStringLiteral("vienna"));
  EXPECT_EQ(completer->currentCompletion(), QStringLiteral("Europe/Vienna"));
  for (const char* typed : {"europe/vienna", "EUROPE/VIENNA", "mez"}) {
    dialog.findChild<QLineEdit*>(QStringLiteral("placeLatitude"))->setText(QStringLiteral("48,2 N"));
    dialog.findChild<QLineEdit*>(QStringLiteral("placeLongitude"))->setText(QStringLiteral("16,37 O"));
    dialog.ZoneField()->setText(QString::fromUtf8(typed));
    dialog.accept();
    ASSERT_TRUE(dialog.Chosen().has_value()) << typed;
    EXPECT_EQ(dialog.Chosen()->zone, std::string(typed) == "mez" ? "MEZ" : "Europe/Vienna") << typed;
  }
}

}  // namespace
}  // namespace tempulo
