// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/main_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/gui/eclipses_dialog.h"
#include "app/gui/feasts_dialog.h"
#include "app/gui/goto_dialog.h"
#include "app/gui/lines_model.h"
#include "app/gui/month_grid.h"
#include "app/gui/moon_picture.h"
#include "app/gui/place_settings.h"
#include "app/gui/spin_edit.h"
#include "app/gui/tab_list_delegate.h"
#include "report/contrast.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

constexpr int kReportTabDialogUnits = 120;
constexpr int kHolidayTabDialogUnits = 20;
constexpr int kCopyNoticeMilliseconds = 2000;
constexpr int kMonthsPerYear = 12;
// The left column's width in average characters, within these pixels.
constexpr int kLeftColumnCharacters = 54;
constexpr int kLeftColumnMinimum = 300;
constexpr int kLeftColumnMaximum = 520;
// Room the desktop's frame and title bar take around the window.
constexpr int kFrameAllowanceWidth = 16;
constexpr int kFrameAllowanceHeight = 48;
// The holiday red the window prefers; it is lightened or darkened as far as
// the palette's base needs.
constexpr Rgb kPreferredRed{0xB0, 0x00, 0x00};

const char* const kRegionKey = "region";
const char* const kWeekNumbersKey = "weekNumbers";

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Rgb ToRgb(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

QColor FromRgb(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

QListView* PlainList(const QString& name, const QString& accessibleName, QWidget* parent) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setAccessibleName(accessibleName);
  // Rows differ in width (the longest value sets how far the list scrolls
  // sideways), so each row is measured; a report has some sixty.
  list->setUniformItemSizes(false);
  list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  return list;
}

// Two overlapping sheets: the copy glyph, in the palette's text colour.
QIcon CopyGlyph(const QPalette& palette) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(palette.color(QPalette::WindowText));
  painter.setBrush(palette.color(QPalette::Base));
  painter.drawRect(1, 1, 9, 11);
  painter.drawRect(5, 4, 9, 11);
  for (int y = 7; y <= 13; y += 2) {
    painter.drawLine(7, y, 12, y);
  }
  return QIcon(pixmap);
}

int RoundedValue(double value) { return static_cast<int>(std::nearbyint(value)); }

int GridYearFor(int month, int year) { return GridYear({year, month}); }

bool IsShowableYear(double year) {
  const double rounded = std::nearbyint(year);
  return rounded >= kMinimumYear && rounded <= kMaximumYear;
}

int GridMonthLength(int month, int year) { return QDate(GridYearFor(month, year), month, 1).daysInMonth(); }

}  // namespace

MainWindow::MainWindow(const Clock& clock, std::unique_ptr<QSettings> settings, QWidget* parent)
    : QWidget(parent), clock_(clock), settings_(std::move(settings)) {
  if (!settings_) {
    settings_ = std::make_unique<QSettings>(QStringLiteral("Tempulo"), QStringLiteral("Tempulo"));
  }
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Tempulo"));
  setLocale(QLocale(QLocale::German, QLocale::Germany));
  buildLayout();
  connectControls();
  loadSettings();
  applyColours();

  errorReporter_ = [this](const QString& title, const QString& message) {
    QMessageBox::critical(this, title, message);
  };
  clipboardWriter_ = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
  resize(kDefaultWidth, kDefaultHeight);
}

MainWindow::~MainWindow() {
  // Destroying the window hides its children, and a spin box losing its
  // focus reports a change; no handler may run once this object is gone.
  QObject::disconnect(monthSpin_, nullptr, this, nullptr);
  QObject::disconnect(yearSpin_, nullptr, this, nullptr);
}

