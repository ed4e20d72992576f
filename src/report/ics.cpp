// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ics.h"

#include <cstdint>
#include <cstdio>
#include <set>

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr std::size_t kMaxOctets = 75;

std::string BasicDate(CivilDate date) {
  char buffer[32];
  const int written = std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
  return {buffer, written > 0 ? static_cast<std::size_t>(written) : 0U};
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

}  // namespace

std::string FoldIcsLine(std::string_view line) {
  std::string folded;
  std::size_t limit = kMaxOctets;  // the first line; continuations lose one octet to the space
  while (line.size() > limit) {
    std::size_t cut = limit;
    while (cut > 1 && IsContinuationByte(line[cut])) {
      --cut;
    }
    folded.append(line.substr(0, cut)).append("\r\n ");
    line.remove_prefix(cut);
    limit = kMaxOctets - 1;
  }
  folded.append(line).append("\r\n");
  return folded;
}

std::string IcsText(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '\\':
      case ';':
      case ',':
        escaped += '\\';
        escaped += c;
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string IcsUid(CivilDate gregorian, std::string_view name) {
  // 64-bit FNV-1a: small, stable across runs and platforms.
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(hash));
  return BasicDate(gregorian) + "-" + buffer + "@tempulo.org";
}

std::string IcsCalendar(const std::vector<HolidayOnDate>& holidays, std::string_view stampUtc) {
  std::string text;
  text += FoldIcsLine("BEGIN:VCALENDAR");
  text += FoldIcsLine("VERSION:2.0");
  text += FoldIcsLine("PRODID:-//Tempulo//Almanach//DE");
  text += FoldIcsLine("CALSCALE:GREGORIAN");
  text += FoldIcsLine("METHOD:PUBLISH");
  // A day of 5-14 October 1582 (Julian) is also a day of 15-24 October
  // (Gregorian): a name on both is one event.
  std::set<std::string> uids;
  for (const HolidayOnDate& holiday : holidays) {
    const FixedDay day = FixedFromCivil(holiday.date);
    const CivilDate start = GregorianFromFixed(day);
    const std::string uid = IcsUid(start, holiday.name);
    if (!uids.insert(uid).second) {
      continue;
    }
    text += FoldIcsLine("BEGIN:VEVENT");
    text += FoldIcsLine("UID:" + uid);
    text += FoldIcsLine("DTSTAMP:" + std::string(stampUtc));
    text += FoldIcsLine("DTSTART;VALUE=DATE:" + BasicDate(start));
    text += FoldIcsLine("DTEND;VALUE=DATE:" + BasicDate(GregorianFromFixed(day + 1)));
    text += FoldIcsLine("SUMMARY:" + IcsText(holiday.name));
    if (IsJulianCivilDate(holiday.date)) {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "Im julianischen Kalender: %d.%d.%d", holiday.date.day,
                    holiday.date.month, holiday.date.year);
      text += FoldIcsLine("DESCRIPTION:" + IcsText(buffer));
    }
    text += FoldIcsLine("TRANSP:TRANSPARENT");
    text += FoldIcsLine("END:VEVENT");
  }
  text += FoldIcsLine("END:VCALENDAR");
  return text;
}

}  // namespace tempulo
