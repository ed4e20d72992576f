// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/report_cli.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <nlohmann/json.hpp>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/cli/cli_text.h"
#include "app/cli/anniversary_options.h"
#include "app/cli/eclipses_cli.h"
#include "app/cli/place_options.h"
#include "holidays/holidays.h"
#include "holidays/public_holidays.h"
#include "report/calendar_lookup.h"
#include "report/date_argument.h"
#include "report/feasts.h"
#include "report/holiday_lines.h"
#include "report/ics.h"
#include "report/planet_event_lines.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "report/structured_output.h"
#include "time/civil.h"
#include "time/day_count.h"
#include "time/julian_day.h"
#include "time/place.h"

namespace tempulo {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kUsage =
    "Aufruf: tempulo-report [--date JJJJ-MM-TT] [--days N] [--time HH:MM[:SS][±HH:MM]]\n"
    "                       [--year JAHR | --from DATUM --to DATUM] [--format FORM]\n"
    "                       [--place NAME | --lat BREITE --lon LÄNGE] [--tz ZONE]\n"
    "        tempulo-report --holidays [--date ... | --year ... | --from ... --to ...]\n"
    "                       [--region KÜRZEL] [--format FORM]\n"
    "        tempulo-report --ics [--date ... | --year ... | --from ... --to ...]\n"
    "                       [--region KÜRZEL]\n"
    "        tempulo-report --feasts JAHR [--format FORM | --ics [--region KÜRZEL]]\n"
    "        tempulo-report --entries [--format FORM]\n"
    "        tempulo-report --from help | --place help | --calendars help | --help | --version\n"
    "        tempulo-report --pdf DATEI [--year JAHR [--pages SEITEN] | --month JJJJ-MM | --date JJJJ-MM-TT]\n"
    "                       [--paper PAPIER] [--orientation LAGE] [--second-calendar KALENDER]\n"
    "                       [--region KÜRZEL] [--place NAME | --lat BREITE --lon LÄNGE] [--tz ZONE]\n"
    "        tempulo-report --planet-events JAHR [--format FORM | --ics] [Ort]\n"
    "        tempulo-report --eclipses JAHR [--format FORM | --ics] [Ort]\n"
    "\n"
    "Gibt den Tagesbericht des Almanachs aus, Zeile für Zeile wie im Fenster.\n"
    "Jede Angabe mit Wert geht auch in der Form --date=JJJJ-MM-TT; keine darf\n"
    "mehrfach stehen. \"--\" beendet die Angaben.\n"
    "\n"
    "  --date JJJJ-MM-TT  gewähltes Datum, Jahre 100 bis 3000 (bis 14.10.1582 julianisch);\n"
    "                     ohne Angabe: heute (nach MEZ)\n"
    "  --days N           N aufeinanderfolgende Tage ab dem Datum (1 bis 100000),\n"
    "                     durch eine Leerzeile getrennt\n"
    "  --year JAHR        alle Tage des Jahres (100 bis 3000)\n"
    "  --from KALENDER:DATUM  erster Tag als Datum eines Kalenders, etwa jewish:5790-1-15,\n"
    "                     maya:13.0.0.0.0 oder 2026-12-08 (statt --date);\n"
    "                     --from help nennt die Kalender und ihre Formen\n"
    "  --to KALENDER:DATUM  letzter Tag eines Zeitraums, einschließlich (höchstens\n"
    "                     100000 Tage)\n"
    "  --time HH:MM[:SS]  Uhrzeit für Sternzeit und Marsdatum, wahlweise mit Abstand zu\n"
    "                     UTC (12:00:00+01:00, 11:00Z); ohne ihn in der Zeitzone des\n"
    "                     Orts (Vorgabe MEZ); ohne Angabe: jetzt\n"
    "  --format FORM      text (wie im Fenster, Vorgabe), tsv (Kopfzeile, dann Datum,\n"
    "                     Kennung, Bezeichnung, Wert je Zeile) oder json (ein JSON-Objekt\n"
    "                     je Tag und Zeile); auch für --holidays, --feasts, --entries\n"
    "  --holidays         statt des Berichts die Feiertage des Monats; mit --days, --year,\n"
    "                     --to oder --format tsv/json jeder Feiertag einmal mit Datum\n"
    "  --ics              die Feiertage des Jahres (oder Zeitraums) als iCalendar-Datei\n"
    "  --region KÜRZEL    mit --ics und datierten Feiertagen: nur die gesetzlichen der Region\n"
    "                     (BW, BY, ..., TH, AT, CH; alle: jeder Feiertag)\n"
    "  --entries          die Einträge des Berichts: Kennung, Bezeichnung, Jahre\n"
    "  --calendars LISTE  nur diese Zeilen des Berichts, durch Kommas getrennt, in der\n"
    "                     Reihenfolge des Berichts (all: alle, auch die zusätzlichen\n"
    "                     Kalender; default: die Vorgabe); --calendars help nennt sie\n"
    "  --place NAME       Sonne und Mond für einen Ort der Ortsliste (z. B. Berlin);\n"
    "                     --place help nennt die Orte\n"
    "  --lat BREITE       geographische Breite, z. B. 52,52 N oder -33,87 (bis 89,9°)\n"
    "  --lon LÄNGE        geographische Länge, z. B. 13,4 O oder 74 W\n"
    "  --tz ZONE          Zeitzone: MEZ (fest UTC+1) oder ein Name wie Europe/Berlin\n"
    "  --feasts JAHR      die Feste des Jahres: Datum, Tabulator, Name; mit --ics\n"
    "                     Feiertage und Feste des Jahres als iCalendar-Datei\n"
    "  --pdf DATEI        statt des Berichts ein Kalender zum Drucken als PDF-Datei: der\n"
    "                     Monat von --month oder --date (ohne: dieser Monat), mit --year\n"
    "                     das Jahr; nichts auf der Standardausgabe\n"
    "  --month JJJJ-MM    mit --pdf: der Monat der Seite\n"
    "  --pages SEITEN     mit --pdf und --year: year (das Jahr auf einer Seite, Vorgabe),\n"
    "                     months (zwölf Monatsseiten) oder both (beides)\n"
    "  --paper PAPIER     mit --pdf: a4 (Vorgabe), a3 oder letter\n"
    "  --orientation LAGE mit --pdf: landscape (Querformat, Vorgabe) oder portrait\n"
    "  --second-calendar KALENDER  mit --pdf: Tage und Monate eines zweiten Kalenders\n"
    "                     in jedem Feld (jewish, islamic, chinese, iranian, ...)\n"
    "  --anniversaries    die Jahrestage im Zeitraum von --date/--days/--year/--to\n"
    "                     (mit --format tsv/json; mit --ics als einzelne Termine)\n"
    "  --upcoming N       die Jahrestage der N Tage ab heute (oder ab --date)\n"
    "  --anniversaries-file DATEI  Jahrestage aus dieser iCalendar-Datei statt der eigenen\n"
    "  --export-anniversaries DATEI  die Jahrestage als iCalendar-Datei mit RSCALE-Regeln\n"
    "  --planets          zusätzlich der Block \"Planeten\": Auf- und Untergang, Helligkeit,\n"
    "                     Elongation und die dunklen Stunden, in denen jeder Planet zu sehen ist\n"
    "  --sun-hours        zusätzlich \"Goldene Stunde\" und \"Blaue Stunde\"\n"
    "  --sun-altitude GRAD  zusätzlich die Zeiten, zu denen die Sonne diese Höhe erreicht\n"
    "                     (-89 bis 89, z. B. -12 oder 10,5)\n"
    "  --planet-events JAHR  Konjunktionen, Oppositionen, größte Elongationen, Stillstände\n"
    "                     und enge Begegnungen mit dem Mond und untereinander (1900 bis 3000);\n"
    "                     mit --ics als iCalendar-Datei\n"
    "  --eclipses JAHR    die Sonnen- und Mondfinsternisse des Jahres am gewählten Ort:\n"
    "                     Datum, Art, Maximum, was der Ort sieht; mit --format tsv/json\n"
    "                     auch Größe, Gamma, Saros und die Kontakte; mit --ics als\n"
    "                     iCalendar-Datei\n"
    "  --version          Name, Version und Lizenz\n"
    "  --help             diese Hilfe\n"
    "\n"
    "Eine Angabe, die zur gewählten Art der Ausgabe nicht passt, wird abgelehnt.\n"
    "SOURCE_DATE_EPOCH (ganze Sekunden, 0 bis 253402300799) setzt den DTSTAMP von --ics.\n"
    "\n"
    "Rückgabewert: 0 in Ordnung, 1 \"Fehler!\" bei einem Tag, 2 fehlerhafter Aufruf,\n"
    "3 Ausgabe nicht schreibbar.\n";

#ifndef TEMPULO_VERSION
#define TEMPULO_VERSION "0"
#endif
#ifndef TEMPULO_RELEASE_YEAR
#define TEMPULO_RELEASE_YEAR "2026"
#endif

constexpr std::string_view kVersion =
    "tempulo-report (Tempulo) " TEMPULO_VERSION
    "\n"
    "Copyright (C) " TEMPULO_RELEASE_YEAR
    " The Tempulo developers\n"
    "Lizenz GPLv3+: GNU GPL Version 3 oder neuer <https://gnu.org/licenses/gpl.html>.\n"
    "Dies ist freie Software: Sie dürfen sie ändern und weitergeben.\n"
    "Es gibt KEINERLEI GARANTIE, soweit das Gesetz es zulässt.\n";

// The longest run of days: --days, --to and the calendar files alike.
constexpr int kMaxDays = 100000;

// ------------------------------------------------------------------ the table
//
// What the command line does is chosen by its mode: the report of days, the
// holiday list, a calendar file, the feasts of a year, the entries, or one of
// the lists behind "help". Every option names the modes it is used in; any
// other combination is refused with both options named, so nothing is ever
// silently ignored.

enum Mode : unsigned {
  kReport = 1U << 0U,
  kHolidays = 1U << 1U,
  kIcs = 1U << 2U,
  kFeasts = 1U << 3U,
  kEntries = 1U << 4U,
  kCalendarList = 1U << 5U,
  kPlaceList = 1U << 6U,
  kEntryChoiceList = 1U << 7U,
  kPlanetEvents = 1U << 8U,
  kEclipses = 1U << 9U,
};

// The option (and value) that chooses each mode, the strongest first: with
// --ics and --feasts the mode is the calendar file. Without any of them the
// mode is the report.
struct ModeRule {
  Mode mode;
  std::string_view option;
  std::string_view value;  // empty: any value
  std::string_view shown;  // how messages name it
};
constexpr std::array kModeRules = {
    ModeRule{kCalendarList, "--from", "help", "--from help"},
    ModeRule{kPlaceList, "--place", "help", "--place help"},
    ModeRule{kEntryChoiceList, "--calendars", "help", "--calendars help"},
    ModeRule{kEntries, "--entries", "", "--entries"},
    ModeRule{kPlanetEvents, "--planet-events", "", "--planet-events"},
    ModeRule{kEclipses, "--eclipses", "", "--eclipses"},
    ModeRule{kIcs, "--ics", "", "--ics"},
    ModeRule{kFeasts, "--feasts", "", "--feasts"},
    ModeRule{kHolidays, "--holidays", "", "--holidays"},
};

constexpr unsigned kDays = kReport | kHolidays | kIcs;  // the modes that walk a range of days

struct OptionRule {
  std::string_view name;
  bool takesValue;
  bool repeats;               // none does yet; a list option would
  unsigned modes;             // where the option is used
  std::string_view excludes;  // options it cannot stand with in any mode, space-separated
};

// One row per option. --help and --version are read before this table:
// they win over every other argument.
constexpr std::array kOptionRules = {
    OptionRule{"--date", true, false, kDays, "--from --year"},
    OptionRule{"--from", true, false, kDays, "--year"},
    OptionRule{"--to", true, false, kDays, "--days --year"},
    OptionRule{"--days", true, false, kDays, "--year"},
    OptionRule{"--year", true, false, kDays, ""},
    OptionRule{"--time", true, false, kReport, ""},
    OptionRule{"--place", true, false, kReport | kPlanetEvents | kEclipses, "--lat --lon"},
    OptionRule{"--lat", true, false, kReport | kPlanetEvents | kEclipses, ""},
    OptionRule{"--lon", true, false, kReport | kPlanetEvents | kEclipses, ""},
    OptionRule{"--tz", true, false, kReport | kPlanetEvents | kEclipses, ""},
    OptionRule{"--format", true, false, kReport | kHolidays | kFeasts | kEntries | kPlanetEvents | kEclipses, ""},
    OptionRule{"--region", true, false, kHolidays | kIcs, ""},
    OptionRule{"--holidays", false, false, kHolidays, ""},
    OptionRule{"--ics", false, false, kIcs | kPlanetEvents | kEclipses, ""},
    OptionRule{"--feasts", true, false, kFeasts | kIcs, "--date --from --to --days --year"},
    OptionRule{"--entries", false, false, kEntries, ""},
    OptionRule{"--calendars", true, false, kReport | kEntryChoiceList, ""},
    OptionRule{"--planets", false, false, kReport, ""},
    OptionRule{"--sun-hours", false, false, kReport, ""},
    OptionRule{"--sun-altitude", true, false, kReport, ""},
    OptionRule{"--planet-events", true, false, kPlanetEvents, "--date --from --to --days --year --feasts"},
    OptionRule{"--eclipses", true, false, kEclipses, "--date --from --to --days --year --feasts --planet-events"},
};

struct GivenOption {
  const OptionRule* rule;
  std::string value;
};

class Arguments {
 public:
  void Add(const OptionRule* rule, std::string value) { given_.push_back({rule, std::move(value)}); }
  const std::vector<GivenOption>& All() const { return given_; }
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  std::optional<std::string> Value(std::string_view name) const {
    const GivenOption* option = Find(name);
    return option != nullptr ? std::optional<std::string>(option->value) : std::nullopt;
  }

