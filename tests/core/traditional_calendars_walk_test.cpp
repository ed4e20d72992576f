// Day by day through the years 1000 to 3000: every calendar that counts days
// must read each day as the day after the one before, with no day skipped or
// repeated, no day 0, no day beyond its month and only names of its tables.
// The texts are parsed back; the month lengths here are the calendars' own
// rules, written independently of the conversions.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calendars/traditional/civil_dates.h"
#include "calendars/traditional/dee_sixty_week.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

template <std::size_t N>
using Names = std::array<std::string_view, N>;

constexpr Names<12> kGermanMonths = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                     "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
constexpr Names<6> kSixDayWeek = {"Sonntag", "Montag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend"};
// The named days of the sixty-week year in their order, as pseudo-months
// 13.. of one day each.
constexpr Names<6> kSixtyWeekNamedDays = {"Frühlingstag", "Sommertag", "Schalttag",
                                          "Herbsttag",    "Wintertag", "Neujahr"};

template <std::size_t N>
int IndexOf(const Names<N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool IsGregorianLeap(long long year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Reads a calendar text from left to right; every step fails once one fails.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text) {}

  Scanner& Number(long long& value) {
    const char* end = rest_.data() + rest_.size();
    const auto [next, error] = std::from_chars(rest_.data(), end, value);
    ok_ = ok_ && error == std::errc() && next != rest_.data();
    if (ok_) {
      rest_.remove_prefix(static_cast<std::size_t>(next - rest_.data()));
    }
    return *this;
  }
  Scanner& Number(int& value) {
    long long wide = 0;
    Number(wide);
    value = static_cast<int>(wide);
    return *this;
  }
  Scanner& Literal(std::string_view literal) {
    ok_ = ok_ && rest_.substr(0, literal.size()) == literal;
    if (ok_) {
      rest_.remove_prefix(literal.size());
    }
    return *this;
  }
  // The text up to (not including) the delimiter, or to the end.
  Scanner& Word(std::string_view& word, std::string_view delimiter = {}) {
    const std::size_t end = delimiter.empty() ? rest_.size() : rest_.find(delimiter);
    ok_ = ok_ && end != std::string_view::npos && end > 0;
    if (ok_) {
      word = rest_.substr(0, end);
      rest_.remove_prefix(end);
    }
    return *this;
  }
  bool Done() const { return ok_ && rest_.empty(); }

 private:
  std::string_view rest_;
  bool ok_ = true;
};

struct CalendarDay {
  long long year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
};

std::string Show(const CalendarDay& d) {
  return std::to_string(d.day) + "/" + std::to_string(d.month) + "/" + std::to_string(d.year);
}

// One calendar on its walk: a day must lie in its month and follow the day
// before. Only the first fault is kept, with its text, to keep the walk fast.
class DayByDay {
 public:
  using MonthLength = std::function<int(const CalendarDay&)>;
  using NextMonth = std::function<CalendarDay(const CalendarDay&)>;  // day 1 of the month after

  DayByDay(MonthLength monthLength, NextMonth nextMonth)
      : monthLength_(std::move(monthLength)), nextMonth_(std::move(nextMonth)) {}

  void See(long double jd, const std::string& text, const std::optional<CalendarDay>& day) {
    ++days_;
    if (!day) {
      Fail(jd, text, "unreadable or a name outside the table");
      return;
    }
    if (day->day < 1 || day->day > monthLength_(*day)) {
      Fail(jd, text, "day outside its month");
    } else if (previous_) {
      const CalendarDay expected = previous_->day < monthLength_(*previous_)
                                       ? CalendarDay{previous_->year, previous_->month, previous_->day + 1}
                                       : nextMonth_(*previous_);
      if (!(*day == expected)) {
        Fail(jd, text, "expected " + Show(expected) + " after " + previousText_);
      }
    }
    previous_ = day;
    previousText_ = text;
  }

  long long Days() const { return days_; }
  long long Faults() const { return faults_; }
  const std::string& FirstFault() const { return firstFault_; }

 private:
  void Fail(long double jd, const std::string& text, const std::string& why) {
    if (faults_++ == 0) {
      firstFault_ = "JD " + std::to_string(static_cast<double>(jd)) + " \"" + text + "\": " + why;
    }
  }

  MonthLength monthLength_;
  NextMonth nextMonth_;
  std::optional<CalendarDay> previous_;
  std::string previousText_;
  long long days_ = 0;
  long long faults_ = 0;
  std::string firstFault_;
};

