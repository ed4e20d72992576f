// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the printed month and year pages on any paged device (PDF writer,
// printer, print preview): vector drawing, text as text, every mark with a
// shape or weight besides its colour. Every text is fitted into its box:
// first a smaller size, then, below the smallest, condensed.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <vector>

#include "report/print_layout.h"

class QPagedPaintDevice;
class QPainter;

namespace tempulo {

// A text as it was drawn: the box it had to stay in (its cell, or the page's
// printable area) and the box its glyphs cover, both in device units.
struct DrawnText {
  QString text;
  QRectF allowed;
  QRectF drawn;
};

// What goes on one page.
struct PrintPage {
  enum class Kind { kMonth, kYear } kind = Kind::kMonth;
  int year = 0;
  int month = 1;  // for a month page
};

struct PageChoice {
  QPageSize::PageSizeId size = QPageSize::A4;
  QPageLayout::Orientation orientation = QPageLayout::Landscape;
  friend bool operator==(const PageChoice&, const PageChoice&) = default;
};

// The layout of the device set to the choice, with margins of 10 mm.
QPageLayout CalendarPageLayout(const PageChoice& choice);

// Draws the pages, one after another, on `device`, which the painter is
// already open on. With `record`, every drawn text is appended to it.
void PaintCalendarPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<PrintPage>& pages,
                        const PrintOptions& options, std::vector<DrawnText>* record = nullptr);

// Draws one month or year page into `area` (device units).
void PaintMonthPage(QPainter& painter, const QRectF& area, const PrintMonth& month, const QString& regionName,
                    std::vector<DrawnText>* record = nullptr);
void PaintYearPage(QPainter& painter, const QRectF& area, const PrintYear& year, const QString& regionName,
                   std::vector<DrawnText>* record = nullptr);

}  // namespace tempulo
