// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print/print_actions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>

#include "app/gui/settings_store.h"
#include "app/print/pdf_export.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

constexpr char kContentKey[] = "print/content";
constexpr char kPaperKey[] = "print/paper";
constexpr char kOrientationKey[] = "print/orientation";
constexpr char kCalendarKey[] = "print/secondCalendar";

struct Named {
  const char* key;
  const char* label;
};
constexpr Named kContents[] = {{"month", "Monat"}, {"year", "Jahr auf einer Seite"},
                               {"both", "Jahr und zwölf Monatsseiten"}};
constexpr Named kPapers[] = {{"a4", "A4"}, {"a3", "A3"}, {"letter", "Letter"}};
constexpr Named kOrientations[] = {{"landscape", "Querformat"}, {"portrait", "Hochformat"}};

const char* ContentKey(PrintSettings::Content content) {
  return kContents[static_cast<int>(content)].key;
}

const char* PaperKey(QPageSize::PageSizeId size) {
  return size == QPageSize::A3 ? "a3" : size == QPageSize::Letter ? "letter" : "a4";
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <std::size_t N>
QComboBox* Choices(const Named (&names)[N], const char* current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const Named& named : names) {
    box->addItem(QString::fromUtf8(named.label), QString::fromLatin1(named.key));
  }
  box->setCurrentIndex(std::max(0, box->findData(QString::fromLatin1(current))));
  return box;
}

}  // namespace

PrintSettings LoadPrintSettings(QSettings& settings) {
  PrintSettings print;
  const QString content = settings.value(kContentKey).toString();
  for (int i = 0; i < 3; ++i) {
    if (content == QLatin1String(kContents[i].key)) {
      print.content = static_cast<PrintSettings::Content>(i);
    }
  }
  if (const auto paper = PaperFromName(settings.value(kPaperKey).toString().toStdString())) {
    print.choice.size = *paper;
  }
  if (const auto orientation = OrientationFromName(settings.value(kOrientationKey).toString().toStdString())) {
    print.choice.orientation = *orientation;
  }
  const QString calendar = settings.value(kCalendarKey).toString();
  for (const LookupCalendar* known : SecondCalendars()) {
    if (calendar == Q(known->id)) {
      print.secondCalendar = calendar;
    }
  }
  return print;
}

void SavePrintSettings(QSettings& settings, const PrintSettings& print) {
  settings.setValue(kContentKey, QString::fromLatin1(ContentKey(print.content)));
  settings.setValue(kPaperKey, QString::fromLatin1(PaperKey(print.choice.size)));
  settings.setValue(kOrientationKey, print.choice.orientation == QPageLayout::Portrait ? QStringLiteral("portrait")
                                                                                        : QStringLiteral("landscape"));
  settings.setValue(kCalendarKey, print.secondCalendar);
}

std::vector<PrintPage> PagesFor(const PrintSettings& print, int year, int month) {
  std::vector<PrintPage> pages;
  if (print.content == PrintSettings::Content::kMonth) {
    pages.push_back({PrintPage::Kind::kMonth, year, month});
    return pages;
  }
  pages.push_back({PrintPage::Kind::kYear, year, 1});
  if (print.content == PrintSettings::Content::kYearAndMonths) {
    for (int m = 1; m <= 12; ++m) {
      pages.push_back({PrintPage::Kind::kMonth, year, m});
    }
  }
  return pages;
}