 private:
  const GivenOption* Find(std::string_view name) const {
    const auto it = std::find_if(given_.begin(), given_.end(),
                                 [name](const GivenOption& option) { return option.rule->name == name; });
    return it != given_.end() ? &*it : nullptr;
  }
  std::vector<GivenOption> given_;
};

const OptionRule* RuleOf(std::string_view name) {
  const auto it = std::find_if(kOptionRules.begin(), kOptionRules.end(),
                               [name](const OptionRule& rule) { return rule.name == name; });
  return it != kOptionRules.end() ? &*it : nullptr;
}

// --help and --version win over every other argument (the first of them
// when both are there); "--" ends the options, so a "--help" after it is
// no request for help.
std::optional<std::string_view> HelpOrVersion(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") {
      break;
    }
    if (arg == "--help" || arg == "-h") {
      return kUsage;
    }
    if (arg == "--version") {
      return kVersion;
    }
  }
  return std::nullopt;
}

// Splits the arguments into options and their values, by the table.
std::optional<Arguments> ReadArguments(const std::vector<std::string>& args, std::string& why) {
  Arguments result;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg == "--") {
      if (i + 1 < args.size()) {
        why = "Unerwartetes Argument \"" + args[i + 1] + R"(" nach "--": es gibt nur Angaben wie --date.)";
        return std::nullopt;
      }
      break;
    }
    // "--option=value" reads as "--option value".
    std::optional<std::string_view> attached;
    if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
      attached = arg.substr(arg.find('=') + 1);
      arg = arg.substr(0, arg.find('='));
    }
    const OptionRule* rule = RuleOf(arg);
    if (attached && (arg == "--help" || arg == "--version")) {
      why = "Die Angabe " + std::string(arg) + " nimmt keinen Wert.";
      return std::nullopt;
    }
    if (rule == nullptr) {
      why = arg.starts_with("-")
                ? "Unbekannte Angabe \"" + std::string(arg) + "\" (Hilfe: tempulo-report --help)."
                : "Unerwartetes Argument \"" + std::string(arg) +
                      "\": es gibt nur Angaben wie --date (Hilfe: tempulo-report --help).";
      return std::nullopt;
    }
    if (!rule->repeats && result.Has(rule->name)) {
      why = "Die Angabe " + std::string(arg) + " steht mehrfach im Aufruf.";
      return std::nullopt;
    }
    if (!rule->takesValue) {
      if (attached) {
        why = "Die Angabe " + std::string(arg) + " nimmt keinen Wert.";
        return std::nullopt;
      }
      result.Add(rule, {});
      continue;
    }
    if (!attached && i + 1 >= args.size()) {
      why = "Nach " + std::string(arg) + " fehlt der Wert.";
      return std::nullopt;
    }
    result.Add(rule, attached ? std::string(*attached) : args[++i]);
  }
  return result;
}

