// Every day of the years 1000 to 3000, read back from the texts: the
// calendars that count day by day move on by exactly one day (the Mars date
// by at most one sol) and never leave their months; the calendars laid onto
// the Gregorian year show each of its days exactly once.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report.h"
#include "calendars/modern/mars.h"
#include "calendars/traditional/calendar_helpers.h"
#include "calendars/traditional/civil_dates.h"

namespace tempulo {
namespace {

constexpr int kFirstYear = 1000;
constexpr int kLastYear = 3000;

// The civil days 1 January 1000 (Julian) to 31 December 3000.
const long double kFirstJd = JulianCalendarToJulianDay(kFirstYear, 1, 1);
const long double kLastJd = GregorianCalendarToJulianDay(kLastYear, 12, 31);

std::optional<long long> Number(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// "D.Name Y": day, name (may hold blanks) and year.
struct DayNameYear {
  long long day = 0;
  std::string name;
  long long year = 0;
};

std::optional<DayNameYear> ParseDayNameYear(std::string_view text) {
  const std::size_t dot = text.find('.');
  const std::size_t blank = text.rfind(' ');
  if (dot == std::string_view::npos || blank == std::string_view::npos || blank < dot) {
    return std::nullopt;
  }
  const auto day = Number(text.substr(0, dot));
  const auto year = Number(text.substr(blank + 1));
  if (!day || !year) {
    return std::nullopt;
  }
  return DayNameYear{*day, std::string(text.substr(dot + 1, blank - dot - 1)), *year};
}

// 1-based index of a name in a table, 0 if it is not there.
template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& table, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] == name) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

std::string After(const std::string& line, std::string_view label) {
  EXPECT_EQ(line.rfind(std::string(label) + "\t", 0), 0U) << line;
  return line.substr(label.size() + 1);
}

// A date of a calendar of months; era 0 where there are none.
struct Ymd {
  long long era = 0;
  long long year = 0;
  int month = 0;
  long long day = 0;
};

// Checks that `next` is the day after `prev`: the next day of the month, or
// the first of the next month once `prev` was the month's last day, or the
// first day of the next year. `lastDayOk` says whether a day may end its
// month; `nextYear` gives the year after (with the era).
template <typename LastDayOk, typename NextYear>
void ExpectNextDay(const Ymd& prev, const Ymd& next, int lastMonth, LastDayOk lastDayOk, NextYear nextYear,
                   const std::string& where) {
  if (next.era == prev.era && next.year == prev.year && next.month == prev.month) {
    EXPECT_EQ(next.day, prev.day + 1) << where;
    return;
  }
  EXPECT_TRUE(lastDayOk(prev)) << where << ": month " << prev.month << " ends on day " << prev.day;
  EXPECT_EQ(next.day, 1) << where;
  if (next.era == prev.era && next.year == prev.year) {
    EXPECT_EQ(next.month, prev.month + 1) << where;
  } else {
    EXPECT_LE(prev.month, lastMonth) << where;
    const Ymd following = nextYear(prev);
    EXPECT_EQ(next.era, following.era) << where;
    EXPECT_EQ(next.year, following.year) << where;
    EXPECT_EQ(next.month, 1) << where;
  }
}

Ymd PlainNextYear(const Ymd& d) { return {d.era, d.year + 1, 1, 1}; }

constexpr std::array<std::string_view, 13> kFrenchMonths = {
    "Vendémiaire", "Brumaire", "Frimaire", "Nivôse",    "Pluviôse",  "Ventôse",    "Germinal",
    "Floréal",     "Prairial", "Messidor", "Thermidor", "Fructidor", "jour compl."};
constexpr std::array<std::string_view, 10> kFrenchWeek = {
    "Decadi", "Primedi", "Duodi", "Tridi", "Quartidi", "Quintidi", "Sextidi", "Septidi", "Octidi", "Nonodi"};
constexpr std::array<std::string_view, 13> kCopticMonths = {"Thuout", "Paopi",  "Athor",  "Khoiak", "Tobi",
                                                            "Mekhir", "Fameno", "Farmou", "Pakhon", "Paony",
                                                            "Epep",   "Mesori", "Nasie"};
constexpr std::array<std::string_view, 13> kEthiopianMonths = {
    "Meskerem", "Tikemet", "Hidar", "Tahesas", "Tir",    "Yekatit", "Megabit",
    "Miyaza",   "Ginbot",  "Sene",  "Hamle",   "Nehase", "Pagume"};
constexpr std::array<std::string_view, 13> kIranianMonths = {
    "Farvardin", "Ordibehescht", "Chordad", "Tir",    "Mordad", "Shahrivar", "Mehr",
    "Aban",      "Asar",         "Dey",     "Bahman", "Esfand", "Zusatztag"};
constexpr std::array<std::string_view, 24> kMarsMonths = {
    "Sagittarius", "Dhanus", "Capricornus", "Makara",   "Aquarius", "Kumbha",  "Pisces",   "Mina",
    "Aries",       "Mesha",  "Taurus",      "Rishabha", "Gemini",   "Mithuna", "Cancer",   "Karka",
    "Leo",         "Simha",  "Virgo",       "Kanya",    "Libra",    "Tula",    "Scorpius", "Vrishika"};
constexpr std::array<std::string_view, 7> kMarsSols = {"Solis", "Lunae",   "Martis", "Mercurii",
                                                       "Jovis", "Veneris", "Saturni"};

std::string At(long double jd) { return "JD " + std::to_string(static_cast<long long>(jd)) + ".5"; }


TEST(ModernCalendarSweepTest, MarsAtFixedTimesOfDay) {
  // From the epoch day on; two times of day, one of them the hour that turns
  // into the day before in universal time.
  const TimeOfDay times[] = {{12, 0, 0}, {0, 30, 0}};
  const auto longYear = [](long long y) { return (y % 2 != 0 || y % 10 == 0) && y % 100 != 0; };
  const auto monthLength = [](long long y, int m) {
    if (m == 24) {
      return y % 2 != 0 || y % 10 == 0 ? 28 : 27;
    }
    return m % 6 == 0 ? 27 : 28;
  };
  for (const TimeOfDay& time : times) {
    std::optional<Ymd> prev;
    long long prevDayOfYear = 0;
    int sameSolRun = 0;
    for (long double jd = GregorianCalendarToJulianDay(1609, 3, 12); jd <= kLastJd; jd += 1) {
      const CivilDate civil = JulianDayToGregorianCalendar(jd);
      Report report;
      MarsDate(civil.year, civil.month, civil.day, time, report);
      if (report.Lines().empty()) {
        // Only the epoch day itself, before 01:00 local time.
        EXPECT_FALSE(prev) << At(jd);
        continue;
      }
      ASSERT_EQ(report.Lines().size(), 2U);
      const std::string first = After(report.Lines()[0], "Julianisches Marsdatum");
      const std::string second = After(report.Lines()[1], "Darischer Marskalender");
      const std::size_t comma = first.find(", ");
      const auto dayOfYear =
          Number(std::string_view(first).substr(comma + 2, first.find('.', comma) - comma - 2));
      ASSERT_TRUE(dayOfYear) << first;
      EXPECT_EQ(first.substr(first.find('.', comma)), ".Tag des Marsjahres");
      // "D.Name Y (i); w.Wochentag, Sol Name"
      const std::size_t semicolon = second.find("; ");
      const std::size_t open = second.rfind(" (", semicolon);
      const auto parsed = ParseDayNameYear(std::string_view(second).substr(0, open));
      const auto index = Number(std::string_view(second).substr(open + 2, semicolon - open - 3));
      const auto weekSol = Number(std::string_view(second).substr(semicolon + 2, 1));
      ASSERT_TRUE(parsed && index && weekSol) << second;
      const Ymd date{0, parsed->year, IndexOf(kMarsMonths, parsed->name), parsed->day};
      ASSERT_EQ(date.month, *index) << second;
      ASSERT_GE(date.day, 1) << second;
      ASSERT_LE(date.day, monthLength(date.year, date.month)) << second;
      // Every month starts on Solis.
      EXPECT_EQ(*weekSol, (date.day - 1) % 7 + 1) << second;
      EXPECT_EQ(second.substr(semicolon + 2),
                std::to_string(*weekSol) + ".Wochentag, Sol " +
                    std::string(kMarsSols[static_cast<std::size_t>(*weekSol - 1)]));
      if (prev) {
        const bool sameSol = prev->year == date.year && prev->month == date.month && prev->day == date.day;
        // A sol is a little longer than a day: the same sol now and then
        // shows on two days running, never on three, and no sol is skipped.
        sameSolRun = sameSol ? sameSolRun + 1 : 0;
        EXPECT_LE(sameSolRun, 1) << At(jd) << " " << second;
        if (sameSol) {
          EXPECT_EQ(*dayOfYear, prevDayOfYear) << second;
        } else {
          ExpectNextDay(
              *prev, date, 24,
              [&](const Ymd& d) {
                if (d.month == 24) {
                  return d.day == (longYear(d.year) ? 28 : 27);
                }
                return d.day == monthLength(d.year, d.month);
              },
              PlainNextYear, At(jd) + " " + second);
          EXPECT_EQ(*dayOfYear, date.year == prev->year ? prevDayOfYear + 1 : 0) << second;
        }
      }
      prev = date;
      prevDayOfYear = *dayOfYear;
    }
  }
}

}  // namespace
}  // namespace tempulo
