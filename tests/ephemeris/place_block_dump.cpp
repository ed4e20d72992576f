// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the report's sun and moon block for one place on every N-th day of a
// range, for the comparison with PyEphem (check_places_against_pyephem.py):
//
//   tempulo_place_block_dump LATITUDE LONGITUDE ZONE FIRST-YEAR LAST-YEAR EVERY
//
// Each day: "Tag<TAB>YYYY-MM-DD", the block's lines, an empty line. The
// coordinates are decimal degrees, north and east positive.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "report/report.h"
#include "report/report_builder.h"
#include "report/report_place.h"
#include "time/civil.h"
#include "time/date_encoding.h"
#include "time/julian_day.h"

int main(int argc, char** argv) {
  using namespace tempulo;
  if (argc != 7) {
    std::cerr << "Aufruf: tempulo_place_block_dump BREITE LÄNGE ZONE ERSTES-JAHR LETZTES-JAHR JEDER-N-TE\n";
    return 2;
  }
  const Place place{"", std::atof(argv[1]), std::atof(argv[2]), argv[3]};
  const int firstYear = std::atoi(argv[4]);
  const int lastYear = std::atoi(argv[5]);
  const int every = std::atoi(argv[6]);
  std::string why;
  const auto reportPlace = ReportPlace::For(place, why);
  if (!reportPlace || firstYear < 1900 || lastYear > 3000 || firstYear > lastYear || every < 1) {
    std::cerr << (why.empty() ? "Ungültige Angaben." : why) << '\n';
    return 2;
  }
  const FixedDay first = FixedFromGregorian({firstYear, 1, 1});
  const FixedDay end = FixedFromGregorian({lastYear + 1, 1, 1});
  for (FixedDay day = first; day < end; day = FixedDay{day.value + every}) {
    const CivilDate date = GregorianFromFixed(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    Report report;
    AddSunAndMoonBlock(DateValueOf(day), *reportPlace, report);
    std::cout << "Tag\t" << text << '\n';
    for (const std::string& line : report.Lines()) {
      std::cout << line << '\n';
    }
    std::cout << '\n';
  }
  return 0;
}