const ModeRule* ModeOf(const Arguments& arguments) {
  for (const ModeRule& rule : kModeRules) {
    const std::optional<std::string> value = arguments.Value(rule.option);
    if (value && (rule.value.empty() || *value == rule.value)) {
      return &rule;
    }
  }
  return nullptr;
}

bool Excludes(const OptionRule& rule, std::string_view other) {
  std::string_view list = rule.excludes;
  while (!list.empty()) {
    const std::size_t space = list.find(' ');
    if (list.substr(0, space) == other) {
      return true;
    }
    list = space == std::string_view::npos ? std::string_view() : list.substr(space + 1);
  }
  return false;
}

// Every option must be one the mode uses, and no two may exclude each other.
bool CheckCombination(const Arguments& arguments, const ModeRule* mode, std::string& why) {
  const Mode current = mode != nullptr ? mode->mode : kReport;
  for (const GivenOption& given : arguments.All()) {
    const OptionRule& rule = *given.rule;
    if (mode != nullptr && rule.name == mode->option) {
      continue;  // the option that chose the mode
    }
    if ((rule.modes & current) == 0U) {
      if (mode != nullptr) {
        why = "Die Angabe " + std::string(rule.name) + " lässt sich nicht mit " + std::string(mode->shown) +
              " verbinden.";
      } else {
        std::string with;
        for (const ModeRule& other : kModeRules) {
          if ((rule.modes & other.mode) != 0U) {
            with += (with.empty() ? "" : " oder ") + std::string(other.option);
          }
        }
        why = "Die Angabe " + std::string(rule.name) + " gilt nur mit " + with + ".";
      }
      return false;
    }
  }
  for (const GivenOption& a : arguments.All()) {
    for (const GivenOption& b : arguments.All()) {
      if (Excludes(*a.rule, b.rule->name)) {
        why = "Die Angaben " + std::string(a.rule->name) + " und " + std::string(b.rule->name) +
              " schließen einander aus.";
        return false;
      }
    }
  }
  return true;
}

