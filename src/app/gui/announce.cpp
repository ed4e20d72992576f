// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/announce.h"

#include <QAccessible>
#include <QWidget>

namespace tempulo {

void AnnounceMessage(QWidget* label) {
  if (label == nullptr) {
    return;
  }
  QAccessibleEvent event(label, QAccessible::Alert);
  QAccessible::updateAccessibility(&event);
}

}  // namespace tempulo
