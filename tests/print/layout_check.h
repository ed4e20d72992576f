// SPDX-License-Identifier: GPL-3.0-or-later
// The layout check of the printed pages: every text drawn stays inside its
// cell (or the page's printable area), measured on the boxes the painter
// records, at the paper sizes and orientations users print on.
#pragma once

#include <string>
#include <vector>

#include "app/print/calendar_painter.h"

namespace tempulo {

// The choices the check goes through: A4 and Letter, landscape and portrait.
std::vector<PageChoice> CheckedPageChoices();

// One line for each text that leaves its box or the page; empty when all fit.
std::vector<std::string> LayoutFaults(const std::vector<DrawnText>& drawn, const QRectF& page);

// Draws the pages into a PDF in memory and checks them. `drawnCount` gets
// the number of texts drawn when given.
std::vector<std::string> CheckPages(const std::vector<PrintPage>& pages, const PrintOptions& options,
                                    const PageChoice& choice, std::size_t* drawnCount = nullptr);

// A month whose cells hold the longest names the almanac prints: holidays,
// festivals, a second calendar's month, a marked day, and a cell with more
// lines than fit at the smallest size.
PrintMonth LongestNamesMonth();
std::vector<std::string> CheckMonth(const PrintMonth& month, const PageChoice& choice,
                                    std::size_t* drawnCount = nullptr);

}  // namespace tempulo
