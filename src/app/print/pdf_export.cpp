// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print/pdf_export.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <ostream>
#include <string_view>

#include "app/cli/place_options.h"
#include "report/date_argument.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString DocumentTitle(const std::vector<PrintPage>& pages) {
  if (pages.empty()) {
    return QStringLiteral("Tempulo");
  }
  const PrintPage& first = pages.front();
  if (first.kind == PrintPage::Kind::kYear || pages.size() > 1) {
    return QStringLiteral("Kalender %1").arg(first.year);
  }
  return QStringLiteral("Kalender ") + QString::fromUtf8(GermanMonthName(first.month).data()) + QLatin1Char(' ') +
         QString::number(first.year);
}

}  // namespace

QString WriteCalendarPdf(const QString& path, const std::vector<PrintPage>& pages, const PrintOptions& options,
                         const PageChoice& choice, std::vector<DrawnText>* record) {
  const QString shown = QFileInfo(path).absoluteFilePath();
  if (QFileInfo(path).isDir()) {
    return QStringLiteral("Die PDF-Datei lässt sich nicht schreiben: %1 ist ein Ordner.").arg(shown);
  }
  // The file appears under its name only when it is complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    const QFileInfo folder(QFileInfo(shown).absolutePath());
    QString reason = QStringLiteral("im Ordner %1 lässt sich keine Datei anlegen (%2)")
                         .arg(folder.absoluteFilePath(), file.errorString());
    if (!folder.exists()) {
      reason = QStringLiteral("den Ordner %1 gibt es nicht").arg(folder.absoluteFilePath());
    } else if (!folder.isDir()) {
      reason = QStringLiteral("%1 ist kein Ordner").arg(folder.absoluteFilePath());
    } else if (!folder.isWritable()) {
      reason = QStringLiteral("im Ordner %1 darf nicht geschrieben werden").arg(folder.absoluteFilePath());
    }
    return QStringLiteral("Die PDF-Datei %1 lässt sich nicht schreiben: %2.").arg(shown, reason);
  }
  {
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Tempulo"));
    writer.setTitle(DocumentTitle(pages));
    writer.setPageLayout(CalendarPageLayout(choice));
    QPainter painter;
    if (!painter.begin(&writer)) {
      file.cancelWriting();
      return QStringLiteral("Die PDF-Datei %1 ließ sich nicht anlegen.").arg(shown);
    }
    PaintCalendarPages(painter, writer, pages, options, record);
    painter.end();
  }
  if (!file.commit()) {
    return QStringLiteral("Die PDF-Datei %1 ließ sich nicht fertig schreiben (%2); eine ältere Datei dieses "
                          "Namens bleibt unverändert.")
        .arg(shown, file.errorString());
  }
  return {};
}

std::optional<QPageSize::PageSizeId> PaperFromName(std::string_view name) {
  if (name == "a4") {
    return QPageSize::A4;
  }
  if (name == "a3") {
    return QPageSize::A3;
  }
  if (name == "letter") {
    return QPageSize::Letter;
  }
  return std::nullopt;
}

std::optional<QPageLayout::Orientation> OrientationFromName(std::string_view name) {
  if (name == "landscape") {
    return QPageLayout::Landscape;
  }
  if (name == "portrait") {
    return QPageLayout::Portrait;
  }
  return std::nullopt;
}

bool AsksForPdf(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--pdf" || arg.starts_with("--pdf=")) {
      return true;
    }
  }
  return false;
}