// ------------------------------------------------------------------ values

enum class Format { kText, kTsv, kJson };

std::optional<Format> ParseFormat(const std::optional<std::string>& value, std::string& why) {
  if (!value || *value == "text") {
    return Format::kText;
  }
  if (*value == "tsv") {
    return Format::kTsv;
  }
  if (*value == "json") {
    return Format::kJson;
  }
  why = "Das Format \"" + *value + "\" gibt es nicht (text, tsv oder json).";
  return std::nullopt;
}

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

// The time of --time: a wall-clock time, with the offset from universal
// time when one is written.
struct TimeArgument {
  TimeOfDay wall;
  std::optional<int> offsetSeconds;
};

// "HH:MM" or "HH:MM:SS", then nothing, "Z", or "+HH:MM", "+HHMM", "+HH"
// (or "-").
std::optional<TimeArgument> ParseTimeArgument(std::string_view text) {
  const auto two = [&text](std::size_t at) { return ParseDecimal(text.substr(at, 2), 2); };
  if (text.size() < 5 || text[2] != ':' || !two(0) || !two(3)) {
    return std::nullopt;
  }
  TimeArgument time;
  time.wall = {*two(0), *two(3), 0};
  std::size_t next = 5;
  if (text.size() >= 8 && text[5] == ':') {
    if (!two(6)) {
      return std::nullopt;
    }
    time.wall.second = *two(6);
    next = 8;
  }
  if (time.wall.hour > 23 || time.wall.minute > 59 || time.wall.second > 59) {
    return std::nullopt;
  }
  const std::string_view zone = text.substr(next);
  if (zone == "Z") {
    time.offsetSeconds = 0;
  } else if (!zone.empty()) {
    if (zone[0] != '+' && zone[0] != '-') {
      return std::nullopt;
    }
    std::string digits(zone.substr(1));
    if (digits.size() == 5 && digits[2] == ':') {
      digits.erase(2, 1);
    }
    if (digits.size() != 2 && digits.size() != 4) {
      return std::nullopt;
    }
    const auto hours = ParseDecimal(std::string_view(digits).substr(0, 2), 2);
    const auto minutes = digits.size() == 4 ? ParseDecimal(std::string_view(digits).substr(2), 2) : 0;
    if (!hours || !minutes || *hours > 23 || *minutes > 59) {
      return std::nullopt;
    }
    time.offsetSeconds = (zone[0] == '-' ? -1 : 1) * (*hours * 3600 + *minutes * 60);
  }
  return time;
}

// The planets' years: those of the sun and moon block.
constexpr int kFirstPlanetYear = 1900;

// An altitude of the sun for --sun-altitude: a decimal number of degrees, a
// comma or a point before the fraction, within -89..89.
std::optional<double> ParseSunAltitude(std::string_view text, std::string& why) {
  std::string value(text);
  std::replace(value.begin(), value.end(), ',', '.');
  char* end = nullptr;
  const double degrees = value.empty() ? 0.0 : std::strtod(value.c_str(), &end);
  if (value.empty() || end != value.c_str() + value.size() || !std::isfinite(degrees) || degrees < -89.0 ||
      degrees > 89.0) {
    why = "Die Sonnenhöhe \"" + std::string(text) + "\" ist keine Gradzahl zwischen -89 und 89.";
    return std::nullopt;
  }
  return degrees;
}

constexpr int kSecondsPerDay = 86400;
constexpr int kMezOffsetSeconds = 3600;

