// SPDX-License-Identifier: GPL-3.0-or-later
// The window's printing: "Drucken…" (Ctrl+P) with a print preview and
// "Als PDF speichern…", each after a small dialog of the page settings
// (what to print, paper, orientation, a second calendar), which are kept.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QString>
#include <functional>
#include <memory>

#include "app/print/calendar_painter.h"

class QComboBox;
class QGridLayout;
class QPrinter;
class QPushButton;
class QSettings;
class QWidget;

namespace tempulo {

class SettingsStore;

// The kept page settings.
struct PrintSettings {
  enum class Content { kMonth, kYear, kYearAndMonths } content = Content::kMonth;
  PageChoice choice;
  QString secondCalendar;  // a calendar's identifier; empty for none

  friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

// Unknown or missing values read as the defaults (a month, A4 landscape, no
// second calendar).
PrintSettings LoadPrintSettings(QSettings& settings);
void SavePrintSettings(QSettings& settings, const PrintSettings& print);

// The pages the settings ask for around a selected month.
std::vector<PrintPage> PagesFor(const PrintSettings& print, int year, int month);

class PrintSetupDialog : public QDialog {
  Q_OBJECT

 public:
  PrintSetupDialog(const PrintSettings& start, const QString& acceptText, QWidget* parent = nullptr);
  PrintSettings Settings() const;

  QComboBox* ContentBox() const { return content_; }
  QComboBox* PaperBox() const { return paper_; }
  QComboBox* OrientationBox() const { return orientation_; }
  QComboBox* CalendarBox() const { return calendar_; }

 private:
  QComboBox* content_ = nullptr;
  QComboBox* paper_ = nullptr;
  QComboBox* orientation_ = nullptr;
  QComboBox* calendar_ = nullptr;
};

class PrintActions : public QObject {
  Q_OBJECT

 public:
  // What the window shows when printing starts.
  struct Selection {
    int year = 0;
    int month = 1;
    Region region = Region::kAll;
    const ReportPlace* place = nullptr;
  };
  using SelectionSource = std::function<Selection()>;

  // Adds the buttons "Drucken…" and "Als PDF speichern…" to `form` at `row`
  // and Ctrl+P to `window`.
  PrintActions(QWidget* window, QGridLayout* form, int row, SettingsStore& store, SelectionSource source);
  ~PrintActions() override;

  QPushButton* PrintButton() const { return printButton_; }
  QPushButton* PdfButton() const { return pdfButton_; }
  // The dialogs once opened, for the tests and the pictures.
  PrintSetupDialog* SetupDialog() const { return setup_; }
  QPrintPreviewDialog* PreviewDialog() const { return preview_; }
  QPrinter* Printer() const { return printer_.get(); }

  // The page settings, then the preview with its print button.
  void Print();
  // The page settings, then the file to save to.
  void SavePdf();
  // The preview of the kept settings, without asking (also for the pictures).
  void OpenPreview();
  // Writes the kept settings' pages to `path`; the German failure or empty.
  QString WritePdf(const QString& path) const;

 private:
  bool askSettings(const QString& acceptText);
  void paint(QPrinter* printer) const;
  PrintOptions optionsNow(const Selection& selection) const;

  QWidget* window_;
  SettingsStore& store_;
  SelectionSource source_;
  QPushButton* printButton_ = nullptr;
  QPushButton* pdfButton_ = nullptr;
  QPointer<PrintSetupDialog> setup_;
  QPointer<QPrintPreviewDialog> preview_;
  // The preview's printer: kept until the next preview replaces both.
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace tempulo
