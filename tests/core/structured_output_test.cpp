// SPDX-License-Identifier: GPL-3.0-or-later
// The structured forms of the report against the text they sit beside: the
// same lines, and typed values that word to what the lines say.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "holidays/holidays.h"
#include "report/holiday_lines.h"
#include "report/ics.h"
#include "report/refresh.h"
#include "report/report_place.h"
#include "report/registry.h"
#include "report/structured_output.h"
#include "report/time_lines.h"
#include "report/wording.h"

namespace tempulo {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// Sampled days: every 53rd day of a walk through the range plus the days
// whose lines are rare (reform, leap days, the Jewish start, PI-Silvester).
std::vector<CivilDate> SampleDays() {
  std::vector<CivilDate> days = {{1582, 10, 4},  {1582, 10, 15}, {1600, 2, 29}, {359, 1, 1},
                                 {2025, 4, 14},  {2026, 12, 8},  {1900, 1, 1},  {3000, 12, 31},
                                 {1004, 2, 29},  {2026, 12, 28}, {1950, 3, 17}, {2024, 6, 30}};
  for (int year = 100; year <= 3000; year += 7) {
    days.push_back({year, 1 + year % 12, 1 + year % 28});
  }
  return days;
}

// The first value line of each identifier, for the checks below.
std::map<std::string, std::string> ValuesById(const std::string& tsv) {
  std::map<std::string, std::string> values;
  for (const std::string& row : Split(tsv)) {
    const std::size_t first = row.find('\t');
    const std::size_t second = row.find('\t', first + 1);
    values.emplace(row.substr(0, first), row.substr(second + 1));
  }
  return values;
}

TEST(StructuredOutput, KeepingValuesLeavesTheTextAsItWas) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  for (const CivilDate& date : SampleDays()) {
    const RefreshResult plain = Refresh(date, holidays, clock);
    const RefreshResult kept = Refresh(date, holidays, clock, {.keepValues = true});
    ASSERT_EQ(plain.reportLines, kept.reportLines) << date.year << "-" << date.month << "-" << date.day;
    EXPECT_EQ(kept.lineEntries.size(), kept.reportLines.size());
  }
}

// Every TSV row is a text line behind an identifier; the identifiers that
// repeat within a day are only those of festival and holiday lines.
TEST(StructuredOutput, TsvRowsAreTheTextLinesWithStableIdentifiers) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  const std::set<std::string> repeatable = {"holiday", "jewish.festival", "islamic_festivals", "chinese_festivals",
                                            "ethiopian_festivals"};
  for (const CivilDate& date : SampleDays()) {
    const RefreshResult result = Refresh(date, holidays, clock, {.keepValues = true});
    std::vector<std::string> valueLines;
    for (const std::string& line : result.reportLines) {
      if (line.find('\t') != std::string::npos) {
        valueLines.push_back(line);
      }
    }
    const std::vector<std::string> rows = Split(ReportTsv(result));
    ASSERT_EQ(rows.size(), valueLines.size());
    std::set<std::string> seen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const std::string id = rows[i].substr(0, rows[i].find('\t'));
      EXPECT_FALSE(id.empty()) << valueLines[i];
      EXPECT_EQ(rows[i].substr(id.size() + 1), valueLines[i]);
      EXPECT_TRUE(seen.insert(id).second || repeatable.count(id) > 0) << id << " " << date.year;
    }
  }
}

