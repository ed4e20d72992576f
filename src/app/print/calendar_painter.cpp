// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print/calendar_painter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "report/refresh.h"

namespace tempulo {
namespace {

// Colours that stay apart in black and white too: every one of them comes
// with a weight or a shape of its own.
const QColor kInk(0x10, 0x10, 0x10);
const QColor kGridLine(0x60, 0x60, 0x60);
const QColor kHoliday(0xb0, 0x10, 0x10);
const QColor kHolidayFill(0xfa, 0xe4, 0xe4);
const QColor kSundayFill(0xee, 0xee, 0xee);
const QColor kFestival(0x14, 0x3c, 0x8c);
const QColor kMarked(0x10, 0x6a, 0x2a);
const QColor kQuiet(0x55, 0x55, 0x55);

// The smallest size a text is set in before it is condensed instead.
constexpr double kSmallestPoints = 4.5;
constexpr double kPointStep = 0.25;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;
// At most this many sizes are tried for one text.
constexpr int kMaxSizeSteps = 64;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QFont PrintFont(double points, bool bold = false, bool italic = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  // Device metrics: the same widths on paper, in the PDF and in the preview.
  font.setHintingPreference(QFont::PreferNoHinting);
  // Any letter spacing turns the ligatures off, so that "fi" is copied from
  // the PDF as two letters and a search for a name finds it.
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
  return font;
}

enum class Marker { kNone, kPublic, kFestival, kMarked, kNewMoon, kFirstQuarter, kFullMoon, kLastQuarter };

Marker MoonMarker(MainMoonPhase phase) {
  switch (phase) {
    case MainMoonPhase::kNewMoon:
      return Marker::kNewMoon;
    case MainMoonPhase::kFirstQuarter:
      return Marker::kFirstQuarter;
    case MainMoonPhase::kFullMoon:
      return Marker::kFullMoon;
    case MainMoonPhase::kLastQuarter:
      return Marker::kLastQuarter;
    case MainMoonPhase::kNone:
      break;
  }
  return Marker::kNone;
}

// Draws a mark into the square `box`: each kind has its own shape.
void DrawMarker(QPainter& p, Marker marker, const QRectF& box) {
  if (marker == Marker::kNone) {
    return;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(box.width(), box.height());
  const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
  QPen pen(kInk, std::max(side * 0.09, 0.5));
  p.setPen(pen);
  switch (marker) {
    case Marker::kPublic:
      p.setPen(Qt::NoPen);
      p.setBrush(kHoliday);
      p.drawRect(square.adjusted(side * 0.15, side * 0.15, -side * 0.15, -side * 0.15));
      break;
    case Marker::kFestival: {
      pen.setColor(kFestival);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      const QRectF r = square.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1);
      const QPointF diamond[4] = {{r.center().x(), r.top()},
                                  {r.right(), r.center().y()},
                                  {r.center().x(), r.bottom()},
                                  {r.left(), r.center().y()}};
      p.drawPolygon(diamond, 4);
      break;
    }
    case Marker::kMarked: {
      p.setPen(Qt::NoPen);
      p.setBrush(kMarked);
      QPainterPath star;
      const QPointF c = square.center();
      for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0 ? 0.48 : 0.2) * side;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0) {
          star.moveTo(point);
        } else {
          star.lineTo(point);
        }
      }
      star.closeSubpath();
      p.drawPath(star);
      break;
    }
    case Marker::kNewMoon:
    case Marker::kFirstQuarter:
    case Marker::kFullMoon:
    case Marker::kLastQuarter: {
      // The dark part filled, the lit part white, as calendars draw them.
      const QRectF disc = square.adjusted(side * 0.08, side * 0.08, -side * 0.08, -side * 0.08);
      p.setBrush(Qt::white);
      p.drawEllipse(disc);
      p.setBrush(kInk);
      if (marker == Marker::kNewMoon) {
        p.drawEllipse(disc);
      } else if (marker == Marker::kFirstQuarter) {
        p.drawChord(disc, 90 * 16, 180 * 16);  // left half dark: the right half is lit
      } else if (marker == Marker::kLastQuarter) {
        p.drawChord(disc, -90 * 16, 180 * 16);
      }
      break;
    }
    case Marker::kNone:
      break;
  }
  p.restore();
}

