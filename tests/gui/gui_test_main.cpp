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
  // The window reads the user's anniversaries: the tests get a data folder
  // of their own and never see or change the real one.
  const QTemporaryDir data;
  qputenv("XDG_DATA_HOME", QDir(data.path()).absolutePath().toUtf8());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