// The table of line identifiers is not stale: each of its lines turns up in
// the sampled reports (PI-Silvester, one day in about a year, aside).
TEST(StructuredOutput, EveryLineIdentifierOfTheTableNamesARealLine) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  std::set<std::string> seen;
  for (const CivilDate& date : SampleDays()) {
    for (const auto& [id, value] : ValuesById(ReportTsv(Refresh(date, holidays, clock, {.keepValues = true})))) {
      seen.insert(id);
    }
  }
  // The place line is there only when a place is chosen.
  std::string why;
  const std::optional<ReportPlace> berlin = ReportPlace::For({"Berlin", 52.52, 13.4, "Europe/Berlin"}, why);
  ASSERT_TRUE(berlin.has_value()) << why;
  const RefreshResult withPlace =
      Refresh(CivilDate{2026, 7, 15}, holidays, clock, {.keepValues = true, .place = &*berlin});
  const auto placeValues = ValuesById(ReportTsv(withPlace));
  for (const auto& [id, value] : placeValues) {
    seen.insert(id);
  }
  EXPECT_EQ(placeValues.at("sun_moon.place"), "Berlin, 52°31′ N, 13°24′ O, Europe/Berlin");
  // Summer time: the offset of the zone at the moment, not of MEZ.
  const Json day = Json::parse(ReportJson(CivilDate{2026, 7, 15}, withPlace));
  EXPECT_EQ(day["sun_moon"]["sunrise"], "2026-07-15T05:01:34+02:00");
  EXPECT_EQ(day["sun_moon"]["time_zone"], "Europe/Berlin");
  for (const ReportLineIdRow& row : ReportLineIds()) {
    if (row.id != "pi.new_years_eve") {
      EXPECT_TRUE(seen.count(std::string(row.id)) > 0) << row.id;
    }
  }
}

