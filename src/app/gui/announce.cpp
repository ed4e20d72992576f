// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/announce.h"

#include <QAccessible>
#include <QWidget>

namespace tempulo {
namespace {

std::function<void(QWidget*)>& Listener() {
  static std::function<void(QWidget*)> listener;
  return listener;
}

}  // namespace

void AnnounceMessage(QWidget* label) {
  if (label == nullptr) {
    return;
  }
  QAccessibleEvent event(label, QAccessible::Alert);
  QAccessible::updateAccessibility(&event);
  if (Listener()) {
    Listener()(label);
  }
}

void SetAnnouncementListener(std::function<void(QWidget*)> listener) { Listener() = std::move(listener); }

}  // namespace tempulo