// Draws `text` in one line inside `box`: at `font`'s size, or smaller down to
// the smallest size, and condensed when even that is too wide or too high.
// `allowed` is the box the text must not leave (recorded with it).
void DrawFitted(QPainter& p, const QString& text, QFont font, const QRectF& box, Qt::Alignment align,
                const QColor& colour, const QRectF& allowed, std::vector<DrawnText>* record) {
  if (text.isEmpty() || box.width() <= 0 || box.height() <= 0) {
    return;
  }
  QPaintDevice* device = p.device();
  QFontMetricsF metrics(font, device);
  QRectF ink;
  // The box the glyphs take at the origin on the baseline: the advance and
  // the ink, whichever reaches further.
  const auto extent = [&] {
    const QRectF advance(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    ink = advance.united(metrics.boundingRect(text));
  };
  extent();
  for (int step = 0; step < kMaxSizeSteps && ink.width() > box.width() &&
                     font.pointSizeF() - kPointStep >= kSmallestPoints - 1e-9;
       ++step) {
    font.setPointSizeF(font.pointSizeF() - kPointStep);
    metrics = QFontMetricsF(font, device);
    extent();
  }
  // A hair inside the box, so rounding in the output never touches its edge.
  const double sx = std::min(1.0, box.width() * 0.999 / ink.width());
  const double sy = std::min(1.0, box.height() * 0.999 / ink.height());
  const double width = ink.width() * sx;
  const double height = ink.height() * sy;
  double x = box.left();
  if (align.testFlag(Qt::AlignRight)) {
    x = box.right() - width;
  } else if (align.testFlag(Qt::AlignHCenter)) {
    x = box.left() + (box.width() - width) / 2;
  }
  double y = box.top();
  if (align.testFlag(Qt::AlignBottom)) {
    y = box.bottom() - height;
  } else if (align.testFlag(Qt::AlignVCenter)) {
    y = box.top() + (box.height() - height) / 2;
  }
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.translate(x, y);
  p.scale(sx, sy);
  p.drawText(QPointF(-ink.left(), -ink.top()), text);
  p.restore();
  if (record != nullptr) {
    record->push_back({text, allowed, QRectF(x, y, width, height)});
  }
}

double Points(double deviceUnits, double unitsPerPoint) { return deviceUnits / unitsPerPoint; }

struct Units {
  double mm = 1;  // device units per millimetre
  double pt = 1;  // device units per point
  explicit Units(const QPainter& p) {
    const int dpi = p.device() != nullptr ? p.device()->logicalDpiY() : 72;
    mm = dpi / kMillimetresPerInch;
    pt = dpi / kPointsPerInch;
  }
};

// One line of a cell's list.
struct CellLine {
  QString text;
  Marker marker = Marker::kNone;
  bool bold = false;
  bool italic = false;
  QColor colour = kInk;
};

std::vector<CellLine> LinesOf(const PrintCell& cell) {
  std::vector<CellLine> lines;
  if (!cell.secondMonth.empty()) {
    lines.push_back({Q(cell.secondMonth), Marker::kNone, false, true, kQuiet});
  }
  for (const PrintHoliday& holiday : cell.holidays) {
    if (holiday.isPublic) {
      lines.push_back({Q(holiday.name), Marker::kPublic, true, false, kHoliday});
    } else {
      lines.push_back({Q(holiday.name), Marker::kNone, false, false, kInk});
    }
  }
  for (const std::string& festival : cell.festivals) {
    lines.push_back({Q(festival), Marker::kFestival, false, true, kFestival});
  }
  for (const std::string& marked : cell.marked) {
    lines.push_back({Q(marked), Marker::kMarked, true, false, kMarked});
  }
  if (cell.moonPhase != MainMoonPhase::kNone) {
    // No break before the time, nor within the sun line.
    lines.push_back({Q(MainMoonPhaseName(cell.moonPhase)) + QChar(0x00a0) + Q(cell.moonPhaseTime),
                     MoonMarker(cell.moonPhase), false, false, kInk});
  }
  if (!cell.sunrise.empty()) {
    lines.push_back({QStringLiteral("↑\u00a0") + Q(cell.sunrise) + QStringLiteral("\u00a0\u00a0↓\u00a0") + Q(cell.sunset),
                     Marker::kNone, false, false, kQuiet});
  }
  return lines;
}

// Where the cell has room for more lines than it holds, a line too wide for
// it goes on in the next line, broken between words, rather than being set
// smaller; the widest first. The continuation has no mark of its own.
struct LineRoom {
  double points = 0;  // the cell's text size
  double width = 0;   // of a line, in device units
  int capacity = 0;   // lines the cell holds at that size
};

void WrapIntoSpareLines(const QPainter& p, std::vector<CellLine>& lines, const LineRoom& room) {
  const double points = room.points;
  const double width = room.width;
  const int capacity = room.capacity;
  const auto widthOf = [&](const CellLine& line, const QString& text) {
    return QFontMetricsF(PrintFont(points, line.bold, line.italic), p.device()).boundingRect(text).width();
  };
  for (int spare = capacity - static_cast<int>(lines.size()); spare > 0; --spare) {
    std::size_t widest = lines.size();
    double widestWidth = width;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const double lineWidth = widthOf(lines[i], lines[i].text);
      if (lineWidth > widestWidth && lines[i].text.contains(QLatin1Char(' '))) {
        widest = i;
        widestWidth = lineWidth;
      }
    }
    if (widest == lines.size()) {
      return;
    }
    // The longest beginning that fits, or else the first word alone.
    const QString text = lines[widest].text;
    qsizetype cut = text.indexOf(QLatin1Char(' '));
    for (qsizetype space = text.lastIndexOf(QLatin1Char(' ')); space > 0;
         space = text.lastIndexOf(QLatin1Char(' '), space - 1)) {
      if (widthOf(lines[widest], text.left(space)) <= width) {
        cut = space;
        break;
      }
    }
    CellLine rest = lines[widest];
    rest.marker = Marker::kNone;
    rest.text = text.mid(cut + 1);
    lines[widest].text = text.left(cut);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(widest) + 1, rest);
  }
}

