#include "calendars/traditional/roman.h"

#include <array>
#include <limits>
#include <string_view>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 10> kUnits = {"",  "I",  "II",  "III",  "IV",
                                                     "V", "VI", "VII", "VIII", "IX"};
constexpr std::array<std::string_view, 10> kTens = {"",  "X",  "XX",  "XXX",  "XL",
                                                    "L", "LX", "LXX", "LXXX", "XC"};
constexpr std::array<std::string_view, 10> kHundreds = {"",  "C",  "CC",  "CCC",  "CD",
                                                        "D", "DC", "DCC", "DCCC", "CM"};

// Genitive month names; index 0 and 12 are both December, so that
// (month + 1) mod 12 names the month that follows.
constexpr std::array<std::string_view, 13> kGenitives = {
    "DECEMBRIS", "IANVARII", "FEBRVARII",  "MARTII",   "APRILIS",   "MAII",     "IVNII",
    "IVLII",     "AVGVSTI",  "SEPTEMBRIS", "OCTOBRIS", "NOVEMBRIS", "DECEMBRIS"};

// Each one more than the day it marks, for the inclusive count backwards:
// nones, ides and the kalends of the following month.
struct MonthMarks {
  int nones;
  int ides;
  int kalends;
};

MonthMarks MarksOf(int month, int day, int year) {
  switch (month) {
    case 3:
    case 5:
    case 7:
    case 10:
      return {8, 16, 33};
    case 4:
    case 6:
    case 9:
    case 11:
      return {6, 14, 32};
    case 2:
      // In a leap year the doubled sixth day before the kalends pushes the
      // count of the days after it up by one.
      return {6, 14, (year % 4 == 0 && day >= 25 && day <= 29) ? 31 : 30};
    default:
      return {6, 14, 33};
  }
}

std::string Genitive(int index) { return std::string(kGenitives[static_cast<std::size_t>(index)]); }

}  // namespace

std::string RomanNumeral(int n) {
  if (n == 0) {
    return "?";
  }
  if (n < 0 || n / 1000 > 5) {
    return "(" + std::to_string(n) + ")";
  }
  std::string text(static_cast<std::size_t>(n / 1000), 'M');
  text += kHundreds[static_cast<std::size_t>((n % 1000) / 100)];
  text += kTens[static_cast<std::size_t>((n % 100) / 10)];
  text += kUnits[static_cast<std::size_t>(n % 10)];
  return text;
}

std::string RomanDayCount(int n) {
  if (n <= 0) {
    return "?";
  }
  if (n == 1) {
    return {};
  }
  if (n == 2) {
    return "PRIDIE ";
  }
  return "ANTE DIEM " + RomanNumeral(n) + " ";
}

std::string RomanDate(int day, int month, int year) {
  std::string text;
  if (month < 1 || month > 12) {
    text = "?";
  } else if (year % 4 == 0 && month == 2 && day == 25) {
    text = "ANTE DIEM BIS VI KALENDIS MARTII";
  } else {
    const MonthMarks marks = MarksOf(month, day, year);
    // Wide arithmetic: a day far outside its month must not overflow.
    const long long toNones = static_cast<long long>(marks.nones) - day;
    const long long toIdes = static_cast<long long>(marks.ides) - day;
    const long long toKalends = static_cast<long long>(marks.kalends) - day;
    if (day == 1) {
      text = "KALENDAE " + Genitive(month);
    } else if (toNones == 1) {
      text = "NONAE " + Genitive(month);
    } else if (toIdes == 1) {
      text = "IDVS " + Genitive(month);
    } else if (toNones >= 2) {
      text = RomanDayCount(static_cast<int>(toNones)) + "NONIS " + Genitive(month);
    } else if (toIdes >= 2) {
      text = RomanDayCount(static_cast<int>(toIdes)) + "IDIBVS " + Genitive(month);
    } else if (toKalends < 2) {
      text = "?";
    } else {
      text = RomanDayCount(static_cast<int>(toKalends)) + "KALENDIS " + Genitive((month + 1) % 12);
    }
  }
  const long long sinceFounding = static_cast<long long>(year) + 753;
  const std::string yearText = sinceFounding <= std::numeric_limits<int>::max()
                                   ? RomanNumeral(static_cast<int>(sinceFounding))
                                   : "(" + std::to_string(sinceFounding) + ")";
  return text + " " + yearText + " A. V. C.";
}

}  // namespace tempulo
