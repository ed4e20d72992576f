// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report.h"

namespace tempulo {

void Report::Add(std::string_view label, std::string_view value) {
  std::string line;
  line.reserve(label.size() + 1 + value.size());
  line.append(label);
  line.push_back('\t');
  line.append(value);
  lines_.push_back(std::move(line));
}

}  // namespace tempulo
