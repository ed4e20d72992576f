// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/application_identity.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace tempulo {
namespace {

// The window's icon comes from resources linked into the program: a missing
// or misnamed resource leaves the window with the toolkit's generic icon.
TEST(ApplicationIdentityTest, IconHasEveryThemeSizeDrawn) {
  const QIcon icon = ApplicationIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    EXPECT_TRUE(sizes.contains(QSize(size, size)));
    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    // Drawn, not blank: the page's middle is opaque.
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
  }
}

}  // namespace
}  // namespace tempulo
