// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/anniversary_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>

#include "report/ics.h"

namespace tempulo {
namespace {

constexpr std::string_view kProductId = "-//Tempulo//Jahrestage//DE";
// Nesting of components in a file; deeper is not a calendar of this kind.
constexpr int kMaxDepth = 8;
constexpr std::size_t kMaxLines = 4'000'000;

// The calendars RFC 7529 names (by their CLDR names), and ours for them.
struct Scale {
  std::string_view rscale;
  std::string_view calendar;
};
constexpr std::array<Scale, 8> kScales = {{
    {"GREGORIAN", "civil"},
    {"HEBREW", "jewish"},
    {"CHINESE", "chinese"},
    {"ISLAMIC-CIVIL", "islamic"},
    {"PERSIAN", "iranian"},
    {"COPTIC", "coptic_ethiopian"},
    {"ETHIOPIC", "ethiopian"},
    {"INDIAN", "indian"},
}};

struct Kind {
  AnniversaryKind kind;
  std::string_view token;
};
constexpr std::array<Kind, 6> kKinds = {{
    {AnniversaryKind::kBirthday, "BIRTHDAY"},
    {AnniversaryKind::kDeath, "DEATH"},
    {AnniversaryKind::kWedding, "WEDDING"},
    {AnniversaryKind::kMemorial, "MEMORIAL"},
    {AnniversaryKind::kNameDay, "NAMEDAY"},
    {AnniversaryKind::kOther, "OTHER"},
}};

// Well-formed UTF-8: no stray continuation bytes, no overlong or cut-off
// sequences, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned value = 0;
    if (c < 0x80U) {
      ++i;
      continue;
    }
    if ((c & 0xE0U) == 0xC0U) {
      length = 2;
      minimum = 0x80U;
      value = c & 0x1FU;
    } else if ((c & 0xF0U) == 0xE0U) {
      length = 3;
      minimum = 0x800U;
      value = c & 0x0FU;
    } else if ((c & 0xF8U) == 0xF0U) {
      length = 4;
      minimum = 0x10000U;
      value = c & 0x07U;
    } else {
      return false;
    }
    if (i + length > text.size()) {
      return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0U) != 0x80U) {
        return false;
      }
      value = (value << 6U) | (next & 0x3FU);
    }
    if (value < minimum || value > 0x10FFFFU || (value >= 0xD800U && value <= 0xDFFFU)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
  return upper;
}

// One content line: name, parameters (as written) and value.
struct ContentLine {
  std::string name;    // upper case
  std::string params;  // ";VALUE=DATE", as it stood
  std::string value;
};

std::optional<ContentLine> SplitLine(const std::string& line) {
  bool quoted = false;
  std::size_t nameEnd = std::string::npos;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == ';' || c == ':') && nameEnd == std::string::npos) {
      nameEnd = i;
    }
    if (!quoted && c == ':') {
      ContentLine content;
      content.name = Upper(line.substr(0, nameEnd));
      content.params = line.substr(nameEnd, i - nameEnd);
      content.value = line.substr(i + 1);
      return content.name.empty() ? std::nullopt : std::optional<ContentLine>(content);
    }
  }
  return std::nullopt;
}

std::string Unescape(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      plain += next == 'n' || next == 'N' ? '\n' : next;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

std::optional<CivilDate> BasicDate(std::string_view value) {
  if (value.size() < 8) {
    return std::nullopt;
  }
  int numbers[3] = {0, 0, 0};
  const std::size_t widths[3] = {4, 2, 2};
  std::size_t at = 0;
  for (int part = 0; part < 3; ++part) {
    for (std::size_t i = 0; i < widths[part]; ++i, ++at) {
      if (value[at] < '0' || value[at] > '9') {
        return std::nullopt;
      }
      numbers[part] = numbers[part] * 10 + (value[at] - '0');
    }
  }
  if (numbers[1] < 1 || numbers[1] > 12 || numbers[2] < 1 ||
      numbers[2] > MonthLength(IsGregorianLeapYear(numbers[0]), numbers[1])) {
    return std::nullopt;
  }
  return CivilDate{numbers[0], numbers[1], numbers[2]};
}

std::string BasicText(CivilDate date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
  return buffer;
}

// The parts of an RRULE value, upper case.
std::vector<std::pair<std::string, std::string>> RulePartsOf(std::string_view value) {
  std::vector<std::pair<std::string, std::string>> parts;
  std::size_t start = 0;
  while (start <= value.size()) {
    const std::size_t end = std::min(value.find(';', start), value.size());
    const std::string_view part = value.substr(start, end - start);
    const std::size_t equals = part.find('=');
    if (equals != std::string_view::npos) {
      parts.emplace_back(Upper(part.substr(0, equals)), Upper(part.substr(equals + 1)));
    }
    start = end + 1;
  }
  return parts;
}

std::optional<int> SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 3) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