void PaintCell(QPainter& p, const Units& u, const QRectF& rect, const PrintCell& cell,
               std::vector<DrawnText>* record) {
  const double pad = std::min(1.2 * u.mm, rect.width() * 0.05);
  const QRectF inner = rect.adjusted(pad, pad * 0.6, -pad, -pad * 0.6);
  const bool holiday = cell.IsPublicHoliday();
  const double dayPoints = std::clamp(Points(rect.height(), u.pt) * 0.26, 7.0, 16.0);
  const QFont dayFont = PrintFont(dayPoints, true);
  const double dayHeight = QFontMetricsF(dayFont, p.device()).height();
  const QRectF dayBox(inner.left(), inner.top(), inner.width() * 0.6, std::min(dayHeight, inner.height() * 0.4));
  QFont numberFont = dayFont;
  numberFont.setBold(holiday);
  if (holiday) {
    numberFont.setUnderline(true);
  }
  DrawFitted(p, QString::number(cell.day), numberFont, dayBox, Qt::AlignLeft | Qt::AlignTop,
             holiday || cell.IsSunday() ? kHoliday : kInk, rect, record);
  if (!cell.secondDay.empty()) {
    const QRectF secondBox(inner.left() + inner.width() * 0.6, inner.top(), inner.width() * 0.4,
                           dayBox.height() * 0.6);
    DrawFitted(p, Q(cell.secondDay), PrintFont(std::min(8.0, dayPoints * 0.55), false, true), secondBox,
               Qt::AlignRight | Qt::AlignTop, kQuiet, rect, record);
  }

  std::vector<CellLine> lines = LinesOf(cell);
  if (lines.empty()) {
    return;
  }
  const QRectF body(inner.left(), dayBox.bottom() + 0.3 * u.mm, inner.width(),
                    inner.bottom() - dayBox.bottom() - 0.3 * u.mm);
  if (body.height() <= 0) {
    return;
  }
  // One size for the whole cell: the largest whose lines all fit below the
  // day number; below the smallest the lines are pressed together.
  double points =
      std::clamp(std::min(Points(rect.height(), u.pt) * 0.1, Points(rect.width(), u.pt) * 0.095), 6.5, 9.0);
  double lineHeight = QFontMetricsF(PrintFont(points), p.device()).height();
  const auto count = static_cast<double>(lines.size());
  for (int step = 0; step < kMaxSizeSteps && lineHeight * count > body.height() && points > kSmallestPoints;
       ++step) {
    points -= kPointStep;
    lineHeight = QFontMetricsF(PrintFont(points), p.device()).height();
  }
  lineHeight = std::min(lineHeight, body.height() / count);
  const double markerSide = lineHeight * 0.8;
  const double textWidth = body.width() - markerSide * 1.25;
  WrapIntoSpareLines(p, lines, {points, textWidth, static_cast<int>(body.height() / lineHeight)});
  double y = body.top();
  for (const CellLine& line : lines) {
    const QRectF markerBox(body.left(), y + (lineHeight - markerSide) / 2, markerSide, markerSide);
    DrawMarker(p, line.marker, markerBox);
    const QRectF textBox(body.left() + markerSide * 1.25, y, textWidth, lineHeight);
    DrawFitted(p, line.text, PrintFont(points, line.bold, line.italic), textBox, Qt::AlignLeft | Qt::AlignVCenter,
               line.colour, rect, record);
    y += lineHeight;
  }
}