// The typed values word to the text: dates with month names, the festival
// and holiday lists, the Julian Date, and every time of the sun and moon.
TEST(StructuredOutput, JsonValuesWordToTheirLines) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  // entry (or entry/member) -> the line identifier its date is worded on
  const std::vector<std::pair<std::string, std::string>> namedDates = {
      {"julian", "julian"},       {"egyptian", "egyptian"}, {"islamic", "islamic"},   {"jewish", "jewish"},
      {"japanese", "japanese"},   {"babylonian", "babylonian"}, {"bahai", "bahai"},  {"indian", "indian"},
      {"sikh", "sikh"},           {"armenian", "armenian"}, {"berber", "berber"},     {"john_dee", "john_dee"},
      {"iranian", "iranian"},     {"french_republican", "french_republican"},        {"goddess", "goddess"},
      {"solilunar", "solilunar"}, {"coptic_ethiopian", "coptic_ethiopian"}, {"soviet", "soviet"},
      {"positivist", "positivist"}, {"cotsworth", "cotsworth"}, {"sixty_week", "sixty_week"}};
  int checkedTimes = 0;
  for (const CivilDate& date : SampleDays()) {
    const RefreshResult result = Refresh(date, holidays, clock, {.keepValues = true});
    const Json day = Json::parse(ReportJson(date, result));
    const std::map<std::string, std::string> values = ValuesById(ReportTsv(result));
    const std::string where = day["date"].get<std::string>();
    for (const auto& [entry, lineId] : namedDates) {
      if (!day.contains(entry) || !day[entry].contains("month_name")) {
        continue;
      }
      const Json& d = day[entry];
      // "day.month_name", then the year as a word of its own (the month's
      // number or the era may stand between).
      const std::string& text = values.at(lineId);
      const std::string start = std::to_string(d["day"].get<long long>()) + "." + d["month_name"].get<std::string>() + " ";
      EXPECT_EQ(text.rfind(start, 0), 0U) << where << " " << entry << ": " << text;
      const std::string year = " " + std::to_string(d["year"].get<long long>());
      bool yearFound = false;
      for (std::size_t at = text.find(year); at != std::string::npos; at = text.find(year, at + 1)) {
        const std::size_t after = at + year.size();
        yearFound = yearFound || after == text.size() || text[after] == ' ' || text[after] == ';' || text[after] == ',';
      }
      EXPECT_TRUE(yearFound) << where << " " << entry << ": " << text;
    }
    if (day.contains("coptic_ethiopian")) {
      const Json& e = day["coptic_ethiopian"]["ethiopian"];
      EXPECT_EQ(values.at("coptic_ethiopian.ethiopian"),
                std::to_string(e["day"].get<int>()) + "." + e["month_name"].get<std::string>() + " " +
                    std::to_string(e["year"].get<int>()));
    }
    EXPECT_EQ(values.at("julian_date").substr(0, values.at("julian_date").find(' ')),
              TrimmedDecimal(day["julian_date"]["jd"].get<double>(), 2));
    // Festival lists: exactly the entry's lines without a label.
    for (const char* entry : {"islamic_festivals", "chinese_festivals", "ethiopian_festivals", "jewish"}) {
      std::vector<std::string> lines;
      for (std::size_t i = 0; i < result.reportLines.size(); ++i) {
        if (result.lineEntries[i] == entry && result.reportLines[i].rfind('\t', 0) == 0) {
          lines.push_back(result.reportLines[i].substr(1));
        }
      }
      const std::vector<std::string> listed =
          day.contains(entry) && day[entry].contains("festivals") ? day[entry]["festivals"].get<std::vector<std::string>>()
                                                                   : std::vector<std::string>{};
      EXPECT_EQ(listed, lines) << where << " " << entry;
    }
    // Times: the ISO value read back in the report's wording.
    if (day.contains("sun_moon")) {
      for (const auto& [key, value] : day["sun_moon"].items()) {
        if (!value.is_string()) {
          continue;
        }
        const std::string iso = value.get<std::string>();
        const std::string worded = iso.substr(8, 2) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4) + " " +
                                   iso.substr(11, 8) + " MEZ";
        bool onALine = false;
        for (const auto& [id, text] : values) {
          onALine = onALine || (id.rfind("sun_moon", 0) == 0 && text == worded);
        }
        EXPECT_TRUE(onALine) << where << " " << key << " " << iso;
        EXPECT_EQ(iso.substr(19), "+01:00");
        ++checkedTimes;
      }
      // Each list of crossings starts with the one the line shows.
      if (day["sun_moon"].contains("crossings")) {
        for (const auto& [kind, list] : day["sun_moon"]["crossings"].items()) {
          ASSERT_TRUE(day["sun_moon"].contains(kind)) << where << " " << kind;
          EXPECT_EQ(list.front(), day["sun_moon"][kind]) << where << " " << kind;
        }
      }
      const double age = day["sun_moon"]["moon_age_days"].get<double>();
      EXPECT_NEAR(std::stod(values.at("sun_moon.moon_age")), age, 0.0051) << where;
    }
  }
  EXPECT_GT(checkedTimes, 100);
}

