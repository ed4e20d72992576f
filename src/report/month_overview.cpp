// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/month_overview.h"

#include <array>
#include <cmath>

#include "report/day_festivals.h"
#include "report/refresh.h"
#include "report/report_builder.h"
#include "astro/angles.h"
#include "astro/eclipses.h"
#include "report/eclipse_lines.h"
#include "astro/moon_phases.h"
#include "time/civil.h"
#include "time/instant.h"
#include "time/julian_day.h"
#include "holidays/holidays.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {"Montag",  "Dienstag",  "Mittwoch", "Donnerstag",
                                                           "Freitag", "Sonnabend", "Sonntag"};

// The report's sun and moon block, and so the phases, begin with this year.
constexpr int kFirstMoonYear = 1900;
// MEZ is universal time plus one hour.
constexpr double kMezOffsetDays = 1.0 / 24.0;
// A phase kind recurs after a lunation (29.5 days): a month holds at most two.
constexpr int kMaxPhasesPerKind = 3;

struct PhaseKind {
  LunarPhase kind;
  MainMoonPhase phase;
};
constexpr std::array<PhaseKind, 4> kPhaseKinds = {{
    {LunarPhase::kNewMoon, MainMoonPhase::kNewMoon},
    {LunarPhase::kFirstQuarter, MainMoonPhase::kFirstQuarter},
    {LunarPhase::kFullMoon, MainMoonPhase::kFullMoon},
    {LunarPhase::kLastQuarter, MainMoonPhase::kLastQuarter},
}};

void AddHolidays(int year, int month, MonthOverview& overview) {
  HolidayTable table = HolidayTable::Standard();
  table.ApplyMovableDates(year, SeasonStartDates(year));
  for (DayOverview& day : overview.days) {
    for (const HolidayRecord& record : table.Records()) {
      if (record.month == month && record.day == day.day) {
        day.holidays.push_back({record.name, PublicHolidayRegions(record.name, year, month, day.day)});
      }
    }
  }
}

void AddMoonPhases(int year, int month, MonthOverview& overview) {
  if (year < kFirstMoonYear) {
    return;
  }
  const double firstDay = EncodeDate(year, month, 1);
  const double monthStart = firstDay - kMezOffsetDays;  // 0 h MEZ in universal time
  const double monthEnd = monthStart + static_cast<double>(overview.days.size());
  for (const PhaseKind& kind : kPhaseKinds) {
    double moment = NextMoonPhase(kind.kind, monthStart);
    for (int found = 0; found < kMaxPhasesPerKind && moment >= monthStart && moment < monthEnd; ++found) {
      const double mez = moment + kMezOffsetDays;
      const auto index = static_cast<std::size_t>(std::floor(mez - firstDay));
      if (index < overview.days.size()) {
        DayOverview& day = overview.days[index];
        day.moonPhase = kind.phase;
        // "dd.MM.yyyy HH:mm:ss" -> "HH:mm".
        const std::string text = DateTimeText(mez);
        day.moonPhaseTime = text.size() >= 16 ? text.substr(11, 5) : std::string("00:00");
      }
      moment = NextMoonPhase(kind.kind, moment + 1.0);
    }
  }
}

void AddEclipses(int year, int month, MonthOverview& overview) {
  const double firstDay = EncodeDate(year, month, 1);
  const double monthStart = firstDay - kMezOffsetDays;
  const double monthEnd = monthStart + static_cast<double>(overview.days.size());
  for (const Eclipse& eclipse :
       EclipsesBetween(Instant::FromDateValue(monthStart), Instant::FromDateValue(monthEnd))) {
    const double mez = eclipse.greatest.DateValue() + kMezOffsetDays;
    const auto index = static_cast<std::size_t>(std::floor(mez - firstDay));
    if (index < overview.days.size()) {
      const std::string text = DateTimeText(mez);
      overview.days[index].eclipses.push_back(
          {std::string(EclipseKindName(eclipse.kind)), text.size() >= 16 ? text.substr(11, 5) : "00:00"});
    }
  }
}

std::string DateText(const MonthOverview& month, int day) {
  return std::to_string(day) + ". " + std::string(GermanMonthName(month.month)) + " " +
         std::to_string(month.year);
}

std::string DayNumberText(int day) { return (day < 10 ? "0" : "") + std::to_string(day); }

}  // namespace

std::string_view MainMoonPhaseName(MainMoonPhase phase) {
  switch (phase) {
    case MainMoonPhase::kNewMoon:
      return "Neumond";
    case MainMoonPhase::kFirstQuarter:
      return "Erstes Viertel";
    case MainMoonPhase::kFullMoon:
      return "Vollmond";
    case MainMoonPhase::kLastQuarter:
      return "Letztes Viertel";
    case MainMoonPhase::kNone:
      break;
  }
  return {};
}

bool DayOverview::IsPublicHoliday(Region region) const {
  for (const DayHoliday& holiday : holidays) {
    if (holiday.publicIn.Contains(region)) {
      return true;
    }
  }
  return false;
}

const DayOverview* MonthOverview::Day(int day) const {
  if (day < 1 || static_cast<std::size_t>(day) > days.size()) {
    return nullptr;
  }
  return &days[static_cast<std::size_t>(day - 1)];
}

