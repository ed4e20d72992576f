// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep_checker.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <deque>

#include "holiday_list.h"
#include "line_check.h"
#include "name_tables.h"
#include "report_lines.h"

namespace tempulo::sweep {
namespace {

constexpr std::size_t kHistoryDays = 24;  // more than the ten days of October 1582 that share Julian Days
constexpr std::size_t kLookAhead = 8;     // lines searched for a missing label before giving up

bool Matches(const SweptLine& kind, std::string_view line) {
  if (kind.wholeLine) {
    return line == kind.label;
  }
  return line.size() > kind.label.size() && line.substr(0, kind.label.size()) == kind.label &&
         line[kind.label.size()] == '\t';
}

std::string_view ValueOf(const SweptLine& kind, std::string_view line) {
  return kind.wholeLine ? std::string_view() : line.substr(kind.label.size() + 1);
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || (c & 0x80) != 0; }

// "nan" or "inf" as a word of its own (not inside a name such as
// "Ferdinand"), whatever the case, and "-0" as a number of its own.
std::string BrokenNumber(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const bool wordStart = i == 0 || !IsLetter(line[i - 1]);
    for (std::string_view word : {"nan", "inf"}) {
      if (!wordStart || i + word.size() > line.size()) {
        continue;
      }
      bool same = true;
      for (std::size_t k = 0; k < word.size(); ++k) {
        same = same && std::tolower(static_cast<unsigned char>(line[i + k])) == word[k];
      }
      if (same && (i + word.size() == line.size() || !IsLetter(line[i + word.size()]))) {
        return std::string(word);
      }
    }
    if (line[i] == '-' && i + 1 < line.size() && line[i + 1] == '0' &&
        (i == 0 || !std::isdigit(static_cast<unsigned char>(line[i - 1])))) {
      const std::size_t after = i + 2;
      if (after == line.size() ||
          !(std::isdigit(static_cast<unsigned char>(line[after])) || line[after] == '.')) {
        return "-0";
      }
    }
  }
  return {};
}

// The lunisolar years, checked as wholes where every day of one was seen:
// one of the calendar's year lengths, and 13 months (Adar 2, a Chinese leap
// month, the Goddess and Solilunar thirteenth month) exactly in the long ones.
struct YearRule {
  std::string_view line;
  bool (*starts)(const Reading&);
  std::array<int, 6> lengths;  // 0: no more
};
constexpr YearRule kYearRules[] = {
    {"jewish", [](const Reading& r) { return r.month == 7 && r.day == 1; }, {353, 354, 355, 383, 384, 385}},
    {"chinese",
     [](const Reading& r) { return r.month == 1 && r.day == 1 && !r.flag; },
     {353, 354, 355, 383, 384, 385}},
    {"islamic", [](const Reading& r) { return r.month == 1 && r.day == 1; }, {354, 355, 0, 0, 0, 0}},
    {"goddess", [](const Reading& r) { return r.month == 1 && r.day == 1; }, {354, 382, 383, 384, 385, 0}},
    {"solilunar", [](const Reading& r) { return r.month == 1 && r.day == 1; }, {354, 384, 385, 0, 0, 0}},
};

// A year on its way: since its first day, every day seen.
struct OpenYear {
  bool open = false;
  long double start = 0;
  long double last = 0;
  bool sawLeapMonth = false;
};

bool InRange(const YearMonthDay& date, const KnownFailure& known) {
  const auto key = [](const YearMonthDay& d) { return d.year * 10000 + d.month * 100 + d.day; };
  return key(known.from) <= key(date) && key(date) <= key(known.to);
}

}  // namespace

struct SweepChecker::State {
  std::deque<std::unique_ptr<DayContext>> history;  // the last days checked, oldest first
  int listYear = 0;
  int listMonth = 0;
  std::vector<std::string> list;  // the month's holiday list of that month
  std::array<OpenYear, std::size(kYearRules)> years{};

  const DayContext* Find(long double jd) const {
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
      if ((*it)->day.jd == jd) {
        return it->get();
      }
    }
    return nullptr;
  }
};

void SweepStats::Merge(const SweepStats& other, std::size_t examplesPerCheck) {
  days += other.days;
  fehlerDays += other.fehlerDays;
  lines += other.lines;
  successions += other.successions;
  unexpected += other.unexpected;
  known += other.known;
  for (const auto& [name, count] : other.exceptions) {
    exceptions[name] += count;
  }
  for (const auto& [name, count] : other.readByLine) {
    readByLine[name] += count;
  }
  for (const auto& [name, count] : other.stepsByLine) {
    stepsByLine[name] += count;
  }
  for (const auto& [name, counts] : other.byCheck) {
    CheckCounts& mine = byCheck[name];
    mine.unexpected += counts.unexpected;
    mine.known += counts.known;
    for (const Finding& f : counts.examples) {
      if (mine.examples.size() < examplesPerCheck) {
        mine.examples.push_back(f);
      }
    }
  }
}

