#include "calendars/traditional/bahai.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "astro/angles.h"
#include "calendars/traditional/calendar_helpers.h"
#include "calendars/traditional/civil_dates.h"

namespace tempulo {
namespace {

// Indexed 1..20: month 19 stands for the intercalary days, 20 for the last
// month.
constexpr std::array<std::string_view, 20> kMonths = {
    "Bahâ",    "Jalâl",  "Jamâl",  "'Azamat",   "Nûr",        "Rahmat", "Kalimât",
    "Kamâl",   "Asmâ",   "'Izzat", "Mashîyyat", "'Ilm",       "Qudrat", "Qawl",
    "Masâi'l", "Sharaf", "Sultân", "Mulk",      "Ayyâm-i-Hâ", "'Alâ"};

// Indexed 1..19.
constexpr std::array<std::string_view, 19> kYearNames = {
    "Alif",   "Bâ",    "Ab",   "Dâl",    "Bâb",   "Vâv",  "Abad", "Jâd",  "Bahâ", "Hubb",
    "Bahhâj", "Javâb", "Ahad", "Vahhâb", "Vidâd", "Badî", "Bahî", "Abhâ", "Vâhid"};

constexpr int kDaysPerMonth = 19;

}  // namespace

std::string BahaiDate(bool withCycle, double jd) {
  // The calendar hangs on the Gregorian 21 March, also before 1582.
  const CivilDate g = JulianDayToGregorianCalendar(jd);
  double start = CalendarDateToJulianDay(g.year, 3, 21);
  std::int64_t year = static_cast<std::int64_t>(g.year) - 1843;
  if (start > jd) {
    start = CalendarDateToJulianDay(g.year - 1, 3, 21);
    year = static_cast<std::int64_t>(g.year) - 1844;
  }
  if (year <= 0) {
    return {};
  }
  const auto n = static_cast<std::int64_t>(RoundHalfEven(static_cast<long double>(jd) - start));
  std::int64_t month = n / kDaysPerMonth + 1;
  std::int64_t day = n % kDaysPerMonth + 1;
  // The intercalary days fill the gap from 26 February to 1 March: five when
  // that February has 29 days.
  const std::int64_t extra = IsGregorianLeapYear(g.year) ? 5 : 4;
  if (month == 20) {
    day = day - extra + kDaysPerMonth;
  } else if (month == 19 && day > extra) {
    month = 20;
    day -= extra;
  }
  if (month < 1 || month > 20) {
    return {};
  }
  std::string text = std::to_string(day) + "." + std::string(kMonths[static_cast<std::size_t>(month - 1)]) +
                     " (" + std::to_string(month) + ") " + std::to_string(year);
  if (withCycle) {
    // The number of the 19-year cycle named with the year names, and the
    // count of 361-year periods.
    const std::int64_t v = (year / 19) % 19 + 1;
    const std::int64_t period = year / 361 + 1;
    text += "; Vahid: " + std::string(kYearNames[static_cast<std::size_t>(v - 1)]) +
            " / Kull-i-Shay: " + std::to_string(period);
  }
  return text;
}

}  // namespace tempulo
