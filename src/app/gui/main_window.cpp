#include "app/gui/main_window.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/core/refresh.h"
#include "app/gui/spin_edit.h"
#include "app/gui/tab_list_delegate.h"

namespace tempulo {
namespace {

constexpr int kClientWidth = 1041;
constexpr int kClientHeight = 682;
constexpr int kRowHeight = 14;
constexpr int kReportTabDialogUnits = 120;
constexpr int kHolidayTabDialogUnits = 20;
// The left column's background (a light grey).
const QColor kColumnColour(0xF0, 0xF0, 0xF0);

QFont VerdanaFont(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QWidget* Panel(const QString& name, QWidget* parent, const QColor& colour) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
  return panel;
}

QLabel* HeadingLabel(const QString& name, const QString& text, int pixelSize, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(VerdanaFont(pixelSize, true));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 0x80));
  label->setPalette(palette);
  return label;
}

QListView* PlainList(const QString& name, QWidget* parent) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setFrameShape(QFrame::NoFrame);
  list->setUniformItemSizes(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  return list;
}

// Two overlapping sheets: the copy glyph.
QIcon CopyGlyph() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(0, 0, 0x80));
  painter.setBrush(Qt::white);
  painter.drawRect(1, 1, 9, 11);
  painter.drawRect(5, 4, 9, 11);
  for (int y = 7; y <= 13; y += 2) {
    painter.drawLine(7, y, 12, y);
  }
  return QIcon(pixmap);
}

int RoundedValue(double value) { return static_cast<int>(std::nearbyint(value)); }

int GridYearFor(int month, int year) {
  return NeedsSubstituteGridYear(month, year) ? SubstituteGridYear(month, year) : year;
}

bool IsShowableYear(double year) {
  const double rounded = std::nearbyint(year);
  return rounded >= kMinimumYear && rounded <= kMaximumYear;
}

}  // namespace