// A row of marks with their meaning, fitted into `box`.
struct LegendItem {
  Marker marker;
  QString text;
};

void PaintLegend(QPainter& p, const std::vector<LegendItem>& items, const QRectF& box, const QRectF& page,
                 std::vector<DrawnText>* record) {
  double points = 7.0;
  const auto widthAt = [&](double size, double& markerSide) {
    const QFontMetricsF metrics(PrintFont(size), p.device());
    markerSide = metrics.height() * 0.8;
    double total = 0;
    for (const LegendItem& item : items) {
      total += (item.marker == Marker::kNone ? 0 : markerSide * 1.3) + metrics.boundingRect(item.text).width() +
               metrics.height();
    }
    return total;
  };
  double markerSide = 0;
  double total = widthAt(points, markerSide);
  for (int step = 0; step < kMaxSizeSteps && total > box.width() && points > kSmallestPoints; ++step) {
    points -= kPointStep;
    total = widthAt(points, markerSide);
  }
  const double squeeze = std::min(1.0, box.width() / total);
  const QFontMetricsF metrics(PrintFont(points), p.device());
  double x = box.left();
  for (const LegendItem& item : items) {
    if (item.marker != Marker::kNone) {
      DrawMarker(p, item.marker, QRectF(x, box.center().y() - markerSide / 2, markerSide, markerSide));
      x += markerSide * 1.3 * squeeze;
    }
    const double width = metrics.boundingRect(item.text).width() * squeeze;
    DrawFitted(p, item.text, PrintFont(points), QRectF(x, box.top(), width + 1e-6, box.height()),
               Qt::AlignLeft | Qt::AlignVCenter, kInk, page, record);
    x += width + metrics.height() * squeeze;
  }
}

// Title at the left, the page's notes at the right.
double PaintHeader(QPainter& p, const Units& u, const QRectF& area, const QString& title,
                   const QStringList& notes, std::vector<DrawnText>* record) {
  const double height = 12 * u.mm;
  DrawFitted(p, title, PrintFont(22, true), QRectF(area.left(), area.top(), area.width() * 0.55, height * 0.85),
             Qt::AlignLeft | Qt::AlignVCenter, kInk, area, record);
  const double noteHeight = height * 0.85 / std::max<qsizetype>(2, notes.size());
  double y = area.top() + (height * 0.85 - noteHeight * static_cast<double>(notes.size())) / 2;
  for (const QString& note : notes) {
    DrawFitted(p, note, PrintFont(9), QRectF(area.left() + area.width() * 0.55, y, area.width() * 0.45, noteHeight),
               Qt::AlignRight | Qt::AlignVCenter, kQuiet, area, record);
    y += noteHeight;
  }
  return height;
}

