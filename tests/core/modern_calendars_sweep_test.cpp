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
#include "calendars/modern/discordian.h"
#include "calendars/modern/goddess_solilunar.h"
#include "calendars/modern/mars.h"
#include "calendars/modern/positivist_cotsworth.h"
#include "calendars/modern/soviet.h"
#include "calendars/modern/world_calendar.h"
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
constexpr std::array<std::string_view, 13> kGoddessMonths = {"Astarte", "Bast",    "Cybele", "Diana", "Eris",
                                                             "Freya",   "Gaia",    "Hathor", "Isis",  "Juno",
                                                             "Kali",    "Lakshmi", "Maat"};
constexpr std::array<std::string_view, 13> kSolilunarMonths = {
    "Aristarchus", "Bruno",   "Copernicus", "Dee",     "Eratosthenes", "Flamsteed", "Galileo",
    "Hypathia",    "Ibrahim", "Julius",     "Khayyam", "Lilius",       "Meton"};
constexpr std::array<std::string_view, 24> kMarsMonths = {
    "Sagittarius", "Dhanus", "Capricornus", "Makara",   "Aquarius", "Kumbha",  "Pisces",   "Mina",
    "Aries",       "Mesha",  "Taurus",      "Rishabha", "Gemini",   "Mithuna", "Cancer",   "Karka",
    "Leo",         "Simha",  "Virgo",       "Kanya",    "Libra",    "Tula",    "Scorpius", "Vrishika"};
constexpr std::array<std::string_view, 7> kMarsSols = {"Solis", "Lunae",   "Martis", "Mercurii",
                                                       "Jovis", "Veneris", "Saturni"};

std::string At(long double jd) { return "JD " + std::to_string(static_cast<long long>(jd)) + ".5"; }


// "D.Name Y E.Ära"
std::optional<Ymd> ParseEraDate(const std::string& text, const std::array<std::string_view, 13>& months) {
  constexpr std::string_view kEra = ".Ära";
  if (text.size() <= kEra.size() || text.substr(text.size() - kEra.size()) != kEra) {
    return std::nullopt;
  }
  const std::string_view body = std::string_view(text).substr(0, text.size() - kEra.size());
  const std::size_t blank = body.rfind(' ');
  const auto era = Number(body.substr(blank + 1));
  const auto parsed = ParseDayNameYear(body.substr(0, blank));
  if (!era || !parsed) {
    return std::nullopt;
  }
  return Ymd{*era, parsed->year, IndexOf(months, parsed->name), parsed->day};
}

// Runs a lunisolar calendar over the range and checks the moves from day to
// day; `monthLength` gives the length of months 2 to 13.
template <typename DateLine, typename LastDayOk, typename NextYear>
void SweepLunisolar(DateLine dateLine, std::string_view label, const std::array<std::string_view, 13>& months,
                    LastDayOk lastDayOk, NextYear nextYear) {
  std::optional<Ymd> prev;
  long long daysInYear = 0;
  bool sawMonth13 = false;
  bool wholeYear = false;
  for (long double jd = kFirstJd; jd <= kLastJd; jd += 1) {
    Report report;
    dateLine(jd, report);
    ASSERT_EQ(report.Lines().size(), 1U);
    const std::string text = After(report.Lines()[0], label);
    const auto date = ParseEraDate(text, months);
    ASSERT_TRUE(date) << text;
    ASSERT_NE(date->month, 0) << text;
    ASSERT_GE(date->day, 1) << text;
    ASSERT_LE(date->day, 31) << text;
    if (prev) {
      ExpectNextDay(*prev, *date, 13, lastDayOk, nextYear, At(jd) + " " + text);
      if (date->year != prev->year) {
        // A short year has twelve months and 354 days, a long one thirteen.
        if (wholeYear) {
          EXPECT_EQ(daysInYear > 360, sawMonth13) << At(jd) << " " << daysInYear;
          EXPECT_TRUE(daysInYear == 354 || (daysInYear >= 382 && daysInYear <= 385))
              << At(jd) << " " << daysInYear;
        }
        wholeYear = true;
        daysInYear = 0;
        sawMonth13 = false;
      }
    }
    ++daysInYear;
    sawMonth13 = sawMonth13 || date->month == 13;
    prev = date;
  }
}

TEST(ModernCalendarSweepTest, Goddess) {
  SweepLunisolar(
      GoddessDate, "Göttinnen-Kalender", kGoddessMonths,
      [](const Ymd& d) {
        // The first month has 28 to 31 days; then 30 and 29 alternate.
        return d.month == 1 ? d.day >= 28 && d.day <= 31 : d.day == (d.month % 2 == 0 ? 30 : 29);
      },
      [](const Ymd& d) {
        return d.year == 1689 ? Ymd{d.era + 1, 1, 1, 1} : Ymd{d.era, d.year + 1, 1, 1};
      });
}