MainWindow::MainWindow(const Clock& clock, QWidget* parent) : QWidget(parent), clock_(clock), holidays_() {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Tempulo"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setFont(VerdanaFont(12));
  setLocale(QLocale(QLocale::German, QLocale::Germany));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);

  auto* root = new QHBoxLayout(this);
  root->setContentsMargins(0, 0, 0, 0);
  root->setSpacing(0);

  // Left column: heading, grid, month and year, the holiday list.
  leftColumn_ = Panel(QStringLiteral("leftColumn"), this, Qt::white);
  auto* p5Layout = new QHBoxLayout(leftColumn_);
  p5Layout->setContentsMargins(0, 0, 0, 0);
  p5Layout->setSpacing(0);
  leftMargin_ = Panel(QStringLiteral("leftMargin"), leftColumn_, Qt::white);
  leftMargin_->setFixedWidth(8);
  leftPanel_ = Panel(QStringLiteral("leftPanel"), leftColumn_, kColumnColour);
  p5Layout->addWidget(leftMargin_);
  p5Layout->addWidget(leftPanel_);
  auto* p10Layout = new QVBoxLayout(leftPanel_);
  p10Layout->setContentsMargins(0, 0, 0, 0);
  p10Layout->setSpacing(0);

  headingLabel_ = HeadingLabel(QStringLiteral("headingLabel"), QString(), 13, leftPanel_);
  headingLabel_->setFixedHeight(34);
  headingLabel_->setAlignment(Qt::AlignCenter);
  copyButton_ = new QToolButton(headingLabel_);
  copyButton_->setObjectName(QStringLiteral("copyButton"));
  copyButton_->setAutoRaise(true);
  copyButton_->setFixedSize(23, 22);
  copyButton_->move(4, 6);
  copyButton_->setIcon(CopyGlyph());
  copyButton_->setToolTip(QStringLiteral("Kopieren"));
  copyButton_->setAccessibleName(QStringLiteral("Kopieren"));
  p10Layout->addWidget(headingLabel_);

  monthGrid_ = new QCalendarWidget(leftPanel_);
  monthGrid_->setObjectName(QStringLiteral("monthGrid"));
  monthGrid_->setFixedHeight(177);
  monthGrid_->setLocale(locale());
  monthGrid_->setFirstDayOfWeek(Qt::Monday);
  monthGrid_->setNavigationBarVisible(false);
  monthGrid_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  monthGrid_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
  monthGrid_->setGridVisible(false);
  monthGrid_->setAutoFillBackground(true);
  QPalette gridPalette = palette;
  // The neighbouring months' days are drawn in the disabled text colour.
  gridPalette.setColor(QPalette::Disabled, QPalette::Text, QColor(0xB0, 0xB0, 0xB0));
  monthGrid_->setPalette(gridPalette);
  p10Layout->addWidget(monthGrid_);

  datePanel_ = Panel(QStringLiteral("datePanel"), leftPanel_, kColumnColour);
  datePanel_->setFixedHeight(78);
  auto* p7Layout = new QGridLayout(datePanel_);
  p7Layout->setContentsMargins(12, 8, 12, 8);
  monthLabel_ = new QLabel(QStringLiteral("Monat"), datePanel_);
  monthLabel_->setObjectName(QStringLiteral("monthLabel"));
  monthSpin_ = new SpinEdit(datePanel_);
  monthSpin_->setObjectName(QStringLiteral("monthSpin"));
  monthSpin_->setRange(1, 12);
  monthSpin_->SetValueSilently(8);
  monthLabel_->setBuddy(monthSpin_);
  yearLabel_ = new QLabel(QStringLiteral("Jahr"), datePanel_);
  yearLabel_->setObjectName(QStringLiteral("yearLabel"));
  yearSpin_ = new SpinEdit(datePanel_);
  yearSpin_->setObjectName(QStringLiteral("yearSpin"));
  yearSpin_->setRange(1000, 3000);
  yearSpin_->SetValueSilently(2013);
  yearLabel_->setBuddy(yearSpin_);
  todayButton_ = new QPushButton(QStringLiteral("Heutiges Datum"), datePanel_);
  todayButton_->setObjectName(QStringLiteral("todayButton"));
  p7Layout->addWidget(monthLabel_, 0, 0);
  p7Layout->addWidget(monthSpin_, 0, 1);
  p7Layout->addWidget(yearLabel_, 0, 2);
  p7Layout->addWidget(yearSpin_, 0, 3);
  p7Layout->addWidget(todayButton_, 1, 0, 1, 4);
  p10Layout->addWidget(datePanel_);

  holidayPanel_ = Panel(QStringLiteral("holidayPanel"), leftPanel_, kColumnColour);
  auto* p16Layout = new QVBoxLayout(holidayPanel_);
  p16Layout->setContentsMargins(0, 0, 0, 0);
  p16Layout->setSpacing(2);
  holidayHeading_ = HeadingLabel(QStringLiteral("holidayHeading"), QStringLiteral("Feiertage, Gedenktage"), 12, holidayPanel_);
  holidayHeading_->setAlignment(Qt::AlignCenter);
  holidayList_ = PlainList(QStringLiteral("holidayList"), holidayPanel_);
  p16Layout->addWidget(holidayHeading_);
  p16Layout->addWidget(holidayList_, 1);
  p10Layout->addWidget(holidayPanel_, 1);
  root->addWidget(leftColumn_);

  // Right column: the report.
  rightColumn_ = Panel(QStringLiteral("rightColumn"), this, Qt::white);
  auto* p6Layout = new QHBoxLayout(rightColumn_);
  p6Layout->setContentsMargins(0, 0, 0, 0);
  p6Layout->setSpacing(0);
  reportFrame_ = Panel(QStringLiteral("reportFrame"), rightColumn_, Qt::white);
  p6Layout->addWidget(reportFrame_);
  auto* p13Layout = new QHBoxLayout(reportFrame_);
  p13Layout->setContentsMargins(0, 0, 0, 0);
  p13Layout->setSpacing(0);
  auto* spacer = Panel(QString(), reportFrame_, Qt::white);
  spacer->setFixedWidth(16);
  p13Layout->addWidget(spacer);
  auto* p13Column = new QVBoxLayout();
  p13Column->setContentsMargins(0, 0, 0, 0);
  p13Column->setSpacing(0);
  reportTopMargin_ = Panel(QStringLiteral("reportTopMargin"), reportFrame_, Qt::white);
  reportTopMargin_->setFixedHeight(12);
  reportPanel_ = Panel(QStringLiteral("reportPanel"), reportFrame_, Qt::white);
  p13Column->addWidget(reportTopMargin_);
  p13Column->addWidget(reportPanel_, 1);
  p13Layout->addLayout(p13Column, 1);
  auto* p14Layout = new QVBoxLayout(reportPanel_);
  p14Layout->setContentsMargins(0, 0, 0, 0);
  p14Layout->setSpacing(0);
  reportList_ = PlainList(QStringLiteral("reportList"), reportPanel_);
  p14Layout->addWidget(reportList_);
  p14Layout->addStretch(0);
  reportPanel_->installEventFilter(this);
  root->addWidget(rightColumn_, 1);

  errorReporter_ = [this](const QString& title, const QString& message) {
    QMessageBox::critical(this, title, message);
  };
  clipboardWriter_ = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };

  connect(monthGrid_, &QCalendarWidget::selectionChanged, this, &MainWindow::onMonthOrDayChanged);
  connect(monthSpin_, &SpinEdit::Changed, this, &MainWindow::onMonthOrDayChanged);
  connect(yearSpin_, &SpinEdit::Changed, this, &MainWindow::onYearChanged);
  connect(todayButton_, &QPushButton::clicked, this, &MainWindow::goToToday);
  connect(copyButton_, &QToolButton::clicked, this, &MainWindow::copyReport);

  setUpLists();
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpLists() {
  holidayModel_ = new QStringListModel(this);
  reportModel_ = new QStringListModel(this);
  holidayList_->setModel(holidayModel_);
  reportList_->setModel(reportModel_);
  holidayList_->setItemDelegate(
      new TabListDelegate(DialogUnitsToPixels(kHolidayTabDialogUnits, font()), kRowHeight, holidayList_));
  reportList_->setItemDelegate(
      new TabListDelegate(DialogUnitsToPixels(kReportTabDialogUnits, font()), kRowHeight, reportList_));
}