// The Hebrew months of the rule (counted from Tishri, Adar I as "5L") and
// those of the calendar here (from Nisan).
CalendarFields HebrewFieldsForRule(const CalendarFields& own, bool leapYear) {
  CalendarFields rule = own;
  rule.leapMonth = false;
  if (own.month >= 7 && own.month <= 11) {
    rule.month = own.month - 6;
  } else if (own.month == 12) {
    rule.month = leapYear ? 5 : 6;
    rule.leapMonth = leapYear;
  } else if (own.month == 13) {
    rule.month = 6;
  } else {
    rule.month = own.month + 6;
  }
  return rule;
}

bool JewishLeap(long long year) {
  const LookupCalendar* jewish = FindLookupCalendar("jewish");
  CalendarFields probe;
  probe.year = year;
  probe.month = 13;
  probe.day = 1;
  if (jewish == nullptr) {
    return false;
  }
  const std::optional<FixedDay> day = jewish->toFixed(probe);
  if (!day) {
    return false;
  }
  const std::optional<CalendarFields> back = jewish->fromFixed(*day);
  return back && back->month == 13;
}

// One VEVENT as read: the entry, or empty when this program cannot take it
// as an anniversary (it is then kept as it was).
std::optional<Anniversary> EventToEntry(const std::vector<std::string>& lines) {
  Anniversary entry;
  std::optional<CivilDate> start;
  std::vector<std::pair<std::string, std::string>> rule;
  bool hasRule = false;
  bool ours = false;
  for (const std::string& line : lines) {
    const std::optional<ContentLine> content = SplitLine(line);
    if (!content) {
      continue;
    }
    const std::string& name = content->name;
    if (name == "UID") {
      entry.uid = content->value;
    } else if (name == "SUMMARY") {
      entry.name = Unescape(content->value);
    } else if (name == "DESCRIPTION") {
      entry.note = Unescape(content->value);
    } else if (name == "DTSTART") {
      start = BasicDate(content->value);
    } else if (name == "RRULE") {
      if (hasRule) {
        return std::nullopt;  // two rules: not an anniversary of one date
      }
      hasRule = true;
      rule = RulePartsOf(content->value);
    } else if (name == "X-TEMPULO-CALENDAR") {
      entry.calendar = content->value;
      ours = true;
    } else if (name == "X-TEMPULO-ENTERED") {
      entry.entered = content->value;
    } else if (name == "X-TEMPULO-KIND") {
      for (const Kind& kind : kKinds) {
        if (Upper(content->value) == kind.token) {
          entry.kind = kind.kind;
        }
      }
    } else if (name == "X-TEMPULO-AFTER-SUNSET") {
      entry.afterSunset = Upper(content->value) == "TRUE";
    } else if (name == "X-TEMPULO-LEAP-DAY") {
      entry.marchFirst = Upper(content->value) == "MAR1";
    } else if (name == "DTSTAMP" || name == "DTEND" || name == "TRANSP") {
      // written anew
    } else {
      entry.keptLines.push_back(line);
    }
  }
  if (!start) {
    return std::nullopt;
  }
  entry.day = FixedFromGregorian(*start);
  if (ours) {
    if (FindRecurrenceCalendar(entry.calendar) == nullptr) {
      return std::nullopt;
    }
    if (entry.entered.empty() || FindRecurrenceCalendar(entry.entered) == nullptr) {
      entry.entered = entry.calendar;
    }
    return entry;
  }
  // Another program's event: a yearly rule, recurring by its SKIP.
  if (!hasRule) {
    return std::nullopt;
  }
  entry.kind = AnniversaryKind::kOther;
  std::string scale = "GREGORIAN";
  SkipRule skip = SkipRule::kOmit;
  std::optional<int> month;
  bool leapMonth = false;
  std::optional<int> monthDay;
  for (const auto& [key, value] : rule) {
    if (key == "FREQ") {
      if (value != "YEARLY") {
        return std::nullopt;
      }
    } else if (key == "RSCALE") {
      scale = value;
    } else if (key == "SKIP") {
      skip = value == "BACKWARD" ? SkipRule::kBackward : value == "FORWARD" ? SkipRule::kForward : SkipRule::kOmit;
    } else if (key == "BYMONTH") {
      leapMonth = value.ends_with('L');
      month = SmallNumber(leapMonth ? std::string_view(value).substr(0, value.size() - 1) : value);
      if (!month) {
        return std::nullopt;
      }
    } else if (key == "BYMONTHDAY") {
      monthDay = SmallNumber(value);
      if (!monthDay) {
        return std::nullopt;
      }
    } else if (!(key == "INTERVAL" && value == "1") && key != "WKST") {
      return std::nullopt;  // COUNT, UNTIL, BYDAY, every other year ...: not a plain anniversary
    }
  }
  const auto found = std::find_if(kScales.begin(), kScales.end(), [&](const Scale& s) { return s.rscale == scale; });
  if (found == kScales.end()) {
    return std::nullopt;
  }
  entry.calendar = std::string(found->calendar);
  entry.entered = entry.calendar;
  const LookupCalendar* calendar = FindRecurrenceCalendar(entry.calendar);
  // RFC 5545 without RSCALE: the proleptic Gregorian calendar; the civil one
  // agrees from 1582 on.
  std::optional<CalendarFields> date = calendar->fromFixed(entry.day);
  if (!date) {
    return std::nullopt;
  }
  if (entry.calendar == "jewish") {
    *date = HebrewFieldsForRule(*date, JewishLeap(date->year));
  }
  if (month) {
    date->month = *month;
    date->leapMonth = leapMonth;
  }
  if (monthDay) {
    date->day = *monthDay;
  }
  entry.foreignSkip = skip;
  entry.foreignDate = date;
  return entry;
}

