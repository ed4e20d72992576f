// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/print/layout_check.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "holidays/holidays.h"
#include "report/feasts.h"

namespace tempulo {
namespace {

// Rounding of the device's coordinates: well under a hundredth of a millimetre.
constexpr double kTolerance = 0.5;

bool Inside(const QRectF& inner, const QRectF& outer) {
  return inner.left() >= outer.left() - kTolerance && inner.top() >= outer.top() - kTolerance &&
         inner.right() <= outer.right() + kTolerance && inner.bottom() <= outer.bottom() + kTolerance;
}

std::string Describe(const DrawnText& text, const char* what) {
  const auto box = [](const QRectF& r) {
    return "(" + std::to_string(r.left()) + ", " + std::to_string(r.top()) + ", " + std::to_string(r.width()) +
           " x " + std::to_string(r.height()) + ")";
  };
  return "\"" + text.text.toStdString() + "\" " + what + ": drawn " + box(text.drawn) + ", allowed " +
         box(text.allowed);
}

std::string Longest(const std::vector<std::string>& names, std::size_t skip = 0) {
  std::vector<std::string> sorted = names;
  std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
    return QString::fromStdString(a).size() > QString::fromStdString(b).size();
  });
  return sorted.empty() ? std::string() : sorted[std::min(skip, sorted.size() - 1)];
}

template <typename Paint>
std::vector<std::string> Check(const PageChoice& choice, std::size_t* drawnCount, Paint paint) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageLayout(CalendarPageLayout(choice));
  QPainter painter(&writer);
  std::vector<DrawnText> drawn;
  const QRect paintRect = writer.pageLayout().paintRectPixels(writer.resolution());
  const QRectF page(0, 0, paintRect.width(), paintRect.height());
  paint(painter, writer, page, drawn);
  painter.end();
  if (drawnCount != nullptr) {
    *drawnCount = drawn.size();
  }
  return LayoutFaults(drawn, page);
}

}  // namespace

std::vector<PageChoice> CheckedPageChoices() {
  return {{QPageSize::A4, QPageLayout::Landscape},
          {QPageSize::A4, QPageLayout::Portrait},
          {QPageSize::Letter, QPageLayout::Landscape},
          {QPageSize::Letter, QPageLayout::Portrait}};
}

std::vector<std::string> LayoutFaults(const std::vector<DrawnText>& drawn, const QRectF& page) {
  std::vector<std::string> faults;
  for (const DrawnText& text : drawn) {
    if (!Inside(text.drawn, text.allowed)) {
      faults.push_back(Describe(text, "leaves its box"));
    } else if (!Inside(text.allowed, page) || !Inside(text.drawn, page)) {
      faults.push_back(Describe(text, "leaves the page"));
    }
  }
  return faults;
}

std::vector<std::string> CheckPages(const std::vector<PrintPage>& pages, const PrintOptions& options,
                                    const PageChoice& choice, std::size_t* drawnCount) {
  return Check(choice, drawnCount, [&](QPainter& painter, QPdfWriter& writer, const QRectF&,
                                       std::vector<DrawnText>& drawn) {
    PaintCalendarPages(painter, writer, pages, options, &drawn);
  });
}

std::vector<std::string> CheckMonth(const PrintMonth& month, const PageChoice& choice, std::size_t* drawnCount) {
  return Check(choice, drawnCount,
               [&](QPainter& painter, QPdfWriter&, const QRectF& page, std::vector<DrawnText>& drawn) {
                 PaintMonthPage(painter, page, month, QStringLiteral("Mecklenburg-Vorpommern"), &drawn);
               });
}

PrintMonth LongestNamesMonth() {
  std::vector<std::string> holidays;
  const HolidayTable table = HolidayTable::Standard();
  for (const HolidayRecord& record : table.Records()) {
    holidays.push_back(record.name);
  }
  std::vector<std::string> festivals;
  for (int year = 2000; year <= 2040; ++year) {
    for (const Feast& feast : FeastsOfYear(year)) {
      festivals.push_back(feast.name);
    }
  }
  std::vector<std::string> months;
  for (const LookupCalendar* calendar : SecondCalendars()) {
    for (const CalendarMonth& month : MonthsOf(*calendar)) {
      months.push_back(month.name + " 5787");
    }
  }
  const std::string marked = "Hochzeitstag von Anna-Katharina und Maximilian-Alexander Müller-Lüdenscheidt";

  // March 2026 has six rows, the smallest cells of the month pages.
  PrintOptions options;
  options.secondCalendar = FindLookupCalendar("jewish");
  PrintMonth month = BuildPrintMonth(2026, 3, options);
  month.title = "September 2026";
  month.secondCalendarTitle = "Französischer Revolutionskalender";
  for (PrintCell& cell : month.cells) {
    cell.holidays = {{Longest(holidays, 0), true}, {Longest(holidays, 1), false}};
    cell.festivals = {Longest(festivals, 0)};
    cell.marked = {marked};
    cell.moonPhase = MainMoonPhase::kLastQuarter;
    cell.moonPhaseTime = "23:59";
    cell.sunrise = "04:45";
    cell.sunset = "21:59";
    cell.secondDay = "30";
    cell.secondMonth = Longest(months);
  }
  // More lines than the smallest size holds: they are pressed together.
  PrintCell& crowded = month.cells[14];
  for (std::size_t i = 0; i < 12; ++i) {
    crowded.festivals.push_back(Longest(festivals, i));
  }
  return month;
}

}  // namespace tempulo
