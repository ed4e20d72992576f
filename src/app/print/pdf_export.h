// SPDX-License-Identifier: GPL-3.0-or-later
// Month and year pages as a PDF file, for the window's "Als PDF speichern…"
// and for the command line's --pdf, which needs no display.
#pragma once

#include <QString>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/print/calendar_painter.h"
#include "time/clock.h"

namespace tempulo {

// Writes the pages to `path`: into a temporary file beside it that replaces
// the file only once it is complete, so a failure leaves no half-written
// file and an older file as it was. Returns an empty string, or one German
// sentence naming what failed and where.
QString WriteCalendarPdf(const QString& path, const std::vector<PrintPage>& pages, const PrintOptions& options,
                         const PageChoice& choice, std::vector<DrawnText>* record = nullptr);

// The page choices by their command-line names ("a4", "a3", "letter";
// "landscape", "portrait"); empty for another name.
std::optional<QPageSize::PageSizeId> PaperFromName(std::string_view name);
std::optional<QPageLayout::Orientation> OrientationFromName(std::string_view name);

// The pages a --pdf command line asks for, and how.
struct PdfRequest {
  std::string path;
  std::vector<PrintPage> pages;
  PageChoice choice;
  PrintOptions options;
  std::optional<ReportPlace> place;  // what options.place points to
};

// Reads the arguments of a --pdf command (without the program name):
// --pdf DATEI with --year JAHR [--pages year|months|both], --month JJJJ-MM or
// --date JJJJ-MM-TT (the month of the date; without any: this month), and
// --paper, --orientation, --second-calendar, --region, --place, --lat, --lon,
// --tz. Empty, with one German sentence in `why`, for a malformed one.
std::optional<PdfRequest> ParsePdfArguments(const std::vector<std::string>& args, const Clock& clock,
                                            std::string& why);

// Runs a --pdf command: writes the file and nothing to `out`. Exit status 0,
// 2 for malformed arguments, 3 when the file cannot be written (one German
// line on `err`). Needs a QGuiApplication (the offscreen platform will do).
int RunPdfCommand(const std::vector<std::string>& args, std::ostream& err, const Clock& clock);

// True when the arguments ask for a PDF (--pdf or --pdf=...).
bool AsksForPdf(int argc, const char* const* argv);

}  // namespace tempulo