QStringList HeaderNotes(const QString& regionName, const std::string& secondCalendarTitle) {
  QStringList notes{QStringLiteral("Gesetzliche Feiertage: ") + regionName};
  if (!secondCalendarTitle.empty()) {
    notes << QStringLiteral("Zweiter Kalender: ") + Q(secondCalendarTitle);
  }
  return notes;
}

void StrokeGrid(QPainter& p, const Units& u, const QRectF& rect) {
  p.save();
  p.setPen(QPen(kGridLine, 0.2 * u.mm));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect);
  p.restore();
}

}  // namespace

QPageLayout CalendarPageLayout(const PageChoice& choice) {
  return {QPageSize(choice.size), choice.orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter};
}

void PaintMonthPage(QPainter& p, const QRectF& area, const PrintMonth& month, const QString& regionName,
                    std::vector<DrawnText>* record) {
  const Units u(p);
  const double headerHeight =
      PaintHeader(p, u, area, Q(month.title), HeaderNotes(regionName, month.secondCalendarTitle), record);
  const double footerHeight = (month.sunNote.empty() ? 5 : 9) * u.mm;
  const double weekColumn = 8 * u.mm;
  const double weekdayRow = 6 * u.mm;
  const QRectF grid(area.left(), area.top() + headerHeight, area.width(),
                    area.height() - headerHeight - footerHeight);
  const double columnWidth = (grid.width() - weekColumn) / 7;
  const int rows = std::max(month.rows, 1);
  const double rowHeight = (grid.height() - weekdayRow) / rows;

  static const char* const kWeekdayNames[7] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag",
                                               "Freitag", "Samstag", "Sonntag"};
  DrawFitted(p, QStringLiteral("KW"), PrintFont(8), QRectF(grid.left(), grid.top(), weekColumn, weekdayRow),
             Qt::AlignCenter, kQuiet, area, record);
  for (int column = 0; column < 7; ++column) {
    const QRectF box(grid.left() + weekColumn + column * columnWidth, grid.top(), columnWidth, weekdayRow);
    DrawFitted(p, QString::fromUtf8(kWeekdayNames[column]), PrintFont(10, true), box.adjusted(u.mm, 0, -u.mm, 0),
               Qt::AlignCenter, column == 6 ? kHoliday : kInk, box, record);
  }
  for (int row = 0; row < rows; ++row) {
    const QRectF box(grid.left(), grid.top() + weekdayRow + row * rowHeight, weekColumn, rowHeight);
    if (static_cast<std::size_t>(row) < month.weekNumbers.size()) {
      DrawFitted(p, QString::number(month.weekNumbers[static_cast<std::size_t>(row)]), PrintFont(8, false, true),
                 box.adjusted(0.5 * u.mm, u.mm, -0.5 * u.mm, -u.mm), Qt::AlignHCenter | Qt::AlignTop, kQuiet, box,
                 record);
    }
    // Every cell of the row is framed, those outside the month stay empty.
    for (int column = 0; column < 7; ++column) {
      const QRectF cell(grid.left() + weekColumn + column * columnWidth, box.top(), columnWidth, rowHeight);
      if (column == 6) {
        p.fillRect(cell, kSundayFill);
      }
      StrokeGrid(p, u, cell);
    }
  }
  for (const PrintCell& cell : month.cells) {
    const QRectF rect(grid.left() + weekColumn + cell.weekday * columnWidth,
                      grid.top() + weekdayRow + cell.row * rowHeight, columnWidth, rowHeight);
    if (cell.IsPublicHoliday()) {
      p.fillRect(rect, kHolidayFill);
      StrokeGrid(p, u, rect);
    }
    PaintCell(p, u, rect, cell, record);
  }

  const QRectF footer(area.left(), area.bottom() - footerHeight + 0.8 * u.mm, area.width(), 4 * u.mm);
  std::vector<LegendItem> legend{{Marker::kPublic, QStringLiteral("gesetzlicher Feiertag (") + regionName + ")"},
                                 {Marker::kFestival, QStringLiteral("Fest einer anderen Religion")}};
  const bool anyMarked =
      std::any_of(month.cells.begin(), month.cells.end(), [](const PrintCell& c) { return !c.marked.empty(); });
  if (anyMarked) {
    legend.push_back({Marker::kMarked, QStringLiteral("eigener Gedenktag")});
  }
  if (month.year >= 1900) {
    legend.push_back({Marker::kNewMoon, QStringLiteral("Neumond")});
    legend.push_back({Marker::kFirstQuarter, QStringLiteral("Erstes Viertel")});
    legend.push_back({Marker::kFullMoon, QStringLiteral("Vollmond")});
    legend.push_back({Marker::kLastQuarter, QStringLiteral("Letztes Viertel (MEZ)")});
  }
  PaintLegend(p, legend, footer, area, record);
  if (!month.sunNote.empty()) {
    DrawFitted(p, Q(month.sunNote), PrintFont(7), QRectF(footer.left(), footer.bottom(), footer.width(), 4 * u.mm),
               Qt::AlignLeft | Qt::AlignVCenter, kQuiet, area, record);
  }
}

