// SPDX-License-Identifier: GPL-3.0-or-later
// Printed pages: texts stay in their cells at the longest names and on real
// months, the PDF file is written whole or not at all, the command line's
// --pdf arguments, the kept page settings, and the window's print actions.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <sstream>

#include "app/gui/main_window.h"
#include "app/print/pdf_export.h"
#include "app/print/print_actions.h"
#include "tests/print/layout_check.h"

namespace tempulo {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  return text;
}

TEST(PrintLayoutCheck, TheLongestNamesStayInTheirCellsOnEveryPaper) {
  const PrintMonth month = LongestNamesMonth();
  std::vector<PageChoice> choices = CheckedPageChoices();
  choices.push_back({QPageSize::A3, QPageLayout::Landscape});
  for (const PageChoice& choice : choices) {
    std::size_t drawn = 0;
    const std::vector<std::string> faults = CheckMonth(month, choice, &drawn);
    EXPECT_TRUE(faults.empty()) << Joined(faults);
    // Every cell's lines were drawn, none left out.
    EXPECT_GT(drawn, month.cells.size() * 8);
  }
}

TEST(PrintLayoutCheck, SampledMonthAndYearPagesStayInTheirCells) {
  for (const int year : {1583, 1700, 1899, 2026, 2500}) {
    std::vector<PrintPage> pages{{PrintPage::Kind::kYear, year, 1}};
    for (int month = 1; month <= 12; ++month) {
      pages.push_back({PrintPage::Kind::kMonth, year, month});
    }
    PrintOptions options;
    options.region = year % 2 == 0 ? Region::kBY : Region::kAll;
    options.secondCalendar = FindLookupCalendar(year % 2 == 0 ? "chinese" : "jewish");
    for (const PageChoice& choice : CheckedPageChoices()) {
      const std::vector<std::string> faults = CheckPages(pages, options, choice);
      EXPECT_TRUE(faults.empty()) << year << "\n" << Joined(faults);
    }
  }
}

TEST(PrintLayoutCheck, FindsATextOutsideItsBoxOrThePage) {
  const QRectF page(0, 0, 1000, 700);
  const QRectF cell(100, 100, 50, 20);
  struct Case {
    QRectF drawn;
    QRectF allowed;
    bool fault;
  };
  const Case cases[] = {
      {{101, 101, 48, 18}, cell, false},
      {{101, 101, 60, 18}, cell, true},   // too wide
      {{99, 101, 40, 18}, cell, true},    // starts left of the cell
      {{101, 115, 40, 10}, cell, true},   // below it
      {{990, 10, 20, 10}, {980, 0, 40, 30}, true},  // the box itself leaves the page
  };
  for (const Case& c : cases) {
    const auto faults = LayoutFaults({{QStringLiteral("x"), c.allowed, c.drawn}}, page);
    EXPECT_EQ(!faults.empty(), c.fault) << c.drawn.x() << " " << c.drawn.width();
  }
}

class PdfFileTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  static std::vector<PrintPage> May() { return {{PrintPage::Kind::kMonth, 2026, 5}}; }
  QTemporaryDir dir_;
};

TEST_F(PdfFileTest, WritesACompleteFileAndNothingBeside) {
  const QString path = Path(QStringLiteral("mai.pdf"));
  ASSERT_TRUE(WriteCalendarPdf(path, May(), {}, {}).isEmpty());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("mai.pdf")});
}

TEST_F(PdfFileTest, RefusesAPathItCannotWriteInGermanAndLeavesNothing) {
  const QString missingFolder = Path(QStringLiteral("fehlt/mai.pdf"));
  const QString folder = dir_.path();
  for (const QString& path : {missingFolder, folder, QStringLiteral("/proc/tempulo-mai.pdf")}) {
    const QString failure = WriteCalendarPdf(path, May(), {}, {});
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Die PDF-Datei"))) << failure.toStdString();
    EXPECT_FALSE(QFile::exists(missingFolder));
  }
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
  std::ostringstream err;
  const std::vector<std::string> args{"--pdf", missingFolder.toStdString(), "--month", "2026-05"};
  EXPECT_EQ(RunPdfCommand(args, err, SystemClock()), 3);
  EXPECT_NE(err.str().find("lässt sich nicht schreiben"), std::string::npos) << err.str();
}

