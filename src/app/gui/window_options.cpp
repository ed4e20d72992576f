// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/window_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <string>

#include "report/date_argument.h"

namespace tempulo {
namespace {

// The options QGuiApplication and QApplication take out of the command line
// themselves: accepted here so that they do not count as unknown.
const char* const kToolkitValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "name", "title", "style", "stylesheet",
};
const char* const kToolkitFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb"};

// The argument as it was typed, dashes included, for an option name the
// parser did not know.
QString AsTyped(const QStringList& arguments, const QString& name) {
  for (const QString& argument : arguments) {
    QString bare = argument.section(QLatin1Char('='), 0, 0);
    while (bare.startsWith(QLatin1Char('-'))) {
      bare.remove(0, 1);
    }
    if (bare == name && argument.startsWith(QLatin1Char('-'))) {
      return argument.section(QLatin1Char('='), 0, 0);
    }
  }
  return name;
}

}  // namespace

WindowOptions ParseWindowArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  // "-platform offscreen" is one option, not the letters p, l, a, ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringLiteral("version"));
  const QCommandLineOption checkDisplay(QStringLiteral("check-display"));
  const QCommandLineOption date(QStringLiteral("date"), QString(), QStringLiteral("JJJJ-MM-TT"));
  parser.addOptions({help, version, checkDisplay, date});
  for (const char* name : kToolkitValueOptions) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kToolkitFlagOptions) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  WindowOptions options;
  const QString hint = QStringLiteral(" (Hilfe: tempulo --help)");
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      options.error = QStringLiteral("Unbekannte Angabe \"") + AsTyped(arguments, unknown.first()) +
                      QStringLiteral("\"") + hint + '.';
    } else if (!arguments.isEmpty() && (arguments.last() == QStringLiteral("--date") ||
                                        arguments.last() == QStringLiteral("-date"))) {
      options.error = QStringLiteral("Nach --date fehlt das Datum.");
    } else {
      // What is left: a value given to an option that takes none ("--help=x").
      options.error = QStringLiteral("Fehlerhafter Aufruf") + hint + '.';
    }
    return options;
  }
  if (!parser.positionalArguments().isEmpty()) {
    options.error = QStringLiteral("Unbekannte Angabe \"") + parser.positionalArguments().first() +
                    QStringLiteral("\"") + hint + '.';
    return options;
  }
  options.help = parser.isSet(help);
  options.version = parser.isSet(version);
  options.checkDisplay = parser.isSet(checkDisplay);
  if (parser.isSet(date)) {
    const QStringList values = parser.values(date);
    if (values.size() > 1) {
      options.error = QStringLiteral("Die Angabe --date steht mehrfach im Aufruf.");
      return options;
    }
    std::string why;
    options.date = ParseDateArgument(values.first().toStdString(), why);
    if (!options.date) {
      options.error = QString::fromStdString(why);
    } else if (!GridCanShow(*options.date)) {
      options.error = QStringLiteral("Den %1. %2 %3 kann das Monatsraster des Fensters nicht zeigen; "
                                     "tempulo-report --date %4 zeigt seinen Bericht.")
                          .arg(options.date->day)
                          .arg(QString::fromUtf8(GermanMonthName(options.date->month).data(),
                                                 static_cast<qsizetype>(GermanMonthName(options.date->month).size())))
                          .arg(options.date->year)
                          .arg(values.first());
      options.date.reset();
    }
  }
  return options;
}

QString WindowUsage() {
  return QStringLiteral(
      "Aufruf: tempulo [--date JJJJ-MM-TT]\n"
      "\n"
      "Öffnet das Fenster des Almanachs: Monatsraster, Feiertage des Monats und der\n"
      "Bericht des gewählten Tages.\n"
      "\n"
      "  --date JJJJ-MM-TT  öffnet auf diesem Datum, Jahre 100 bis 3000 (bis 14.10.1582\n"
      "                     julianisch); ohne Angabe: heute\n"
      "  --check-display    prüft nur, ob sich die grafische Anzeige öffnen lässt\n"
      "  --remind           nennt heutige und morgige Jahrestage als Desktop-Mitteilung\n"
      "                     (allein angegeben; der Autostart-Eintrag der Erinnerung)\n"
      "  --version          zeigt die Version\n"
      "  -h, --help         diese Hilfe\n"
      "\n"
      "Rückgabewert: 0 in Ordnung, 2 fehlerhafter Aufruf, 3 keine grafische Anzeige.\n");
}

}  // namespace tempulo
