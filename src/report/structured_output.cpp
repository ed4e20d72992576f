// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/structured_output.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string_view>
#include <variant>

#include "report/registry.h"

namespace tempulo {
namespace {

using Json = nlohmann::ordered_json;

Json ToJson(const ReportValue& value) {
  return std::visit([](const auto& v) { return Json(v); }, value);
}

// "darian.year" names the member year of the object darian.
Json::json_pointer PointerOf(std::string_view key) {
  std::string path = "/";
  for (const char c : key) {
    path += c == '.' ? '/' : c;
  }
  return Json::json_pointer(path);
}

}  // namespace

std::string IsoDate(CivilDate date) {
  char buffer[32];
  const int written = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return {buffer, written > 0 ? static_cast<std::size_t>(written) : 0U};
}

std::string ReportTsv(const RefreshResult& result) {
  std::string text;
  const std::vector<std::string>& lines = result.reportLines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      continue;  // the blank and separator lines carry no value
    }
    const std::string_view label = line.substr(0, tab);
    const std::string_view entry = i < result.lineEntries.size() ? result.lineEntries[i] : std::string_view();
    text.append(ReportLineId(entry, label));
    text.append("\t").append(line).append("\n");
  }
  return text;
}

std::string ReportJson(CivilDate date, const RefreshResult& result) {
  Json day = Json::object();
  day["date"] = IsoDate(date);
  day["calendar"] = IsJulianCivilDate(date) ? "julian" : "gregorian";
  day["holidays"] = Json::array();
  for (const ReportField& field : result.fields) {
    Json& object = field.entry.empty() ? day : day[std::string(field.entry)];
    const Json::json_pointer pointer = PointerOf(field.key);
    if (field.listItem) {
      Json& list = object[pointer];
      if (!list.is_array()) {
        list = Json::array();
      }
      list.push_back(ToJson(field.value));
    } else {
      object[pointer] = ToJson(field.value);
    }
  }
  if (result.error) {
    day["error"] = *result.error;
  }
  return day.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace tempulo