// Near the poles a body may rise or set twice in one day: the line shows
// the first, the structured output every one, in order and within the day.
TEST(StructuredOutput, EveryCrossingOfTheDayAtAPlace) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 4, 28}, {12, 0, 0});
  struct Case {
    double latitude;
    const char* zone;
    CivilDate date;
    const char* kind;
    std::vector<std::string> times;
  };
  const std::vector<Case> cases = {
      {85, "UTC", {2026, 4, 28}, "moonset", {"2026-04-28T03:02", "2026-04-28T21:31"}},
      {52.5, "Europe/Berlin", {2026, 12, 8}, "sunrise", {"2026-12-08T0"}},
      {70, "UTC", {2026, 8, 11}, "moonrise", {}},
  };
  for (const Case& c : cases) {
    std::string why;
    const std::optional<ReportPlace> place = ReportPlace::For({"", c.latitude, 0.0, c.zone}, why);
    ASSERT_TRUE(place.has_value()) << why;
    const RefreshResult result = Refresh(c.date, holidays, clock, {.keepValues = true, .place = &*place});
    const Json sunMoon = Json::parse(ReportJson(c.date, result))["sun_moon"];
    std::vector<std::string> listed;
    if (sunMoon.contains("crossings") && sunMoon["crossings"].contains(c.kind)) {
      listed = sunMoon["crossings"][c.kind].get<std::vector<std::string>>();
    }
    ASSERT_EQ(listed.size(), c.times.size()) << c.kind << " " << sunMoon.dump();
    for (std::size_t i = 0; i < listed.size(); ++i) {
      EXPECT_EQ(listed[i].rfind(c.times[i], 0), 0U) << c.kind << " " << listed[i];
    }
    EXPECT_EQ(sunMoon.contains(c.kind), !c.times.empty()) << c.kind;

    // The window's refresh leaves the list out and nothing else: the same
    // lines, entries and values.
    const RefreshResult window =
        Refresh(c.date, holidays, clock, {.keepValues = true, .everyCrossing = false, .place = &*place});
    EXPECT_EQ(window.reportLines, result.reportLines);
    EXPECT_EQ(window.lineEntries, result.lineEntries);
    std::vector<std::pair<std::string, ReportValue>> kept;
    for (const ReportField& field : result.fields) {
      if (field.key.rfind("crossings.", 0) != 0) {
        kept.emplace_back(field.key, field.value);
      }
    }
    std::vector<std::pair<std::string, ReportValue>> shown;
    for (const ReportField& field : window.fields) {
      shown.emplace_back(field.key, field.value);
    }
    EXPECT_EQ(shown, kept) << c.kind;
  }
}

TEST(StructuredOutput, IsoTimesFromTheReportsWording) {
  const std::vector<std::tuple<std::string, int, std::string>> cases = {
      {"08.12.2026 07:19:04", 3600, "2026-12-08T07:19:04+01:00"},
      {"01.01.1900", 3600, "1900-01-01T00:00:00+01:00"},
      {"31.12.2999 23:59:59", -5 * 3600, "2999-12-31T23:59:59-05:00"},
      {"31.12.2999 23:59:59", 0, "2999-12-31T23:59:59+00:00"},
      {"15.07.2026 05:41:00", 19800, "2026-07-15T05:41:00+05:30"},
      {"15.07.2026 05:41:00", -9000, "2026-07-15T05:41:00-02:30"},
      {"-", 3600, ""},
      {"8.12.2026 07:19:04", 3600, ""},
  };
  for (const auto& [text, offset, iso] : cases) {
    EXPECT_EQ(IsoDateTimeFromText(text, offset), iso) << text;
  }
}

TEST(HolidaysBetween, EachHolidayOnceWithinTheRangeInOrder) {
  HolidayTable table = HolidayTable::Standard();
  const std::vector<HolidayOnDate> year = HolidaysBetween(table, {2026, 1, 1}, {2026, 12, 31});
  std::size_t fromMonths = 0;
  for (int month = 1; month <= 12; ++month) {
    fromMonths += table.MonthHolidays(2026, month).size();
  }
  EXPECT_EQ(year.size(), fromMonths);
  for (std::size_t i = 1; i < year.size(); ++i) {
    const auto& a = year[i - 1].date;
    const auto& b = year[i].date;
    EXPECT_LE(std::tie(a.year, a.month, a.day), std::tie(b.year, b.month, b.day));
  }
  const struct {
    CivilDate first, last;
    std::size_t minimum, maximum;
  } cases[] = {
      {{2026, 12, 24}, {2026, 12, 26}, 3, 6},  // Christmas Eve and both Christmas days
      {{2026, 12, 8}, {2026, 12, 8}, 1, 1},    // one day
      {{2026, 12, 31}, {2027, 1, 1}, 2, 4},    // across the new year
      {{3000, 12, 31}, {3000, 12, 31}, 1, 1},  // the last day of the range
  };
  for (const auto& c : cases) {
    const auto found = HolidaysBetween(table, c.first, c.last);
    EXPECT_GE(found.size(), c.minimum) << c.first.year << "-" << c.first.month << "-" << c.first.day;
    EXPECT_LE(found.size(), c.maximum) << c.first.year << "-" << c.first.month << "-" << c.first.day;
    for (const auto& h : found) {
      EXPECT_GE(std::tie(h.date.year, h.date.month, h.date.day), std::tie(c.first.year, c.first.month, c.first.day));
      EXPECT_LE(std::tie(h.date.year, h.date.month, h.date.day), std::tie(c.last.year, c.last.month, c.last.day));
    }
  }
}