void MainWindow::buildLayout() {
  auto* root = new QHBoxLayout(this);
  root->setContentsMargins(8, 8, 8, 8);
  root->setSpacing(12);

  // Left column: heading, grid, date controls, the holiday list.
  auto* leftColumn = new QWidget(this);
  leftColumn->setObjectName(QStringLiteral("leftColumn"));
  const int leftWidth = std::clamp(fontMetrics().averageCharWidth() * kLeftColumnCharacters,
                                   kLeftColumnMinimum, kLeftColumnMaximum);
  leftColumn->setFixedWidth(leftWidth);
  auto* left = new QVBoxLayout(leftColumn);
  left->setContentsMargins(0, 0, 0, 0);
  left->setSpacing(6);

  auto* header = new QHBoxLayout();
  copyButton_ = new QToolButton(leftColumn);
  copyButton_->setObjectName(QStringLiteral("copyButton"));
  copyButton_->setAutoRaise(true);
  copyButton_->setToolTip(QStringLiteral("Bericht kopieren (Strg+C)"));
  copyButton_->setAccessibleName(QStringLiteral("Kopieren"));
  headingLabel_ = new QLabel(leftColumn);
  headingLabel_->setObjectName(QStringLiteral("heading"));
  headingLabel_->setAlignment(Qt::AlignCenter);
  QFont headingFont = font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() > 0 ? headingFont.pointSizeF() * 1.25 : 12);
  headingLabel_->setFont(headingFont);
  copyNotice_ = new QLabel(leftColumn);
  copyNotice_->setObjectName(QStringLiteral("copyNotice"));
  copyNotice_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Kopiert")) + 4);
  copyNoticeTimer_ = new QTimer(this);
  copyNoticeTimer_->setSingleShot(true);
  copyNoticeTimer_->setInterval(kCopyNoticeMilliseconds);
  header->addWidget(copyButton_);
  header->addWidget(headingLabel_, 1);
  header->addWidget(copyNotice_);
  placeButton_ = new QToolButton(leftColumn);
  placeButton_->setObjectName(QStringLiteral("placeButton"));
  placeButton_->setText(QStringLiteral("Ort…"));
  placeButton_->setAutoRaise(true);
  placeButton_->setAccessibleName(QStringLiteral("Ort wählen"));
  header->addWidget(placeButton_);
  left->addLayout(header);

  monthGrid_ = new MonthGrid(leftColumn);
  monthGrid_->setObjectName(QStringLiteral("monthGrid"));
  monthGrid_->setAccessibleName(QStringLiteral("Monatsübersicht"));
  monthGrid_->setAccessibleDescription(QStringLiteral(
      "Tage des Monats; Pfeiltasten wählen den Tag, Bild auf und Bild ab den Monat, mit Strg das Jahr"));
  left->addWidget(monthGrid_, 3);

  auto* form = new QGridLayout();
  form->setHorizontalSpacing(8);
  form->setVerticalSpacing(4);
  auto* monthLabel = new QLabel(QStringLiteral("&Monat"), leftColumn);
  monthSpin_ = new SpinEdit(leftColumn);
  monthSpin_->setObjectName(QStringLiteral("monthSpin"));
  monthSpin_->setRange(1, kMonthsPerYear);
  monthSpin_->SetValueSilently(8);
  monthSpin_->setAccessibleName(QStringLiteral("Monat"));
  monthLabel->setBuddy(monthSpin_);
  auto* yearLabel = new QLabel(QStringLiteral("&Jahr"), leftColumn);
  yearSpin_ = new SpinEdit(leftColumn);
  yearSpin_->setObjectName(QStringLiteral("yearSpin"));
  yearSpin_->setRange(1000, 3000);
  yearSpin_->SetValueSilently(2013);
  yearSpin_->setAccessibleName(QStringLiteral("Jahr"));
  yearLabel->setBuddy(yearSpin_);
  todayButton_ = new QPushButton(QStringLiteral("&Heutiges Datum"), leftColumn);
  todayButton_->setObjectName(QStringLiteral("todayButton"));
  auto* regionLabel = new QLabel(QStringLiteral("&Feiertage für:"), leftColumn);
  regionBox_ = new QComboBox(leftColumn);
  regionBox_->setObjectName(QStringLiteral("regionBox"));
  regionBox_->setAccessibleName(QStringLiteral("Feiertage für"));
  regionBox_->setToolTip(QStringLiteral(
      "„alle“: die Liste zeigt jeden Eintrag, rot sind die bundesweiten gesetzlichen Feiertage.\n"
      "Ein Land: nur seine gesetzlichen Feiertage."));
  for (const RegionInfo& info : Regions()) {
    regionBox_->addItem(Q(info.name), Q(info.code));
  }
  regionBox_->setMaxVisibleItems(static_cast<int>(Regions().size()));
  regionLabel->setBuddy(regionBox_);
  weekNumbersBox_ = new QCheckBox(QStringLiteral("Kalender&wochen zeigen"), leftColumn);
  weekNumbersBox_->setObjectName(QStringLiteral("weekNumbersBox"));
  form->addWidget(monthLabel, 0, 0);
  form->addWidget(monthSpin_, 0, 1);
  form->addWidget(yearLabel, 0, 2);
  form->addWidget(yearSpin_, 0, 3);
  form->addWidget(todayButton_, 1, 0, 1, 4);
  form->addWidget(regionLabel, 2, 0, 1, 2);
  form->addWidget(regionBox_, 2, 2, 1, 2);
  form->addWidget(weekNumbersBox_, 3, 0, 1, 4);
  goToButton_ = new QPushButton(QStringLiteral("&Gehe zu…"), leftColumn);
  goToButton_->setObjectName(QStringLiteral("goToButton"));
  goToButton_->setToolTip(QStringLiteral("Ein Datum eines anderen Kalenders aufsuchen (Strg+G)"));
  feastsButton_ = new QPushButton(QStringLiteral("F&este des Jahres"), leftColumn);
  feastsButton_->setObjectName(QStringLiteral("feastsButton"));
  feastsButton_->setToolTip(QStringLiteral("Die Feste des gewählten Jahres (Strg+J)"));
  form->addWidget(goToButton_, 4, 0, 1, 2);
  form->addWidget(feastsButton_, 4, 2, 1, 2);
  eclipsesButton_ = new QPushButton(QStringLiteral("Fi&nsternisse des Jahres"), leftColumn);
  eclipsesButton_->setObjectName(QStringLiteral("eclipsesButton"));
  eclipsesButton_->setToolTip(QStringLiteral("Sonnen- und Mondfinsternisse des gewählten Jahres am Ort (Strg+E)"));
  form->addWidget(eclipsesButton_, 5, 0, 1, 4);
  form->setColumnStretch(1, 1);
  form->setColumnStretch(3, 1);
  left->addLayout(form);

  holidayHeading_ = new QLabel(QStringLiteral("Feiertage, Gedenktage"), leftColumn);
  holidayHeading_->setObjectName(QStringLiteral("holidayHeading"));
  QFont listHeadingFont = font();
  listHeadingFont.setBold(true);
  holidayHeading_->setFont(listHeadingFont);
  holidayHeading_->setAlignment(Qt::AlignCenter);
  holidayList_ = PlainList(QStringLiteral("holidayList"),
                           QStringLiteral("Feiertage und Gedenktage des Monats"), leftColumn);
  holidayList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  holidayHeading_->setBuddy(holidayList_);
  left->addWidget(holidayHeading_);
  left->addWidget(holidayList_, 2);
  root->addWidget(leftColumn);

  // Right column: the report, and the moon beside it.
  reportList_ = PlainList(QStringLiteral("reportList"), QStringLiteral("Bericht des Tages"), this);
  reportList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  root->addWidget(reportList_, 1);
  auto* moonColumn = new QVBoxLayout();
  moonColumn->addStretch(1);
  moonPicture_ = new MoonPicture(this);
  moonPicture_->setObjectName(QStringLiteral("moonPicture"));
  moonCaption_ = new QLabel(this);
  moonCaption_->setObjectName(QStringLiteral("moonCaption"));
  moonCaption_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  moonCaption_->setWordWrap(true);
  moonCaption_->setFixedWidth(moonPicture_->sizeHint().width() + 24);
  moonColumn->addWidget(moonPicture_, 0, Qt::AlignHCenter);
  moonColumn->addWidget(moonCaption_);
  root->addLayout(moonColumn);

  holidayModel_ = new LinesModel(this);
  reportModel_ = new LinesModel(this);
  holidayList_->setModel(holidayModel_);
  reportList_->setModel(reportModel_);
  const int rowHeight = fontMetrics().height() + 2;
  holidayDelegate_ =
      new TabListDelegate(DialogUnitsToPixels(kHolidayTabDialogUnits, font()), rowHeight, holidayList_);
  reportDelegate_ =
      new TabListDelegate(DialogUnitsToPixels(kReportTabDialogUnits, font()), rowHeight, reportList_);
  holidayList_->setItemDelegate(holidayDelegate_);
  reportList_->setItemDelegate(reportDelegate_);
  // A frame in the highlight colour shows which control has the keyboard.
  setStyleSheet(
      QStringLiteral("QAbstractItemView:focus { border: 2px solid palette(highlight); }"
                     "QAbstractItemView { border: 2px solid transparent; }"));

  setMinimumSize(layout()->minimumSize());
}

