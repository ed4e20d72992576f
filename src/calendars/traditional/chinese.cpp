// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/chinese.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "astro/angles.h"
#include "astro/moon_phases.h"
#include "astro/sun.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr long double kSynodicMonth = 29.530589L;
constexpr double kChinaOffsetFrom1929 = 1.0 / 3.0;
constexpr double kChinaOffsetBefore1929 = 0.32337962962962963;  // 7 h 45 min 40 s
constexpr int kElapsedYearOffset = 2636;

// The search for a Chinese month moves by whole months from a first guess
// that lies within a month or two of it; a few steps always suffice.
constexpr int kMaxMonthSearchSteps = 8;
// Days from 1 January to the middle of the first month: Chinese New Year
// falls between about 21 January and 20 February (proleptic Gregorian).
constexpr int kMidFirstMonthFromJanuary = 49;
constexpr int kMidMonth = 14;
constexpr int kLongestChineseMonth = 30;
constexpr int kShortestChineseMonth = 29;

// The leap-month walk visits each month of one solstice-to-solstice span
// (13 at most) once; the cap lies far above that and only ends a walk over
// astronomy that misbehaves.
constexpr int kMaxMonthSteps = 240;

// The calendar asks for new moons and principal terms from a midnight of
// China and keeps only their day. The series' new moon lies within a minute
// or two of the refined one (kPhaseSeriesMargin), the few-term sun's term
// within a quarter of an hour of the searched one (kSolarTermMargin); unless
// the instant lies that close to a midnight of China, both fall on the same
// day and the costly search is spared.

// How close to a midnight counts as near, days.
struct DayMargin {
  double days;
};

bool NearChinaMidnight(double t, DayMargin margin) {
  const double china = ChinaTimeFromUniversal(t);
  const double fromMidnight = china - std::floor(china);
  return fromMidnight < margin.days || fromMidnight > 1.0 - margin.days;
}

double PreviousNewMoon(double t) {
  const double approximate = PreviousApproximateMoonPhase(LunarPhase::kNewMoon, t + kPhaseSeriesMargin);
  if (NearChinaMidnight(approximate, {kPhaseSeriesMargin}) || approximate > t - kPhaseSeriesMargin) {
    return PreviousMoonPhase(LunarPhase::kNewMoon, t);
  }
  return approximate;
}

double NextNewMoon(double t) {
  const double approximate = NextApproximateMoonPhase(LunarPhase::kNewMoon, t - kPhaseSeriesMargin);
  if (NearChinaMidnight(approximate, {kPhaseSeriesMargin}) || approximate < t + kPhaseSeriesMargin) {
    return NextMoonPhase(LunarPhase::kNewMoon, t);
  }
  return approximate;
}

// The approximate walks decline (NaN) where a term they compare lies within
// the margin of t itself.
double NextTerm(double t) {
  const double approximate = NextApproximatePrincipalTerm(t);
  if (std::isnan(approximate) || NearChinaMidnight(approximate, {kSolarTermMargin})) {
    return NextPrincipalTerm(t);
  }
  return approximate;
}

double PreviousTerm(double t) {
  const double approximate = PreviousApproximatePrincipalTerm(t);
  if (std::isnan(approximate) || NearChinaMidnight(approximate, {kSolarTermMargin})) {
    return PreviousPrincipalTerm(t);
  }
  return approximate;
}

constexpr ChineseAstronomy kStandardAstronomy = {PreviousNewMoon, NextNewMoon, NextTerm, PreviousTerm};

// The civil year of the day holding an instant, and the date value of a
// civil date at 0 h.
int CivilYearOf(double t) { return CivilFromFixed(FixedFromDateValue(t)).year; }
double CivilDateValue(CivilDate date) { return DateValueOf(FixedFromCivil(date)); }

double ChinaTimeOffset(double t) {
  return CivilYearOf(t) >= 1929 ? kChinaOffsetFrom1929 : kChinaOffsetBefore1929;
}

// The day that contains an instant. Taken downward, so that before 1900
// (negative date values) an instant keeps the day it falls on.
double DayOf(double t) { return std::floor(t); }

// A whole number from a rounded quotient. Values far outside any calendar's
// range (only from astronomy that misbehaves) are held where the month and
// day arithmetic that follows cannot overflow.
int ToInt(long double x) {
  constexpr long double kLimit = 1.0e9L;
  if (std::isnan(x)) {
    return 0;
  }
  return static_cast<int>(std::clamp(x, -kLimit, kLimit));
}

// Remembers the results of one kind of search by its argument. The searches
// are the costly part of a conversion, and neighbouring days ask for the
// same ones: every day of a year needs its two solstices, every day of a
// month its month's terms, and the leap-month walk steps back over the same
// months for each of them. An answer found again is the same answer, so a
// remembered one changes no result. The oldest entry makes room for a new
// one.
class SearchMemo {
 public:
  template <typename Search>
  double Get(double key, Search search) {
    for (std::size_t i = 0; i < size_; ++i) {
      if (keys_[i] == key) {
        return values_[i];
      }
    }
    const double value = search(key);
    keys_[next_] = key;
    values_[next_] = value;
    next_ = (next_ + 1) % keys_.size();
    size_ = std::max(size_, next_ == 0 ? keys_.size() : next_);
    return value;
  }

