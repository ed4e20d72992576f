#include "calendars/traditional/egyptian.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tempulo {
namespace {

// Twelve months of 30 days and the five additional days (index 12).
constexpr std::array<std::string_view, 13> kMonths = {"Thot",   "Phaophi",   "Athyr",    "Choiak", "Tybi",
                                                      "Mechir", "Phamenoth", "Pharmuti", "Pachon", "Payni",
                                                      "Epiphi", "Mesori",    "Zusatztag"};

constexpr long double kDayOffset = 47.0L;
constexpr long double kYearEpoch = 172598.0L;   // a Julian Day
constexpr std::int64_t kSothicPeriod = 533265;  // 1461 years of 365 days

}  // namespace

std::string EgyptianDate(long double jd) {
  // 172598 + 47 is a multiple of 365, so the day count and the year count
  // turn over on the same day. The remainder stays in 0..364 also for a
  // negative count, so the month table is never left.
  const auto a = static_cast<std::int64_t>(std::trunc(jd + kDayOffset));
  std::int64_t r = a % 365;
  if (r < 0) {
    r += 365;
  }
  const std::int64_t month = r / 30;
  const std::int64_t day = r % 30 + 1;

  const auto b = static_cast<std::int64_t>(std::trunc(jd - kYearEpoch));
  const std::int64_t period = b / kSothicPeriod + 1;
  std::int64_t year = b / 365 + 1;
  if (year < 1) {
    year -= 1;  // no year 0
  }
  return std::to_string(day) + "." + std::string(kMonths[static_cast<std::size_t>(month)]) + " " +
         std::to_string(year) + "; Sothis-Periode " + std::to_string(period);
}

}  // namespace tempulo
