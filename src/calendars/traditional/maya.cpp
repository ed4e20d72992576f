#include "calendars/traditional/maya.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "astro/angles.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 20> kDaySigns = {
    "Imix",  "Ik", "Akbal", "Kan", "Chicchan", "Cimi", "Manik", "Lamat", "Muluc", "Oc",
    "Chuen", "Eb", "Ben",   "Ix",  "Men",      "Cib",  "Caban", "Eznab", "Cauac", "Ahau"};

constexpr std::array<std::string_view, 19> kMonths = {
    "Pop", "Uo",  "Zip", "Zotz",   "Tzec", "Xul", "Yaxkin", "Mol",   "Chen", "Yax",
    "Zac", "Ceh", "Mac", "Kankin", "Muan", "Pax", "Kayab",  "Cumku", "Uayeb"};

// Remainder in 0..n-1 also for a negative dividend, so the tables are never
// left; for the positive day numbers of the report it is the plain remainder.
std::int64_t FloorRemainder(std::int64_t a, std::int64_t n) {
  const std::int64_t r = a % n;
  return r < 0 ? r + n : r;
}

}  // namespace

std::string MayaRoundDate(long double jd) {
  // The day number of the noon before the day's 0 h.
  const auto a = static_cast<std::int64_t>(std::trunc(jd));
  const std::int64_t number = FloorRemainder(a + 136, 13) + 1;
  const std::int64_t sign = FloorRemainder(a + 137, 20);
  const std::int64_t h = FloorRemainder(a + 66, 365);
  const std::int64_t dayOfMonth = h % 20;
  const std::int64_t month = h / 20;
  return std::to_string(number) + " " + std::string(kDaySigns[static_cast<std::size_t>(sign)]) + "; " +
         std::to_string(dayOfMonth) + " " + std::string(kMonths[static_cast<std::size_t>(month)]);
}

std::string MayaLongCount(long double jd) {
  // The day number of the day's noon, counted from the correlation day.
  const auto a = static_cast<std::int64_t>(RoundHalfEven(jd + 0.1L)) - 584283;
  const std::int64_t pictun = a / 2880000;
  const std::int64_t baktun = (a % 2880000) / 144000;
  const std::int64_t katun = (a % 144000) / 7200;
  const std::int64_t tun = (a % 7200) / 360;
  const std::int64_t uinal = (a % 360) / 20;
  const std::int64_t kin = a % 20;
  return std::to_string(pictun) + " Pictun " + std::to_string(baktun) + " Baktun " + std::to_string(katun) +
         " Katun " + std::to_string(tun) + " Tun " + std::to_string(uinal) + " Uinal " + std::to_string(kin) +
         " Kin";
}

}  // namespace tempulo