// The offset of a zone in force at a local wall-clock time (a date value
// read as if it were universal time). Where the clock goes back and the
// time comes twice, the first; where it skips the time, the offset before
// the jump, which moves the time past the gap.
int OffsetAtWallTime(const TimeZone& zone, double localValue) {
  const auto at = [&zone](double utc) { return zone.OffsetAt(utc).seconds; };
  const std::array<int, 3> candidates = {at(localValue - 1), at(localValue), at(localValue + 1)};
  std::optional<double> first;
  int offset = candidates[0];
  for (const int candidate : candidates) {
    const double utc = localValue - static_cast<double>(candidate) / kSecondsPerDay;
    if (at(utc) == candidate && (!first || utc < *first)) {
      first = utc;
      offset = candidate;
    }
  }
  return offset;
}

// The report reads its time of day as MEZ: the moment of `time` on `date`
// as a MEZ time of day, counted from that date.
TimeOfDay MezTimeOn(CivilDate date, const TimeArgument& time, const TimeZone& zone) {
  const int wallSeconds = time.wall.hour * 3600 + time.wall.minute * 60 + time.wall.second;
  int offset = kMezOffsetSeconds;
  if (time.offsetSeconds) {
    offset = *time.offsetSeconds;
  } else if (!zone.IsFixedMez()) {
    offset = OffsetAtWallTime(
        zone, DateValueOf(FixedFromCivil(date)) + static_cast<double>(wallSeconds) / kSecondsPerDay);
  }
  const int mezSeconds = wallSeconds - offset + kMezOffsetSeconds;
  const int dayOffset = FloorDiv(mezSeconds, kSecondsPerDay);
  const int second = mezSeconds - dayOffset * kSecondsPerDay;
  return {second / 3600, second / 60 % 60, second % 60, dayOffset};
}

// DTSTAMP: SOURCE_DATE_EPOCH when set, as the reproducible-builds convention
// has it (a whole number of seconds since 1970, here within the years an
// iCalendar date can have), else now. A value that is not such a number is
// refused rather than replaced by the clock.
constexpr long long kLastIcsSecond = 253402300799LL;  // 9999-12-31T23:59:59Z

std::optional<std::string> StampUtc(const char* epoch, std::string& why) {
  auto seconds = static_cast<long long>(std::time(nullptr));
  if (epoch != nullptr && *epoch != '\0') {
    const std::string_view text(epoch);
    const bool digits = text.size() <= 12 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    seconds = digits ? std::stoll(std::string(text)) : -1;
    if (seconds < 0 || seconds > kLastIcsSecond) {
      why =
          "SOURCE_DATE_EPOCH \"" + std::string(text) +
          "\" ist keine ganze Zahl von Sekunden seit 1970 bis zum Ende des Jahres 9999 (0 bis 253402300799).";
      return std::nullopt;
    }
  }
  const auto now = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1,
                utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  return std::string(buffer);
}

// ------------------------------------------------------------------ output

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

