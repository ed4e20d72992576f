// SPDX-License-Identifier: GPL-3.0-or-later
// The report of one day: the lines of the report list and the heading above
// the month grid. The report builder and the line-appending calendars only
// ever append; the window and the command-line report both read it.
//
// A report can also keep the typed values its lines are worded from (the
// structured output reads them): each value belongs to the entry being
// built when it was set, and each line remembers that entry.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tempulo {

using ReportValue = std::variant<long long, double, std::string, bool>;

struct ReportField {
  std::string_view entry;  // the registry identifier of the entry
  std::string key;         // "year", or "darian.month" for a nested object
  ReportValue value;
  bool listItem = false;  // appended to the list named by `key`
};

class Report {
 public:
  Report() = default;
  explicit Report(bool keepValues, bool everyCrossing = true)
      : keepValues_(keepValues), everyCrossing_(everyCrossing) {}

  void Add(std::string line);
  // label + TAB + value, the shape of almost every report line.
  void Add(std::string_view label, std::string_view value);

  const std::vector<std::string>& Lines() const { return lines_; }

  const std::string& Heading() const { return heading_; }
  void SetHeading(std::string heading) { heading_ = std::move(heading); }

  // The typed values, kept only by a report made with keepValues.
  bool KeepsValues() const { return keepValues_; }
  // Whether the kept values list every rise, set and twilight of the day,
  // which takes a second search of each kind.
  bool ListsEveryCrossing() const { return keepValues_ && everyCrossing_; }
  // The entry that the following lines and values belong to ("" before the
  // registry's entries: the date line and the holiday lines).
  void BeginEntry(std::string_view id) { entry_ = id; }
  void Set(std::string_view key, long long value);
  void Set(std::string_view key, int value) { Set(key, static_cast<long long>(value)); }
  void Set(std::string_view key, double value);
  void Set(std::string_view key, std::string_view value);
  // Named apart: a string literal would otherwise pick a bool overload.
  void SetFlag(std::string_view key, bool value);
  void Append(std::string_view key, std::string_view value);

  // Parallel to Lines() when values are kept: the entry of each line.
  const std::vector<std::string_view>& LineEntries() const { return lineEntries_; }
  const std::vector<ReportField>& Fields() const { return fields_; }

 private:
  std::vector<std::string> lines_;
  std::string heading_;
  bool keepValues_ = false;
  bool everyCrossing_ = true;
  std::string_view entry_;
  std::vector<std::string_view> lineEntries_;
  std::vector<ReportField> fields_;
};

}  // namespace tempulo
