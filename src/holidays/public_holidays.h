// SPDX-License-Identifier: GPL-3.0-or-later
// Which rows of the holiday table are statutory public holidays, where and in
// which years. The rows are named as the table names them; a row that is not
// named here is an observance everywhere.
//
// Regions are the sixteen German Länder, Austria and Switzerland (the
// holidays the whole country shares; cantonal ones are not modelled). The
// laws are those in force since 1990: for the German Länder from 3 October
// 1990, the day of unification, for Austria and Switzerland from 1 January
// 1990. Earlier days are no statutory holiday anywhere here.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

namespace tempulo {

enum class Region : std::uint8_t {
  kAll,  // no region chosen: marks what every German Land shares
  kBW,
  kBY,
  kBE,
  kBB,
  kHB,
  kHH,
  kHE,
  kMV,
  kNI,
  kNW,
  kRP,
  kSL,
  kSN,
  kST,
  kSH,
  kTH,
  kAT,
  kCH,
};

// A set of regions as bits, one per Region value.
class RegionSet {
 public:
  constexpr RegionSet() = default;
  static constexpr RegionSet Of(std::initializer_list<Region> regions) {
    RegionSet set;
    for (const Region region : regions) {
      set.bits_ |= Bit(region);
    }
    return set;
  }
  constexpr bool Contains(Region region) const { return (bits_ & Bit(region)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr RegionSet& operator|=(RegionSet other) {
    bits_ |= other.bits_;
    return *this;
  }
  friend constexpr bool operator==(RegionSet, RegionSet) = default;

 private:
  static constexpr std::uint32_t Bit(Region region) { return 1U << static_cast<unsigned>(region); }
  std::uint32_t bits_ = 0;
};

struct RegionInfo {
  Region region;
  std::string_view code;  // "alle", "BW" ... "TH", "AT", "CH": stable, kept in the settings
  std::string_view name;  // German, as the window offers it
};

// Every region in the order the window offers them, "alle" first.
std::span<const RegionInfo> Regions();
const RegionInfo& RegionInfoOf(Region region);
// The region of a settings code; empty for an unknown code.
std::optional<Region> RegionFromCode(std::string_view code);

// The regions where the row named `rowName`, falling on this day, is a
// statutory public holiday. Contains Region::kAll exactly when every German
// Land has it.
RegionSet PublicHolidayRegions(std::string_view rowName, int year, int month, int day);

inline bool IsPublicHoliday(std::string_view rowName, int year, int month, int day, Region region) {
  return PublicHolidayRegions(rowName, year, month, day).Contains(region);
}

}  // namespace tempulo
