// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/report_cli.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>
#include <tuple>

#include "app/cli/place_options.h"
#include "holidays/holidays.h"
#include "holidays/public_holidays.h"
#include "report/calendar_lookup.h"
#include "report/date_argument.h"
#include "app/cli/eclipses_cli.h"
#include "report/feasts.h"
#include "report/holiday_lines.h"
#include "report/ics.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "report/structured_output.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr std::string_view kUsage =
    "Aufruf: tempulo-report [--date JJJJ-MM-TT] [--days N] [--time HH:MM:SS] [--holidays]\n"
    "                       [--year JAHR | --from DATUM --to JJJJ-MM-TT] [--format FORM]\n"
    "                       [--ics] [--region KÜRZEL]\n"
    "                       [--place NAME | --lat BREITE --lon LÄNGE] [--tz ZONE]\n"
    "        tempulo-report --from KALENDER:DATUM [--days N] [--time HH:MM:SS] [--holidays]\n"
    "        tempulo-report --feasts JAHR [--ics]\n"
    "        tempulo-report --eclipses JAHR [--format FORM | --ics] [Ort]\n"
    "\n"
    "Gibt den Tagesbericht des Almanachs aus, Zeile für Zeile wie im Fenster.\n"
    "Jede Angabe mit Wert geht auch in der Form --date=JJJJ-MM-TT.\n"
    "\n"
    "  --date JJJJ-MM-TT  gewähltes Datum, Jahre 100 bis 3000 (bis 14.10.1582 julianisch);\n"
    "                     ohne Angabe: heute\n"
    "  --days N           N aufeinanderfolgende Tage ab dem Datum (1 bis 100000),\n"
    "                     durch eine Leerzeile getrennt\n"
    "  --year JAHR        alle Tage des Jahres (100 bis 3000)\n"
    "  --to JJJJ-MM-TT    mit --date oder --from: letzter Tag eines Zeitraums, einschließlich\n"
    "  --time HH:MM:SS    Uhrzeit für Sternzeit und Marsdatum; ohne Angabe: jetzt\n"
    "  --format FORM      text (wie im Fenster, Vorgabe), tsv (Kennung, Bezeichnung, Wert\n"
    "                     je Zeile) oder json (ein JSON-Objekt je Tag und Zeile)\n"
    "  --holidays         statt des Berichts die Feiertage des Monats; mit --days, --year,\n"
    "                     --to oder --format tsv/json jeder Feiertag einmal mit Datum\n"
    "  --ics              die Feiertage des Jahres (oder Zeitraums) als iCalendar-Datei\n"
    "  --region KÜRZEL    mit --ics und datierten Feiertagen: nur die gesetzlichen der Region\n"
    "                     (BW, BY, ..., TH, AT, CH; alle: jeder Feiertag)\n"
    "  --entries          die Einträge des Berichts: Kennung, Bezeichnung, Jahre\n"
    "  --place NAME       Sonne und Mond für einen Ort der Ortsliste (z. B. Berlin)\n"
    "  --lat BREITE       geographische Breite, z. B. 52,52 N oder -33,87 (bis 89,9°)\n"
    "  --lon LÄNGE        geographische Länge, z. B. 13,4 O oder 74 W\n"
    "  --tz ZONE          Zeitzone: MEZ (fest UTC+1) oder ein Name wie Europe/Berlin\n"
    "  --from KALENDER:DATUM  Starttag als Datum eines anderen Kalenders, etwa\n"
    "                     jewish:5790-1-15 oder maya:13.0.0.0.0 (statt --date);\n"
    "                     --from help nennt die Kalender und ihre Formen\n"
    "  --feasts JAHR      die Feste des Jahres: Datum, Tabulator, Name; mit --ics\n"
    "                     Feiertage und Feste des Jahres als iCalendar-Datei\n"
    "  --eclipses JAHR    die Sonnen- und Mondfinsternisse des Jahres am gewählten Ort:\n"
    "                     Datum, Art, Maximum, was der Ort sieht; mit --format tsv/json\n"
    "                     auch Größe, Gamma, Saros und die Kontakte; mit --ics als\n"
    "                     iCalendar-Datei\n"
    "  --version          Name und Version\n"
    "  --help             diese Hilfe\n"
    "\n"
    "Rückgabewert: 0 in Ordnung, 1 \"Fehler!\" bei einem Tag, 2 fehlerhafter Aufruf,\n"
    "3 Ausgabe nicht schreibbar.\n";