std::string Property(std::string_view name, std::string_view value) {
  return FoldIcsLine(std::string(name) + ":" + std::string(value));
}

std::string_view ScaleOf(std::string_view calendar) {
  for (const Scale& scale : kScales) {
    if (scale.calendar == calendar) {
      return scale.rscale;
    }
  }
  return {};
}

// The RFC 7529 rule that comes nearest to this program's: SKIP as the rule
// of the calendar does where a year lacks the day.
std::string RuleText(const Anniversary& entry) {
  const std::string_view scale = ScaleOf(entry.calendar);
  const std::optional<CalendarFields> date = RecurrenceDate(entry);
  if (scale.empty() || !date) {
    return {};
  }
  if (entry.foreignSkip && entry.foreignDate) {
    const std::string_view skip = *entry.foreignSkip == SkipRule::kBackward  ? "BACKWARD"
                                  : *entry.foreignSkip == SkipRule::kForward ? "FORWARD"
                                                                            : "OMIT";
    return "RSCALE=" + std::string(scale) + ";FREQ=YEARLY;BYMONTH=" + std::to_string(date->month) +
           (date->leapMonth ? "L" : "") + ";BYMONTHDAY=" + std::to_string(date->day) + ";SKIP=" + std::string(skip);
  }
  CalendarFields fields = *date;
  std::string_view skip = "BACKWARD";
  if (entry.calendar == "civil") {
    if (!(fields.month == 2 && fields.day == 29)) {
      return "FREQ=YEARLY";
    }
    skip = entry.marchFirst ? "FORWARD" : "BACKWARD";
  } else if (entry.calendar == "chinese") {
    fields.leapMonth = false;  // a leap-month birth recurs in the regular month
  } else if (entry.calendar == "jewish") {
    fields = HebrewFieldsForRule(*date, JewishLeap(date->year));
    const bool dayBefore = entry.kind == AnniversaryKind::kDeath && (date->month == 8 || date->month == 9) &&
                           date->day == 30;
    skip = dayBefore ? "BACKWARD" : "FORWARD";
  }
  return "RSCALE=" + std::string(scale) + ";FREQ=YEARLY;BYMONTH=" + std::to_string(fields.month) +
         (fields.leapMonth ? "L" : "") + ";BYMONTHDAY=" + std::to_string(fields.day) + ";SKIP=" + std::string(skip);
}

