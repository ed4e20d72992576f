// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests need one QApplication; without a display they run on Qt's
// offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // The window reads the user's anniversaries and may write the reminder's
  // autostart entry: the tests get folders of their own and never see or
  // change the real ones.
  const QTemporaryDir data;
  qputenv("XDG_DATA_HOME", QDir(data.path()).absoluteFilePath(QStringLiteral("data")).toUtf8());
  qputenv("XDG_CONFIG_HOME", QDir(data.path()).absoluteFilePath(QStringLiteral("config")).toUtf8());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