  void Clear() {
    size_ = 0;
    next_ = 0;
  }

 private:
  static constexpr std::size_t kEntries = 64;
  std::array<double, kEntries> keys_{};
  std::array<double, kEntries> values_{};
  std::size_t size_ = 0;
  std::size_t next_ = 0;
};

struct ChineseSearchMemos {
  SearchMemo newMoonBefore;
  SearchMemo newMoonAfter;
  SearchMemo termAfter;
  SearchMemo termBefore;

  void Clear() {
    newMoonBefore.Clear();
    newMoonAfter.Clear();
    termAfter.Clear();
    termBefore.Clear();
  }
};

// The standard astronomy's searches are remembered across conversions, one
// set per thread, so that a month of days or the steps of a lookup share
// them.
ChineseSearchMemos& StandardMemos() {
  thread_local ChineseSearchMemos memos;
  return memos;
}

// The day searches of one conversion over one astronomy.
class ChineseSearches {
 public:
  // Over the standard astronomy the thread's remembered searches are used;
  // any other astronomy (an idealised one in tests) gets its own for this
  // conversion only.
  explicit ChineseSearches(const ChineseAstronomy& astronomy)
      : astronomy_(astronomy),
        memos_(&astronomy == &kStandardAstronomy ? StandardMemos() : ownMemos_.emplace()) {}

  double NewMoonOnOrBefore(double d) {
    return memos_.newMoonBefore.Get(d, [this](double x) { return InChina(astronomy_.newMoonAtOrBefore, x); });
  }
  double NewMoonOnOrAfter(double d) {
    return memos_.newMoonAfter.Get(d, [this](double x) { return InChina(astronomy_.newMoonAtOrAfter, x); });
  }
  double MajorTermOnOrAfter(double d) {
    return memos_.termAfter.Get(d, [this](double x) { return InChina(astronomy_.majorTermAtOrAfter, x); });
  }
  double MajorTermBefore(double d) {
    return memos_.termBefore.Get(d, [this](double x) { return InChina(astronomy_.majorTermBefore, x); });
  }

  bool NoMajorTerm(double monthStart) {
    return MajorTermBefore(monthStart) == MajorTermBefore(NewMoonOnOrAfter(monthStart + 2));
  }

  // Walks back month by month from `monthStart` to `yearStart`. The answer
  // is true as soon as one month on the way has no major term, so the walk
  // stops there; a month that does not lie after `yearStart` answers for
  // itself.
  bool PriorLeapMonth(MonthWalk walk) {
    const double yearStart = walk.yearStart;
    double m = walk.monthStart;
    for (int step = 0; step < kMaxMonthSteps; ++step) {
      if (NoMajorTerm(m)) {
        return true;
      }
      if (!(m > yearStart)) {
        return false;
      }
      m = NewMoonOnOrBefore(m - 1);
    }
    return false;
  }

 private:
  // The Chinese day of an instant found from a Chinese-time day.
  static double InChina(double (*search)(double), double d) {
    return DayOf(ChinaTimeFromUniversal(search(UniversalFromChinaTime(d))));
  }

  const ChineseAstronomy& astronomy_;
  std::optional<ChineseSearchMemos> ownMemos_;  // only for an astronomy other than the standard one
  ChineseSearchMemos& memos_;
};

}  // namespace

const ChineseAstronomy& StandardChineseAstronomy() { return kStandardAstronomy; }

void ForgetChineseSearches() { StandardMemos().Clear(); }

double ChinaTimeFromUniversal(double t) { return t + ChinaTimeOffset(t); }

double UniversalFromChinaTime(double t) { return t - ChinaTimeOffset(t); }

double ChineseNewMoonOnOrBefore(double d) { return ChineseSearches(kStandardAstronomy).NewMoonOnOrBefore(d); }

double ChineseNewMoonOnOrAfter(double d) { return ChineseSearches(kStandardAstronomy).NewMoonOnOrAfter(d); }

double ChineseMajorTermOnOrAfter(double d) {
  return ChineseSearches(kStandardAstronomy).MajorTermOnOrAfter(d);
}

double ChineseMajorTermBefore(double d) { return ChineseSearches(kStandardAstronomy).MajorTermBefore(d); }

bool ChineseNoMajorTerm(double monthStart) {
  return ChineseSearches(kStandardAstronomy).NoMajorTerm(monthStart);
}

bool ChinesePriorLeapMonth(MonthWalk walk) {
  return ChineseSearches(kStandardAstronomy).PriorLeapMonth(walk);
}

ChineseDateRecord ChineseDate(double dateValue) { return ChineseDate(dateValue, kStandardAstronomy); }

