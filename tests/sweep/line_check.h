// SPDX-License-Identifier: GPL-3.0-or-later
// What the sweep's line checkers share: the reading of a line (the numbers
// its text stands for), the day's context, and the handle a checker reports
// through.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "civil_days.h"

namespace tempulo::sweep {

// The report's lines are the entry table's (report/registry.h), named by
// their stable line ids (ReportLineId); report_lines.h lists them as the
// sweep reads them. A line's place in such a list, or -1 for an id it does
// not hold.
struct SweptLine;
int LineIndexOf(const std::vector<SweptLine>& lines, std::string_view id);

// What a line says, reduced to numbers: a date of its calendar (months
// numbered from 1, named days as further pseudo-months), and whatever else
// the line carries.
struct Reading {
  bool valid = false;
  std::int64_t year = 0;
  int month = 0;
  int day = 0;
  bool flag = false;       // a leap month, a named day
  std::int64_t extra = 0;  // a second count (cycle, day of the year, ...)
  long double real = 0;    // a measured value or a moment (JD)
};

// The day under check and what its lines said so far.
struct DayContext {
  SweepDay day;
  YearMonthDay julian;     // the Julian-calendar date of the day's JD
  YearMonthDay gregorian;  // the proleptic Gregorian date of the day's JD
  int gregorianDayOfYear = 0;
  // The lines the sweep reads, and one of each of the following per line.
  const std::vector<SweptLine>* lines = nullptr;
  std::vector<Reading> readings;
  std::vector<bool> present;
  std::vector<std::string> texts;                         // the values, several lines joined by '\n'
  const std::vector<std::string>* holidayList = nullptr;  // the month's list of the refresh
};

using Reporter = std::function<void(std::string_view aspect, std::string message)>;

// One line (or the lines of one repeated kind) under check.
class LineCheck {
 public:
  LineCheck(DayContext& context, int line, std::string_view value,
            const std::vector<std::string_view>& values, const Reporter& reporter,
            const DayContext* dayBefore = nullptr)
      : context_(context),
        line_(line),
        value_(value),
        values_(values),
        reporter_(reporter),
        dayBefore_(dayBefore) {}

  const SweepDay& Day() const { return context_.day; }
  const DayContext& Context() const { return context_; }
  std::string_view Value() const { return value_; }
  const std::vector<std::string_view>& Values() const { return values_; }
  Reading& Result() { return context_.readings[static_cast<std::size_t>(line_)]; }
  // An earlier line of the same day, by its line id, if it was there and
  // could be read.
  const Reading* Of(std::string_view id) const { return ReadingOf(context_, id); }
  // A line of the day before (only while the step from it is checked).
  const Reading* Before(std::string_view id) const {
    return dayBefore_ != nullptr ? ReadingOf(*dayBefore_, id) : nullptr;
  }
  void Fail(std::string_view aspect, std::string message) const { reporter_(aspect, std::move(message)); }
  // Counts an intended exception met on this line.
  void Exception(std::string_view name) const { reporter_("", std::string(name)); }

 private:
  // An id the sweep does not read is a fault of the sweep itself: it fails
  // the line rather than pass it unchecked.
  const Reading* ReadingOf(const DayContext& context, std::string_view id) const {
    const int line = LineIndexOf(*context.lines, id);
    if (line < 0) {
      Fail("sweep", "no line \"" + std::string(id) + "\" to compare with");
      return nullptr;
    }
    const auto at = static_cast<std::size_t>(line);
    return context.present[at] && context.readings[at].valid ? &context.readings[at] : nullptr;
  }

  DayContext& context_;
  int line_;
  std::string_view value_;
  const std::vector<std::string_view>& values_;
  const Reporter& reporter_;
  const DayContext* dayBefore_;
};

// Reads a text from left to right; once a step fails every later one does.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text) {}

  // A decimal integer, with a leading minus if negative.
  Scanner& Int(std::int64_t& value) {
    const char* end = rest_.data() + rest_.size();
    const auto [next, error] = std::from_chars(rest_.data(), end, value);
    ok_ = ok_ && error == std::errc() && next != rest_.data();
    if (ok_) {
      rest_.remove_prefix(static_cast<std::size_t>(next - rest_.data()));
    }
    return *this;
  }
  Scanner& Int(int& value) {
    std::int64_t wide = 0;
    Int(wide);
    value = static_cast<int>(wide);
    return *this;
  }
  // A decimal number with an optional fraction, as the number formatter writes it.
  Scanner& Real(long double& value);
  Scanner& Literal(std::string_view literal) {
    ok_ = ok_ && rest_.substr(0, literal.size()) == literal;
    if (ok_) {
      rest_.remove_prefix(literal.size());
    }
    return *this;
  }
  // The text up to the first occurrence of `delimiter` (not included), or up
  // to the end when the delimiter is empty; never empty.
  Scanner& Word(std::string_view& word, std::string_view delimiter = {}) {
    const std::size_t end = delimiter.empty() ? rest_.size() : rest_.find(delimiter);
    ok_ = ok_ && end != std::string_view::npos && end > 0;
    if (ok_) {
      word = rest_.substr(0, end);
      rest_.remove_prefix(end);
    }
    return *this;
  }
  // The same, up to the last occurrence of the delimiter.
  Scanner& WordToLast(std::string_view& word, std::string_view delimiter) {
    const std::size_t end = rest_.rfind(delimiter);
    ok_ = ok_ && end != std::string_view::npos && end > 0;
    if (ok_) {
      word = rest_.substr(0, end);
      rest_.remove_prefix(end);
    }
    return *this;
  }
  bool Ok() const { return ok_; }
  bool Done() const { return ok_ && rest_.empty(); }

 private:
  std::string_view rest_;
  bool ok_ = true;
};

inline std::string Str(std::int64_t n) { return std::to_string(n); }
inline std::string Show(const Reading& r) { return Str(r.day) + "/" + Str(r.month) + "/" + Str(r.year); }

// The check of the step from `before` to `after` in a calendar whose month
// `before.month` has `length` days and whose next month is (nextYear,
// nextMonth): the day after, or day 1 of the next month after the last day.
void ExpectNextDay(const Reading& before, LineCheck& after, int length, std::int64_t nextYear, int nextMonth);
// A day within 1..length of its month.
bool DayInMonth(const Reading& r, int length, const LineCheck& c);

}  // namespace tempulo::sweep
