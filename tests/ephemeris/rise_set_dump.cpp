// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every rise, set, transit and twilight of the sun and the moon for one
// observer on every N-th universal-time day of a range, for the comparison with
// PyEphem (check_rise_set_everywhere.py):
//
//   tempulo_rise_set_dump LATITUDE LONGITUDE FIRST-DATE LAST-DATE EVERY
//
// LATITUDE and LONGITUDE in decimal degrees, north and east positive; the
// dates as YYYY-MM-DD. Each day: "Tag<TAB>YYYY-MM-DD", then one line per body
// and kind, "sun<TAB>rise<TAB>" followed by the day's events as date values
// (days since 30 December 1899, universal time), tab-separated.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "astro/rise_set.h"
#include "time/civil.h"
#include "time/date_encoding.h"
#include "time/julian_day.h"

namespace {

bool ParseDate(const char* text, tempulo::CivilDate& date) {
  return std::sscanf(text, "%d-%d-%d", &date.year, &date.month, &date.day) == 3 && date.year >= 1900 &&
         date.year <= 3000 && date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31;
}

struct KindName {
  tempulo::RiseSetKind kind;
  const char* name;
};

constexpr std::array<KindName, tempulo::kRiseSetKindCount> kKinds = {{
    {tempulo::RiseSetKind::kRise, "rise"},
    {tempulo::RiseSetKind::kSet, "set"},
    {tempulo::RiseSetKind::kTransit, "transit"},
    {tempulo::RiseSetKind::kCivilDawn, "civil_dawn"},
    {tempulo::RiseSetKind::kNauticalDawn, "nautical_dawn"},
    {tempulo::RiseSetKind::kAstronomicalDawn, "astronomical_dawn"},
    {tempulo::RiseSetKind::kCivilDusk, "civil_dusk"},
    {tempulo::RiseSetKind::kNauticalDusk, "nautical_dusk"},
    {tempulo::RiseSetKind::kAstronomicalDusk, "astronomical_dusk"},
}};

}  // namespace

int main(int argc, char** argv) {
  using namespace tempulo;
  CivilDate firstDate;
  CivilDate lastDate;
  if (argc != 6 || !ParseDate(argv[3], firstDate) || !ParseDate(argv[4], lastDate)) {
    std::cerr << "Aufruf: tempulo_rise_set_dump BREITE LÄNGE ERSTER-TAG LETZTER-TAG JEDER-N-TE\n";
    return 2;
  }
  const long double latitude = std::strtold(argv[1], nullptr);
  const long double westLongitude = -std::strtold(argv[2], nullptr);
  const int every = std::atoi(argv[5]);
  if (!(latitude >= -90.0L && latitude <= 90.0L) || every < 1) {
    std::cerr << "Ungültige Angaben.\n";
    return 2;
  }
  const FixedDay first = FixedFromGregorian(firstDate);
  const FixedDay last = FixedFromGregorian(lastDate);
  for (FixedDay day = first; day.value <= last.value; day = FixedDay{day.value + every}) {
    const CivilDate date = GregorianFromFixed(day);
    std::printf("Tag\t%04d-%02d-%02d\n", date.year, date.month, date.day);
    const double start = DateValueOf(day);
    const DaySpan span{start, start + 1.0};
    for (const Luminary body : {Luminary::kSun, Luminary::kMoon}) {
      const DayEvents events(body, span, latitude, westLongitude);
      for (const KindName& k : kKinds) {
        if (body == Luminary::kMoon && k.kind != RiseSetKind::kRise && k.kind != RiseSetKind::kSet &&
            k.kind != RiseSetKind::kTransit) {
          continue;
        }
        std::printf("%s\t%s", body == Luminary::kSun ? "sun" : "moon", k.name);
        for (const double t : events.FindAll(k.kind)) {
          std::printf("\t%.9f", t);
        }
        std::printf("\n");
      }
    }
  }
  return 0;
}