MonthOverview BuildMonthOverview(int year, int month) {
  MonthOverview overview;
  overview.year = year;
  overview.month = month;
  const int length = CivilMonthLength(year, month);
  overview.days.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  for (int day = 1; day <= length; ++day) {
    DayOverview& entry = overview.days[static_cast<std::size_t>(day - 1)];
    entry.day = day;
    // The overview counts from Monday, the civil weekday from Sunday.
    entry.weekday = (CivilWeekday({year, month, day}) + 6) % 7;
    entry.festivals = FestivalsOfDay(year, month, day);
  }
  AddHolidays(year, month, overview);
  AddMoonPhases(year, month, overview);
  AddEclipses(year, month, overview);
  return overview;
}

const MonthOverview& MonthOverviewCache::Get(int year, int month) {
  for (auto it = months_.begin(); it != months_.end(); ++it) {
    if (it->year == year && it->month == month) {
      months_.splice(months_.begin(), months_, it);
      return months_.front();
    }
  }
  months_.push_front(BuildMonthOverview(year, month));
  if (months_.size() > kCapacity) {
    months_.pop_back();
  }
  return months_.front();
}

std::string LongDateText(const MonthOverview& month, const DayOverview& day) {
  return std::string(kWeekdayNames[static_cast<std::size_t>(day.weekday) % kWeekdayNames.size()]) + ", " +
         DateText(month, day.day);
}

std::string StatutoryPlacesText(RegionSet regions) {
  std::string text;
  const auto append = [&text](std::string_view part) {
    if (!text.empty()) {
      text += ", ";
    }
    text += part;
  };
  const bool wholeGermany = regions.Contains(Region::kAll);
  for (const RegionInfo& info : Regions()) {
    if (info.region == Region::kAll || !regions.Contains(info.region)) {
      continue;
    }
    const bool country = info.region == Region::kAT || info.region == Region::kCH;
    if (country) {
      append(info.name);
    } else if (!wholeGermany) {
      append(info.code);
    }
  }
  if (wholeGermany) {
    text = "Deutschland" + (text.empty() ? std::string() : ", " + text);
  }
  return text;
}

std::string DayToolTipText(const MonthOverview& month, const DayOverview& day) {
  std::string text = LongDateText(month, day);
  for (const DayHoliday& holiday : day.holidays) {
    text += "\n" + holiday.name;
    if (!holiday.publicIn.Empty()) {
      text += " – gesetzlicher Feiertag: " + StatutoryPlacesText(holiday.publicIn);
    } else {
      text += " – kein gesetzlicher Feiertag";
    }
  }
  for (const std::string& festival : day.festivals) {
    text += "\n" + festival;
  }
  if (day.moonPhase != MainMoonPhase::kNone) {
    text += "\n" + std::string(MainMoonPhaseName(day.moonPhase)) + " " + day.moonPhaseTime + " MEZ";
  }
  for (const DayOverview::Eclipse& eclipse : day.eclipses) {
    text += "\n" + eclipse.kind + " " + eclipse.time + " MEZ";
  }
  return text;
}

std::string DayAccessibleText(const MonthOverview& month, const DayOverview& day, Region region,
                              bool isToday) {
  std::string text = LongDateText(month, day);
  for (const DayHoliday& holiday : day.holidays) {
    text += ", " + holiday.name;
    if (holiday.publicIn.Contains(region)) {
      text += " (gesetzlicher Feiertag)";
    }
  }
  for (const std::string& festival : day.festivals) {
    text += ", " + festival;
  }
  if (day.moonPhase != MainMoonPhase::kNone) {
    text += ", " + std::string(MainMoonPhaseName(day.moonPhase));
  }
  for (const DayOverview::Eclipse& eclipse : day.eclipses) {
    text += ", " + eclipse.kind;
  }
  if (isToday) {
    text += ", heute";
  }
  return text;
}

std::optional<MoonDisc> MoonDiscOfDay(int year, int month, int day) {
  if (year < kFirstMoonYear) {
    return std::nullopt;
  }
  const double dateValue = Instant::FromJulianDate(ReportJulianDay({year, month, day})).DateValue();
  return MoonDisc{static_cast<double>(MoonIlluminatedFraction(dateValue)), MoonPhaseAngle(dateValue) >= 0};
}

std::string MoonDiscText(const MoonDisc& disc) {
  const auto percent = static_cast<long>(std::lround(disc.illuminated * 100.0));
  return "Mond: " + std::to_string(percent) + " % beleuchtet, " + (disc.waxing ? "zunehmend" : "abnehmend");
}

std::vector<HolidayListEntry> HolidayListEntries(const MonthOverview& month, Region region) {
  std::vector<HolidayListEntry> entries;
  for (const DayOverview& day : month.days) {
    std::string dayText = DayNumberText(day.day);
    for (const DayHoliday& holiday : day.holidays) {
      const bool isPublic = holiday.publicIn.Contains(region);
      if (region != Region::kAll && !isPublic) {
        continue;
      }
      entries.push_back({day.day, dayText + "\t" + holiday.name, isPublic});
      dayText.clear();
    }
  }
  return entries;
}

}  // namespace tempulo