constexpr int kMaxDays = 100000;

#ifndef TEMPULO_VERSION
#define TEMPULO_VERSION "0"
#endif

enum class Format { kText, kTsv, kJson };

struct Options {
  std::optional<CivilDate> date;
  int days = 1;
  bool seenDays = false;
  std::optional<int> year;
  std::optional<CivilDate> from;
  std::optional<CivilDate> to;
  std::optional<TimeOfDay> time;
  Format format = Format::kText;
  Region region = Region::kAll;
  bool seenRegion = false;
  bool holidays = false;
  bool ics = false;
  bool entries = false;
  bool help = false;
  bool version = false;
  bool fromHelp = false;
  std::optional<int> feastsYear;
  std::optional<int> eclipsesYear;
  PlaceOptions place;

  // A range of days was asked for, not the single day of --date or --from.
  bool HasRange() const { return seenDays || year || to; }
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
// A year from 100 to 3000 as the value of --year or --feasts; `forOption`
// names the option in the message where that helps (" für --feasts").
std::optional<int> ParseYearValue(std::string_view value, std::string_view forOption, std::string& why) {
  const auto year = ParseDecimal(value, 4);
  if (!year || *year < kMinimumYear || *year > kMaximumYear) {
    why = "Das Jahr \"" + std::string(value) + "\"" + std::string(forOption) +
          " liegt nicht zwischen 100 und 3000.";
    return std::nullopt;
  }
  return year;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& why) {
  Options options;
  bool seenDate = false;
  bool seenDays = false;
  bool seenTime = false;
  bool seenYear = false;
  bool seenFrom = false;
  bool seenTo = false;
  bool seenFormat = false;
  bool seenFeasts = false;
  bool seenEclipses = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    // "--option=value" reads as "--option value".
    std::optional<std::string_view> attached;
    if (arg.rfind("--", 0) == 0 && arg.find('=') != std::string_view::npos) {
      attached = arg.substr(arg.find('=') + 1);
      arg = arg.substr(0, arg.find('='));
    }
    const auto takesValue = [&](bool& seen) -> std::optional<std::string_view> {
      if (seen) {
        why = "Die Angabe " + std::string(arg) + " steht mehrfach im Aufruf.";
        return std::nullopt;
      }
      seen = true;
      if (attached) {
        return attached;
      }
      if (i + 1 >= args.size()) {
        why = "Nach " + std::string(arg) + " fehlt der Wert.";
        return std::nullopt;
      }
      return std::string_view(args[++i]);
    };
    const bool isFlag = arg == "--help" || arg == "-h" || arg == "--holidays" || arg == "--entries" ||
                        arg == "--version" || arg == "--ics";
    if (isFlag && attached) {
      why = "Die Angabe " + std::string(arg) + " nimmt keinen Wert.";
      return std::nullopt;
    }
    if (arg == "--version") {
      options.version = true;
    } else if (arg == "--ics") {
      options.ics = true;
    } else if (arg == "--format") {
      const auto value = takesValue(seenFormat);
      if (!value) {
        return std::nullopt;
      }
      if (*value == "text") {
        options.format = Format::kText;
      } else if (*value == "tsv") {
        options.format = Format::kTsv;
      } else if (*value == "json") {
        options.format = Format::kJson;
      } else {
        why = "Das Format \"" + std::string(*value) + "\" gibt es nicht (text, tsv oder json).";
        return std::nullopt;
      }
    } else if (arg == "--region") {
      const auto value = takesValue(options.seenRegion);
      if (!value) {
        return std::nullopt;
      }
      const std::optional<Region> region = RegionFromCode(*value);
      if (!region) {
        std::string codes;
        for (const RegionInfo& info : Regions()) {
          codes += (codes.empty() ? "" : ", ") + std::string(info.code);
        }
        why = "Die Region \"" + std::string(*value) + "\" gibt es nicht (" + codes + ").";
        return std::nullopt;
      }
      options.region = *region;
    } else if (arg == "--year") {
      const auto value = takesValue(seenYear);
      if (!value) {
        return std::nullopt;
      }
      const auto year = ParseYearValue(*value, "", why);
      if (!year) {
        return std::nullopt;
      }
      options.year = *year;
    } else if (arg == "--to") {
      const auto value = takesValue(seenTo);
      if (!value) {
        return std::nullopt;
      }
      options.to = ParseDateArgument(*value, why);
      if (!options.to) {
        return std::nullopt;
      }
    } else if (arg == "--help" || arg == "-h") {
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
      if (seenFrom) {
        why = "Die Angaben --date und --from schließen einander aus.";
        return std::nullopt;
      }
      options.date = ParseDateArgument(*value, why);
      if (!options.date) {
        return std::nullopt;
      }
    } else if (arg == "--from") {
      const auto value = takesValue(seenFrom);
      if (!value) {
        return std::nullopt;
      }
      if (seenDate) {
        why = "Die Angaben --date und --from schließen einander aus.";
        return std::nullopt;
      }
      if (*value == "help") {
        options.fromHelp = true;
        continue;
      }
      // A date of any calendar ("jewish:5787-9-28") or a plain civil date.
      options.from = ParseAnyDateArgument(*value, why);
      if (!options.from) {
        return std::nullopt;
      }
    } else if (arg == "--feasts") {
      const auto value = takesValue(seenFeasts);
      if (!value) {
        return std::nullopt;
      }
      const auto year = ParseYearValue(*value, " für --feasts", why);
      if (!year) {
        return std::nullopt;
      }
      options.feastsYear = *year;
    } else if (arg == "--eclipses") {
      const auto value = takesValue(seenEclipses);
      if (!value) {
        return std::nullopt;
      }
      const auto year = ParseYearValue(*value, " für --eclipses", why);
      if (!year) {
        return std::nullopt;
      }
      options.eclipsesYear = *year;
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
      options.seenDays = true;
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
  if (options.year && (options.date || options.from || options.to || options.seenDays)) {
    why = "--year lässt sich nicht mit --date, --from, --to oder --days verbinden.";
    return std::nullopt;
  }
  if (options.from && options.date) {
    why = "--from und --date nennen beide den ersten Tag; bitte nur eines.";
    return std::nullopt;
  }
  if (options.to && options.seenDays) {
    why = "--to und --days nennen beide das Ende des Zeitraums; bitte nur eines.";
    return std::nullopt;
  }
  if (options.seenRegion && !options.ics && !(options.holidays && options.HasRange())) {
    why = "--region gilt für --ics und für --holidays mit --year, --from/--to oder --days.";
    return std::nullopt;
  }
  if (options.feastsYear &&
      (options.year || options.from || options.to || options.seenDays || options.date)) {
    why =
        "--feasts nennt das Jahr selbst und lässt sich nicht mit --date, --from, --to, --year oder --days "
        "verbinden.";
    return std::nullopt;
  }
  if (options.eclipsesYear && (options.year || options.from || options.to || options.seenDays || options.date ||
                               options.feastsYear || options.holidays || options.seenRegion)) {
    why =
        "--eclipses nennt das Jahr selbst und lässt sich nur mit --format, --ics und dem Ort (--place, --lat, "
        "--lon, --tz) verbinden.";
    return std::nullopt;
  }
  if (options.ics && options.format != Format::kText) {
    why = "--ics schreibt immer iCalendar und lässt sich nicht mit --format verbinden.";
    return std::nullopt;
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

// Longest range --year, --to and --ics accept: the almanac's whole span.
constexpr int kMaxRangeDays = (kMaximumYear - kMinimumYear + 1) * 366;

bool operator<(const CivilDate& a, const CivilDate& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

void WriteDatedHolidays(const std::vector<HolidayOnDate>& list, Format format, std::ostream& out) {
  for (const HolidayOnDate& holiday : list) {
    if (format == Format::kJson) {
      out << nlohmann::ordered_json{{"date", IsoDate(holiday.date)},
                                    {"calendar", IsJulianCivilDate(holiday.date) ? "julian" : "gregorian"},
                                    {"name", holiday.name}}
                 .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
          << '\n';
    } else {
      out << IsoDate(holiday.date) << '\t' << holiday.name << '\n';
    }
  }
}

// For a region only the statutory holidays there, as the window's list
// shows them; every row without one.
std::vector<HolidayOnDate> InRegion(std::vector<HolidayOnDate> list, Region region) {
  if (region == Region::kAll) {
    return list;
  }
  std::erase_if(list, [region](const HolidayOnDate& h) {
    return !IsPublicHoliday(h.name, h.date.year, h.date.month, h.date.day, region);
  });
  return list;
}

// The holidays and the feasts of other religions together, in date order,
// each (date, name) once: the feasts repeat the holiday list's movable
// church feasts.
std::vector<HolidayOnDate> WithFeasts(std::vector<HolidayOnDate> list, int year) {
  for (Feast& feast : FeastsOfYear(year)) {
    list.push_back({feast.date, std::move(feast.name)});
  }
  std::stable_sort(list.begin(), list.end(), [](const HolidayOnDate& a, const HolidayOnDate& b) {
    return FixedFromCivil(a.date) < FixedFromCivil(b.date);
  });
  std::vector<HolidayOnDate> unique;
  for (HolidayOnDate& entry : list) {
    if (std::find(unique.begin(), unique.end(), entry) == unique.end()) {
      unique.push_back(std::move(entry));
    }
  }
  return unique;
}

// DTSTAMP: SOURCE_DATE_EPOCH when set (reproducible files), else now.
std::string StampUtc() {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    char* end = nullptr;
    const long long value = std::strtoll(epoch, &end, 10);
    if (end != nullptr && *end == '\0' && value >= 0) {
      now = static_cast<std::time_t>(value);
    }
  }
  std::tm utc{};
  gmtime_r(&now, &utc);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y%m%dT%H%M%SZ", &utc);
  return buffer;
}

// Everything is flushed before the status is decided: a write that failed
// (a full disk, a closed output) is an error, not a success.
int Finish(std::ostream& out, std::ostream& err, int status) {
  out.flush();
  if (!out) {
    err << "tempulo-report: Die Ausgabe konnte nicht geschrieben werden (Datenträger voll oder Ausgabe "
           "geschlossen).\n";
    return 3;
  }
  return status;
}

// "JJJJ-MM-TT<TAB>name", one feast a line, in date order.
void WriteFeasts(int year, std::ostream& out) {
  for (const Feast& feast : FeastsOfYear(year)) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", feast.date.year, feast.date.month, feast.date.day);
    out << date << '\t' << feast.name << '\n';
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
    return Finish(out, err, 0);
  }
  if (options->version) {
    out << "tempulo-report " << TEMPULO_VERSION << '\n';
    return Finish(out, err, 0);
  }
  if (options->fromHelp) {
    out << LookupHelpText();
    return Finish(out, err, 0);
  }
  if (options->feastsYear && !options->ics) {
    WriteFeasts(*options->feastsYear, out);
    return Finish(out, err, 0);
  }
  if (options->entries) {
    // The registry's identifiers are what scripts name entries by.
    for (const ReportEntry& entry : ReportEntries()) {
      out << entry.id << '\t' << entry.label << '\t' << entry.firstYear << '-' << entry.lastYear << '\n';
    }
    return Finish(out, err, 0);
  }
  CivilDate first;
  if (options->eclipsesYear) {
    first = {*options->eclipsesYear, 1, 1};
  } else if (options->year || options->feastsYear) {
    first = {options->year ? *options->year : *options->feastsYear, 1, 1};
  } else if (options->from) {
    first = *options->from;
  } else if (options->date) {
    first = *options->date;
  } else {
    const CivilDate today = systemClock.Today();
    first = today;
    if (first.year < kMinimumYear || first.year > kMaximumYear) {
      err << "Das heutige Jahr " << first.year << " liegt außerhalb von 100 bis 3000.\n";
      return 2;
    }
  }
  // The calendar file covers the date's whole year unless a range is given.
  if (options->ics && !options->HasRange()) {
    first = {first.year, 1, 1};
  }
  // Check the whole range before the first line is written.
  CivilDate last = first;
  int days = options->days;
  if (options->year || options->to || (options->ics && !options->HasRange())) {
    const CivilDate end = options->to ? *options->to : CivilDate{first.year, 12, 31};
    if (end < first) {
      err << "Das Ende des Zeitraums liegt vor seinem Anfang.\n";
      return 2;
    }
    // --date accepts a Julian 29 February of a common year (its report is
    // "Fehler!"); a walk through the calendar never reaches it.
    if (end.day > CivilMonthLength(end.year, end.month)) {
      err << "Den letzten Tag " << IsoDate(end) << " gibt es im Kalender des Jahres nicht.\n";
      return 2;
    }
    days = 1;
    while (!(last == end) && days < kMaxRangeDays) {
      last = NextCivilDay(last);
      ++days;
    }
    if (!(last == end)) {
      err << "Der Zeitraum ist länger als " << kMaxRangeDays << " Tage.\n";
      return 2;
    }
  } else {
    for (int i = 1; i < days; ++i) {
      last = NextCivilDay(last);
    }
  }
  if (last.year > kMaximumYear) {
    err << "Die " << days << " Tage reichen über das Jahr 3000 hinaus.\n";
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

  if (options->eclipsesYear) {
    const EclipsesOutput output = options->ics                      ? EclipsesOutput::kIcs
                                  : options->format == Format::kTsv  ? EclipsesOutput::kTsv
                                  : options->format == Format::kJson ? EclipsesOutput::kJson
                                                                     : EclipsesOutput::kText;
    WriteEclipses(*options->eclipsesYear, place ? &*place : nullptr, output, StampUtc(), out);
    return Finish(out, err, 0);
  }

  HolidayTable holidays = HolidayTable::Standard();
  if (options->ics) {
    std::vector<HolidayOnDate> events = InRegion(HolidaysBetween(holidays, first, last), options->region);
    if (options->feastsYear) {
      events = WithFeasts(std::move(events), *options->feastsYear);
    }
    out << IcsCalendar(events, StampUtc());
    return Finish(out, err, 0);
  }
  if (options->holidays && options->HasRange()) {
    WriteDatedHolidays(InRegion(HolidaysBetween(holidays, first, last), options->region), options->format,
                       out);
    return Finish(out, err, 0);
  }
  if (options->holidays && options->format != Format::kText) {
    // The month's list has no dates of its own; for scripts it is the dated
    // list of the month.
    const CivilDate monthStart{first.year, first.month, 1};
    const CivilDate monthEnd{first.year, first.month, CivilMonthLength(first.year, first.month)};
    WriteDatedHolidays(HolidaysBetween(holidays, monthStart, monthEnd), options->format, out);
    return Finish(out, err, 0);
  }

  const FixedClock clock(systemClock.Today(), options->time ? *options->time : systemClock.Now());
  const bool keepValues = options->format != Format::kText && !options->holidays;
  int status = 0;
  CivilDate date = first;
  for (int i = 0; i < days && out; ++i) {
    if (i > 0) {
      if (options->format == Format::kText) {
        out << '\n';
      }
      date = NextCivilDay(date);
    }
    const RefreshResult result =
        Refresh(date, holidays, clock, {.keepValues = keepValues, .place = place ? &*place : nullptr});
    if (options->holidays) {
      WriteLines(result.holidayLines, out);
    } else if (options->format == Format::kTsv) {
      out << ReportTsv(result);
    } else if (options->format == Format::kJson) {
      out << ReportJson(date, result) << '\n';
    } else {
      WriteLines(result.reportLines, out);
    }
    if (result.error) {
      out.flush();
      err << *result.error << '\n';
      status = 1;
    }
  }
  return Finish(out, err, status);
}

}  // namespace tempulo