void PaintYearPage(QPainter& p, const QRectF& area, const PrintYear& year, const QString& regionName,
                   std::vector<DrawnText>* record) {
  const Units u(p);
  const double headerHeight = PaintHeader(p, u, area, Q(year.title), HeaderNotes(regionName, {}), record);
  const bool landscape = area.width() > area.height();
  const int columns = landscape ? 4 : 3;
  const int rows = 12 / columns;
  // The public holidays under the months, in as many columns as the months.
  const int listColumns = landscape ? 4 : 3;
  const auto listRows = static_cast<int>((year.publicHolidays.size() + listColumns - 1) / listColumns);
  const double listLine = 3.4 * u.mm;
  // Under the months: a legend of the marks, then the list.
  const double legendHeight = 6 * u.mm;
  const double listHeight =
      legendHeight + std::min(area.height() * 0.18, listRows * listLine + (listRows > 0 ? 2 * u.mm : 0));
  const double gap = 4 * u.mm;
  const QRectF months(area.left(), area.top() + headerHeight, area.width(),
                      area.height() - headerHeight - listHeight);
  const double boxWidth = (months.width() - gap * (columns - 1)) / columns;
  const double boxHeight = (months.height() - gap * (rows - 1)) / rows;

  for (int index = 0; index < 12; ++index) {
    const PrintMonth& month = year.months[static_cast<std::size_t>(index)];
    const int boxColumn = index % columns;
    const int boxRow = index / columns;
    const QRectF box(months.left() + boxColumn * (boxWidth + gap), months.top() + boxRow * (boxHeight + gap),
                     boxWidth, boxHeight);
    const double titleHeight = std::min(6 * u.mm, box.height() * 0.14);
    DrawFitted(p, Q(GermanMonthName(month.month)), PrintFont(11, true),
               QRectF(box.left(), box.top(), box.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, kInk, box,
               record);
    // Week column, seven days; the weekday header and six week rows.
    const double cellWidth = box.width() / 8;
    const double cellHeight = (box.height() - titleHeight) / 7;
    const double numberPoints = std::clamp(Points(cellHeight, u.pt) * 0.6, 4.5, 10.0);
    for (int column = 0; column < 7; ++column) {
      const QRectF cell(box.left() + (column + 1) * cellWidth, box.top() + titleHeight, cellWidth, cellHeight);
      DrawFitted(p, Q(WeekdayShortName(column)), PrintFont(numberPoints * 0.85, true),
                 cell.adjusted(0.3 * u.mm, 0, -0.3 * u.mm, 0), Qt::AlignCenter, column == 6 ? kHoliday : kQuiet, cell,
                 record);
    }
    for (std::size_t row = 0; row < month.weekNumbers.size(); ++row) {
      const QRectF cell(box.left(), box.top() + titleHeight + static_cast<double>(row + 1) * cellHeight, cellWidth,
                        cellHeight);
      DrawFitted(p, QString::number(month.weekNumbers[row]), PrintFont(numberPoints * 0.75, false, true),
                 cell.adjusted(0.3 * u.mm, 0, -0.3 * u.mm, 0), Qt::AlignCenter, kQuiet, cell, record);
    }
    for (const PrintCell& day : month.cells) {
      const QRectF cell(box.left() + (day.weekday + 1) * cellWidth,
                        box.top() + titleHeight + (day.row + 1) * cellHeight, cellWidth, cellHeight);
      const bool holiday = day.IsPublicHoliday();
      if (day.IsSunday()) {
        p.fillRect(cell, kSundayFill);
      }
      if (holiday) {
        // A public holiday: filled and framed, its number bold.
        p.fillRect(cell, kHolidayFill);
        p.save();
        p.setPen(QPen(kHoliday, 0.3 * u.mm));
        p.drawRect(cell.adjusted(0.15 * u.mm, 0.15 * u.mm, -0.15 * u.mm, -0.15 * u.mm));
        p.restore();
      }
      DrawFitted(p, QString::number(day.day), PrintFont(numberPoints, holiday),
                 cell.adjusted(0.4 * u.mm, 0.2 * u.mm, -0.4 * u.mm, -0.2 * u.mm), Qt::AlignCenter,
                 holiday || day.IsSunday() ? kHoliday : kInk, cell, record);
      if (day.moonPhase == MainMoonPhase::kFullMoon || day.moonPhase == MainMoonPhase::kNewMoon) {
        const double side = std::min(cell.height(), cell.width()) * 0.28;
        DrawMarker(p, MoonMarker(day.moonPhase), QRectF(cell.right() - side, cell.top(), side, side));
      }
    }
  }

  const double legendTop = area.bottom() - listHeight + 1.5 * u.mm;
  std::vector<LegendItem> legend{{Marker::kPublic, QStringLiteral("gesetzlicher Feiertag (") + regionName + ")"}};
  if (year.year >= 1900) {
    legend.push_back({Marker::kNewMoon, QStringLiteral("Neumond")});
    legend.push_back({Marker::kFullMoon, QStringLiteral("Vollmond (MEZ)")});
  }
  PaintLegend(p, legend, QRectF(area.left(), legendTop, area.width(), 4 * u.mm), area, record);
  if (listRows > 0) {
    const QRectF list(area.left(), legendTop + legendHeight, area.width(),
                      area.bottom() - legendTop - legendHeight);
    const double columnWidth = list.width() / listColumns;
    const double line = list.height() / listRows;
    for (std::size_t i = 0; i < year.publicHolidays.size(); ++i) {
      const auto column = static_cast<int>(i) / listRows;
      const auto row = static_cast<int>(i) % listRows;
      const QRectF box(list.left() + column * columnWidth, list.top() + row * line, columnWidth, line);
      DrawMarker(p, Marker::kPublic, QRectF(box.left(), box.top(), line * 0.8, line));
      DrawFitted(p, Q(year.publicHolidays[i]), PrintFont(7), box.adjusted(line, 0, -u.mm, 0),
                 Qt::AlignLeft | Qt::AlignVCenter, kInk, box, record);
    }
  }
}

void PaintCalendarPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<PrintPage>& pages,
                        const PrintOptions& options, std::vector<DrawnText>* record) {
  const int dpi = device.logicalDpiX();
  const QRect paint = device.pageLayout().paintRectPixels(dpi);
  const QRectF area(0, 0, paint.width(), paint.height());
  QString regionName = QStringLiteral("bundesweit");
  for (const RegionInfo& info : Regions()) {
    if (info.region == options.region && options.region != Region::kAll) {
      regionName = Q(info.name);
    }
  }
  bool first = true;
  for (const PrintPage& page : pages) {
    if (!first) {
      device.newPage();
    }
    first = false;
    if (page.kind == PrintPage::Kind::kYear) {
      PaintYearPage(painter, area, BuildPrintYear(page.year, options), regionName, record);
    } else {
      PaintMonthPage(painter, area, BuildPrintMonth(page.year, page.month, options), regionName, record);
    }
  }
}

}  // namespace tempulo
