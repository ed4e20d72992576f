// SPDX-License-Identifier: GPL-3.0-or-later
// Settings that cannot be saved say so once, with the path, and keep the
// file; an unreadable file is copied aside before anything overwrites it.
#include "app/gui/settings_store.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/gui/main_window.h"
#include "app/gui/planets_panel.h"
#include "permission_bits.h"
#include "time/clock.h"

namespace tempulo {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath(QStringLiteral("tempulo.conf")); }
  void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  std::unique_ptr<SettingsStore> Store(const QString& path) {
    auto store = std::make_unique<SettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
    store->SetReporter([this](const QString& notice) { notices_.append(notice); });
    return store;
  }

  QTemporaryDir dir_;
  QStringList notices_;
};

TEST_F(SettingsStoreTest, AWriteThatFailsSaysSoOncePerChangeWithThePath) {
  // Below a plain file nothing can be written, not even by root.
  Write(Path(), "[General]\nregion=BY\n");
  const QString unwritable = Path() + QStringLiteral("/tempulo.conf");
  const auto store = Store(unwritable);
  const QString notice = store->Set(QStringLiteral("region"), QStringLiteral("SN"));
  EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(unwritable))) << notice.toStdString();
  EXPECT_TRUE(notice.contains(QStringLiteral("nicht"))) << notice.toStdString();
  ASSERT_EQ(notices_.size(), 1);
  EXPECT_EQ(notices_.front(), notice);
  // The next change says so again, once; the value holds for the session.
  store->Set(QStringLiteral("weekNumbers"), true);
  EXPECT_EQ(notices_.size(), 2);
  EXPECT_EQ(store->Value(QStringLiteral("region")).toString(), QStringLiteral("SN"));
  EXPECT_EQ(Read(Path()), QByteArray("[General]\nregion=BY\n"));
}

TEST_F(SettingsStoreTest, ASaveAfterAFailureSucceedsWhenTheFileCanBeWritten) {
  const auto store = Store(Path());
  EXPECT_EQ(store->Set(QStringLiteral("region"), QStringLiteral("BY")), QString());
  EXPECT_TRUE(notices_.isEmpty());
  EXPECT_TRUE(Read(Path()).contains("region=BY"));
  const auto again = Store(Path());
  EXPECT_EQ(again->Value(QStringLiteral("region")).toString(), QStringLiteral("BY"));
}

TEST_F(SettingsStoreTest, AReadOnlyFolderKeepsTheFileAndSaysSo) {
  const PermissionBitsApply permissionBits;
  if (geteuid() == 0 && !permissionBits) {
    GTEST_SKIP() << "root writes into read-only folders and cannot give that up here";
  }
  Write(Path(), "[General]\nregion=BY\n");
  QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const auto store = Store(Path());
  const QString notice = store->Set(QStringLiteral("region"), QStringLiteral("SN"));
  QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(Path()))) << notice.toStdString();
  EXPECT_EQ(notices_.size(), 1);
  EXPECT_EQ(Read(Path()), QByteArray("[General]\nregion=BY\n"));
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsCopiedAsideBeforeTheFirstWrite) {
  const QByteArray damaged("\xff\xfe[[[\0\0garbage", 14);
  Write(Path(), damaged);
  Write(Path() + QStringLiteral(".unlesbar"), "an older backup");
  const auto store = Store(Path());
  EXPECT_TRUE(store->WasUnreadable());
  EXPECT_TRUE(store->BackupPath().isEmpty());
  // Reading writes nothing.
  EXPECT_FALSE(store->Value(QStringLiteral("region")).isValid());
  EXPECT_EQ(Read(Path()), damaged);
  EXPECT_EQ(store->Set(QStringLiteral("region"), QStringLiteral("SN")), QString());
  // An older backup is not overwritten either.
  EXPECT_EQ(store->BackupPath(), Path() + QStringLiteral(".unlesbar-2"));
  EXPECT_EQ(Read(store->BackupPath()), damaged);
  EXPECT_EQ(Read(Path() + QStringLiteral(".unlesbar")), QByteArray("an older backup"));
  EXPECT_TRUE(Read(Path()).contains("region=SN"));
  EXPECT_TRUE(notices_.isEmpty());
  // One backup per start: the second change writes on.
  EXPECT_EQ(store->Set(QStringLiteral("weekNumbers"), true), QString());
  EXPECT_FALSE(QFile::exists(Path() + QStringLiteral(".unlesbar-3")));
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsNeverOverwritten) {
  const PermissionBitsApply permissionBits;
  if (geteuid() == 0 && !permissionBits) {
    GTEST_SKIP() << "root reads every file and cannot give that up here";
  }
  Write(Path(), "[General]\nregion=BY\n");
  QFile::setPermissions(Path(), QFileDevice::WriteOwner);
  const auto store = Store(Path());
  EXPECT_TRUE(store->WasUnreadable());
  const QString notice = store->Set(QStringLiteral("region"), QStringLiteral("SN"));
  QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  EXPECT_FALSE(notice.isEmpty());
  EXPECT_EQ(Read(Path()), QByteArray("[General]\nregion=BY\n"));
}

// The window reports a failed save at the change, in German, with the path,
// for each setting the user changes; and not again at quitting.
TEST_F(SettingsStoreTest, TheWindowSaysSoAtTheChangeThatFailed) {
  Write(Path(), "[General]\nregion=BY\n");
  const QString unwritable = Path() + QStringLiteral("/tempulo.conf");
  const FixedClock clock({2026, 5, 13}, {12, 0, 0});
  QStringList errors;
  auto window = std::make_unique<MainWindow>(clock, std::make_unique<QSettings>(unwritable, QSettings::IniFormat));
  window->SetErrorReporter([&errors](const QString& title, const QString& message) {
    errors.append(title + QStringLiteral(": ") + message);
  });
  window->show();
  QApplication::processEvents();
  ASSERT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
  const struct {
    const char* what;
    std::function<void()> change;
  } changes[] = {
      {"region", [&] { window->RegionBox()->setCurrentIndex(window->RegionBox()->findData(QStringLiteral("ST"))); }},
      {"week numbers", [&] { window->WeekNumbersBox()->setChecked(true); }},
      {"first day", [&] { window->SetFirstDayOfWeek(Qt::Sunday); }},
      {"place", [&] { window->SetPlace(Place{"Berlin", 52.52, 13.405, "Europe/Berlin"}); }},
      {"planets in the report", [&] { window->Planets()->PlanetsInReport()->setChecked(true); }},
      {"golden and blue hour", [&] { window->Planets()->SunHoursInReport()->setChecked(true); }},
  };
  for (const auto& c : changes) {
    const qsizetype before = errors.size();
    c.change();
    ASSERT_EQ(errors.size(), before + 1) << c.what;
    EXPECT_TRUE(errors.back().startsWith(QStringLiteral("Einstellungen: Die Einstellung konnte nicht")))
        << errors.back().toStdString();
    EXPECT_TRUE(errors.back().contains(unwritable)) << c.what;
  }
  const qsizetype before = errors.size();
  window->close();
  EXPECT_EQ(errors.size(), before);
  EXPECT_EQ(Read(Path()), QByteArray("[General]\nregion=BY\n"));
}

}  // namespace
}  // namespace tempulo