TEST(ModernCalendarSweepTest, Solilunar) {
  SweepLunisolar(
      SolilunarDate, "Solilunar-Kalender", kSolilunarMonths,
      [](const Ymd& d) {
        // 29 and 30 alternate; the thirteenth month has 30 or 31 days.
        return d.month == 13 ? d.day == 30 || d.day == 31 : d.day == (d.month % 2 == 1 ? 29 : 30);
      },
      [](const Ymd& d) {
        return d.year == 60 ? Ymd{d.era + 1, 1, 1, 1} : Ymd{d.era, d.year + 1, 1, 1};
      });
}

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

constexpr std::array<std::string_view, 13> kPositivistMonths = {
    "Moses", "Homer",     "Aristoteles", "Archimedes", "Caesar",    "Saint Paul", "Charlemagne",
    "Dante", "Gutenberg", "Shakespeare", "Descartes",  "Friedrich", "Bichat"};
constexpr std::array<std::string_view, 7> kPositivistWeek = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                             "Donnerstag", "Freitag", "Sonnabend"};
constexpr std::array<std::string_view, 13> kCotsworthMonths = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",    "Sol",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
constexpr std::array<std::string_view, 7> kSundayFirstWeek = {"Sonnabend", "Sonntag",    "Montag", "Dienstag",
                                                              "Mittwoch",  "Donnerstag", "Freitag"};
constexpr std::array<std::string_view, 5> kSeasons = {"Chaos", "Zwietracht", "Verwirrung", "Bürokratie",
                                                      "Der Ausklang"};

// "D.Name Y, Weekday" with the rest after the weekday.
struct WeekDate {
  long long day = 0;
  int month = 0;
  long long year = 0;
  std::string weekday;
  std::string rest;
};

template <std::size_t N>
std::optional<WeekDate> ParseWeekDate(std::string_view text, const std::array<std::string_view, N>& months) {
  const std::size_t comma = text.find(", ");
  if (comma == std::string_view::npos) {
    return std::nullopt;
  }
  const auto parsed = ParseDayNameYear(text.substr(0, comma));
  if (!parsed) {
    return std::nullopt;
  }
  std::string_view tail = text.substr(comma + 2);
  const std::size_t next = tail.find(", ");
  WeekDate date{parsed->day, IndexOf(months, parsed->name), parsed->year, std::string(tail.substr(0, next)),
                ""};
  if (next != std::string_view::npos) {
    date.rest = std::string(tail.substr(next + 2));
  }
  return date;
}

// The days of one Gregorian year in order, and their count.
constexpr int kMonthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

template <typename Visit>
void ForEachDayOfYear(int year, Visit visit) {
  const int length = IsGregorianLeapYear(year) ? 366 : 365;
  int month = 1;
  int day = 1;
  for (int n = 1; n <= length; ++n) {
    visit(n, day, month);
    const int monthLength = month == 2 ? (IsGregorianLeapYear(year) ? 29 : 28) : kMonthLengths[month - 1];
    if (day < monthLength) {
      ++day;
    } else {
      day = 1;
      ++month;
    }
  }
}

TEST(ModernCalendarSweepTest, PositivistAndCotsworthShowEachDayOnce) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const bool leap = IsGregorianLeapYear(year);
    int positivistSlot = 0;  // the next day of the 13 x 28 expected
    int cotsworthSlot = 0;
    bool sawOlympic = false;
    ForEachDayOfYear(year, [&](int n, int day, int month) {
      const std::string where =
          std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
      const std::string positivist = PositivistDateText(year, month, day);
      if (n == 365) {
        EXPECT_EQ(positivist, "Festtag der großen Toten") << where;
      } else if (n == 366) {
        EXPECT_EQ(positivist, "Festtag der heiligen Jungfrau") << where;
      } else {
        const auto date = ParseWeekDate(positivist, kPositivistMonths);
        ASSERT_TRUE(date && date->month != 0) << positivist;
        ASSERT_TRUE(date->day >= 1 && date->day <= 28) << positivist;
        const int slot = (date->month - 1) * 28 + static_cast<int>(date->day);
        EXPECT_EQ(slot, ++positivistSlot) << where << " " << positivist;
        EXPECT_EQ(date->year, year - 1788);
        // Every month starts on a Monday.
        EXPECT_EQ(date->weekday, kPositivistWeek[static_cast<std::size_t>(date->day % 7)]) << positivist;
        EXPECT_EQ(date->rest, "Tag: " + std::string(kPositivistDayNames[static_cast<std::size_t>(slot - 1)]));
      }

      const std::string cotsworth = CotsworthDate(day, month, year);
      const std::string y = std::to_string(year - 1922);
      if (cotsworth == "Olympic " + y) {
        EXPECT_TRUE(leap && cotsworthSlot == 168 && !sawOlympic) << where;
        sawOlympic = true;
      } else if (cotsworth == "Sylvester " + y) {
        EXPECT_EQ(n, leap ? 366 : 365) << where;
        EXPECT_EQ(cotsworthSlot, 364) << where;
      } else {
        const auto date = ParseWeekDate(cotsworth, kCotsworthMonths);
        ASSERT_TRUE(date && date->month != 0) << cotsworth;
        ASSERT_TRUE(date->day >= 1 && date->day <= 28) << cotsworth;
        EXPECT_EQ((date->month - 1) * 28 + date->day, ++cotsworthSlot) << where << " " << cotsworth;
        EXPECT_EQ(std::to_string(date->year), y);
        // Every month starts on a Sunday.
        EXPECT_EQ(date->weekday, kSundayFirstWeek[static_cast<std::size_t>(date->day % 7)]) << cotsworth;
      }
    });
    EXPECT_EQ(positivistSlot, 364) << year;
    EXPECT_EQ(cotsworthSlot, 364) << year;
    EXPECT_EQ(sawOlympic, leap) << year;
  }
}

