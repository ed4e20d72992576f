// SPDX-License-Identifier: GPL-3.0-or-later
// The report of one day: the lines of the report list and the heading above
// the month grid. The report builder and the line-appending calendars only
// ever append; the window and the command-line report both read it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tempulo {

class Report {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  // label + TAB + value, the shape of almost every report line.
  void Add(std::string_view label, std::string_view value);

  const std::vector<std::string>& Lines() const { return lines_; }

  const std::string& Heading() const { return heading_; }
  void SetHeading(std::string heading) { heading_ = std::move(heading); }

 private:
  std::vector<std::string> lines_;
  std::string heading_;
};

}  // namespace tempulo
