// SPDX-License-Identifier: GPL-3.0-or-later
// Reminders of the user's anniversaries at login: a desktop notification
// through the freedesktop notification service naming today's and
// tomorrow's, sent by "tempulo --remind", which an autostart entry starts
// when the user has switched reminders on (off by default).
#pragma once

#include <QString>
#include <filesystem>

#include "report/anniversaries.h"

namespace tempulo {

// "Heute: Anna, 40. Geburtstag (3. Kislev)\nMorgen: …"; empty when neither
// day has one.
QString ReminderText(const AnniversaryBook& book, const CivilDate& today);

// The autostart entry: $XDG_CONFIG_HOME/autostart (~/.config/autostart).
std::filesystem::path ReminderAutostartFile();
bool ReminderAtLogin();
// Writes or removes the entry; empty on success, else the German message.
QString SetReminderAtLogin(bool on, const QString& program);

// "tempulo --remind": sends the notification when there is something to
// name. Exit status 0, 1 when the service could not be reached or the file
// not read (one German line on stderr).
int RunReminder(int argc, char** argv);

}  // namespace tempulo