bool operator<(const CivilDate& a, const CivilDate& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

std::string DumpJson(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

std::string_view CalendarOf(CivilDate date) { return IsJulianCivilDate(date) ? "julian" : "gregorian"; }

void WriteLines(const std::vector<std::string>& lines, std::ostream& out) {
  for (const std::string& line : lines) {
    out << line << '\n';
  }
}

// The dated holiday list: "JJJJ-MM-TT<TAB>name" as text, a header row and
// date, calendar, name as TSV, one object a line as JSON.
void WriteDatedHolidays(const std::vector<HolidayOnDate>& list, Format format, std::ostream& out) {
  if (format == Format::kTsv) {
    out << "date\tcalendar\tname\n";
  }
  for (const HolidayOnDate& holiday : list) {
    if (format == Format::kJson) {
      out << DumpJson(Json{{"date", IsoDate(holiday.date)},
                           {"calendar", CalendarOf(holiday.date)},
                           {"name", holiday.name}})
          << '\n';
    } else if (format == Format::kTsv) {
      out << IsoDate(holiday.date) << '\t' << CalendarOf(holiday.date) << '\t' << holiday.name << '\n';
    } else {
      out << IsoDate(holiday.date) << '\t' << holiday.name << '\n';
    }
  }
}

// The feasts of a year: "JJJJ-MM-TT<TAB>name" as text; date, calendar, name
// and kind as TSV (with a header row) and JSON.
void WriteFeasts(int year, Format format, std::ostream& out) {
  if (format == Format::kTsv) {
    out << "date\tcalendar\tname\tkind\n";
  }
  for (const Feast& feast : FeastsOfYear(year)) {
    if (format == Format::kJson) {
      out << DumpJson(Json{{"date", IsoDate(feast.date)},
                           {"calendar", CalendarOf(feast.date)},
                           {"name", feast.name},
                           {"kind", feast.kind}})
          << '\n';
    } else if (format == Format::kTsv) {
      out << IsoDate(feast.date) << '\t' << CalendarOf(feast.date) << '\t' << feast.name << '\t' << feast.kind
          << '\n';
    } else {
      out << IsoDate(feast.date) << '\t' << feast.name << '\n';
    }
  }
}

// The registry's entries: the identifiers scripts name entries by.
void WriteEntries(Format format, std::ostream& out) {
  if (format == Format::kTsv) {
    out << "id\tlabel\tfirst_year\tlast_year\n";
  }
  for (const ReportEntry& entry : ReportEntries()) {
    if (format == Format::kJson) {
      out << DumpJson(Json{{"id", entry.id},
                           {"label", entry.label},
                           {"first_year", entry.firstYear},
                           {"last_year", entry.lastYear}})
          << '\n';
    } else if (format == Format::kTsv) {
      out << entry.id << '\t' << entry.label << '\t' << entry.firstYear << '\t' << entry.lastYear << '\n';
    } else {
      out << entry.id << '\t' << entry.label << '\t' << entry.firstYear << '-' << entry.lastYear << '\n';
    }
  }
}

// The place list, one place a line: name, TAB, coordinates and zone. A
// list that could not be read is said on stderr; none at all is a failure.
int WritePlaces(std::ostream& out, std::ostream& err) {
  std::string warning;
  const std::vector<Place> places = LoadPlaces(DefaultPlaceFiles(), warning);
  for (const Place& place : places) {
    Place unnamed = place;
    unnamed.name.clear();
    out << place.name << '\t' << PlaceText(unnamed) << '\n';
  }
  if (!warning.empty()) {
    out.flush();
    WriteErrorLine(err, warning);
  }
  return places.empty() ? 1 : 0;
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

// Everything is flushed before the status is decided: a write that failed
// (a full disk, a closed output) is an error, not a success.
int Finish(std::ostream& out, std::ostream& err, int status) {
  out.flush();
  if (!out) {
    WriteErrorLine(
        err, "Die Ausgabe konnte nicht geschrieben werden (Datenträger voll oder Ausgabe geschlossen).");
    return 3;
  }
  return status;
}

// Everything a run needs once its arguments are read and checked.
struct Run {
  Mode mode = kReport;
  Format format = Format::kText;
  Region region = Region::kAll;
  CivilDate first;
  CivilDate last;
  int days = 1;
  bool range = false;  // a range of days, not the single day of --date or --from
  std::optional<int> feastsYear;
  std::optional<TimeArgument> time;
  std::optional<ReportPlace> place;
  std::optional<EntryChoice> entries;
  ExtraReportLines extra;
  std::optional<int> planetEventsYear;
  std::optional<int> eclipsesYear;
  std::string stamp;
};

// The values of the options, read and checked before anything is written.
std::optional<Run> ReadRun(const Arguments& arguments, Mode mode, const Clock& clock, std::string& why) {
  Run run;
  run.mode = mode;
  const auto format = ParseFormat(arguments.Value("--format"), why);
  if (!format) {
    return std::nullopt;
  }
  run.format = *format;
  if (const auto code = arguments.Value("--region")) {
    const std::optional<Region> region = RegionFromCode(*code);
    if (!region) {
      std::string codes;
      for (const RegionInfo& info : Regions()) {
        codes += (codes.empty() ? "" : ", ") + std::string(info.code);
      }
      why = "Die Region \"" + *code + "\" gibt es nicht (" + codes + ").";
      return std::nullopt;
    }
    run.region = *region;
  }
  if (const auto value = arguments.Value("--feasts")) {
    run.feastsYear = ParseYearValue(*value, " für --feasts", why);
    if (!run.feastsYear) {
      return std::nullopt;
    }
  }
  if (const auto value = arguments.Value("--planet-events")) {
    run.planetEventsYear = ParseYearValue(*value, " für --planet-events", why);
    if (!run.planetEventsYear) {
      return std::nullopt;
    }
    if (*run.planetEventsYear < kFirstPlanetYear) {
      why = "--planet-events gilt für die Jahre 1900 bis 3000.";
      return std::nullopt;
    }
  }
  if (const auto value = arguments.Value("--eclipses")) {
    run.eclipsesYear = ParseYearValue(*value, " für --eclipses", why);
    if (!run.eclipsesYear) {
      return std::nullopt;
    }
  }
  run.extra.planets = arguments.Has("--planets");
  run.extra.sunHours = arguments.Has("--sun-hours");
  if (const auto value = arguments.Value("--sun-altitude")) {
    run.extra.sunAltitude = ParseSunAltitude(*value, why);
    if (!run.extra.sunAltitude) {
      return std::nullopt;
    }
  }
  if (mode == kFeasts || mode == kEntries) {
    return run;
  }

  std::optional<int> year;
  if (const auto value = arguments.Value("--year")) {
    year = ParseYearValue(*value, "", why);
    if (!year) {
      return std::nullopt;
    }
  }
  std::optional<CivilDate> first;
  if (const auto value = arguments.Value("--date")) {
    first = ParseDateArgument(*value, why);
    if (!first) {
      return std::nullopt;
    }
  }
  if (const auto value = arguments.Value("--from")) {
    // A date of any calendar ("jewish:5787-9-28") or a plain civil date.
    first = ParseAnyDateArgument(*value, why);
    if (!first) {
      return std::nullopt;
    }
  }
  std::optional<CivilDate> to;
  if (const auto value = arguments.Value("--to")) {
    to = ParseAnyDateArgument(*value, why);
    if (!to) {
      return std::nullopt;
    }
  }
  std::optional<int> days;
  if (const auto value = arguments.Value("--days")) {
    days = ParseDecimal(*value, 6);
    if (!days || *days < 1 || *days > kMaxDays) {
      why = "Die Anzahl der Tage \"" + *value + "\" liegt nicht zwischen 1 und 100000.";
      return std::nullopt;
    }
  }
  if (const auto value = arguments.Value("--time")) {
    run.time = ParseTimeArgument(*value);
    if (!run.time) {
      why = "Die Uhrzeit \"" + *value +
            "\" hat nicht die Form HH:MM oder HH:MM:SS, wahlweise mit Abstand zu UTC (+01:00, -05:00, Z).";
      return std::nullopt;
    }
  }
  if (const auto value = arguments.Value("--calendars")) {
    std::vector<std::string> unknown;
    run.entries = EntryChoice::Parse(*value, &unknown);
    if (!unknown.empty()) {
      why = "Die Zeile \"" + unknown.front() + "\" kennt --calendars nicht (Liste: tempulo-report --calendars help).";
      return std::nullopt;
    }
    if (!run.entries) {
      why = "Die Angabe --calendars nennt keine Zeile (Liste: tempulo-report --calendars help).";
      return std::nullopt;
    }
  }
  PlaceOptions placeOptions{arguments.Value("--place"), arguments.Value("--lat"), arguments.Value("--lon"),
                            arguments.Value("--tz")};
  if (placeOptions.Any()) {
    run.place = ResolvePlaceOptions(placeOptions, why);
    if (!run.place) {
      return std::nullopt;
    }
  }

  if (year || run.feastsYear) {
    run.first = {year ? *year : *run.feastsYear, 1, 1};
  } else if (first) {
    run.first = *first;
  } else {
    run.first = clock.Today();
    if (run.first.year < kMinimumYear || run.first.year > kMaximumYear) {
      why = "Das heutige Jahr " + std::to_string(run.first.year) + " liegt außerhalb von 100 bis 3000.";
      return std::nullopt;
    }
  }
  run.range = year || to || days;
  // A calendar file covers the date's whole year unless a range is given.
  const bool wholeYear = year || (mode == kIcs && !run.range);
  if (mode == kIcs && !run.range) {
    run.first = {run.first.year, 1, 1};
  }
  // Walk the whole range before the first line is written.
  run.last = run.first;
  run.days = 1;
  if (wholeYear || to) {
    const CivilDate end = to ? *to : CivilDate{run.first.year, 12, 31};
    if (end < run.first) {
      why = "Das Ende des Zeitraums liegt vor seinem Anfang.";
      return std::nullopt;
    }
    // --date accepts a Julian 29 February of a common year (its report is
    // "Fehler!"); a walk through the calendar never reaches it.
    if (end.day > CivilMonthLength(end.year, end.month)) {
      why = "Den letzten Tag " + IsoDate(end) + " gibt es im Kalender des Jahres nicht.";
      return std::nullopt;
    }
    while (!(run.last == end) && run.days < kMaxDays) {
      run.last = NextCivilDay(run.last);
      ++run.days;
    }
    if (!(run.last == end)) {
      why = "Der Zeitraum ist länger als 100000 Tage.";
      return std::nullopt;
    }
  } else if (days) {
    run.days = *days;
    for (int i = 1; i < run.days; ++i) {
      run.last = NextCivilDay(run.last);
    }
  }
  if (run.last.year > kMaximumYear) {
    why = "Die " + std::to_string(run.days) + " Tage reichen über das Jahr 3000 hinaus.";
    return std::nullopt;
  }
  return run;
}

}  // namespace

int RunReportCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const Clock& systemClock) {
  if (const auto text = HelpOrVersion(args)) {
    out << *text;
    return Finish(out, err, 0);
  }
  std::string why;
  // The anniversary options are taken out first; --upcoming N is the run
  // of N days from today or --date.
  AnniversaryOptions anniversaryOptions;
  std::vector<std::string> rest = args;
  if (!TakeAnniversaryOptions(rest, anniversaryOptions, why)) {
    WriteErrorLine(err, why);
    return 2;
  }
  if (anniversaryOptions.upcoming) {
    for (const std::string& arg : rest) {
      for (const std::string_view range : {"--days", "--year", "--to", "--feasts"}) {
        if (arg == range || arg.starts_with(std::string(range) + "=")) {
          WriteErrorLine(err, "--upcoming nennt den Zeitraum selbst und lässt sich nicht mit " + std::string(range) +
                                   " verbinden.");
          return 2;
        }
      }
    }
    rest.emplace_back("--days");
    rest.push_back(std::to_string(*anniversaryOptions.upcoming));
  }
  if (anniversaryOptions.exportTo) {
    return ExportAnniversaries(anniversaryOptions, err);
  }
  const std::optional<Arguments> arguments = ReadArguments(rest, why);
  const ModeRule* mode = arguments ? ModeOf(*arguments) : nullptr;
  if (!arguments || !CheckCombination(*arguments, mode, why)) {
    WriteErrorLine(err, why);
    return 2;
  }
  const Mode current = mode != nullptr ? mode->mode : kReport;
  if (current == kCalendarList) {
    out << LookupHelpText();
    return Finish(out, err, 0);
  }
  if (current == kEntryChoiceList) {
    out << EntryChoiceHelpText();
    return Finish(out, err, 0);
  }
  if (current == kPlaceList) {
    const int status = WritePlaces(out, err);
    return Finish(out, err, status);
  }
  std::optional<Run> run = ReadRun(*arguments, current, systemClock, why);
  if (run && current == kHolidays && arguments->Has("--region") && !run->range &&
      run->format == Format::kText) {
    why =
        "Die Angabe --region gilt mit --holidays nur für einen Zeitraum (--days, --year, --to) oder --format "
        "tsv/json.";
    run.reset();
  }
  if (run && (current == kIcs || ((current == kPlanetEvents || current == kEclipses) && arguments->Has("--ics")))) {
    const std::optional<std::string> stamp = StampUtc(std::getenv("SOURCE_DATE_EPOCH"), why);
    if (stamp) {
      run->stamp = *stamp;
    } else {
      run.reset();
    }
  }
  if (!run) {
    WriteErrorLine(err, why);
    return 2;
  }

  // The user's anniversaries: listed when asked for, else a line in the
  // day's report on their days (none without entries).
  why.clear();
  const std::unique_ptr<AnniversaryBook> anniversaries = LoadAnniversaries(anniversaryOptions, why);
  if (!why.empty()) {
    WriteErrorLine(err, why);
    if (anniversaryOptions.Listing() || anniversaryOptions.file) {
      return 2;
    }
  }
  if (anniversaryOptions.Listing()) {
    if (current != kReport && current != kIcs) {
      WriteErrorLine(err, "Die Jahrestage lassen sich nicht mit dieser Art der Ausgabe verbinden.");
      return 2;
    }
    if (anniversaries) {
      const AnniversaryFormat format = current == kIcs                  ? AnniversaryFormat::kIcs
                                       : run->format == Format::kTsv  ? AnniversaryFormat::kTsv
                                       : run->format == Format::kJson ? AnniversaryFormat::kJson
                                                                      : AnniversaryFormat::kText;
      WriteAnniversaryList(*anniversaries, FixedFromCivil(run->first), FixedFromCivil(run->last), format, out);
    }
    return Finish(out, err, 0);
  }

  if (current == kPlanetEvents) {
    if (arguments->Has("--ics") && run->format != Format::kText) {
      WriteErrorLine(err, "Die Angabe --ics lässt sich nicht mit --format verbinden.");
      return 2;
    }
    const ReportPlace* where = run->place ? &*run->place : nullptr;
    const std::vector<PlanetEvent> events = PlanetEventsOfYear(*run->planetEventsYear, where);
    if (arguments->Has("--ics")) {
      out << PlanetEventsIcs(events, run->stamp);
    } else if (run->format == Format::kTsv) {
      out << PlanetEventsTsv(events, where);
    } else if (run->format == Format::kJson) {
      out << PlanetEventsJson(events, where);
    } else {
      out << PlanetEventsText(events, where);
    }
    return Finish(out, err, 0);
  }
  if (current == kEclipses) {
    if (arguments->Has("--ics") && run->format != Format::kText) {
      WriteErrorLine(err, "Die Angabe --ics lässt sich nicht mit --format verbinden.");
      return 2;
    }
    const EclipsesOutput output = arguments->Has("--ics")            ? EclipsesOutput::kIcs
                                  : run->format == Format::kTsv  ? EclipsesOutput::kTsv
                                  : run->format == Format::kJson ? EclipsesOutput::kJson
                                                                 : EclipsesOutput::kText;
    WriteEclipses(*run->eclipsesYear, run->place ? &*run->place : nullptr, output, run->stamp, out);
    return Finish(out, err, 0);
  }
  if (current == kEntries) {
    WriteEntries(run->format, out);
    return Finish(out, err, 0);
  }
  if (current == kFeasts) {
    WriteFeasts(*run->feastsYear, run->format, out);
    return Finish(out, err, 0);
  }
  HolidayTable holidays = HolidayTable::Standard();
  if (current == kIcs) {
    std::vector<HolidayOnDate> events =
        InRegion(HolidaysBetween(holidays, run->first, run->last), run->region);
    if (run->feastsYear) {
      events = WithFeasts(std::move(events), *run->feastsYear);
    }
    out << IcsCalendar(events, run->stamp);
    return Finish(out, err, 0);
  }
  if (current == kHolidays && (run->range || run->format != Format::kText)) {
    // The month's list has no dates of its own; for scripts it is the
    // dated list of the month.
    CivilDate first = run->first;
    CivilDate last = run->last;
    if (!run->range) {
      first = {first.year, first.month, 1};
      last = {first.year, first.month, CivilMonthLength(first.year, first.month)};
    }
    WriteDatedHolidays(InRegion(HolidaysBetween(holidays, first, last), run->region), run->format, out);
    return Finish(out, err, 0);
  }

  const TimeZone zone = run->place ? run->place->zone : TimeZone();
  const bool keepValues = run->format != Format::kText && current == kReport;
  if (current == kReport && run->format == Format::kTsv) {
    out << "date\tid\tlabel\tvalue\n";
  }
  int status = 0;
  CivilDate date = run->first;
  for (int i = 0; i < run->days && out; ++i) {
    if (i > 0) {
      if (run->format == Format::kText) {
        out << '\n';
      }
      date = NextCivilDay(date);
    }
    const FixedClock clock(systemClock.Today(),
                           run->time ? MezTimeOn(date, *run->time, zone) : systemClock.Now());
    const RefreshResult result = Refresh(
        date, holidays, clock, {.keepValues = keepValues,
                   // Only the JSON lists every crossing of the day.
                   .everyCrossing = run->format == Format::kJson,
                   .place = run->place ? &*run->place : nullptr,
                   .entries = run->entries ? &*run->entries : nullptr,
                   .anniversaries = anniversaries.get(),
                   .extra = run->extra});
    if (current == kHolidays) {
      WriteLines(result.holidayLines, out);
    } else if (run->format == Format::kTsv) {
      // Every row carries its day, so that a day's rows can be grouped
      // without counting lines.
      const std::string rows = ReportTsv(result);
      const std::string day = IsoDate(date) + '\t';
      for (std::size_t start = 0; start < rows.size();) {
        const std::size_t end = rows.find('\n', start);
        out << day << std::string_view(rows).substr(start, end - start + 1);
        start = end == std::string::npos ? rows.size() : end + 1;
      }
    } else if (run->format == Format::kJson) {
      out << ReportJson(date, result) << '\n';
    } else {
      WriteLines(result.reportLines, out);
    }
    if (result.error) {
      out.flush();
      WriteErrorLine(err, *result.error);
      status = 1;
    }
  }
  return Finish(out, err, status);
}

}  // namespace tempulo