SweepChecker::SweepChecker(std::vector<KnownFailure> known, std::size_t examplesPerCheck, bool allEntries)
    : known_(std::move(known)),
      knownUsed_(known_.size(), false),
      examplesPerCheck_(examplesPerCheck),
      state_(std::make_unique<State>()),
      lines_(&SweptLines(allEntries)) {}

SweepChecker::~SweepChecker() = default;

void SweepChecker::Record(Finding finding) {
  const YearMonthDay date{finding.day.year, finding.day.month, finding.day.day};
  for (std::size_t i = 0; i < known_.size(); ++i) {
    if (known_[i].check == finding.check && InRange(date, known_[i])) {
      knownUsed_[i] = true;
      ++stats_.known;
      ++stats_.byCheck[finding.check].known;
      return;
    }
  }
  ++stats_.unexpected;
  CheckCounts& counts = stats_.byCheck[finding.check];
  ++counts.unexpected;
  if (counts.examples.size() < examplesPerCheck_) {
    counts.examples.push_back(std::move(finding));
  }
}

std::vector<KnownFailure> SweepChecker::UnusedKnownFailures() const {
  std::vector<KnownFailure> unused;
  for (std::size_t i = 0; i < known_.size(); ++i) {
    if (!knownUsed_[i]) {
      unused.push_back(known_[i]);
    }
  }
  return unused;
}

