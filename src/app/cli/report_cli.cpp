// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/report_cli.h"

#include "app/cli/place_options.h"
#include <optional>
#include <ostream>
#include <string_view>

#include "report/date_argument.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "time/civil.h"
#include "time/julian_day.h"
#include "holidays/holidays.h"

namespace tempulo {
namespace {

constexpr std::string_view kUsage =
    "Aufruf: tempulo-report [--date JJJJ-MM-TT] [--days N] [--time HH:MM:SS] [--holidays]\n"
    "\n"
    "Gibt den Tagesbericht des Almanachs aus, Zeile für Zeile wie im Fenster.\n"
    "\n"
    "  --date JJJJ-MM-TT  gewähltes Datum, Jahre 100 bis 3000 (bis 14.10.1582 julianisch);\n"
    "                     ohne Angabe: heute\n"
    "  --days N           N aufeinanderfolgende Tage ab dem Datum (1 bis 100000),\n"
    "                     durch eine Leerzeile getrennt\n"
    "  --time HH:MM:SS    Uhrzeit für Sternzeit und Marsdatum; ohne Angabe: jetzt\n"
    "  --holidays         statt des Berichts die Feiertage des Monats\n"
    "  --entries          die Einträge des Berichts: Kennung, Bezeichnung, Jahre\n"
    "  --place NAME       Sonne und Mond für einen Ort der Ortsliste (z. B. Berlin)\n"
    "  --lat BREITE       geographische Breite, z. B. 52,52 N oder -33,87 (bis 89,9°)\n"
    "  --lon LÄNGE        geographische Länge, z. B. 13,4 O oder 74 W\n"
    "  --tz ZONE          Zeitzone: MEZ (fest UTC+1) oder ein Name wie Europe/Berlin\n"
    "  --help             diese Hilfe\n"
    "\n"
    "Rückgabewert: 0 in Ordnung, 1 \"Fehler!\" bei einem Tag, 2 fehlerhafter Aufruf.\n";

constexpr int kMaxDays = 100000;

struct Options {
  std::optional<CivilDate> date;
  int days = 1;
  std::optional<TimeOfDay> time;
  bool holidays = false;
  bool entries = false;
  bool help = false;
  PlaceOptions place;
};

std::optional<TimeOfDay> ParseTime(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') {
    return std::nullopt;
  }
  const auto hour = ParseDecimal(text.substr(0, 2), 2);
  const auto minute = ParseDecimal(text.substr(3, 2), 2);
  const auto second = ParseDecimal(text.substr(6, 2), 2);
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  return TimeOfDay{*hour, *minute, *second};
}

// Parses the arguments; on failure writes the German reason to `why`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& why) {
  Options options;
  bool seenDate = false;
  bool seenDays = false;
  bool seenTime = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const auto takesValue = [&](bool& seen) -> std::optional<std::string_view> {
      if (seen) {
        why = "Die Angabe " + std::string(arg) + " steht mehrfach im Aufruf.";
        return std::nullopt;
      }
      seen = true;
      if (i + 1 >= args.size()) {
        why = "Nach " + std::string(arg) + " fehlt der Wert.";
        return std::nullopt;
      }
      return std::string_view(args[++i]);
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--holidays") {
      options.holidays = true;
    } else if (arg == "--entries") {
      options.entries = true;
    } else if (arg == "--date") {
      const auto value = takesValue(seenDate);
      if (!value) {
        return std::nullopt;
      }
      options.date = ParseDateArgument(*value, why);
      if (!options.date) {
        return std::nullopt;
      }
    } else if (arg == "--days") {
      const auto value = takesValue(seenDays);
      if (!value) {
        return std::nullopt;
      }
      const auto days = ParseDecimal(*value, 6);
      if (!days || *days < 1 || *days > kMaxDays) {
        why = "Die Anzahl der Tage \"" + std::string(*value) + "\" liegt nicht zwischen 1 und 100000.";
        return std::nullopt;
      }
      options.days = *days;
    } else if (arg == "--time") {
      const auto value = takesValue(seenTime);
      if (!value) {
        return std::nullopt;
      }
      options.time = ParseTime(*value);
      if (!options.time) {
        why = "Die Uhrzeit \"" + std::string(*value) + "\" hat nicht die Form HH:MM:SS.";
        return std::nullopt;
      }
    } else if (arg == "--place" || arg == "--lat" || arg == "--lon" || arg == "--tz") {
      auto& slot = arg == "--place" ? options.place.name
                   : arg == "--lat" ? options.place.latitude
                   : arg == "--lon" ? options.place.longitude
                                    : options.place.zone;
      bool seen = slot.has_value();
      const auto value = takesValue(seen);
      if (!value) {
        return std::nullopt;
      }
      slot = std::string(*value);
    } else {
      why = "Unbekannte Angabe \"" + std::string(arg) + "\" (Hilfe: tempulo-report --help).";
      return std::nullopt;
    }
  }
  return options;
}

// The next day of the civil calendar: Julian month lengths up to 1582,
// Gregorian from 1583; October 1582 keeps all its 31 day numbers.
CivilDate NextCivilDay(CivilDate date) {
  if (date.day < CivilMonthLength(date.year, date.month)) {
    ++date.day;
  } else if (date.month < 12) {
    date.day = 1;
    ++date.month;
  } else {
    date = CivilDate{date.year + 1, 1, 1};
  }
  return date;
}

void WriteLines(const std::vector<std::string>& lines, std::ostream& out) {
  for (const std::string& line : lines) {
    out << line << '\n';
  }
}

}  // namespace

int RunReportCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const Clock& systemClock) {
  std::string why;
  const auto options = ParseOptions(args, why);
  if (!options) {
    err << why << '\n';
    return 2;
  }
  if (options->help) {
    out << kUsage;
    return 0;
  }
  if (options->entries) {
    // The registry's identifiers are what scripts name entries by.
    for (const ReportEntry& entry : ReportEntries()) {
      out << entry.id << '\t' << entry.label << '\t' << entry.firstYear << '-' << entry.lastYear << '\n';
    }
    return 0;
  }
  CivilDate first;
  if (options->date) {
    first = *options->date;
  } else {
    const CivilDate today = systemClock.Today();
    first = today;
    if (first.year < kMinimumYear || first.year > kMaximumYear) {
      err << "Das heutige Jahr " << first.year << " liegt außerhalb von 100 bis 3000.\n";
      return 2;
    }
  }
  // Check the whole range before the first line is written.
  CivilDate last = first;
  for (int i = 1; i < options->days; ++i) {
    last = NextCivilDay(last);
  }
  if (last.year > kMaximumYear) {
    err << "Die " << options->days << " Tage reichen über das Jahr 3000 hinaus.\n";
    return 2;
  }

  std::optional<ReportPlace> place;
  if (options->place.Any()) {
    place = ResolvePlaceOptions(options->place, why);
    if (!place) {
      err << why << '\n';
      return 2;
    }
  }

  const FixedClock clock(systemClock.Today(), options->time ? *options->time : systemClock.Now());
  HolidayTable holidays = HolidayTable::Standard();
  int status = 0;
  CivilDate date = first;
  for (int i = 0; i < options->days; ++i) {
    if (i > 0) {
      out << '\n';
      date = NextCivilDay(date);
    }
    const RefreshResult result = Refresh(date, holidays, clock, place ? &*place : nullptr);
    WriteLines(options->holidays ? result.holidayLines : result.reportLines, out);
    if (result.error) {
      out.flush();
      err << *result.error << '\n';
      status = 1;
    }
  }
  return status;
}

}  // namespace tempulo