std::optional<PdfRequest> ParsePdfArguments(const std::vector<std::string>& args, const Clock& clock,
                                            std::string& why) {
  PdfRequest request;
  std::optional<std::string> path;
  std::optional<int> year;
  std::optional<CivilDate> month;
  std::optional<std::string> pages;
  std::optional<std::string> paper;
  std::optional<std::string> orientation;
  std::optional<std::string> second;
  std::optional<std::string> region;
  PlaceOptions place;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    std::optional<std::string_view> attached;
    if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
      attached = arg.substr(arg.find('=') + 1);
      arg = arg.substr(0, arg.find('='));
    }
    std::optional<std::string>* slot = nullptr;
    bool isMonth = false;
    bool isDate = false;
    std::optional<std::string> dateText;
    if (arg == "--pdf") {
      slot = &path;
    } else if (arg == "--pages") {
      slot = &pages;
    } else if (arg == "--paper") {
      slot = &paper;
    } else if (arg == "--orientation") {
      slot = &orientation;
    } else if (arg == "--second-calendar") {
      slot = &second;
    } else if (arg == "--region") {
      slot = &region;
    } else if (arg == "--place") {
      slot = &place.name;
    } else if (arg == "--lat") {
      slot = &place.latitude;
    } else if (arg == "--lon") {
      slot = &place.longitude;
    } else if (arg == "--tz") {
      slot = &place.zone;
    } else if (arg == "--year" || arg == "--month" || arg == "--date") {
      isMonth = arg == "--month";
      isDate = arg == "--date";
      slot = &dateText;
    } else {
      why = "Die Angabe \"" + std::string(arg) + "\" gilt nicht mit --pdf (Hilfe: tempulo-report --help).";
      return std::nullopt;
    }
    if (slot->has_value() || (slot == &dateText && (year || month))) {
      why = "Die Angabe " + std::string(arg) +
            (slot == &dateText ? " steht mehrfach im Aufruf oder neben einer anderen Angabe des Zeitraums."
                               : " steht mehrfach im Aufruf.");
      return std::nullopt;
    }
    if (attached) {
      *slot = std::string(*attached);
    } else if (i + 1 < args.size()) {
      *slot = args[++i];
    } else {
      why = "Nach " + std::string(arg) + " fehlt der Wert.";
      return std::nullopt;
    }
    if (slot == &dateText) {
      if (isDate) {
        month = ParseDateArgument(*dateText, why);
      } else if (isMonth) {
        month = dateText->size() == 7 ? ParseDateArgument(*dateText + "-01", why) : std::nullopt;
        if (!month) {
          why = "Der Monat \"" + *dateText + "\" hat nicht die Form JJJJ-MM (Jahre 100 bis 3000).";
        }
      } else {
        year = ParseDecimal(*dateText, 4);
        if (!year || *year < kMinimumYear || *year > kMaximumYear) {
          why = "Das Jahr \"" + *dateText + "\" liegt nicht zwischen 100 und 3000.";
          return std::nullopt;
        }
      }
      if (!year && !month) {
        return std::nullopt;
      }
    }
  }
  if (!path || path->empty()) {
    why = "Nach --pdf fehlt der Name der Datei.";
    return std::nullopt;
  }
  request.path = *path;
  if (paper) {
    const auto size = PaperFromName(*paper);
    if (!size) {
      why = "Das Papierformat \"" + *paper + "\" gibt es nicht (a4, a3 oder letter).";
      return std::nullopt;
    }
    request.choice.size = *size;
  }
  if (orientation) {
    const auto value = OrientationFromName(*orientation);
    if (!value) {
      why = "Die Ausrichtung \"" + *orientation + "\" gibt es nicht (landscape oder portrait).";
      return std::nullopt;
    }
    request.choice.orientation = *value;
  }
  if (second) {
    for (const LookupCalendar* calendar : SecondCalendars()) {
      if (calendar->id == *second) {
        request.options.secondCalendar = calendar;
      }
    }
    if (request.options.secondCalendar == nullptr) {
      std::string ids;
      for (const LookupCalendar* calendar : SecondCalendars()) {
        ids += (ids.empty() ? "" : ", ") + std::string(calendar->id);
      }
      why = "Den Kalender \"" + *second + "\" gibt es für --second-calendar nicht (" + ids + ").";
      return std::nullopt;
    }
  }
  if (region) {
    const std::optional<Region> value = RegionFromCode(*region);
    if (!value) {
      why = "Die Region \"" + *region + "\" gibt es nicht.";
      return std::nullopt;
    }
    request.options.region = *value;
  }
  if (place.Any()) {
    request.place = ResolvePlaceOptions(place, why);
    if (!request.place) {
      return std::nullopt;
    }
  }
  if (pages && !year) {
    why = "--pages gilt nur mit --year.";
    return std::nullopt;
  }
  if (year) {
    const std::string kind = pages.value_or("year");
    if (kind != "year" && kind != "months" && kind != "both") {
      why = "Die Seiten \"" + kind + "\" gibt es nicht (year, months oder both).";
      return std::nullopt;
    }
    if (kind != "months") {
      request.pages.push_back({PrintPage::Kind::kYear, *year, 1});
    }
    if (kind != "year") {
      for (int m = 1; m <= 12; ++m) {
        request.pages.push_back({PrintPage::Kind::kMonth, *year, m});
      }
    }
  } else {
    const CivilDate day = month ? *month : clock.Today();
    if (day.year < kMinimumYear || day.year > kMaximumYear) {
      why = "Das heutige Jahr " + std::to_string(day.year) + " liegt außerhalb von 100 bis 3000.";
      return std::nullopt;
    }
    request.pages.push_back({PrintPage::Kind::kMonth, day.year, day.month});
  }
  return request;
}

int RunPdfCommand(const std::vector<std::string>& args, std::ostream& err, const Clock& clock) {
  std::string why;
  std::optional<PdfRequest> request = ParsePdfArguments(args, clock, why);
  if (!request) {
    err << why << '\n';
    return 2;
  }
  request->options.place = request->place ? &*request->place : nullptr;
  const QString failure = WriteCalendarPdf(Q(request->path), request->pages, request->options, request->choice);
  if (!failure.isEmpty()) {
    err << failure.toStdString() << '\n';
    return 3;
  }
  return 0;
}

}  // namespace tempulo