TEST(ModernCalendarSweepTest, DiscordianShowsEachDayOnce) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const std::string yold = " " + std::to_string(year + 1166) + " YOLD";
    int slot = 0;
    bool sawTib = false;
    ForEachDayOfYear(year, [&](int, int day, int month) {
      const std::string text = DiscordianDateText(day, month, year);
      ASSERT_EQ(text.substr(text.size() - yold.size()), yold) << text;
      if (text == "St.Tib's Day" + yold) {
        EXPECT_TRUE(IsGregorianLeapYear(year) && slot == 59 && !sawTib) << text;
        sawTib = true;
        return;
      }
      const auto parsed = ParseDayNameYear(text.substr(0, text.size() - 5));
      ASSERT_TRUE(parsed) << text;
      const int season = IndexOf(kSeasons, parsed->name);
      ASSERT_NE(season, 0) << text;
      ASSERT_TRUE(parsed->day >= 1 && parsed->day <= 73) << text;
      EXPECT_EQ((season - 1) * 73 + parsed->day, ++slot) << year << " " << text;
    });
    EXPECT_EQ(slot, 365) << year;
    EXPECT_EQ(sawTib, IsGregorianLeapYear(year)) << year;
  }
}

TEST(ModernCalendarSweepTest, SovietShowsEachDayOnce) {
  // The year as the calendar lays it out: twelve months of 30 days and the
  // holidays between them.
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const bool leap = IsGregorianLeapYear(year);
    std::vector<std::string> expected;
    const auto month = [&](std::string_view name, int from, int to) {
      for (int n = from; n <= to; ++n) {
        expected.push_back(std::to_string(n) + "." + std::string(name) + " " + std::to_string(year));
      }
    };
    const auto holiday = [&](std::string_view name) {
      expected.push_back(std::string(name) + " " + std::to_string(year));
    };
    month("Januar", 1, 30);
    holiday("Lenintag");
    month("Februar", 1, 30);
    if (leap) {
      holiday("Schalttag");
    }
    month("März", 1, 30);
    month("April", 1, 30);
    holiday("1.Tag der Arbeit");
    holiday("2.Tag der Arbeit");
    for (std::string_view name : {"Mai", "Juni", "Juli", "August", "September", "Oktober"}) {
      month(name, 1, 30);
    }
    month("November", 1, 7);
    holiday("1.Tag der Industrie");
    holiday("2.Tag der Industrie");
    month("November", 8, 30);
    month("Dezember", 1, 30);
    ASSERT_EQ(expected.size(), leap ? 366U : 365U);
    for (int d = 1; d <= static_cast<int>(expected.size()); ++d) {
      ASSERT_EQ(SovietDateText(year, d), expected[static_cast<std::size_t>(d - 1)]) << year << " " << d;
    }
    EXPECT_EQ(SovietDateText(year, static_cast<int>(expected.size()) + 1), "");
  }
}

TEST(ModernCalendarSweepTest, WorldCalendarShowsEachDayOnce) {
  // Quarters of 31, 30 and 30 days, each starting on a Sunday; the leap day
  // after 30 June and the year-end day belong to no week.
  constexpr std::array<int, 3> kQuarter = {31, 30, 30};
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const bool leap = IsGregorianLeapYear(year);
    std::vector<std::string> expected;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= kQuarter[static_cast<std::size_t>((m - 1) % 3)]; ++d) {
        const int inQuarter = ((m - 1) % 3 == 0 ? 0 : (m - 1) % 3 == 1 ? 31 : 61) + d;
        expected.push_back(std::to_string(d) + "." + std::to_string(m) + ". " + WorldWeekdayName(inQuarter));
      }
      if (m == 6 && leap) {
        expected.push_back("31.6. Schalttag");
      }
    }
    expected.push_back("31.12. Weltfeiertag");
    ASSERT_EQ(expected.size(), leap ? 366U : 365U);
    for (int d = 1; d <= static_cast<int>(expected.size()); ++d) {
      ASSERT_EQ(WorldCalendarText(d, year), expected[static_cast<std::size_t>(d - 1)]) << year << " " << d;
    }
  }
  EXPECT_EQ(WorldWeekdayName(1), "Sonntag");
}

}  // namespace
}  // namespace tempulo
