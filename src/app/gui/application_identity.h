// SPDX-License-Identifier: GPL-3.0-or-later
// How the desktop knows the window: its application id and its icon.
#pragma once

#include <QIcon>
#include <QString>

namespace tempulo {

// The reverse-DNS id the desktop entry, the icon theme and the AppStream
// metadata are named by; the desktop matches the running window to its menu
// entry through it.
QString ApplicationId();

// The almanac's icon at every size of the icon theme, from the resources built
// into the program, so the window has it also when run from the build tree.
QIcon ApplicationIcon();

}  // namespace tempulo
