// SPDX-License-Identifier: GPL-3.0-or-later
// Messages that a screen reader should read out the moment they appear.
#pragma once

class QWidget;

namespace tempulo {

// Tells assistive technology that `label` now shows a message to be read
// out at once.
void AnnounceMessage(QWidget* label);

}  // namespace tempulo