void MainWindow::connectControls() {
  connect(monthGrid_, &MonthGrid::selectionChanged, this, &MainWindow::onMonthOrDayChanged);
  connect(monthGrid_, &MonthGrid::dayStepRequested, this, &MainWindow::stepDays);
  connect(monthGrid_, &MonthGrid::monthStepRequested, this, &MainWindow::stepMonths);
  connect(monthGrid_, &MonthGrid::yearStepRequested, this, &MainWindow::stepYears);
  connect(monthSpin_, &SpinEdit::Changed, this, &MainWindow::onMonthOrDayChanged);
  connect(yearSpin_, &SpinEdit::Changed, this, &MainWindow::onYearChanged);
  connect(todayButton_, &QPushButton::clicked, this, &MainWindow::goToToday);
  connect(copyButton_, &QToolButton::clicked, this, &MainWindow::copyReport);
  connect(placeButton_, &QToolButton::clicked, this, &MainWindow::choosePlace);
  connect(regionBox_, &QComboBox::currentIndexChanged, this, &MainWindow::onRegionChosen);
  connect(weekNumbersBox_, &QCheckBox::toggled, this, &MainWindow::onWeekNumbersToggled);
  connect(holidayList_, &QListView::clicked, this, &MainWindow::selectHolidayEntry);
  connect(holidayList_, &QListView::activated, this, &MainWindow::selectHolidayEntry);
  connect(copyNoticeTimer_, &QTimer::timeout, copyNotice_, &QLabel::clear);
  for (QListView* list : {holidayList_, reportList_}) {
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& position) { showListMenu(list, position); });
  }
  // The lists and the grid would copy their current cell alone.
  for (QWidget* view : {static_cast<QWidget*>(holidayList_), static_cast<QWidget*>(reportList_),
                        static_cast<QWidget*>(monthGrid_)}) {
    view->installEventFilter(this);
  }
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &MainWindow::copyReport);
  connect(goToButton_, &QPushButton::clicked, this, &MainWindow::OpenGoToDialog);
  connect(feastsButton_, &QPushButton::clicked, this, &MainWindow::OpenFeastsDialog);
  auto* goToKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
  connect(goToKey, &QShortcut::activated, this, &MainWindow::OpenGoToDialog);
  connect(eclipsesButton_, &QPushButton::clicked, this, &MainWindow::OpenEclipsesDialog);
  auto* eclipsesKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  connect(eclipsesKey, &QShortcut::activated, this, &MainWindow::OpenEclipsesDialog);
  auto* feastsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this);
  connect(feastsKey, &QShortcut::activated, this, &MainWindow::OpenFeastsDialog);
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  quit->setContext(Qt::ApplicationShortcut);
  connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::loadSettings() {
  // Whatever the file holds, only known values are taken: an unreadable or
  // foreign file leaves the defaults.
  const std::string code = settings_->value(kRegionKey).toString().toStdString();
  region_ = RegionFromCode(code).value_or(Region::kAll);
  const QVariant weekNumbers = settings_->value(kWeekNumbersKey);
  const QString weekText = weekNumbers.toString().trimmed().toLower();
  const bool showWeeks = weekText == QStringLiteral("true") || weekText == QStringLiteral("1");
  const QSignalBlocker regionBlocker(regionBox_);
  const QSignalBlocker weekBlocker(weekNumbersBox_);
  for (int i = 0; i < regionBox_->count(); ++i) {
    if (RegionFromCode(regionBox_->itemData(i).toString().toStdString()) == region_) {
      regionBox_->setCurrentIndex(i);
    }
  }
  weekNumbersBox_->setChecked(showWeeks);
  const PlaceSetting placeSetting = LoadPlaceSetting(*settings_);
  placeNotice_ = placeSetting.notice;
  std::string why;
  place_.reset();
  if (placeSetting.place) {
    place_ = ReportPlace::For(*placeSetting.place, why);
  }
  placeButton_->setToolTip(place_ ? Q(PlaceText(place_->place)) : QStringLiteral("50° N, 12° O, MEZ"));
  if (!placeNotice_.isEmpty()) {
    // Once, after the window is up; the program goes on with the default.
    QTimer::singleShot(0, this, [this] { errorReporter_(QStringLiteral("Ort"), placeNotice_); });
  }
}

