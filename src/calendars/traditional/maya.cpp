// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/maya.h"

#include <array>
#include <cstdint>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 20> kDaySigns = {
    "Imix",  "Ik", "Akbal", "Kan", "Chicchan", "Cimi", "Manik", "Lamat", "Muluc", "Oc",
    "Chuen", "Eb", "Ben",   "Ix",  "Men",      "Cib",  "Caban", "Eznab", "Cauac", "Ahau"};

constexpr std::array<std::string_view, 19> kMonths = {
    "Pop", "Uo",  "Zip", "Zotz",   "Tzec", "Xul", "Yaxkin", "Mol",   "Chen", "Yax",
    "Zac", "Ceh", "Mac", "Kankin", "Muan", "Pax", "Kayab",  "Cumku", "Uayeb"};

constexpr std::int64_t kKinsPerUinal = 20;
constexpr std::int64_t kKinsPerTun = 360;
constexpr std::int64_t kKinsPerKatun = 7200;
constexpr std::int64_t kKinsPerBaktun = 144000;
constexpr std::int64_t kKinsPerPictun = 2880000;

// The epoch is 8 Cumku (day 348 of the haab) and 4 Ahau (day 160 of the
// tzolkin counted from 1 Imix).
constexpr std::int64_t kHaabDayOfEpoch = 17 * 20 + 8;
constexpr std::int64_t kTzolkinNumberOfEpoch = 4;
constexpr std::int64_t kTzolkinNameOfEpoch = 20;

}  // namespace

MayaLongCount MayaLongCountFromFixed(FixedDay day) {
  const std::int64_t kins = day - kMayaEpoch;
  const std::int64_t pictun = FloorDiv(kins, kKinsPerPictun);
  const std::int64_t inPictun = FloorMod(kins, kKinsPerPictun);
  return {static_cast<int>(pictun),
          static_cast<int>(inPictun / kKinsPerBaktun),
          static_cast<int>(inPictun % kKinsPerBaktun / kKinsPerKatun),
          static_cast<int>(inPictun % kKinsPerKatun / kKinsPerTun),
          static_cast<int>(inPictun % kKinsPerTun / kKinsPerUinal),
          static_cast<int>(inPictun % kKinsPerUinal)};
}

FixedDay FixedFromMayaLongCount(const MayaLongCount& count) {
  return kMayaEpoch + count.pictun * kKinsPerPictun + count.baktun * kKinsPerBaktun +
         count.katun * kKinsPerKatun + count.tun * kKinsPerTun + count.uinal * kKinsPerUinal + count.kin;
}

MayaHaab MayaHaabFromFixed(FixedDay day) {
  const auto ordinal = FloorMod<std::int64_t>(day - kMayaEpoch + kHaabDayOfEpoch, 365);
  return {static_cast<int>(ordinal / 20 + 1), static_cast<int>(ordinal % 20)};
}

MayaTzolkin MayaTzolkinFromFixed(FixedDay day) {
  const std::int64_t count = day - kMayaEpoch;
  return {static_cast<int>(AdjustedMod<std::int64_t>(count + kTzolkinNumberOfEpoch, 13)),
          static_cast<int>(AdjustedMod<std::int64_t>(count + kTzolkinNameOfEpoch, 20))};
}

std::string_view MayaHaabMonthName(int month) {
  return month >= 1 && month <= 19 ? kMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

std::string_view MayaTzolkinName(int name) {
  return name >= 1 && name <= 20 ? kDaySigns[static_cast<std::size_t>(name - 1)] : std::string_view{};
}

}  // namespace tempulo