std::string EventText(const Anniversary& entry, std::string_view stampUtc) {
  std::string text = Property("BEGIN", "VEVENT");
  text += Property("UID", entry.uid);
  text += Property("DTSTAMP", stampUtc);
  text += Property("DTSTART;VALUE=DATE", BasicText(GregorianFromFixed(entry.day)));
  const std::string rule = RuleText(entry);
  if (!rule.empty()) {
    text += Property("RRULE", rule);
  }
  text += Property("SUMMARY", IcsText(entry.name));
  if (!entry.note.empty()) {
    text += Property("DESCRIPTION", IcsText(entry.note));
  }
  text += Property("TRANSP", "TRANSPARENT");
  if (!entry.foreignSkip) {
    const auto kind = std::find_if(kKinds.begin(), kKinds.end(), [&](const Kind& k) { return k.kind == entry.kind; });
    text += Property("X-TEMPULO-KIND", kind->token);
    text += Property("X-TEMPULO-CALENDAR", entry.calendar);
    text += Property("X-TEMPULO-ENTERED", entry.entered.empty() ? entry.calendar : entry.entered);
    if (entry.afterSunset) {
      text += Property("X-TEMPULO-AFTER-SUNSET", "TRUE");
    }
    if (entry.marchFirst) {
      text += Property("X-TEMPULO-LEAP-DAY", "MAR1");
    }
  }
  for (const std::string& line : entry.keptLines) {
    text += FoldIcsLine(line);
  }
  text += Property("END", "VEVENT");
  return text;
}

std::string WhyText(const std::filesystem::path& file, std::string_view what) {
  return "Die Jahrestage-Datei " + file.string() + " " + std::string(what);
}

std::string ErrnoText() { return std::strerror(errno); }

// A lock beside the file for the read-change-write of a save.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& file) {
    const std::string lockPath = file.string() + ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock() {
    if (fd_ >= 0) {
      ::flock(fd_, LOCK_UN);
      ::close(fd_);
    }
  }
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A copy of the current file as the backup, itself written and renamed.
bool KeepBackup(const std::filesystem::path& file, std::string& why) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    return true;
  }
  const std::filesystem::path backup = AnniversaryBackupPath(file);
  const std::filesystem::path temporary = backup.string() + ".tmp";
  std::filesystem::copy_file(file, temporary, std::filesystem::copy_options::overwrite_existing, error);
  if (!error) {
    std::filesystem::rename(temporary, backup, error);
  }
  if (error) {
    std::filesystem::remove(temporary, error);
    why = WhyText(file, "konnte nicht gesichert werden (" + backup.string() + "); nichts wurde geändert.");
    return false;
  }
  return true;
}

}  // namespace

