// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report.h"

namespace tempulo {

void Report::Add(std::string line) {
  lines_.push_back(std::move(line));
  if (keepValues_) {
    lineEntries_.push_back(entry_);
  }
}

void Report::Add(std::string_view label, std::string_view value) {
  std::string line;
  line.reserve(label.size() + 1 + value.size());
  line.append(label);
  line.push_back('\t');
  line.append(value);
  Add(std::move(line));
}

void Report::Set(std::string_view key, long long value) {
  if (keepValues_) {
    fields_.push_back({entry_, std::string(key), value, false});
  }
}

void Report::Set(std::string_view key, double value) {
  if (keepValues_) {
    fields_.push_back({entry_, std::string(key), value, false});
  }
}

void Report::Set(std::string_view key, std::string_view value) {
  if (keepValues_) {
    fields_.push_back({entry_, std::string(key), std::string(value), false});
  }
}

void Report::SetFlag(std::string_view key, bool value) {
  if (keepValues_) {
    fields_.push_back({entry_, std::string(key), value, false});
  }
}

void Report::Append(std::string_view key, std::string_view value) {
  if (keepValues_) {
    fields_.push_back({entry_, std::string(key), std::string(value), true});
  }
}

}  // namespace tempulo