void MainWindow::firstShow() {
  holidays_ = HolidayTable::Standard();
  leftColumn_->setFixedWidth(kClientWidth / 3 + 20);
  if (const QScreen* screen = this->screen()) {
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
  }
  goToToday();
  refresh();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    firstShow();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == reportPanel_ && event->type() == QEvent::Resize) {
    FitReportListToWholeRows();
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::FitReportListToWholeRows() {
  // Whole rows only: no partly visible last row.
  const int rows = reportPanel_->height() / kRowHeight;
  reportList_->setFixedHeight(rows > 0 ? rows * kRowHeight : kRowHeight);
}

void MainWindow::SetGrid(int gridYear, int month, int day) {
  const int clamped = ClampGridDay(day, month, gridYear);
  const QDate date(gridYear, month, clamped);
  const QSignalBlocker blocker(monthGrid_);
  // Only the shown month's days can be picked, so a click never leaves it.
  const QDate first(gridYear, month, 1);
  const QDate last(gridYear, month, date.daysInMonth());
  monthGrid_->setDateRange(first, last);
  monthGrid_->setSelectedDate(date);
  monthGrid_->setCurrentPage(gridYear, month);
}

void MainWindow::onMonthOrDayChanged() {
  const int month = RoundedValue(monthSpin_->Value());
  const double yearValue = yearSpin_->Value();
  if (month >= 1 && month <= 12 && IsShowableYear(yearValue)) {
    SetGrid(GridYearFor(month, RoundedValue(yearValue)), month, monthGrid_->selectedDate().day());
  }
  refresh();
}

void MainWindow::onYearChanged() {
  const int month = RoundedValue(monthSpin_->Value());
  const double yearValue = yearSpin_->Value();
  // A year still being typed ("2", "20") leaves the window as it is.
  if (month < 1 || month > 12 || !IsShowableYear(yearValue)) {
    return;
  }
  SetGrid(GridYearFor(month, RoundedValue(yearValue)), month, monthGrid_->selectedDate().day());
  refresh();
}

void MainWindow::goToToday() {
  const CivilDate today = clock_.Today();
  const QDate before = monthGrid_->selectedDate();
  const double monthBefore = monthSpin_->Value();
  const double yearBefore = yearSpin_->Value();
  monthSpin_->SetValueSilently(today.month);
  yearSpin_->SetValueSilently(today.year);
  SetGrid(GridYearFor(today.month, today.year), today.month, today.day);
  if (monthGrid_->selectedDate() != before || monthBefore != monthSpin_->Value() || yearBefore != yearSpin_->Value()) {
    refresh();
  }
}

void MainWindow::copyReport() {
  std::vector<std::string> lines;
  for (const QString& line : reportModel_->stringList()) {
    lines.push_back(line.toStdString());
  }
  clipboardWriter_(QString::fromStdString(ClipboardText(lines)));
}

void MainWindow::refresh() {
  const auto date = ReadSelectedDate(monthGrid_->selectedDate().day(), monthSpin_->Value(), yearSpin_->Value());
  if (!date) {
    return;
  }
  const RefreshResult result = Refresh(*date, holidays_, clock_);
  setWindowTitle(QString::fromStdString(result.caption));
  if (!result.heading.empty()) {
    headingLabel_->setText(QString::fromStdString(result.heading));
  }
  QStringList holidayLines;
  holidayLines.reserve(static_cast<qsizetype>(result.holidayLines.size()));
  for (const std::string& line : result.holidayLines) {
    holidayLines.append(QString::fromStdString(line));
  }
  QStringList reportLines;
  reportLines.reserve(static_cast<qsizetype>(result.reportLines.size()));
  for (const std::string& line : result.reportLines) {
    reportLines.append(QString::fromStdString(line));
  }
  holidayModel_->setStringList(holidayLines);
  reportModel_->setStringList(reportLines);
  if (result.error) {
    errorReporter_(QStringLiteral("Tempulo"), QString::fromStdString(ErrorMessageText(*result.error)));
  }
}

QStringList MainWindow::ReportLines() const { return reportModel_->stringList(); }

QStringList MainWindow::HolidayLines() const { return holidayModel_->stringList(); }

QString MainWindow::Heading() const { return headingLabel_->text(); }

}  // namespace tempulo
