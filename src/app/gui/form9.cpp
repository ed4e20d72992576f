// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/form9.h"

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

QListView* ReportList(const QString& name, QWidget* parent) {
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

TForm9::TForm9(const Clock& clock, QWidget* parent) : QWidget(parent), clock_(clock), holidays_() {
  setObjectName(QStringLiteral("Form9"));
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
  P5 = Panel(QStringLiteral("P5"), this, Qt::white);
  auto* p5Layout = new QHBoxLayout(P5);
  p5Layout->setContentsMargins(0, 0, 0, 0);
  p5Layout->setSpacing(0);
  P9 = Panel(QStringLiteral("P9"), P5, Qt::white);
  P9->setFixedWidth(8);
  P10 = Panel(QStringLiteral("P10"), P5, kColumnColour);
  p5Layout->addWidget(P9);
  p5Layout->addWidget(P10);
  auto* p10Layout = new QVBoxLayout(P10);
  p10Layout->setContentsMargins(0, 0, 0, 0);
  p10Layout->setSpacing(0);

  P11 = HeadingLabel(QStringLiteral("P11"), QString(), 13, P10);
  P11->setFixedHeight(34);
  P11->setAlignment(Qt::AlignCenter);
  SpeedButton1 = new QToolButton(P11);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setAutoRaise(true);
  SpeedButton1->setFixedSize(23, 22);
  SpeedButton1->move(4, 6);
  SpeedButton1->setIcon(CopyGlyph());
  SpeedButton1->setToolTip(QStringLiteral("Kopieren"));
  SpeedButton1->setAccessibleName(QStringLiteral("Kopieren"));
  p10Layout->addWidget(P11);

  Cal1 = new QCalendarWidget(P10);
  Cal1->setObjectName(QStringLiteral("Cal1"));
  Cal1->setFixedHeight(177);
  Cal1->setLocale(locale());
  Cal1->setFirstDayOfWeek(Qt::Monday);
  Cal1->setNavigationBarVisible(false);
  Cal1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  Cal1->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
  Cal1->setGridVisible(false);
  Cal1->setAutoFillBackground(true);
  QPalette gridPalette = palette;
  // The neighbouring months' days are drawn in the disabled text colour.
  gridPalette.setColor(QPalette::Disabled, QPalette::Text, QColor(0xB0, 0xB0, 0xB0));
  Cal1->setPalette(gridPalette);
  p10Layout->addWidget(Cal1);

  P7 = Panel(QStringLiteral("P7"), P10, kColumnColour);
  P7->setFixedHeight(78);
  auto* p7Layout = new QGridLayout(P7);
  p7Layout->setContentsMargins(12, 8, 12, 8);
  L1 = new QLabel(QStringLiteral("Monat"), P7);
  L1->setObjectName(QStringLiteral("L1"));
  T1 = new SpinEdit(P7);
  T1->setObjectName(QStringLiteral("T1"));
  T1->setRange(1, 12);
  T1->SetValueSilently(8);
  L1->setBuddy(T1);
  L2 = new QLabel(QStringLiteral("Jahr"), P7);
  L2->setObjectName(QStringLiteral("L2"));
  T2 = new SpinEdit(P7);
  T2->setObjectName(QStringLiteral("T2"));
  T2->setRange(1000, 3000);
  T2->SetValueSilently(2013);
  L2->setBuddy(T2);
  D3 = new QPushButton(QStringLiteral("Heutiges Datum"), P7);
  D3->setObjectName(QStringLiteral("D3"));
  p7Layout->addWidget(L1, 0, 0);
  p7Layout->addWidget(T1, 0, 1);
  p7Layout->addWidget(L2, 0, 2);
  p7Layout->addWidget(T2, 0, 3);
  p7Layout->addWidget(D3, 1, 0, 1, 4);
  p10Layout->addWidget(P7);

  P16 = Panel(QStringLiteral("P16"), P10, kColumnColour);
  auto* p16Layout = new QVBoxLayout(P16);
  p16Layout->setContentsMargins(0, 0, 0, 0);
  p16Layout->setSpacing(2);
  P15 = HeadingLabel(QStringLiteral("P15"), QStringLiteral("Feiertage, Gedenktage"), 12, P16);
  P15->setAlignment(Qt::AlignCenter);
  LB1 = ReportList(QStringLiteral("LB1"), P16);
  p16Layout->addWidget(P15);
  p16Layout->addWidget(LB1, 1);
  p10Layout->addWidget(P16, 1);
  root->addWidget(P5);

  // Right column: the report.
  P6 = Panel(QStringLiteral("P6"), this, Qt::white);
  auto* p6Layout = new QHBoxLayout(P6);
  p6Layout->setContentsMargins(0, 0, 0, 0);
  p6Layout->setSpacing(0);
  P13 = Panel(QStringLiteral("P13"), P6, Qt::white);
  p6Layout->addWidget(P13);
  auto* p13Layout = new QHBoxLayout(P13);
  p13Layout->setContentsMargins(0, 0, 0, 0);
  p13Layout->setSpacing(0);
  auto* spacer = Panel(QString(), P13, Qt::white);
  spacer->setFixedWidth(16);
  p13Layout->addWidget(spacer);
  auto* p13Column = new QVBoxLayout();
  p13Column->setContentsMargins(0, 0, 0, 0);
  p13Column->setSpacing(0);
  P17 = Panel(QStringLiteral("P17"), P13, Qt::white);
  P17->setFixedHeight(12);
  P14 = Panel(QStringLiteral("P14"), P13, Qt::white);
  p13Column->addWidget(P17);
  p13Column->addWidget(P14, 1);
  p13Layout->addLayout(p13Column, 1);
  auto* p14Layout = new QVBoxLayout(P14);
  p14Layout->setContentsMargins(0, 0, 0, 0);
  p14Layout->setSpacing(0);
  LB2 = ReportList(QStringLiteral("LB2"), P14);
  p14Layout->addWidget(LB2);
  p14Layout->addStretch(0);
  P14->installEventFilter(this);
  root->addWidget(P6, 1);

  errorReporter_ = [this](const QString& title, const QString& message) {
    QMessageBox::critical(this, title, message);
  };
  clipboardWriter_ = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };

  connect(Cal1, &QCalendarWidget::selectionChanged, this, &TForm9::T1Change);
  connect(T1, &SpinEdit::Changed, this, &TForm9::T1Change);
  connect(T2, &SpinEdit::Changed, this, &TForm9::T2Change);
  connect(D3, &QPushButton::clicked, this, &TForm9::B1C);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm9::SpeedButton1Click);

  FormCreate();
}