QString MainWindow::SetPlace(const std::optional<Place>& place) {
  std::string why;
  std::optional<ReportPlace> resolved;
  if (place) {
    resolved = ReportPlace::For(*place, why);
    if (!resolved) {
      return Q(why);
    }
  }
  place_ = resolved;
  placeButton_->setToolTip(place_ ? Q(PlaceText(place_->place)) : QStringLiteral("50° N, 12° O, MEZ"));
  const QString notice = SavePlaceSetting(*settings_, place);
  if (shown_) {
    refresh();
  }
  return notice;
}

void MainWindow::choosePlace() {
  std::string warning;
  PlaceDialog dialog(LoadPlaces(DefaultPlaceFiles(), warning),
                     place_ ? std::optional<Place>(place_->place) : std::nullopt, this);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  const QString notice = SetPlace(dialog.Chosen());
  if (!notice.isEmpty()) {
    errorReporter_(QStringLiteral("Ort"), notice);
  }
}

void MainWindow::firstShow() {
  holidays_ = HolidayTable::Standard();
  placeOnScreen();
  goToToday();
  refresh();
}

void MainWindow::placeOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) {
    return;
  }
  const QRect available = screen->availableGeometry();
  const QSize room = available.size() - QSize(kFrameAllowanceWidth, kFrameAllowanceHeight);
  resize(size().boundedTo(room).expandedTo(minimumSize()));
  QRect placed(QPoint(), size());
  placed.moveCenter(available.center());
  // The title bar stays reachable even where the window is larger than the screen.
  placed.moveTop(std::max(placed.top(), available.top()));
  placed.moveLeft(std::max(placed.left(), available.left()));
  move(placed.topLeft());
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    firstShow();
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
    applyColours();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
      copyFromList(qobject_cast<QListView*>(watched));
      return true;
    }
  }
  if (event->type() == QEvent::ShortcutOverride) {
    // Let Ctrl+C reach the filter above instead of the window's shortcut.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
      event->accept();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::applyColours() {
  if (monthGrid_ == nullptr) {
    return;
  }
  const QPalette palette = this->palette();
  holidayColour_ = FromRgb(ReadableOn(kPreferredRed, ToRgb(palette.color(QPalette::Base))));
  monthGrid_->SetHolidayColour(holidayColour_);
  holidayModel_->SetEmphasis(holidayColour_, holidayList_->font());
  copyButton_->setIcon(CopyGlyph(palette));
  moonPicture_->update();
}

void MainWindow::setGrid(int gridYear, int month, int day) {
  const int clamped = ClampGridDay({gridYear, month, day});
  const QSignalBlocker blocker(monthGrid_);
  monthGrid_->ShowMonth(QDate(gridYear, month, clamped));
}

void MainWindow::onMonthOrDayChanged() {
  const int month = RoundedValue(monthSpin_->Value());
  const double yearValue = yearSpin_->Value();
  if (month >= 1 && month <= kMonthsPerYear && IsShowableYear(yearValue)) {
    setGrid(GridYearFor(month, RoundedValue(yearValue)), month, monthGrid_->selectedDate().day());
  }
  refresh();
}

void MainWindow::onYearChanged() {
  const int month = RoundedValue(monthSpin_->Value());
  const double yearValue = yearSpin_->Value();
  // A year still being typed ("2", "20") leaves the window as it is.
  if (month < 1 || month > kMonthsPerYear || !IsShowableYear(yearValue)) {
    return;
  }
  setGrid(GridYearFor(month, RoundedValue(yearValue)), month, monthGrid_->selectedDate().day());
  refresh();
}

void MainWindow::onRegionChosen(int index) {
  region_ = RegionFromCode(regionBox_->itemData(index).toString().toStdString()).value_or(Region::kAll);
  settings_->setValue(kRegionKey, Q(RegionInfoOf(region_).code));
  refresh();
}

void MainWindow::onWeekNumbersToggled(bool shown) {
  settings_->setValue(kWeekNumbersKey, shown);
  refresh();
}

void MainWindow::goToToday() {
  const CivilDate today = clock_.Today();
  const QDate before = monthGrid_->selectedDate();
  const double monthBefore = monthSpin_->Value();
  const double yearBefore = yearSpin_->Value();
  monthSpin_->SetValueSilently(today.month);
  yearSpin_->SetValueSilently(today.year);
  setGrid(GridYearFor(today.month, today.year), today.month, today.day);
  if (monthGrid_->selectedDate() != before || monthBefore != monthSpin_->Value() ||
      yearBefore != yearSpin_->Value()) {
    refresh();
  }
}

void MainWindow::ShowDate(const CivilDate& date) {
  monthSpin_->SetValueSilently(date.month);
  yearSpin_->SetValueSilently(date.year);
  setGrid(GridYearFor(date.month, date.year), date.month, date.day);
  refresh();
}

void MainWindow::OpenGoToDialog() {
  const auto selected = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                         {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  const CivilDate current = selected ? *selected : clock_.Today();
  // A new dialog each time, so that its fields start on the selected day.
  delete goToDialog_;
  goToDialog_ = new GoToDialog(current, this);
  // The grid shows Gregorian months only: a Julian 29 February its
  // substitute month lacks cannot be selected.
  goToDialog_->SetDayCheck([](CivilDate day) -> std::optional<QString> {
    if (GridCanShow(day)) {
      return std::nullopt;
    }
    return QStringLiteral(
               "Der Tag ist der %1.%2 %3; ihn kann die Monatsübersicht nicht zeigen "
               "(tempulo-report --date zeigt ihn).")
        .arg(day.day)
        .arg(Q(GermanMonthName(day.month)))
        .arg(day.year);
  });
  connect(goToDialog_, &GoToDialog::dayChosen, this, [this](CivilDate day) { ShowDate(day); });
  goToDialog_->open();
}

void MainWindow::OpenFeastsDialog() {
  const auto selected = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                         {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  if (!selected) {
    return;
  }
  if (feastsDialog_ == nullptr) {
    feastsDialog_ = new FeastsDialog(this);
    connect(feastsDialog_, &FeastsDialog::dayChosen, this, [this](CivilDate day) { ShowDate(day); });
  }
  if (feastsDialog_->Year() != selected->year) {
    feastsDialog_->ShowYear(selected->year);
  }
  feastsDialog_->show();
  feastsDialog_->raise();
  feastsDialog_->activateWindow();
}

void MainWindow::OpenEclipsesDialog() {
  const auto selected = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                         {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  if (!selected) {
    return;
  }
  if (eclipsesDialog_ == nullptr) {
    eclipsesDialog_ = new EclipsesDialog(this);
    connect(eclipsesDialog_, &EclipsesDialog::dayChosen, this, [this](CivilDate day) { ShowDate(day); });
  }
  // Made anew each time: the place may have changed since.
  eclipsesDialog_->ShowYear(selected->year, place_ ? &*place_ : nullptr);
  eclipsesDialog_->show();
  eclipsesDialog_->raise();
  eclipsesDialog_->activateWindow();
}

void MainWindow::goTo(int year, int month, int day) {
  // Moves stay within the years the year field's arrows offer.
  if (year < yearSpin_->minimum() || year > yearSpin_->maximum()) {
    return;
  }
  monthSpin_->SetValueSilently(month);
  yearSpin_->SetValueSilently(year);
  setGrid(GridYearFor(month, year), month, day);
  refresh();
}

void MainWindow::stepDays(int days) {
  const auto date = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                     {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  if (!date) {
    return;
  }
  const int length = GridMonthLength(date->month, date->year);
  int day = date->day + days;
  int month = date->month;
  int year = date->year;
  // A step is at most a week, so it leaves the month by at most one month.
  if (day < 1) {
    month -= 1;
    if (month < 1) {
      month = kMonthsPerYear;
      year -= 1;
    }
    if (year < kMinimumYear) {
      return;
    }
    day += GridMonthLength(month, year);
  } else if (day > length) {
    day -= length;
    month += 1;
    if (month > kMonthsPerYear) {
      month = 1;
      year += 1;
    }
  }
  goTo(year, month, day);
}

void MainWindow::stepMonths(int months) {
  const auto date = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                     {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  if (!date) {
    return;
  }
  const int index = date->year * kMonthsPerYear + (date->month - 1) + months;
  goTo(index / kMonthsPerYear, index % kMonthsPerYear + 1, date->day);
}

void MainWindow::stepYears(int years) { stepMonths(years * kMonthsPerYear); }

void MainWindow::selectHolidayEntry(const QModelIndex& index) {
  if (!index.isValid() || index.row() >= holidayModel_->Lines().size()) {
    return;
  }
  const int day = holidayModel_->Lines()[index.row()].day;
  const QDate shown = monthGrid_->selectedDate();
  if (day < 1 || day > shown.daysInMonth()) {
    return;
  }
  monthGrid_->setSelectedDate(QDate(shown.year(), shown.month(), day));
}

void MainWindow::copyLines(const QStringList& lines) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(lines.size()));
  for (const QString& line : lines) {
    texts.push_back(line.toStdString());
  }
  clipboardWriter_(Q(ClipboardText(texts)));
  copyNotice_->setText(QStringLiteral("Kopiert"));
  copyNoticeTimer_->start();
}

void MainWindow::copyReport() { copyLines(reportModel_->Texts()); }

void MainWindow::copyFromList(const QListView* list) {
  if (list != nullptr && list->selectionModel() != nullptr) {
    QModelIndexList rows = list->selectionModel()->selectedRows();
    if (rows.size() > 1) {
      std::sort(rows.begin(), rows.end(),
                [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
      QStringList lines;
      for (const QModelIndex& row : rows) {
        lines.append(row.data(Qt::DisplayRole).toString());
      }
      copyLines(lines);
      return;
    }
  }
  copyReport();
}

void MainWindow::showListMenu(QListView* list, const QPoint& position) {
  QModelIndex index = list->indexAt(position);
  QPoint where = position;
  if (!index.isValid()) {
    // Opened from the keyboard: the current row.
    index = list->currentIndex();
    if (index.isValid()) {
      where = list->visualRect(index).center();
    }
  }
  if (contextMenu_ == nullptr) {
    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName(QStringLiteral("listMenu"));
  }
  contextMenu_->clear();
  QAction* line = contextMenu_->addAction(QStringLiteral("&Zeile kopieren"));
  line->setEnabled(index.isValid());
  connect(line, &QAction::triggered, this,
          [this, index] { copyLines({index.data(Qt::DisplayRole).toString()}); });
  QAction* all = contextMenu_->addAction(QStringLiteral("&Alles kopieren"));
  const auto* model = qobject_cast<const LinesModel*>(list->model());
  connect(all, &QAction::triggered, this, [this, model] { copyLines(model->Texts()); });
  contextMenu_->popup(list->viewport()->mapToGlobal(where));
}

void MainWindow::refresh() {
  const auto date = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                     {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  if (!date) {
    return;
  }
  const RefreshResult result = Refresh(*date, holidays_, clock_, {.place = place_ ? &*place_ : nullptr});
  setWindowTitle(Q(result.caption));
  if (!result.heading.empty()) {
    headingLabel_->setText(Q(result.heading));
  }
  QVector<ListLine> reportLines;
  reportLines.reserve(static_cast<qsizetype>(result.reportLines.size()));
  QStringList reportTexts;
  for (const std::string& line : result.reportLines) {
    reportLines.append({Q(line), QString(), false, 0});
    reportTexts.append(reportLines.back().text);
  }
  reportDelegate_->SetTabStop(TabStopAfterLongestLabel(
      reportTexts, reportList_->font(), DialogUnitsToPixels(kReportTabDialogUnits, reportList_->font())));
  reportModel_->SetLines(std::move(reportLines));
  updateMonthView(date->year, date->month, date->day);
  // An open feasts list follows the selected year.
  if (feastsDialog_ != nullptr && feastsDialog_->isVisible() && feastsDialog_->Year() != date->year) {
    feastsDialog_->ShowYear(date->year);
  }
  if (result.error) {
    errorReporter_(QStringLiteral("Tempulo"), Q(ErrorMessageText(*result.error)));
  }
}

void MainWindow::updateMonthView(int year, int month, int day) {
  const MonthViewKey key{year, month, region_, weekNumbersBox_->isChecked()};
  const MonthOverview* overview = nullptr;
  try {
    overview = &overviews_.Get(year, month);
  } catch (const std::exception&) {
    overview = nullptr;  // no marks rather than no window
  }

  std::optional<MoonDisc> disc;
  try {
    disc = MoonDiscOfDay(year, month, day);
  } catch (const std::exception&) {
    disc.reset();  // a day the month lacks: no moon
  }
  moonPicture_->SetDisc(disc);
  moonPicture_->setVisible(disc.has_value());
  moonCaption_->setText(disc ? Q(MoonDiscText(*disc)) : QString());

  if (monthView_ == key || overview == nullptr) {
    return;
  }
  monthView_ = key;
  const CivilDate today = clock_.Today();
  std::vector<GridDay> days;
  days.reserve(overview->days.size());
  for (const DayOverview& entry : overview->days) {
    const bool isToday = today.year == year && today.month == month && today.day == entry.day;
    days.push_back({entry.IsPublicHoliday(region_), isToday, entry.HasSmallMark(),
                    Q(DayToolTipText(*overview, entry)),
                    Q(DayAccessibleText(*overview, entry, region_, isToday))});
  }
  monthGrid_->SetWeekNumbers(key.weekNumbers, !NeedsSubstituteGridYear({year, month}));
  monthGrid_->SetDays(days);

  QVector<ListLine> lines;
  QStringList texts;
  for (const HolidayListEntry& entry : HolidayListEntries(*overview, region_)) {
    QString toolTip;
    if (const DayOverview* of = overview->Day(entry.day)) {
      toolTip = Q(DayToolTipText(*overview, *of));
    }
    lines.append({Q(entry.text), toolTip, entry.isPublic, entry.day});
    texts.append(lines.back().text);
  }
  holidayDelegate_->SetTabStop(TabStopAfterLongestLabel(
      texts, holidayList_->font(), DialogUnitsToPixels(kHolidayTabDialogUnits, holidayList_->font())));
  holidayModel_->SetLines(std::move(lines));
  holidayHeading_->setText(
      region_ == Region::kAll
          ? QStringLiteral("Feiertage, Gedenktage")
          : QStringLiteral("Gesetzliche Feiertage: %1").arg(Q(RegionInfoOf(region_).name)));
}

QStringList MainWindow::ReportLines() const { return reportModel_->Texts(); }

QStringList MainWindow::HolidayLines() const { return holidayModel_->Texts(); }

QString MainWindow::Heading() const { return headingLabel_->text(); }

QString MainWindow::CopyNotice() const { return copyNotice_->text(); }

}  // namespace tempulo