TEST_F(PdfFileTest, AnOlderFileIsReplacedOnlyByACompleteOne) {
  const QString path = Path(QStringLiteral("kalender.pdf"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt");
  }
  ASSERT_TRUE(WriteCalendarPdf(path, May(), {}, {}).isEmpty());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
}

TEST(PdfArguments, ReadsThePagesAndTheirSettings) {
  const FixedClock clock({2026, 12, 9}, {12, 0, 0});
  struct Case {
    std::vector<std::string> args;
    std::size_t pages;
    int year;
    int month;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
  };
  const Case cases[] = {
      {{"--pdf", "a.pdf"}, 1, 2026, 12, QPageSize::A4, QPageLayout::Landscape},
      {{"--pdf=a.pdf", "--month=2026-05"}, 1, 2026, 5, QPageSize::A4, QPageLayout::Landscape},
      {{"--pdf", "a.pdf", "--date", "1582-10-04", "--paper", "letter"}, 1, 1582, 10, QPageSize::Letter,
       QPageLayout::Landscape},
      {{"--pdf", "a.pdf", "--year", "2027", "--orientation", "portrait", "--paper", "a3"}, 1, 2027, 1,
       QPageSize::A3, QPageLayout::Portrait},
      {{"--pdf", "a.pdf", "--year", "2027", "--pages", "months"}, 12, 2027, 1, QPageSize::A4,
       QPageLayout::Landscape},
      {{"--pdf", "a.pdf", "--year", "2027", "--pages", "both", "--region", "BY", "--second-calendar", "islamic"},
       13, 2027, 1, QPageSize::A4, QPageLayout::Landscape},
  };
  for (const Case& c : cases) {
    std::string why;
    const auto request = ParsePdfArguments(c.args, clock, why);
    ASSERT_TRUE(request) << why;
    EXPECT_EQ(request->path, "a.pdf");
    ASSERT_EQ(request->pages.size(), c.pages);
    EXPECT_EQ(request->pages.front().year, c.year);
    EXPECT_EQ(request->pages.front().month, c.month);
    EXPECT_EQ(request->choice.size, c.size);
    EXPECT_EQ(request->choice.orientation, c.orientation);
  }
}

TEST(PdfArguments, NamesWhatIsWrong) {
  const FixedClock clock({2026, 12, 9}, {12, 0, 0});
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--pdf"}, "Nach --pdf fehlt der Wert."},
      {{"--pdf", ""}, "Nach --pdf fehlt der Name der Datei."},
      {{"--pdf", "a.pdf", "--year", "99"}, "Das Jahr \"99\" liegt nicht zwischen 100 und 3000."},
      {{"--pdf", "a.pdf", "--month", "2026-5"}, "Der Monat \"2026-5\" hat nicht die Form JJJJ-MM"},
      {{"--pdf", "a.pdf", "--year", "2026", "--month", "2026-05"}, "--month steht mehrfach"},
      {{"--pdf", "a.pdf", "--paper", "a5"}, "Das Papierformat \"a5\" gibt es nicht"},
      {{"--pdf", "a.pdf", "--orientation", "quer"}, "Die Ausrichtung \"quer\" gibt es nicht"},
      {{"--pdf", "a.pdf", "--second-calendar", "maya"}, "Den Kalender \"maya\" gibt es für --second-calendar nicht"},
      {{"--pdf", "a.pdf", "--region", "XX"}, "Die Region \"XX\" gibt es nicht."},
      {{"--pdf", "a.pdf", "--pages", "months"}, "--pages gilt nur mit --year."},
      {{"--pdf", "a.pdf", "--days", "3"}, "Die Angabe \"--days\" gilt nicht mit --pdf"},
      {{"--pdf", "a.pdf", "--tz", "Mars/Olympus"}, "Mars/Olympus"},
  };
  for (const auto& [args, message] : cases) {
    std::string why;
    EXPECT_FALSE(ParsePdfArguments(args, clock, why)) << message;
    EXPECT_NE(why.find(message), std::string::npos) << why;
  }
}