// "d.Name Y" with a name from the table (months numbered from 1).
template <std::size_t N>
std::optional<CalendarDay> DayNameYear(std::string_view text, const Names<N>& months) {
  CalendarDay d;
  std::string_view name;
  Scanner scan(text);
  scan.Number(d.day).Literal(".").Word(name, " ").Literal(" ").Number(d.year);
  d.month = IndexOf(months, name) + 1;
  if (!scan.Done() || d.month == 0) {
    return std::nullopt;
  }
  return d;
}

CalendarDay NextOfTwelve(const CalendarDay& d) {
  return d.month == 12 ? CalendarDay{d.year + 1, 1, 1} : CalendarDay{d.year, d.month + 1, 1};
}
int JulianMonthLength(int month, long long year) {
  constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && year % 4 == 0 ? 29 : kLengths[static_cast<std::size_t>(month - 1)];
}

TEST(TraditionalCalendarsWalkTest, EveryDayFrom1000To3000FollowsTheDayBefore) {
  const long double first = ReportJulianDay(1, 1, 1000);
  const long double last = ReportJulianDay(31, 12, 3000);
  const long double sixtyWeekFirst = GregorianCalendarToJulianDay(1937, 1, 1);
  const long double sixtyWeekLast = GregorianCalendarToJulianDay(2063, 12, 31);

  // Months 1..12 of 30 days; the named days as one-day months 13.. in their
  // place: spring day after March, summer day (and leap day) after June,
  // autumn day after September, winter day and New Year after December.
  DayByDay sixtyWeek([](const CalendarDay& d) { return d.month <= 12 ? 30 : 1; },
                     [](const CalendarDay& d) {
                       const bool leap = (d.year - 6000) % 4 == 0;
                       switch (d.month) {
                         case 3:
                           return CalendarDay{d.year, 13, 1};
                         case 6:
                           return CalendarDay{d.year, 14, 1};
                         case 14:
                           return CalendarDay{d.year, leap ? 15 : 7, 1};
                         case 9:
                           return CalendarDay{d.year, 16, 1};
                         case 12:
                           return CalendarDay{d.year, 17, 1};
                         case 17:
                           return CalendarDay{d.year + 1, 18, 1};
                         case 18:
                           return CalendarDay{d.year, 1, 1};
                         case 13:
                           return CalendarDay{d.year, 4, 1};
                         case 15:
                           return CalendarDay{d.year, 7, 1};
                         case 16:
                           return CalendarDay{d.year, 10, 1};
                         default:
                           return CalendarDay{d.year, d.month + 1, 1};
                       }
                     });

  for (long double jd = first; jd <= last; jd += 1.0L) {
    const CivilDate gregorian = JulianDayToGregorianCalendar(jd);
    if (jd >= sixtyWeekFirst && jd <= sixtyWeekLast) {
      const std::string text = SixtyWeekDate(gregorian.day, gregorian.month, gregorian.year);
      CalendarDay d;
      std::string_view name;
      std::string_view weekday;
      Scanner named(text);
      named.Word(name, " ").Literal(" ").Number(d.year);
      std::optional<CalendarDay> parsed;
      if (named.Done() && IndexOf(kSixtyWeekNamedDays, name) >= 0) {
        parsed = CalendarDay{d.year, 13 + IndexOf(kSixtyWeekNamedDays, name), 1};
      } else {
        Scanner scan(text);
        scan.Number(d.day).Literal(".").Word(name, " ").Literal(" ").Number(d.year).Literal(", ").Word(
            weekday);
        d.month = IndexOf(kGermanMonths, name) + 1;
        if (scan.Done() && d.month > 0 && d.day >= 1 &&
            weekday == kSixDayWeek[static_cast<std::size_t>(d.day % 6)]) {
          parsed = d;
        }
      }
      sixtyWeek.See(jd, text, parsed);
    }
  }

  const struct {
    const char* name;
    const DayByDay& walk;
  } walks[] = {{"sixty-week", sixtyWeek}};
  for (const auto& w : walks) {
    EXPECT_EQ(w.walk.Faults(), 0) << w.name << ": " << w.walk.FirstFault();
    EXPECT_GT(w.walk.Days(), 0) << w.name;
  }
  EXPECT_EQ(sixtyWeek.Days(), static_cast<long long>(sixtyWeekLast - sixtyWeekFirst) + 1);
}

}  // namespace
}  // namespace tempulo