TEST(Ics, FoldsAtSeventyFiveOctetsWithoutSplittingCharacters) {
  const std::string umlauts(100, 'a');
  std::string mixed;
  for (int i = 0; i < 60; ++i) {
    mixed += "ä";  // two octets each
  }
  for (const std::string& line : {std::string("SUMMARY:kurz"), "SUMMARY:" + umlauts, "SUMMARY:" + mixed,
                                  std::string(75, 'x'), std::string(76, 'x'), std::string(300, 'y')}) {
    const std::string folded = FoldIcsLine(line);
    ASSERT_GE(folded.size(), 2U);
    EXPECT_EQ(folded.substr(folded.size() - 2), "\r\n");
    std::string unfolded;
    std::size_t start = 0;
    while (start < folded.size()) {
      const std::size_t end = folded.find("\r\n", start);
      const std::string part = folded.substr(start, end - start);
      EXPECT_LE(part.size(), 75U);
      // No part starts inside a UTF-8 sequence (after the fold's space).
      const std::string body = start == 0 ? part : part.substr(1);
      EXPECT_FALSE(!body.empty() && (static_cast<unsigned char>(body[0]) & 0xC0U) == 0x80U);
      if (start != 0) {
        EXPECT_EQ(part[0], ' ');
      }
      unfolded += body;
      start = end + 2;
    }
    EXPECT_EQ(unfolded, line);
  }
}

TEST(Ics, TextEscapesAndStableUids) {
  EXPECT_EQ(IcsText("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
  EXPECT_EQ(IcsUid({2026, 12, 25}, "1.Weihnachtstag"), IcsUid({2026, 12, 25}, "1.Weihnachtstag"));
  EXPECT_NE(IcsUid({2026, 12, 25}, "1.Weihnachtstag"), IcsUid({2026, 12, 26}, "1.Weihnachtstag"));
  EXPECT_NE(IcsUid({2026, 12, 25}, "1.Weihnachtstag"), IcsUid({2026, 12, 25}, "2.Weihnachtstag"));
  const std::string calendar = IcsCalendar({{{1582, 10, 4}, "Vor der Reform"}, {{1582, 10, 15}, "Danach"}},
                                           "20261208T120000Z");
  // 4 October (Julian) is 14 October Gregorian; the next day is 15 October.
  EXPECT_NE(calendar.find("DTSTART;VALUE=DATE:15821014\r\nDTEND;VALUE=DATE:15821015\r\n"), std::string::npos);
  EXPECT_NE(calendar.find("DTSTART;VALUE=DATE:15821015\r\nDTEND;VALUE=DATE:15821016\r\n"), std::string::npos);
  EXPECT_NE(calendar.find("DESCRIPTION:Im julianischen Kalender: 4.10.1582\r\n"), std::string::npos);
  // 8 October (Julian) and 18 October (Gregorian) 1582 are one day.
  const std::string twice = IcsCalendar({{{1582, 10, 8}, "Fest"}, {{1582, 10, 18}, "Fest"}, {{1582, 10, 18}, "Anderes"}},
                                        "20261208T120000Z");
  std::size_t events = 0;
  for (std::size_t at = twice.find("BEGIN:VEVENT"); at != std::string::npos; at = twice.find("BEGIN:VEVENT", at + 1)) {
    ++events;
  }
  EXPECT_EQ(events, 2U);
}

}  // namespace
}  // namespace tempulo