ChineseDateRecord ChineseDate(double dateValue, const ChineseAstronomy& astronomy) {
  ChineseSearches searches(astronomy);
  const int y = CivilYearOf(dateValue);
  const double f = DayOf(dateValue);

  // The winter-solstice day of civil year k: the first major term on or
  // after 1 December. That date lies between the 240 and the 270 degree
  // terms in every year of both calendars; a later one (such as 15 December)
  // is already past the solstice in the Julian calendar of the late Middle
  // Ages.
  const auto solstice = [&searches](int k) {
    return searches.MajorTermOnOrAfter(CivilDateValue({k, 12, 1}));
  };

  // The solstice-to-solstice span holding f: `first` starts the month after
  // the solstice month (month 12, counted as 0 below), `last` the month that
  // holds the next solstice (month 11). Only the two solstices the span
  // needs are searched.
  double first = 0;
  double last = 0;
  const double solsticeThisYear = solstice(y);
  double solsticeBefore = 0;
  bool inSpanBefore = false;
  if (f < solsticeThisYear) {
    solsticeBefore = solstice(y - 1);
    inSpanBefore = solsticeBefore <= f;
  }
  if (inSpanBefore) {
    first = searches.NewMoonOnOrAfter(solsticeBefore + 1);
    last = searches.NewMoonOnOrBefore(solsticeThisYear + 1);
  } else {
    first = searches.NewMoonOnOrAfter(solsticeThisYear + 1);
    last = searches.NewMoonOnOrBefore(solstice(y + 1) + 1);
  }
  const double start = searches.NewMoonOnOrBefore(f + 1);

  ChineseDateRecord r;
  r.isLeapYear = ToInt(RoundHalfEven((last - first) / kSynodicMonth)) == 12;
  int month = ToInt(RoundHalfEven((start - first) / kSynodicMonth));
  r.isLeapMonth =
      r.isLeapYear && searches.NoMajorTerm(start) &&
      !searches.PriorLeapMonth({.yearStart = first, .monthStart = searches.NewMoonOnOrBefore(start)});
  // Months after the leap month are numbered one lower than their count.
  if (r.isLeapYear && (r.isLeapMonth || searches.PriorLeapMonth({.yearStart = first, .monthStart = start}))) {
    month -= 1;
  }
  r.month = PositiveRemainder(month, 12);
  r.day = ToInt(RoundHalfEven(static_cast<long double>(f) - start + 1));

  // Months 11 and 12 at the start of a civil year still belong to the
  // Chinese year that began in the civil year before.
  r.elapsedYears = y + kElapsedYearOffset + 1;
  if (r.month >= 11 && f <= CivilDateValue({y, 7, 1})) {
    r.elapsedYears = y + kElapsedYearOffset;
  }
  const int sinceEpoch = r.elapsedYears - 1;
  r.cycle = (sinceEpoch >= 0 ? sinceEpoch / 60 : -((59 - sinceEpoch) / 60)) + 1;
  r.yearInCycle = PositiveRemainder(r.elapsedYears, 60);
  return r;
}

namespace {

// A month's place in the sequence of months: two steps per numbered month,
// the leap month in between its number and the next.
long long MonthPosition(long long elapsedYears, int month, bool leapMonth) {
  return 2 * (12 * elapsedYears + month - 1) + (leapMonth ? 1 : 0);
}

}  // namespace

std::optional<FixedDay> FixedFromChinese(int elapsedYears, int month, bool leapMonth, int day) {
  const int civilYear = elapsedYears - kElapsedYearOffset - 1;
  if (civilYear < 1 || civilYear > 9999 || month < 1 || month > 12 || day < 1 || day > kLongestChineseMonth) {
    return std::nullopt;
  }
  const long long target = MonthPosition(elapsedYears, month, leapMonth);
  FixedDay guess = FixedFromGregorian({civilYear, 1, 1}) + kMidFirstMonthFromJanuary +
                   static_cast<std::int64_t>(std::lround(static_cast<double>(kSynodicMonth) * (month - 1))) +
                   (leapMonth ? kLongestChineseMonth : 0);
  long long lastDifference = 0;
  for (int step = 0; step < kMaxMonthSearchSteps; ++step) {
    const ChineseDateRecord found = ChineseDate(DateValueOf(guess));
    const long long difference = target - MonthPosition(found.elapsedYears, found.month, found.isLeapMonth);
    if (difference == 0) {
      const FixedDay monthStart = guess - (found.day - 1);
      if (day > kShortestChineseMonth) {
        const double next = ChineseNewMoonOnOrAfter(DateValueOf(monthStart) + 1);
        if (FixedFromDateValue(next) - monthStart < day) {
          return std::nullopt;
        }
      }
      return monthStart + (day - 1);
    }
    // The leap month sought lies between two neighbouring months: the year
    // has none after this month.
    if ((difference == 1 && lastDifference == -1) || (difference == -1 && lastDifference == 1)) {
      return std::nullopt;
    }
    lastDifference = difference;
    // Half a step is a leap month away: still a whole month to move. The
    // next guess is taken from the middle of the month found, so that the
    // months' unequal lengths cannot carry it onto a month's edge.
    const long long months = difference > 0 ? (difference + 1) / 2 : (difference - 1) / 2;
    guess = guess - (found.day - 1) + kMidMonth +
            static_cast<std::int64_t>(std::lround(static_cast<double>(kSynodicMonth) * months));
  }
  return std::nullopt;
}

}  // namespace tempulo
