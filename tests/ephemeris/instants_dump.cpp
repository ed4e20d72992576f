// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the almanac's instants for the comparisons with independent peers:
//
//   tempulo_instants_dump phases FIRST-YEAR LAST-YEAR
//     "KIND<TAB>YYYY-MM-DDTHH:MM:SS.sss" in universal time, for every new
//     moon (0), first quarter (2), full moon (4), last quarter (6) and season
//     start (S0 spring, S1 summer, S2 autumn, S3 winter) of the years.
//   tempulo_instants_dump chinese FIRST-YEAR LAST-YEAR
//     "YYYY-MM-DD<TAB>MONTH<TAB>LEAP<TAB>NEW-MOON" for the first day of every
//     Chinese month that begins in the Gregorian years, with the instant of
//     its new moon in the calendar's time of China.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "astro/moon_phases.h"
#include "astro/sun.h"
#include "calendars/traditional/chinese.h"
#include "time/date_encoding.h"

namespace {

using namespace tempulo;

void PrintInstant(const char* kind, double t) {
  const double day = std::floor(t);
  const CivilDate date = DecodeDate(day);
  const double seconds = (t - day) * 86400.0;
  const int whole = static_cast<int>(seconds);
  if (*kind != 0) {
    std::printf("%s\t", kind);
  }
  std::printf("%04d-%02d-%02dT%02d:%02d:%06.3f\n", date.year, date.month, date.day, whole / 3600,
              whole / 60 % 60, seconds - whole / 60 * 60);
}

void Phases(int first, int last) {
  const double end = EncodeDate(last + 1, 1, 1);
  for (const int kind : {0, 2, 4, 6}) {
    const std::string name = std::to_string(kind);
    double t = NextMoonPhase(kind, EncodeDate(first, 1, 1));
    for (int guard = 0; t < end && guard < 2000 * 13; ++guard) {
      PrintInstant(name.c_str(), t);
      t = NextMoonPhase(kind, t + 1.0);
    }
  }
  for (int year = first; year <= last; ++year) {
    const char* names[] = {"S0", "S1", "S2", "S3"};
    const int seasons[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i) {
      PrintInstant(names[i], SeasonStart(year, seasons[i]));
    }
  }
}

void Chinese(int first, int last) {
  const double end = EncodeDate(last + 1, 1, 1);
  for (double d = EncodeDate(first, 1, 1); d < end; d += 1.0) {
    const ChineseDateRecord c = ChineseDate(d);
    if (c.day == 1) {
      const CivilDate date = DecodeDate(d);
      std::printf("%04d-%02d-%02d\t%d\t%d\t", date.year, date.month, date.day, c.month, c.isLeapMonth ? 1 : 0);
      PrintInstant("", ChinaTimeFromUniversal(NextMoonPhase(0, UniversalFromChinaTime(d) - 1.0)));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 4 ? argv[1] : "";
  const int first = argc == 4 ? std::atoi(argv[2]) : 0;
  const int last = argc == 4 ? std::atoi(argv[3]) : 0;
  if ((mode != "phases" && mode != "chinese") || first < 1583 || last > 3000 || first > last) {
    std::cerr << "Aufruf: tempulo_instants_dump phases|chinese ERSTES-JAHR LETZTES-JAHR (1583-3000)\n";
    return 2;
  }
  if (mode == "phases") {
    Phases(first, last);
  } else {
    Chinese(first, last);
  }
  return 0;
}
