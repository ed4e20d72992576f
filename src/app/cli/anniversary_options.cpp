// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/anniversary_options.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "report/anniversary_file.h"
#include "report/date_argument.h"

namespace tempulo {
namespace {

constexpr int kMaxUpcomingDays = 36600;

std::string_view KindToken(AnniversaryKind kind) {
  switch (kind) {
    case AnniversaryKind::kBirthday:
      return "birthday";
    case AnniversaryKind::kDeath:
      return "death";
    case AnniversaryKind::kWedding:
      return "wedding";
    case AnniversaryKind::kMemorial:
      return "memorial";
    case AnniversaryKind::kNameDay:
      return "name_day";
    case AnniversaryKind::kOther:
      return "other";
  }
  return "other";
}

}  // namespace

bool TakeAnniversaryOptions(std::vector<std::string>& args, AnniversaryOptions& options, std::string& why) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::optional<std::string> attached;
    if (arg.starts_with("--") && arg.find('=') != std::string::npos) {
      attached = arg.substr(arg.find('=') + 1);
      arg.resize(arg.find('='));
    }
    if (arg != "--anniversaries" && arg != "--upcoming" && arg != "--anniversaries-file" &&
        arg != "--export-anniversaries") {
      rest.push_back(args[i]);
      continue;
    }
    if (arg == "--anniversaries") {
      if (attached) {
        why = "Die Angabe --anniversaries nimmt keinen Wert.";
        return false;
      }
      options.list = true;
      continue;
    }
    if ((arg == "--upcoming" && options.upcoming) || (arg == "--anniversaries-file" && options.file) ||
        (arg == "--export-anniversaries" && options.exportTo)) {
      why = "Die Angabe " + arg + " steht mehrfach im Aufruf.";
      return false;
    }
    if (!attached && i + 1 >= args.size()) {
      why = "Nach " + arg + " fehlt der Wert.";
      return false;
    }
    const std::string value = attached ? *attached : args[++i];
    if (arg == "--upcoming") {
      const std::optional<int> days = ParseDecimal(value, 5);
      if (!days || *days < 1 || *days > kMaxUpcomingDays) {
        why = "Die Anzahl der Tage \"" + value + "\" für --upcoming liegt nicht zwischen 1 und 36600.";
        return false;
      }
      options.upcoming = *days;
    } else {
      if (value.empty()) {
        why = "Nach " + arg + " fehlt der Dateiname.";
        return false;
      }
      (arg == "--anniversaries-file" ? options.file : options.exportTo) = value;
    }
  }
  args = std::move(rest);
  return true;
}

std::unique_ptr<AnniversaryBook> LoadAnniversaries(const AnniversaryOptions& options, std::string& why) {
  const std::filesystem::path path = options.file ? std::filesystem::path(*options.file) : DefaultAnniversaryPath();
  AnniversaryFileRead read = ReadAnniversaryFile(path);
  if (read.state == FileState::kUnreadable) {
    why = read.why;
    return nullptr;
  }
  if (read.state == FileState::kMissing && options.file) {
    why = "Die Jahrestage-Datei " + path.string() + " gibt es nicht.";
    return nullptr;
  }
  if (read.calendar.entries.empty()) {
    return nullptr;
  }
  return std::make_unique<AnniversaryBook>(std::move(read.calendar.entries));
}

int ExportAnniversaries(const AnniversaryOptions& options, std::ostream& err) {
  const std::filesystem::path path = options.file ? std::filesystem::path(*options.file) : DefaultAnniversaryPath();
  const AnniversaryFileRead read = ReadAnniversaryFile(path);
  if (read.state == FileState::kUnreadable) {
    err << read.why << '\n';
    return 2;
  }
  std::string why;
  if (!WriteFileAtomically(*options.exportTo, AnniversaryCalendarText(read.calendar, IcsStampNow()), why)) {
    err << why << '\n';
    return 3;
  }
  return 0;
}

void WriteAnniversaryList(const AnniversaryBook& book, FixedDay first, FixedDay last, AnniversaryFormat format,
                          std::ostream& out) {
  if (format == AnniversaryFormat::kIcs) {
    out << ExpandedAnniversaryText(book, first, last, IcsStampNow());
    return;
  }
  for (const Occurrence& occurrence : book.Between(first, last)) {
    const Anniversary& entry = book.Entries()[occurrence.entry];
    const LookupCalendar* calendar = FindRecurrenceCalendar(entry.calendar);
    const std::string date = IsoDay(occurrence.day);
    if (format == AnniversaryFormat::kText) {
      out << date << '\t' << OccurrenceText(entry, occurrence) << '\n';
    } else if (format == AnniversaryFormat::kTsv) {
      out << date << '\t' << entry.name << '\t' << KindToken(entry.kind) << '\t' << occurrence.count << '\t'
          << entry.calendar << '\t' << CalendarDayText(*calendar, occurrence.date) << '\n';
    } else {
      nlohmann::ordered_json calendarDate = {{"year", occurrence.date.year},
                                             {"month", occurrence.date.month},
                                             {"month_name", MonthText(*calendar, occurrence.date.month,
                                                                      occurrence.date.leapMonth)},
                                             {"day", occurrence.date.day}};
      if (occurrence.date.leapMonth) {
        calendarDate["leap_month"] = true;
      }
      const nlohmann::ordered_json line = {{"date", date},
                                           {"name", entry.name},
                                           {"kind", KindToken(entry.kind)},
                                           {"count", occurrence.count},
                                           {"text", CountText(entry, occurrence.count)},
                                           {"calendar", entry.calendar},
                                           {"calendar_date", calendarDate},
                                           {"uid", entry.uid}};
      out << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    }
  }
}

}  // namespace tempulo
