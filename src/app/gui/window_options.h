// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's command line. It is read before the toolkit opens the
// display, so that --help, --version and a bad date work without one.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "report/refresh.h"

namespace tempulo {

struct WindowOptions {
  bool help = false;
  bool version = false;
  // Only find out whether the display can be opened: status 0 or 3.
  bool checkDisplay = false;
  std::optional<CivilDate> date;
  // One German line when the command line is malformed (exit status 2).
  QString error;
};

// Exit status of the window program when the display cannot be opened.
inline constexpr int kNoDisplayStatus = 3;

// `arguments` includes the program name. The toolkit's own options
// (-platform NAME, -display NAME, -style NAME, ...) are accepted and left to it.
WindowOptions ParseWindowArguments(const QStringList& arguments);

// The German usage text of --help.
QString WindowUsage();

}  // namespace tempulo