TForm9::~TForm9() = default;

void TForm9::FormCreate() {
  lb1Model_ = new QStringListModel(this);
  lb2Model_ = new QStringListModel(this);
  LB1->setModel(lb1Model_);
  LB2->setModel(lb2Model_);
  LB1->setItemDelegate(
      new TabListDelegate(DialogUnitsToPixels(kHolidayTabDialogUnits, font()), kRowHeight, LB1));
  LB2->setItemDelegate(
      new TabListDelegate(DialogUnitsToPixels(kReportTabDialogUnits, font()), kRowHeight, LB2));
}

void TForm9::FormShow() {
  holidays_ = HolidayTable::Standard();
  P5->setFixedWidth(kClientWidth / 3 + 20);
  if (const QScreen* screen = this->screen()) {
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
  }
  B1C();
  datum();
}

void TForm9::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

bool TForm9::eventFilter(QObject* watched, QEvent* event) {
  if (watched == P14 && event->type() == QEvent::Resize) {
    FitReportListToWholeRows();
  }
  return QWidget::eventFilter(watched, event);
}

void TForm9::FitReportListToWholeRows() {
  // Whole rows only: no partly visible last row.
  const int rows = P14->height() / kRowHeight;
  LB2->setFixedHeight(rows > 0 ? rows * kRowHeight : kRowHeight);
}

void TForm9::SetGrid(int gridYear, int month, int day) {
  const int clamped = ClampGridDay(day, month, gridYear);
  const QDate date(gridYear, month, clamped);
  const QSignalBlocker blocker(Cal1);
  // Only the shown month's days can be picked, so a click never leaves it.
  const QDate first(gridYear, month, 1);
  const QDate last(gridYear, month, date.daysInMonth());
  Cal1->setDateRange(first, last);
  Cal1->setSelectedDate(date);
  Cal1->setCurrentPage(gridYear, month);
}

void TForm9::T1Change() {
  const int month = RoundedValue(T1->Value());
  const double yearValue = T2->Value();
  if (month >= 1 && month <= 12 && IsShowableYear(yearValue)) {
    SetGrid(GridYearFor(month, RoundedValue(yearValue)), month, Cal1->selectedDate().day());
  }
  datum();
}

void TForm9::T2Change() {
  const int month = RoundedValue(T1->Value());
  const double yearValue = T2->Value();
  // A year still being typed ("2", "20") leaves the window as it is.
  if (month < 1 || month > 12 || !IsShowableYear(yearValue)) {
    return;
  }
  SetGrid(GridYearFor(month, RoundedValue(yearValue)), month, Cal1->selectedDate().day());
  datum();
}

void TForm9::B1C() {
  const CivilDate today = clock_.Today();
  const QDate before = Cal1->selectedDate();
  const double monthBefore = T1->Value();
  const double yearBefore = T2->Value();
  T1->SetValueSilently(today.month);
  T2->SetValueSilently(today.year);
  SetGrid(GridYearFor(today.month, today.year), today.month, today.day);
  if (Cal1->selectedDate() != before || monthBefore != T1->Value() || yearBefore != T2->Value()) {
    datum();
  }
}

void TForm9::SpeedButton1Click() {
  std::vector<std::string> lines;
  for (const QString& line : lb2Model_->stringList()) {
    lines.push_back(line.toStdString());
  }
  clipboardWriter_(QString::fromStdString(ClipboardText(lines)));
}

void TForm9::datum() {
  const auto date = ReadSelectedDate(Cal1->selectedDate().day(), T1->Value(), T2->Value());
  if (!date) {
    return;
  }
  const RefreshResult result = Refresh(*date, holidays_, clock_);
  setWindowTitle(QString::fromStdString(result.caption));
  if (!result.heading.empty()) {
    P11->setText(QString::fromStdString(result.heading));
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
  lb1Model_->setStringList(holidayLines);
  lb2Model_->setStringList(reportLines);
  if (result.error) {
    errorReporter_(QStringLiteral("Tempulo"), QString::fromStdString(ErrorMessageText(*result.error)));
  }
}

QStringList TForm9::ReportLines() const { return lb2Model_->stringList(); }

QStringList TForm9::HolidayLines() const { return lb1Model_->stringList(); }

QString TForm9::Heading() const { return P11->text(); }

void TForm9::ShowDate(const SelectedDate& date) {
  T1->SetValueSilently(date.month);
  T2->SetValueSilently(date.year);
  SetGrid(GridYearFor(date.month, date.year), date.month, date.day);
  datum();
}

}  // namespace tempulo