class PrintSettingsTest : public ::testing::Test {
 protected:
  std::unique_ptr<QSettings> Settings() const {
    return std::make_unique<QSettings>(dir_.filePath(QStringLiteral("tempulo.conf")), QSettings::IniFormat);
  }
  QTemporaryDir dir_;
};

TEST_F(PrintSettingsTest, AreKeptAndUnknownValuesFallBackToTheDefaults) {
  const PrintSettings chosen{PrintSettings::Content::kYearAndMonths, {QPageSize::Letter, QPageLayout::Portrait},
                             QStringLiteral("chinese")};
  SavePrintSettings(*Settings(), chosen);
  EXPECT_EQ(LoadPrintSettings(*Settings()), chosen);

  auto settings = Settings();
  for (const char* key : {"print/content", "print/paper", "print/orientation", "print/secondCalendar"}) {
    settings->setValue(QString::fromLatin1(key), QStringLiteral("unsinn"));
  }
  EXPECT_EQ(LoadPrintSettings(*settings), PrintSettings{});
}

TEST_F(PrintSettingsTest, TheDialogStartsOnTheKeptSettingsAndReturnsTheChosen) {
  const PrintSettings kept{PrintSettings::Content::kYear, {QPageSize::A3, QPageLayout::Landscape},
                           QStringLiteral("jewish")};
  PrintSetupDialog dialog(kept, QStringLiteral("OK"));
  EXPECT_EQ(dialog.Settings(), kept);
  dialog.OrientationBox()->setCurrentIndex(dialog.OrientationBox()->findData(QStringLiteral("portrait")));
  dialog.CalendarBox()->setCurrentIndex(0);
  const PrintSettings chosen = dialog.Settings();
  EXPECT_EQ(chosen.choice.orientation, QPageLayout::Portrait);
  EXPECT_TRUE(chosen.secondCalendar.isEmpty());
  EXPECT_EQ(PagesFor(chosen, 2026, 5).size(), 1U);
  EXPECT_EQ(PagesFor({PrintSettings::Content::kYearAndMonths, {}, {}}, 2026, 5).size(), 13U);
}

TEST_F(PrintSettingsTest, TheWindowPrintsTheShownMonthWithItsRegion) {
  auto settings = Settings();
  settings->setValue(QStringLiteral("region"), QStringLiteral("BY"));
  settings->sync();
  const FixedClock clock({2026, 5, 8}, {12, 0, 0});
  MainWindow window(clock, Settings());
  window.show();
  PrintActions* printing = window.Printing();
  ASSERT_NE(printing, nullptr);
  EXPECT_TRUE(printing->PrintButton()->isVisible());
  EXPECT_TRUE(printing->PdfButton()->isVisible());
  const QString path = dir_.filePath(QStringLiteral("mai.pdf"));
  EXPECT_TRUE(printing->WritePdf(path).isEmpty());
  EXPECT_TRUE(QFile::exists(path));
  printing->OpenPreview();
  ASSERT_NE(printing->PreviewDialog(), nullptr);
  EXPECT_TRUE(printing->PreviewDialog()->isVisible());
  // Portrait chosen in the preview is kept for the next time.
  printing->Printer()->setPageOrientation(QPageLayout::Portrait);
  printing->PreviewDialog()->reject();
  EXPECT_EQ(LoadPrintSettings(*Settings()).choice.orientation, QPageLayout::Portrait);
}

}  // namespace
}  // namespace tempulo
