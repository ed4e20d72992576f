// SPDX-License-Identifier: GPL-3.0-or-later
// The report's entries in their fixed order: one table that the report
// builder, the lookups, the calendar choice, the sweep, the command line and
// the structured output all read. Nothing else lists the calendars.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "report/calendar_lookup.h"
#include "report/day_values.h"
#include "report/report.h"

namespace tempulo {

struct ReportEntry {
  // Stable: scripts, lookups and the structured output name entries by it.
  std::string_view id;
  // The label of the entry's first line; empty for a line without one.
  std::string_view label;
  // The civil years the entry is shown in.
  int firstYear;
  int lastYear;
  // Computes the entry's values and words them as report lines. Adds nothing
  // on a day the entry has no value for.
  void (*add)(DayValues& day, Report& report);
  // The entry's calendars whose dates name a day, with their way there and
  // back; empty for lines without one (the weekday, the cycles, festivals).
  std::span<const LookupCalendar> ways = {};
  // Shown unless the user chooses otherwise; calendars added later start
  // unchosen, so the default report stays as it was.
  bool shownByDefault = true;
  // The user can leave it out ("Kalender wählen…", --calendars); the blank
  // line before the sun and moon block follows that block.
  bool choosable = true;

  constexpr bool AppliesTo(int year) const { return year >= firstYear && year <= lastYear; }
};

std::span<const ReportEntry> ReportEntries();
// nullptr for an unknown identifier.
const ReportEntry* FindReportEntry(std::string_view id);

// Which of the report's entries the user has chosen to see. The report always
// lists them in the table's order, whatever order they were chosen in.
class EntryChoice {
 public:
  // The entries shown by default: the report as it has always been.
  EntryChoice();
  static EntryChoice All();
  // "id,id,…", "all" or "default". Unknown identifiers are collected in
  // `unknown` and left out; empty when the text names no entry at all.
  static std::optional<EntryChoice> Parse(std::string_view text, std::vector<std::string>* unknown = nullptr);

  bool Shows(const ReportEntry& entry) const;
  bool Shows(std::string_view id) const;
  void Set(std::string_view id, bool shown);
  bool IsDefault() const;
  // The chosen identifiers in the table's order.
  std::vector<std::string_view> Ids() const;
  // "id,id,…" in the table's order.
  std::string Text() const;
  friend bool operator==(const EntryChoice&, const EntryChoice&) = default;

 private:
  std::vector<bool> shown_;  // one per entry of the table
};

// The entry's name in the chooser: its label, or a name for the lines
// without one (the festivals).
std::string EntryChoiceLabel(const ReportEntry& entry);

// The lines of "--calendars help": every entry that can be chosen, its label,
// whether it is shown by default.
std::string EntryChoiceHelpText();

// The calendars that cannot be looked up, with why (for "--from help").
struct UnreachableCalendar {
  std::string_view entry;
  std::string_view why;
};
std::span<const UnreachableCalendar> UnreachableCalendars();

// The stable identifier of one report line. An entry's first line (and every
// line of an entry without a label of its own, like its festivals) carries
// the entry's identifier; its further lines "entry.part" ("mars.darian",
// "jewish.festival"). Lines before the entries: "date", "holiday"; a line
// the registry does not know: the entry's identifier.
std::string_view ReportLineId(std::string_view entryId, std::string_view label);

struct ReportLineIdRow {
  std::string_view entry;
  std::string_view label;
  std::string_view id;
};
// The lines with identifiers of their own, in report order.
std::span<const ReportLineIdRow> ReportLineIds();

// The wording of each entry, by family.
void AddWeekday(DayValues& c, Report& r);
// The weekday the report names for a Julian Date whose whole part is
// `index` mod 7 (0 is a Tuesday).
std::string_view ReportWeekdayName(int index);
void AddDayAndWeekOfYear(DayValues& c, Report& r);
void AddJulianDate(DayValues& c, Report& r);
void AddJulianCalendar(DayValues& c, Report& r);
void AddDaysSinceEpochs(DayValues& c, Report& r);
void AddGregorianDay(DayValues& c, Report& r);

void AddRoman(DayValues& c, Report& r);
void AddEgyptian(DayValues& c, Report& r);
void AddIslamic(DayValues& c, Report& r);
void AddIslamicFestivals(DayValues& c, Report& r);
void AddJewish(DayValues& c, Report& r);
void AddJapanese(DayValues& c, Report& r);
void AddChinese(DayValues& c, Report& r);
void AddSolarTerm(DayValues& c, Report& r);
// The solar term's name, 0 (Chunfen, at the March equinox) to 23; empty outside.
std::string_view SolarTermName(int term);
void AddChineseFestivals(DayValues& c, Report& r);
void AddSeleucid(DayValues& c, Report& r);
void AddBabylonian(DayValues& c, Report& r);
void AddMaya(DayValues& c, Report& r);
void AddAztec(DayValues& c, Report& r);
void AddBahai(DayValues& c, Report& r);
void AddIndian(DayValues& c, Report& r);
void AddSikh(DayValues& c, Report& r);
void AddArmenian(DayValues& c, Report& r);
void AddBerber(DayValues& c, Report& r);
std::string_view BerberMonthName(int month);
void AddJohnDee(DayValues& c, Report& r);
void AddSixtyWeek(DayValues& c, Report& r);

void AddWorldCalendar(DayValues& c, Report& r);
void AddFrenchRepublican(DayValues& c, Report& r);
void AddSoviet(DayValues& c, Report& r);
void AddIranian(DayValues& c, Report& r);
void AddCopticEthiopian(DayValues& c, Report& r);
void AddEthiopianFestivals(DayValues& c, Report& r);
void AddPositivist(DayValues& c, Report& r);
void AddCotsworth(DayValues& c, Report& r);
void AddGoddess(DayValues& c, Report& r);
void AddSolilunar(DayValues& c, Report& r);
void AddDiscordian(DayValues& c, Report& r);
void AddMars(DayValues& c, Report& r);
void AddStardate(DayValues& c, Report& r);
void AddPiCalendar(DayValues& c, Report& r);

void AddSunAndMoon(DayValues& c, Report& r);

}  // namespace tempulo