PrintSetupDialog::PrintSetupDialog(const PrintSettings& start, const QString& acceptText, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("printSetupDialog"));
  setWindowTitle(QStringLiteral("Seite einrichten"));
  auto* form = new QFormLayout(this);
  content_ = Choices(kContents, ContentKey(start.content), this);
  paper_ = Choices(kPapers, PaperKey(start.choice.size), this);
  orientation_ = Choices(kOrientations, start.choice.orientation == QPageLayout::Portrait ? "portrait" : "landscape",
                         this);
  calendar_ = new QComboBox(this);
  calendar_->addItem(QStringLiteral("keiner"), QString());
  for (const LookupCalendar* calendar : SecondCalendars()) {
    calendar_->addItem(Q(calendar->label), Q(calendar->id));
  }
  calendar_->setCurrentIndex(std::max(0, calendar_->findData(start.secondCalendar)));
  form->addRow(QStringLiteral("&Drucken:"), content_);
  form->addRow(QStringLiteral("&Papier:"), paper_);
  form->addRow(QStringLiteral("&Ausrichtung:"), orientation_);
  form->addRow(QStringLiteral("&Zweiter Kalender:"), calendar_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(acceptText);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PrintSettings PrintSetupDialog::Settings() const {
  PrintSettings print;
  print.content = static_cast<PrintSettings::Content>(std::max(0, content_->currentIndex()));
  print.choice.size = PaperFromName(paper_->currentData().toString().toStdString()).value_or(QPageSize::A4);
  print.choice.orientation = OrientationFromName(orientation_->currentData().toString().toStdString())
                                 .value_or(QPageLayout::Landscape);
  print.secondCalendar = calendar_->currentData().toString();
  return print;
}

PrintActions::PrintActions(QWidget* window, QGridLayout* form, int row, SettingsStore& store,
                           SelectionSource source)
    : QObject(window), window_(window), store_(store), source_(std::move(source)) {
  printButton_ = new QPushButton(QStringLiteral("&Drucken…"), window);
  printButton_->setObjectName(QStringLiteral("printButton"));
  printButton_->setToolTip(QStringLiteral("Monat oder Jahr als Kalender drucken, mit Vorschau (Strg+P)"));
  pdfButton_ = new QPushButton(QStringLiteral("Als &PDF speichern…"), window);
  pdfButton_->setObjectName(QStringLiteral("pdfButton"));
  pdfButton_->setToolTip(QStringLiteral("Monat oder Jahr als Kalender in eine PDF-Datei schreiben"));
  form->addWidget(printButton_, row, 0, 1, 2);
  form->addWidget(pdfButton_, row, 2, 1, 2);
  connect(printButton_, &QPushButton::clicked, this, &PrintActions::Print);
  connect(pdfButton_, &QPushButton::clicked, this, &PrintActions::SavePdf);
  auto* printKey = new QShortcut(QKeySequence::Print, window);
  connect(printKey, &QShortcut::activated, this, &PrintActions::Print);
}

PrintActions::~PrintActions() { delete preview_; }

bool PrintActions::askSettings(const QString& acceptText) {
  delete setup_;
  setup_ = new PrintSetupDialog(LoadPrintSettings(store_.ForReading()), acceptText, window_);
  const bool accepted = setup_->exec() == QDialog::Accepted;
  if (accepted && setup_ != nullptr) {
    // Through the store: a failed save is reported once, and a settings file
    // that could not be read is kept aside before anything is written.
    const PrintSettings chosen = setup_->Settings();
    store_.Write([&chosen](QSettings& settings) { SavePrintSettings(settings, chosen); });
  }
  return accepted;
}

PrintOptions PrintActions::optionsNow(const Selection& selection) const {
  PrintOptions options;
  options.region = selection.region;
  options.place = selection.place;
  const PrintSettings print = LoadPrintSettings(store_.ForReading());
  for (const LookupCalendar* calendar : SecondCalendars()) {
    if (Q(calendar->id) == print.secondCalendar) {
      options.secondCalendar = calendar;
    }
  }
  return options;
}

void PrintActions::paint(QPrinter* printer) const {
  const Selection selection = source_();
  if (selection.year < kMinimumYear || selection.year > kMaximumYear) {
    return;
  }
  QPainter painter;
  if (!painter.begin(printer)) {
    return;
  }
  PaintCalendarPages(painter, *printer, PagesFor(LoadPrintSettings(store_.ForReading()), selection.year, selection.month),
                     optionsNow(selection));
  painter.end();
}

void PrintActions::OpenPreview() {
  const Selection selection = source_();
  if (selection.year < kMinimumYear || selection.year > kMaximumYear) {
    QMessageBox::information(window_, QStringLiteral("Drucken"),
                             QStringLiteral("Gedruckt werden die Jahre 100 bis 3000."));
    return;
  }
  const PrintSettings print = LoadPrintSettings(store_.ForReading());
  delete preview_;
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setPageLayout(CalendarPageLayout(print.choice));
  printer_->setDocName(QStringLiteral("Tempulo"));
  preview_ = new QPrintPreviewDialog(printer_.get(), window_);
  preview_->setWindowTitle(QStringLiteral("Druckvorschau"));
  connect(preview_, &QPrintPreviewDialog::paintRequested, this, &PrintActions::paint);
  // Paper and orientation changed in the preview are kept like those of the
  // settings dialog.
  connect(preview_, &QDialog::finished, this, [this] {
    PrintSettings kept = LoadPrintSettings(store_.ForReading());
    const QPageLayout layout = printer_->pageLayout();
    const QPageSize::PageSizeId size = layout.pageSize().id();
    if (size == QPageSize::A4 || size == QPageSize::A3 || size == QPageSize::Letter) {
      kept.choice.size = size;
    }
    kept.choice.orientation = layout.orientation();
    store_.Write([&kept](QSettings& settings) { SavePrintSettings(settings, kept); });
  });
  preview_->resize(window_->size());
  preview_->open();
}

void PrintActions::Print() {
  if (askSettings(QStringLiteral("&Vorschau…"))) {
    OpenPreview();
  }
}

QString PrintActions::WritePdf(const QString& path) const {
  const Selection selection = source_();
  if (selection.year < kMinimumYear || selection.year > kMaximumYear) {
    return QStringLiteral("Gedruckt werden die Jahre 100 bis 3000.");
  }
  const PrintSettings print = LoadPrintSettings(store_.ForReading());
  return WriteCalendarPdf(path, PagesFor(print, selection.year, selection.month), optionsNow(selection),
                          print.choice);
}

void PrintActions::SavePdf() {
  if (!askSettings(QStringLiteral("&Speichern unter…"))) {
    return;
  }
  const Selection selection = source_();
  const PrintSettings print = LoadPrintSettings(store_.ForReading());
  const QString name = print.content == PrintSettings::Content::kMonth
                           ? QStringLiteral("Kalender-%1-%2.pdf").arg(selection.year).arg(selection.month, 2, 10,
                                                                                           QLatin1Char('0'))
                           : QStringLiteral("Kalender-%1.pdf").arg(selection.year);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = QFileDialog::getSaveFileName(window_, QStringLiteral("Als PDF speichern"),
                                                    QDir(folder).filePath(name),
                                                    QStringLiteral("PDF-Dateien (*.pdf)"));
  if (path.isEmpty()) {
    return;
  }
  const QString failure = WritePdf(path);
  if (!failure.isEmpty()) {
    QMessageBox::warning(window_, QStringLiteral("Als PDF speichern"), failure);
  }
}

}  // namespace tempulo
