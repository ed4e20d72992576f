#include "calendars/traditional/aztec.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tempulo {
namespace {

// Eighteen periods of 20 days and the five closing days (index 19).
constexpr std::array<std::string_view, 19> kPeriods = {
    "Izcalli",      "Cuauhuitlehua",   "Tlacaxipehualiztli", "Tozoztontli",     "Hueitozoztli", "Toxcatl",
    "Etzcualiztli", "Tecuilhuitontli", "Hueitecuilhuitl",    "Tlaxochimaco",    "Xocolhuetzi",  "Ochpaniztli",
    "Teotleco",     "Tepeilhuitl",     "Quecholli",          "Panquetzaliztli", "Atemoztli",    "Tititl",
    "Nenmontemi"};

}  // namespace

std::string AztecDate(long double jd) {
  // A 365-day year without leap days. The remainder is taken in 0..364 also
  // for a negative day number, so the period table is never left.
  std::int64_t b = (static_cast<std::int64_t>(std::trunc(jd)) + 5718) % 365;
  if (b < 0) {
    b += 365;
  }
  const std::int64_t period = b / 20 + 1;
  const std::int64_t day = b % 20 + 1;
  return std::to_string(day) + "." + std::string(kPeriods[static_cast<std::size_t>(period - 1)]) + " (" +
         std::to_string(period) + ")";
}

}  // namespace tempulo
