// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/babylonian.h"

#include <array>
#include <cstdint>

namespace tempulo {
namespace {

// Index 13 is the month added after Addaru, 14 the one added after Ululu.
constexpr std::array<std::string_view, 14> kMonths = {
    "Nissanu",    "Aiyaru",  "Simmanu", "Du'uzu", "Abu",    "Ululu",    "Tashritu",
    "Arakhsamna", "Kislimu", "Dabitu",  "Sabadu", "Addaru", "Addaru 2", "Ululu 2"};

struct NewYearDate {
  int month;
  int day;
};

// First day of Nissanu by the year's place in the 19-year cycle.
constexpr std::array<NewYearDate, 19> kNewYear = {{{4, 26},
                                                   {4, 15},
                                                   {4, 4},
                                                   {4, 23},
                                                   {4, 12},
                                                   {4, 1},
                                                   {4, 20},
                                                   {4, 9},
                                                   {4, 28},
                                                   {4, 17},
                                                   {4, 6},
                                                   {4, 25},
                                                   {4, 14},
                                                   {4, 3},
                                                   {4, 22},
                                                   {4, 11},
                                                   {3, 31},
                                                   {4, 18},
                                                   {4, 7}}};

// Golden numbers (bit g) of the years with a second Addaru; golden number 17
// is the year with a second Ululu.
constexpr std::uint32_t kSecondAddaruYears =
    (1U << 3) | (1U << 6) | (1U << 8) | (1U << 11) | (1U << 14) | (1U << 19);
constexpr int kSecondUluluGolden = 17;

// A run of day counts [first, last] in one month: day = count - base.
struct CountRange {
  int first;
  int last;
  int month;
  int base;
};

constexpr std::array<CountRange, 12> kCommonYear = {{{0, 29, 1, -1},
                                                     {30, 58, 2, 29},
                                                     {59, 88, 3, 58},
                                                     {89, 117, 4, 88},
                                                     {118, 147, 5, 117},
                                                     {148, 176, 6, 147},
                                                     {177, 206, 7, 176},
                                                     {207, 235, 8, 206},
                                                     {236, 265, 9, 235},
                                                     {266, 294, 10, 265},
                                                     {295, 324, 11, 294},
                                                     {325, 354, 12, 324}}};

constexpr std::array<CountRange, 13> kSecondAddaruYear = {{{0, 29, 1, -1},
                                                           {30, 58, 2, 29},
                                                           {59, 88, 3, 58},
                                                           {89, 117, 4, 88},
                                                           {118, 147, 5, 117},
                                                           {148, 176, 6, 147},
                                                           {177, 206, 7, 176},
                                                           {207, 235, 8, 206},
                                                           {236, 265, 9, 235},
                                                           {266, 294, 10, 265},
                                                           {295, 324, 11, 294},
                                                           {325, 353, 12, 324},
                                                           {354, 384, 13, 353}}};

constexpr std::array<CountRange, 13> kSecondUluluYear = {{{0, 29, 1, -1},
                                                          {30, 58, 2, 29},
                                                          {59, 88, 3, 58},
                                                          {89, 117, 4, 88},
                                                          {118, 147, 5, 117},
                                                          {148, 176, 6, 147},
                                                          {177, 205, 14, 176},
                                                          {206, 235, 7, 205},
                                                          {236, 264, 8, 235},
                                                          {265, 294, 9, 264},
                                                          {295, 323, 10, 294},
                                                          {324, 353, 11, 323},
                                                          {354, 383, 12, 353}}};

int CyclePosition(std::int64_t value) { return static_cast<int>(FloorMod<std::int64_t>(value, 19)); }

template <std::size_t N>
const CountRange* FindRange(const std::array<CountRange, N>& table, std::int64_t count) {
  for (const CountRange& range : table) {
    if (count >= range.first && count <= range.last) {
      return &range;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<BabylonianDate> BabylonianFromCivil(CivilDate date) {
  const std::int64_t y = date.year;
  const int c = CyclePosition(y + 17010);
  int golden = c + 1;
  std::int64_t shownYear = y + 747;
  // Day numbers of the proleptic Gregorian calendar taken for the figures of
  // the date: before the reform the civil date is a Julian-calendar one, and a
  // Julian 29 February (1500, say) is no Gregorian date; it counts as the day
  // after 28 February.
  const NewYearDate newYear = kNewYear[static_cast<std::size_t>(c)];
  const std::int64_t f =
      FixedFromGregorian(date) - FixedFromGregorian({date.year, newYear.month, newYear.day});
  if (f < 0) {
    // The day belongs to the year that began in the previous spring.
    golden = CyclePosition(y + 17009) + 1;
    shownYear = y + 746;
  }
  // One more for every date of a Gregorian leap year, before and after the
  // new year alike.
  const std::int64_t leapDay = IsGregorianLeapYear(date.year) ? 1 : 0;

  // The day count F from the year's first day, looked up in the months of
  // the year's kind.
  const CountRange* range = nullptr;
  std::int64_t count = 0;
  if (golden == kSecondUluluGolden) {
    count = (f < 0 ? f + 383 : f) + leapDay;
    range = FindRange(kSecondUluluYear, count);
  } else if (((kSecondAddaruYears >> golden) & 1U) != 0) {
    count = (f < 0 ? f + 384 : f) + leapDay;
    range = FindRange(kSecondAddaruYear, count);
  } else {
    count = (f < 0 ? f + 354 : f) + leapDay;
    range = FindRange(kCommonYear, count);
  }
  if (range == nullptr || count - range->base < 1) {
    return std::nullopt;
  }
  return BabylonianDate{static_cast<int>(shownYear), range->month, static_cast<int>(count - range->base)};
}

std::string_view BabylonianMonthName(int month) {
  return month >= 1 && month <= 14 ? kMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

}  // namespace tempulo
