// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/refresh.h"

#include <array>
#include <cmath>
#include <exception>

#include "report/anniversaries.h"
#include "report/holiday_lines.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Januar",    "Februar", "März",     "April",
                                                          "Mai",       "Juni",    "Juli",     "August",
                                                          "September", "Oktober", "November", "Dezember"};

// The weekdays repeat every 400 Gregorian years, so a match is always found
// well within this many years.
constexpr int kSubstituteSearchYears = 400;
constexpr int kFirstGregorianYear = 1583;

}  // namespace

std::string_view GermanMonthName(int month) {
  if (month < 1 || month > 12) {
    return {};
  }
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

int SubstituteGridYear(YearMonth month) {
  // The grid is Gregorian: find a Gregorian year whose month starts on the
  // weekday the Julian month starts on.
  const int weekday = DayOfWeek(FixedFromJulian({month.year, month.month, 1}));
  for (int candidate = kFirstGregorianYear; candidate < kFirstGregorianYear + kSubstituteSearchYears;
       ++candidate) {
    if (DayOfWeek(FixedFromGregorian({candidate, month.month, 1})) == weekday) {
      return candidate;
    }
  }
  return kFirstGregorianYear;
}

int ClampGridDay(CivilDate gridDate) {
  const int length = GregorianMonthLength(gridDate.year, gridDate.month);
  return length != 0 && length < gridDate.day ? length : gridDate.day;
}

bool NeedsSubstituteGridYear(YearMonth month) {
  return month.year < 1582 || (month.year == 1582 && month.month <= 10);
}

bool GridCanShow(CivilDate date) {
  return ClampGridDay({GridYear({date.year, date.month}), date.month, date.day}) == date.day;
}

int GridYear(YearMonth month) { return NeedsSubstituteGridYear(month) ? SubstituteGridYear(month) : month.year; }

std::optional<CivilDate> ReadSelectedDate(int gridDay, SpinValues spins) {
  const double monthValue = spins.month;
  const double yearValue = spins.year;
  if (!std::isfinite(monthValue) || !std::isfinite(yearValue)) {
    return std::nullopt;
  }
  const double month = std::nearbyint(monthValue);
  if (month < 1 || month > 12) {
    return std::nullopt;
  }
  const double year = std::nearbyint(yearValue);
  if (year < kMinimumYear || year > kMaximumYear) {
    return std::nullopt;
  }
  return CivilDate{static_cast<int>(year), static_cast<int>(month), gridDay};
}

std::string WindowCaption(const CivilDate& date) {
  return "Tempulo " + std::to_string(date.day) + "." + std::string(GermanMonthName(date.month)) + " " +
         std::to_string(date.year);
}

std::string DateLine(const CivilDate& date) {
  return "Datum\t" + std::to_string(date.day) + "." + std::string(GermanMonthName(date.month)) + " " +
         std::to_string(date.year);
}

std::string ClipboardText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

std::string ErrorMessageText(std::string_view message) {
  std::string text(message);
  if (text.empty() || static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

RefreshResult Refresh(const CivilDate& date, HolidayTable& holidays, const Clock& clock,
                      const RefreshOptions& options) {
  const bool keepValues = options.keepValues;
  RefreshResult result;
  result.caption = WindowCaption(date);
  Report report(keepValues, options.everyCrossing);
  report.Add(DateLine(date));
  report.Add(" ");
  try {
    const std::vector<DatedHoliday> monthHolidays = holidays.MonthHolidays(date.year, date.month);
    result.holidayLines = HolidayListLines(monthHolidays);
    AddHolidayReportLines(monthHolidays, date.day, report);
    if (options.anniversaries != nullptr) {
      AddAnniversaryReportLines(*options.anniversaries, FixedFromCivil(date), report);
    }
    BuildReport(date, clock, report, options.place, options.entries);
    AddExtraReportLines(date, options.place, options.extra, report);
  } catch (const std::exception& error) {
    result.error = error.what();
  }
  result.heading = report.Heading();
  result.reportLines = report.Lines();
  if (keepValues) {
    result.lineEntries = report.LineEntries();
    result.fields = report.Fields();
  }
  return result;
}

}  // namespace tempulo