std::optional<AnniversaryCalendar> ParseAnniversaryCalendar(std::string_view text, std::string& why) {
  if (text.find('\0') != std::string_view::npos || !IsValidUtf8(text)) {
    why = "ist keine Textdatei im Format iCalendar (UTF-8).";
    return std::nullopt;
  }
  // Unfold: a line starting with a space or a tab continues the one before.
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !lines.empty()) {
      lines.back().append(line.substr(1));
    } else if (!line.empty()) {
      lines.emplace_back(line);
    }
    if (lines.size() > kMaxLines) {
      why = "hat zu viele Zeilen.";
      return std::nullopt;
    }
    start = end + 1;
  }
  if (lines.empty() || Upper(lines.front()) != "BEGIN:VCALENDAR") {
    why = "ist keine iCalendar-Datei (sie beginnt nicht mit BEGIN:VCALENDAR).";
    return std::nullopt;
  }
  AnniversaryCalendar calendar;
  std::vector<std::string> stack;
  std::vector<std::string> component;  // the top-level component being read
  bool ended = false;
  for (const std::string& line : lines) {
    if (ended) {
      why = "hat nach END:VCALENDAR noch Zeilen.";
      return std::nullopt;
    }
    const std::optional<ContentLine> content = SplitLine(line);
    if (!content) {
      why = "enthält eine Zeile, die keine iCalendar-Zeile ist: \"" + line.substr(0, 40) + "\".";
      return std::nullopt;
    }
    if (content->name == "BEGIN") {
      stack.push_back(Upper(content->value));
      if (static_cast<int>(stack.size()) > kMaxDepth) {
        why = "ist zu tief verschachtelt.";
        return std::nullopt;
      }
    }
    if (stack.size() >= 2) {
      component.push_back(line);
    } else if (stack.size() == 1 && content->name == "X-TEMPULO-VERSION") {
      const std::optional<int> version = SmallNumber(content->value);
      if (!version || *version > kAnniversaryFileVersion) {
        why = "stammt von einer neueren Version von Tempulo (Dateiversion " + content->value + ").";
        return std::nullopt;
      }
    }
    if (content->name == "END") {
      if (stack.empty() || stack.back() != Upper(content->value)) {
        why = "ist beschädigt: END:" + content->value + " passt nicht zum BEGIN davor.";
        return std::nullopt;
      }
      stack.pop_back();
      if (stack.size() == 1) {
        // A whole top-level component: an anniversary, or kept as it is.
        std::optional<Anniversary> entry;
        if (Upper(component.front()) == "BEGIN:VEVENT") {
          entry = EventToEntry({component.begin() + 1, component.end() - 1});
        }
        if (entry) {
          if (entry->uid.empty()) {
            entry->uid = NewAnniversaryUid();
          }
          calendar.entries.push_back(std::move(*entry));
        } else {
          calendar.keptComponents.push_back(component);
        }
        component.clear();
      }
      ended = stack.empty();
    }
  }
  if (!ended) {
    why = "ist unvollständig (END:VCALENDAR fehlt).";
    return std::nullopt;
  }
  return calendar;
}

std::string AnniversaryCalendarText(const AnniversaryCalendar& calendar, std::string_view stampUtc) {
  std::string text = Property("BEGIN", "VCALENDAR");
  text += Property("VERSION", "2.0");
  text += Property("PRODID", kProductId);
  text += Property("CALSCALE", "GREGORIAN");
  text += Property("X-TEMPULO-VERSION", std::to_string(kAnniversaryFileVersion));
  for (const Anniversary& entry : calendar.entries) {
    text += EventText(entry, stampUtc);
  }
  for (const std::vector<std::string>& component : calendar.keptComponents) {
    for (const std::string& line : component) {
      text += FoldIcsLine(line);
    }
  }
  text += Property("END", "VCALENDAR");
  return text;
}

std::string ExpandedAnniversaryText(const AnniversaryBook& book, FixedDay first, FixedDay last,
                                    std::string_view stampUtc) {
  std::string text = Property("BEGIN", "VCALENDAR");
  text += Property("VERSION", "2.0");
  text += Property("PRODID", kProductId);
  text += Property("CALSCALE", "GREGORIAN");
  for (const Occurrence& occurrence : book.Between(first, last)) {
    const Anniversary& entry = book.Entries()[occurrence.entry];
    const CivilDate day = GregorianFromFixed(occurrence.day);
    text += Property("BEGIN", "VEVENT");
    text += Property("UID", entry.uid + "-" + BasicText(day));
    text += Property("DTSTAMP", stampUtc);
    text += Property("DTSTART;VALUE=DATE", BasicText(day));
    text += Property("DTEND;VALUE=DATE", BasicText(GregorianFromFixed(occurrence.day + 1)));
    text += Property("SUMMARY", IcsText(OccurrenceText(entry, occurrence)));
    if (!entry.note.empty()) {
      text += Property("DESCRIPTION", IcsText(entry.note));
    }
    text += Property("TRANSP", "TRANSPARENT");
    text += Property("END", "VEVENT");
  }
  text += Property("END", "VCALENDAR");
  return text;
}

