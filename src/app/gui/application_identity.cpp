// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/application_identity.h"

#include <QDirIterator>

// The icon resources live in this static library: the linker keeps them only
// when something refers to their initialiser, and Q_INIT_RESOURCE cannot be
// used inside a namespace.
static void InitIconResources() { Q_INIT_RESOURCE(tempulo_icons); }

namespace tempulo {

QString ApplicationId() { return QStringLiteral(TEMPULO_APPLICATION_ID); }

QIcon ApplicationIcon() {
  InitIconResources();
  QIcon icon;
  QDirIterator files(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files);
  while (files.hasNext()) {
    icon.addFile(files.next());
  }
  return icon;
}

}  // namespace tempulo