void SweepChecker::Check(const SweepDay& day, const RefreshResult& result) {
  const bool quiet = day.warmUp;
  std::string currentLine;
  const auto reporterFor = [&](std::string_view name) {
    return [this, name, &day, &currentLine, quiet](std::string_view aspect, std::string message) {
      if (quiet) {
        return;
      }
      if (aspect.empty()) {
        ++stats_.exceptions[message];
        return;
      }
      Record({std::string(name) + ": " + std::string(aspect), day, currentLine, std::move(message)});
    };
  };
  if (!quiet) {
    ++stats_.days;
    stats_.lines += static_cast<std::int64_t>(result.reportLines.size() + result.holidayLines.size());
  }

  // The frame: caption and heading name the selected date.
  const std::string monthName(kGermanMonths[static_cast<std::size_t>(day.month - 1)]);
  const std::string dateText = std::to_string(day.day) + "." + monthName + " " + std::to_string(day.year);
  const Reporter frame = reporterFor("Fenster");
  if (result.caption != "Tempulo " + dateText) {
    currentLine = result.caption;
    frame("caption", "expected \"Tempulo " + dateText + "\"");
  }
  if (result.heading != monthName + " " + std::to_string(day.year)) {
    currentLine = result.heading;
    frame("heading", "expected \"" + monthName + " " + std::to_string(day.year) + "\"");
  }

  // Every line: no broken number.
  const Reporter numbers = reporterFor("Zahlen");
  for (const auto* lines : {&result.reportLines, &result.holidayLines}) {
    for (const std::string& line : *lines) {
      const std::string broken = BrokenNumber(line);
      if (!broken.empty()) {
        currentLine = line;
        numbers("nan/inf/-0", "\"" + broken + "\" in the line");
      }
    }
  }

  // The month's holiday list, once per month, and the same for every day of it.
  currentLine.clear();
  const Reporter holidays = reporterFor("Feiertagsliste");
  if (state_->listYear != day.year || state_->listMonth != day.month) {
    CheckHolidayList(day, result.holidayLines, holidays);
    state_->listYear = day.year;
    state_->listMonth = day.month;
    state_->list = result.holidayLines;
  } else if (result.holidayLines != state_->list) {
    holidays("month", "the list differs from another day of the same month");
  }

  auto context = std::make_unique<DayContext>();
  context->day = day;
  context->holidayList = &result.holidayLines;
  if (!day.fehler) {
    context->julian = JulianCalendarOf(day.jd);
    context->gregorian = GregorianCalendarOf(day.jd);
    context->gregorianDayOfYear = GregorianDayOfYear(context->gregorian);
  }

  // Only the intended days end in "Fehler!", after the date and holiday lines.
  const Reporter fehler = reporterFor("Fehler!");
  if (day.fehler) {
    if (!quiet) {
      ++stats_.fehlerDays;
    }
    if (result.error != "Fehler!") {
      fehler("missing", "expected the refresh to end with \"Fehler!\"");
    }
  } else if (result.error) {
    fehler("unexpected", "the refresh ended with \"" + *result.error + "\"");
  }

  const std::vector<SweptLine>& kinds = *lines_;
  context->lines = lines_;
  context->readings.resize(kinds.size());
  context->present.resize(kinds.size());
  context->texts.resize(kinds.size());
  const auto& lines = result.reportLines;
  std::size_t i = 0;
  const auto unexpectedLines = [&](std::size_t end) {
    const Reporter order = reporterFor("Bericht");
    for (; i < end; ++i) {
      currentLine = lines[i];
      order("order", "a line not expected here");
    }
  };
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    const SweptLine& kind = kinds[k];
    const LineRule* rule = kind.rule;
    // A Fehler day ends after the refresh's own lines.
    if (day.fehler && !kind.entry.empty()) {
      break;
    }
    const bool applies = kind.Applies(*context);
    const Reporter reporter = reporterFor(kind.id);
    const auto read = [&](std::string_view value, const std::vector<std::string_view>& values) {
      context->present[k] = true;
      std::string& text = context->texts[k];
      for (std::string_view v : values) {
        text += text.empty() ? "" : "\n";
        text += v;
      }
      if (rule != nullptr && rule->read != nullptr) {
        LineCheck check(*context, static_cast<int>(k), value, values, reporter);
        rule->read(check);
      } else if (rule == nullptr && kind.way != nullptr) {
        LineCheck check(*context, static_cast<int>(k), value, values, reporter);
        ReadByWay(*kind.way, check);
      }
    };
    if (kind.occurs() == Occurs::kOnce) {
      if (!applies) {
        continue;
      }
      std::size_t at = i;
      while (at < lines.size() && at < i + kLookAhead && !Matches(kind, lines[at]) && !kind.label.empty()) {
        ++at;
      }
      if (at < lines.size() && Matches(kind, lines[at])) {
        unexpectedLines(at);
        currentLine = lines[i];
        const std::string_view value = ValueOf(kind, lines[i]);
        read(value, {value});
        ++i;
      } else {
        currentLine = i < lines.size() ? lines[i] : std::string("(end of the report)");
        reporter("order", "the line is missing");
      }
    } else if (applies) {
      std::vector<std::string_view> values;
      while (i < lines.size() && Matches(kind, lines[i]) &&
             (rule == nullptr || rule->accepts == nullptr || rule->accepts(ValueOf(kind, lines[i])))) {
        values.push_back(ValueOf(kind, lines[i]));
        currentLine = lines[i];
        ++i;
        if (kind.occurs() == Occurs::kOptional) {
          break;
        }
      }
      read({}, values);
    }
  }
  unexpectedLines(lines.size());
  if (!quiet) {
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      if (context->present[k] && context->readings[k].valid) {
        ++stats_.readByLine[std::string(kinds[k].id)];
      }
    }
  }
  if (day.fehler) {
    return;
  }

  // The day before, by Julian Day: 15 October 1582 follows 4 October.
  currentLine.clear();
  if (const DayContext* before = state_->Find(day.jd - 1)) {
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      const SweptLine& kind = kinds[k];
      if (kind.rule == nullptr || kind.rule->follow == nullptr || !before->present[k] ||
          !context->present[k] || !before->readings[k].valid || !context->readings[k].valid) {
        continue;
      }
      const Reporter reporter = reporterFor(kind.id);
      currentLine = context->texts[k];
      const std::vector<std::string_view> values = {context->texts[k]};
      LineCheck check(*context, static_cast<int>(k), context->texts[k], values, reporter, before);
      kind.rule->follow(before->readings[k], check);
      if (!quiet) {
        ++stats_.successions;
        ++stats_.stepsByLine[std::string(kind.id)];
      }
    }
  }
  for (std::size_t r = 0; r < std::size(kYearRules); ++r) {
    const YearRule& rule = kYearRules[r];
    OpenYear& year = state_->years[r];
    const int line = LineIndexOf(kinds, rule.line);
    if (line < 0) {
      continue;  // not in the default report
    }
    const auto at = static_cast<std::size_t>(line);
    const Reading& reading = context->readings[at];
    if (year.open && day.jd <= year.last) {
      continue;  // 15-24 October 1582 repeat the Julian Days of 5-14 October
    }
    if (!context->present[at] || !reading.valid || (year.open && day.jd != year.last + 1)) {
      year.open = false;
      continue;
    }
    if (rule.starts(reading)) {
      if (year.open) {
        const auto length = static_cast<int>(day.jd - year.start);
        const bool lengthOk =
            std::find(rule.lengths.begin(), rule.lengths.end(), length) != rule.lengths.end();
        if (!lengthOk || (length > 360) != year.sawLeapMonth) {
          currentLine = context->texts[at];
          reporterFor(rule.line)("year length", "the year before lasted " + std::to_string(length) +
                                                    (year.sawLeapMonth ? " days with" : " days without") +
                                                    " a leap month");
        }
      }
      year = {true, day.jd, day.jd, false};
    }
    year.sawLeapMonth = year.sawLeapMonth || reading.flag;
    year.last = day.jd;
  }

  // A day with the same Julian Day (5-14 and 15-24 October 1582) reads the
  // same; a line without checking code is taken to depend on the Julian Day.
  if (const DayContext* twin = state_->Find(day.jd)) {
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      const SweptLine& kind = kinds[k];
      const bool byJulianDay = kind.rule == nullptr || kind.rule->byJulianDay;
      if (byJulianDay && twin->present[k] && context->present[k] && twin->texts[k] != context->texts[k]) {
        currentLine = context->texts[k];
        reporterFor(kind.id)("same day", "differs from " + std::to_string(twin->day.day) + "." +
                                             std::to_string(twin->day.month) +
                                             ". with the same Julian Day: \"" + twin->texts[k] + "\"");
      }
    }
  }
  context->holidayList = nullptr;
  state_->history.push_back(std::move(context));
  if (state_->history.size() > kHistoryDays) {
    state_->history.pop_front();
  }
}

}  // namespace tempulo::sweep
