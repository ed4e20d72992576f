// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/anniversary_reminder.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>
#include <cstdlib>

#include "report/anniversary_file.h"
#include "time/clock.h"

namespace tempulo {
namespace {

constexpr int kNotificationTimeoutMs = -1;  // the service's own

QString Q(const std::string& text) { return QString::fromStdString(text); }

QStringList TextsOn(const AnniversaryBook& book, FixedDay day) {
  QStringList texts;
  for (const Occurrence& occurrence : book.Between(day, day)) {
    texts.append(Q(OccurrenceText(book.Entries()[occurrence.entry], occurrence)));
  }
  return texts;
}

}  // namespace

QString ReminderText(const AnniversaryBook& book, const CivilDate& today) {
  const FixedDay day = FixedFromCivil(today);
  QStringList lines;
  const QStringList now = TextsOn(book, day);
  const QStringList next = TextsOn(book, day + 1);
  if (!now.isEmpty()) {
    lines.append(QStringLiteral("Heute: ") + now.join(QStringLiteral("; ")));
  }
  if (!next.isEmpty()) {
    lines.append(QStringLiteral("Morgen: ") + next.join(QStringLiteral("; ")));
  }
  return lines.join(QLatin1Char('\n'));
}

std::filesystem::path ReminderAutostartFile() {
  std::filesystem::path base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
    base = config;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    base = std::filesystem::path(home) / ".config";
  }
  return base / "autostart" / "org.tempulo.Tempulo-Jahrestage.desktop";
}

bool ReminderAtLogin() {
  std::error_code error;
  return std::filesystem::exists(ReminderAutostartFile(), error);
}

QString SetReminderAtLogin(bool on, const QString& program) {
  const std::filesystem::path file = ReminderAutostartFile();
  std::error_code error;
  if (!on) {
    std::filesystem::remove(file, error);
    return error ? QStringLiteral("Der Autostart-Eintrag %1 ließ sich nicht entfernen (%2).")
                       .arg(Q(file.string()), Q(error.message()))
                 : QString();
  }
  const std::string text = "[Desktop Entry]\nType=Application\nName=Tempulo-Jahrestage\n"
                           "Comment=Erinnert bei der Anmeldung an heutige und morgige Jahrestage\n"
                           "Exec=" + program.toStdString() + " --remind\nIcon=org.tempulo.Tempulo\n"
                           "NoDisplay=true\nX-GNOME-Autostart-enabled=true\n";
  std::string why;
  if (!WriteFileAtomically(file, text, why)) {
    return Q(why);
  }
  return {};
}

int RunReminder(int argc, char** argv) {
  const QCoreApplication application(argc, argv);
  const AnniversaryFileRead read = ReadAnniversaryFile(DefaultAnniversaryPath());
  if (read.state == FileState::kUnreadable) {
    std::fprintf(stderr, "%s\n", read.why.c_str());
    return 1;
  }
  const AnniversaryBook book(read.calendar.entries);
  const QString body = ReminderText(book, SystemClock().Today());
  if (body.isEmpty()) {
    return 0;
  }
  QDBusInterface service(QStringLiteral("org.freedesktop.Notifications"),
                         QStringLiteral("/org/freedesktop/Notifications"),
                         QStringLiteral("org.freedesktop.Notifications"), QDBusConnection::sessionBus());
  const QDBusReply<uint> reply =
      service.call(QStringLiteral("Notify"), QStringLiteral("Tempulo"), 0U, QStringLiteral("org.tempulo.Tempulo"),
                   QStringLiteral("Jahrestage"), body, QStringList(), QVariantMap(), kNotificationTimeoutMs);
  if (!reply.isValid()) {
    std::fprintf(stderr, "Die Erinnerung ließ sich nicht anzeigen (Benachrichtigungsdienst: %s).\n",
                 reply.error().message().toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

}  // namespace tempulo