std::filesystem::path DefaultAnniversaryPath() {
  std::filesystem::path base;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
    base = data;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    base = std::filesystem::temp_directory_path();
  }
  return base / "tempulo" / "jahrestage.ics";
}

std::filesystem::path AnniversaryBackupPath(const std::filesystem::path& file) {
  return file.string() + ".bak";
}

AnniversaryFileRead ReadAnniversaryFile(const std::filesystem::path& file) {
  AnniversaryFileRead result;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    result.state = FileState::kMissing;
    return result;
  }
  result.state = FileState::kUnreadable;
  if (error || status.type() != std::filesystem::file_type::regular) {
    result.why = WhyText(file, "ist keine lesbare Datei.");
    return result;
  }
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kMaxAnniversaryFileBytes) {
    result.why = WhyText(file, "ist zu groß (mehr als 32 MB); sie wird nicht gelesen.");
    return result;
  }
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in.good() && !in.eof()) {
    result.why = WhyText(file, "konnte nicht gelesen werden.");
    return result;
  }
  if (!in.is_open()) {
    result.why = WhyText(file, "konnte nicht geöffnet werden (" + ErrnoText() + ").");
    return result;
  }
  std::string why;
  std::optional<AnniversaryCalendar> calendar = ParseAnniversaryCalendar(text.str(), why);
  if (!calendar) {
    result.why = WhyText(file, why);
    return result;
  }
  result.state = FileState::kRead;
  result.calendar = std::move(*calendar);
  return result;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view text, std::string& why) {
  std::error_code error;
  const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
  std::filesystem::create_directories(folder, error);
  if (error) {
    why = "Der Ordner " + folder.string() + " konnte nicht angelegt werden (" + error.message() + ").";
    return false;
  }
  std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    why = "In den Ordner " + folder.string() + " kann nicht geschrieben werden (" + ErrnoText() + ").";
    return false;
  }
  ::fchmod(fd, 0644);
  const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
  const std::string failure = ErrnoText();
  ::close(fd);
  if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
    ::unlink(temporary.c_str());
    why = "Die Datei " + file.string() + " konnte nicht geschrieben werden (" + (written ? ErrnoText() : failure) +
          "); die bisherige Fassung ist unverändert.";
    return false;
  }
  // The rename itself is durable once the folder is.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  return true;
}

bool ChangeAnniversaryFile(const std::filesystem::path& file,
                           const std::function<void(AnniversaryCalendar&)>& change, std::string& why,
                           AnniversaryCalendar* written) {
  std::error_code error;
  const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
  std::filesystem::create_directories(folder, error);
  if (error) {
    why = "Der Ordner " + folder.string() + " konnte nicht angelegt werden (" + error.message() + ").";
    return false;
  }
  const FileLock lock(file);
  if (!lock.Held()) {
    why = WhyText(file, "kann nicht gesperrt werden (" + ErrnoText() + "); nichts wurde geändert.");
    return false;
  }
  AnniversaryFileRead current = ReadAnniversaryFile(file);
  if (current.state == FileState::kUnreadable) {
    why = current.why + " Sie wird nicht überschrieben.";
    return false;
  }
  change(current.calendar);
  if (!KeepBackup(file, why)) {
    return false;
  }
  if (!WriteFileAtomically(file, AnniversaryCalendarText(current.calendar, IcsStampNow()), why)) {
    return false;
  }
  if (written != nullptr) {
    *written = std::move(current.calendar);
  }
  return true;
}

std::string IcsStampNow() {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    char* end = nullptr;
    const long long value = std::strtoll(epoch, &end, 10);
    if (end != nullptr && *end == '\0' && value >= 0) {
      now = static_cast<std::time_t>(value);
    }
  }
  std::tm utc{};
  gmtime_r(&now, &utc);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y%m%dT%H%M%SZ", &utc);
  return buffer;
}

std::string NewAnniversaryUid() {
  std::random_device device;
  std::mt19937_64 generator((static_cast<std::uint64_t>(device()) << 32U) ^ device() ^
                            static_cast<std::uint64_t>(std::time(nullptr)));
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%016llx%08x@tempulo.org", static_cast<unsigned long long>(generator()),
                static_cast<unsigned>(generator() & 0xffffffffU));
  return buffer;
}

}  // namespace tempulo
