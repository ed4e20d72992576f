// SPDX-License-Identifier: GPL-3.0-or-later
// Messages that a screen reader should read out the moment they appear.
#pragma once

#include <functional>

class QWidget;

namespace tempulo {

// Tells assistive technology that `label` now shows a message to be read
// out at once.
void AnnounceMessage(QWidget* label);

// Also hands every announced label to `listener` (none: only assistive
// technology hears them); for checking what is announced where no screen
// reader runs.
void SetAnnouncementListener(std::function<void(QWidget*)> listener);

}  // namespace tempulo
