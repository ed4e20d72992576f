// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "app/gui/announce.h"
#include "app/gui/calendar_chooser.h"
#include "app/gui/feast_search_dialog.h"
#include "app/gui/anniversaries_dialog.h"
#include "app/gui/anniversary_store.h"
#include "app/gui/eclipses_dialog.h"
#include "app/gui/feasts_dialog.h"
#include "app/gui/goto_dialog.h"
#include "app/gui/lines_model.h"
#include "app/gui/month_grid.h"
#include "app/gui/moon_picture.h"
#include "app/print/print_actions.h"
#include "app/gui/place_settings.h"
#include "app/gui/planets_panel.h"
#include "app/gui/spin_edit.h"
#include "app/gui/sun_moon_panel.h"
#include "app/gui/tab_list_delegate.h"
#include "report/contrast.h"
#include "report/refresh.h"
#include "time/civil.h"
#include "time/utf8.h"

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

constexpr int kFieldNoticeMilliseconds = 8000;
// The side column beside the report, in average characters, within these pixels.
constexpr int kSideColumnCharacters = 30;
constexpr int kSideColumnMinimum = 190;
constexpr int kSideColumnMaximum = 360;
// Rows the report keeps in sight at the window's smallest size.
constexpr int kReportMinimumRows = 8;

const char* const kRegionKey = "region";
const char* const kWeekNumbersKey = "weekNumbers";
const char* const kReportEntriesKey = "reportEntries";
const char* const kFirstDayKey = "firstDayOfWeek";
const char* const kGeometryKey = "window/geometry";
const char* const kGoToCalendarKey = "goTo/calendar";

// How a screen reader names the lines that continue an entry without a
// label of their own; others take the label of the line above.
struct ContinuationName {
  std::string_view entry;
  const char* name;
};
constexpr std::array<ContinuationName, 8> kContinuationNames = {{
    {"maya", "Maya-Kalender, Tzolkin und Haab"},
    {"jewish", "Jüdischer Kalender, Fest"},
    {"islamic_festivals", "Islamischer Kalender, Fest"},
    {"chinese_year", "Chinesischer Kalender, Jahr und Sonnenabschnitt"},
    {"chinese_festivals", "Chinesischer Kalender, Fest"},
    {"ethiopian_festivals", "Äthiopischer Kalender, Fest"},
    {"pi", "PI-Kalender"},
    {"day_of_year", "Tag und Woche des Jahres"},
}};

// A list that says so when it has no rows.
class PlaceholderList : public QListView {
 public:
  PlaceholderList(QString placeholder, QWidget* parent) : QListView(parent), placeholder_(std::move(placeholder)) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QListView::paintEvent(event);
    if (model() != nullptr && model()->rowCount() == 0 && !placeholder_.isEmpty()) {
      QPainter painter(viewport());
      painter.setPen(palette().color(QPalette::Text));
      painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                       placeholder_);
    }
  }

 private:
  QString placeholder_;
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Rgb ToRgb(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

QColor FromRgb(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

QListView* PlainList(const QString& name, const QString& accessibleName, QWidget* parent,
                     const QString& placeholder = {}) {
  auto* list = new PlaceholderList(placeholder, parent);
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

// The days of the month as the almanac counts them (Julian before the reform).
int GridMonthLength(int month, int year) { return CivilMonthLength(year, month); }

QString FirstDayName(Qt::DayOfWeek day) {
  switch (day) {
    case Qt::Saturday:
      return QStringLiteral("Samstag");
    case Qt::Sunday:
      return QStringLiteral("Sonntag");
    default:
      return QStringLiteral("Montag");
  }
}

}  // namespace

MainWindow::MainWindow(const Clock& clock, std::unique_ptr<QSettings> settings, QWidget* parent)
    : QWidget(parent), clock_(clock), store_(std::make_unique<SettingsStore>(std::move(settings))) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Tempulo"));
  setLocale(QLocale(QLocale::German, QLocale::Germany));
  anniversaries_ = new AnniversaryStore(UserAnniversaryFile(), this);
  buildLayout();
  buildMenus();
  connectControls();
  connect(anniversaries_, &AnniversaryStore::changed, this, [this] {
    monthView_.reset();
    refresh();
  });
  loadSettings();
  applyColours();

  errorReporter_ = [this](const QString& title, const QString& message) {
    QMessageBox::critical(this, title, message);
  };
  clipboardWriter_ = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
  store_->SetReporter([this](const QString& notice) {
    // Once is enough at quitting: an earlier change has already said so.
    if (closing_ && settingsReported_) {
      return;
    }
    settingsReported_ = true;
    errorReporter_(QStringLiteral("Einstellungen"), notice);
  });
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
  anniversaryBanner_ = new QLabel(leftColumn);
  anniversaryBanner_->setObjectName(QStringLiteral("anniversaryBanner"));
  anniversaryBanner_->setWordWrap(true);
  anniversaryBanner_->setVisible(false);
  left->addWidget(anniversaryBanner_);

  monthGrid_ = new MonthGrid(leftColumn);
  monthGrid_->setObjectName(QStringLiteral("monthGrid"));
  monthGrid_->setAccessibleName(QStringLiteral("Monatsübersicht"));
  monthGrid_->SetWeekNumbersAbsentText(QStringLiteral(
      "Bis zur Kalenderreform im Oktober 1582 gilt der Julianische Kalender; Kalenderwochen nach ISO 8601 "
      "zählt erst der Gregorianische."));
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
  yearSpin_->setRange(kMinimumYear, kMaximumYear);
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
  printActions_ = new PrintActions(this, form, 5, *store_, [this] {
    return PrintActions::Selection{static_cast<int>(yearSpin_->Value()), static_cast<int>(monthSpin_->Value()),
                                   region_, place_ ? &*place_ : nullptr};
  });
  anniversariesButton_ = new QPushButton(QStringLiteral("Jahres&tage…"), leftColumn);
  anniversariesButton_->setObjectName(QStringLiteral("anniversariesButton"));
  anniversariesButton_->setToolTip(QStringLiteral("Eigene Jahrestage in jedem Kalender (Strg+Umschalt+J)"));
  form->addWidget(anniversariesButton_, 6, 0, 1, 4);
  form->setColumnStretch(1, 1);
  form->setColumnStretch(3, 1);
  left->addLayout(form);
  fieldNotice_ = new QLabel(leftColumn);
  fieldNotice_->setObjectName(QStringLiteral("fieldNotice"));
  fieldNotice_->setWordWrap(true);
  fieldNotice_->setAccessibleName(QStringLiteral("Hinweis"));
  fieldNotice_->hide();
  fieldNoticeTimer_ = new QTimer(this);
  fieldNoticeTimer_->setSingleShot(true);
  fieldNoticeTimer_->setInterval(kFieldNoticeMilliseconds);
  left->addWidget(fieldNotice_);

  holidayHeading_ = new QLabel(QStringLiteral("Feiertage, Gedenktage"), leftColumn);
  holidayHeading_->setObjectName(QStringLiteral("holidayHeading"));
  QFont listHeadingFont = font();
  listHeadingFont.setBold(true);
  holidayHeading_->setFont(listHeadingFont);
  holidayHeading_->setAlignment(Qt::AlignCenter);
  holidayList_ = PlainList(QStringLiteral("holidayList"), QStringLiteral("Feiertage und Gedenktage des Monats"),
                           leftColumn, QStringLiteral("keine Feiertage"));
  holidayList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  holidayHeading_->setBuddy(holidayList_);
  left->addWidget(holidayHeading_);
  left->addWidget(holidayList_, 2);
  root->addWidget(leftColumn);

  // Middle: the report. Its rows wrap long values; it keeps a few rows in
  // sight however small the window.
  reportList_ = PlainList(QStringLiteral("reportList"), QStringLiteral("Bericht des Tages"), this);
  reportList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  reportList_->setResizeMode(QListView::Adjust);
  reportList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  reportList_->setMinimumHeight(kReportMinimumRows * (fontMetrics().height() + 2) + 8);
  reportList_->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
  root->addWidget(reportList_, 1);

  // Right: the side column, the moon on top and the panels below it, one
  // under the other.
  auto* side = new QWidget(this);
  side->setObjectName(QStringLiteral("sideColumn"));
  sideColumn_ = new QVBoxLayout(side);
  sideColumn_->setContentsMargins(0, 0, 0, 0);
  sideColumn_->setSpacing(6);
  moonPicture_ = new MoonPicture(side);
  moonPicture_->setObjectName(QStringLiteral("moonPicture"));
  moonCaption_ = new QLabel(side);
  moonCaption_->setObjectName(QStringLiteral("moonCaption"));
  moonCaption_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  moonCaption_->setWordWrap(true);
  sideColumn_->addWidget(moonPicture_, 0, Qt::AlignHCenter);
  sideColumn_->addWidget(moonCaption_);
  sunMoonPanel_ = new SunMoonPanel(side);
  sideColumn_->addWidget(sunMoonPanel_);
  // Wide enough for the panel's labels and times, within bounds.
  side->setFixedWidth(std::clamp(std::max(sunMoonPanel_->NeededWidth(),
                                          fontMetrics().averageCharWidth() * kSideColumnCharacters),
                                 kSideColumnMinimum, kSideColumnMaximum));
  planetsPanel_ = new PlanetsPanel(store_.get(), side);
  sideColumn_->addWidget(planetsPanel_);
  sideColumn_->addStretch(1);
  root->addWidget(side);

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
  reportDelegate_->SetWrapView(reportList_);
  holidayDelegate_->SetWrapView(holidayList_);
  holidayList_->setResizeMode(QListView::Adjust);
  // A frame in the highlight colour shows which control has the keyboard;
  // the flat buttons get one too.
  setStyleSheet(
      QStringLiteral("QAbstractItemView:focus { border: 2px solid palette(highlight); }"
                     "QAbstractItemView { border: 2px solid transparent; }"
                     "QToolButton:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
  // Tab goes from the grid through the fields to the lists and back.
  QWidget::setTabOrder(monthGrid_, monthSpin_);
  QWidget::setTabOrder(monthSpin_, yearSpin_);
  QWidget::setTabOrder(yearSpin_, todayButton_);
  QWidget::setTabOrder(todayButton_, regionBox_);
  QWidget::setTabOrder(regionBox_, weekNumbersBox_);
  QWidget::setTabOrder(weekNumbersBox_, goToButton_);
  QWidget::setTabOrder(goToButton_, feastsButton_);
  QWidget::setTabOrder(feastsButton_, holidayList_);
  QWidget::setTabOrder(holidayList_, reportList_);
  QWidget::setTabOrder(reportList_, copyButton_);
  QWidget::setTabOrder(copyButton_, placeButton_);

  setMinimumSize(layout()->minimumSize());
}

void MainWindow::buildMenus() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setObjectName(QStringLiteral("menuBar"));
  layout()->setMenuBar(menuBar_);
  // The keys are named in the entries; the window's own shortcuts carry them.
  const auto entry = [this](QMenu* menu, const QString& text, const QString& keys, auto slot) {
    QAction* action = menu->addAction(keys.isEmpty() ? text : text + QLatin1Char('\t') + keys);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  fileMenu_ = menuBar_->addMenu(QStringLiteral("&Datei"));
  fileMenu_->setObjectName(QStringLiteral("fileMenu"));
  entry(fileMenu_, QStringLiteral("Bericht &kopieren"), QStringLiteral("Strg+C"), [this] { copyReport(); });
  fileMenu_->addSeparator();
  entry(fileMenu_, QStringLiteral("&Beenden"), QStringLiteral("Strg+Q"), [this] { close(); });

  goMenu_ = menuBar_->addMenu(QStringLiteral("&Gehe zu"));
  goMenu_->setObjectName(QStringLiteral("goMenu"));
  entry(goMenu_, QStringLiteral("&Heute"), QStringLiteral("Strg+T"), [this] { goToToday(); });
  entry(goMenu_, QStringLiteral("Datum eines &Kalenders…"), QStringLiteral("Strg+G"), [this] { OpenGoToDialog(); });
  entry(goMenu_, QStringLiteral("&Fest suchen…"), QStringLiteral("Strg+F"), [this] { OpenFeastSearch(); });

  toolsMenu_ = menuBar_->addMenu(QStringLiteral("E&xtras"));
  toolsMenu_->setObjectName(QStringLiteral("toolsMenu"));
  entry(toolsMenu_, QStringLiteral("F&este des Jahres…"), QStringLiteral("Strg+J"), [this] { OpenFeastsDialog(); });
  entry(toolsMenu_, QStringLiteral("Fi&nsternisse des Jahres…"), QStringLiteral("Strg+E"),
        [this] { OpenEclipsesDialog(); });
  entry(toolsMenu_, QStringLiteral("&Ort…"), QString(), [this] { choosePlace(); });
  entry(toolsMenu_, QStringLiteral("&Kalender wählen…"), QString(), [this] { OpenCalendarChooser(); });
  toolsMenu_->addSeparator();
  QMenu* firstDay = toolsMenu_->addMenu(QStringLiteral("&Woche beginnt am"));
  firstDay->setObjectName(QStringLiteral("firstDayMenu"));
  firstDayGroup_ = new QActionGroup(this);
  for (const Qt::DayOfWeek day : {Qt::Monday, Qt::Saturday, Qt::Sunday}) {
    QAction* action = firstDay->addAction(FirstDayName(day));
    action->setCheckable(true);
    action->setData(static_cast<int>(day));
    action->setChecked(day == Qt::Monday);
    firstDayGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, day] { SetFirstDayOfWeek(day); });
  }

  helpMenu_ = menuBar_->addMenu(QStringLiteral("&Hilfe"));
  helpMenu_->setObjectName(QStringLiteral("helpMenu"));
  entry(helpMenu_, QStringLiteral("&Tastenkürzel"), QStringLiteral("F1"), [this] { OpenShortcuts(); });
  entry(helpMenu_, QStringLiteral("Ü&ber Tempulo"), QString(), [this] { OpenAbout(); });

  shortcutLines_ = {
      {QStringLiteral("Pfeiltasten"), QStringLiteral("Tag wählen, auch über den Monatsrand")},
      {QStringLiteral("Pos1 / Ende"), QStringLiteral("erster / letzter Tag des Monats")},
      {QStringLiteral("Bild auf / Bild ab"), QStringLiteral("Monat zurück / vor")},
      {QStringLiteral("Mausrad über der Monatsübersicht"), QStringLiteral("Monat zurück / vor")},
      {QStringLiteral("Strg+Bild auf / Strg+Bild ab"), QStringLiteral("Jahr zurück / vor")},
      {QStringLiteral("Strg+T oder ."), QStringLiteral("heute")},
      {QStringLiteral("Alt+M / Alt+J / Alt+H"), QStringLiteral("Monat / Jahr / Heutiges Datum")},
      {QStringLiteral("Strg+G"), QStringLiteral("Gehe zu einem Datum eines anderen Kalenders")},
      {QStringLiteral("Strg+F"), QStringLiteral("Fest suchen")},
      {QStringLiteral("Strg+J"), QStringLiteral("Feste des Jahres")},
      {QStringLiteral("Strg+E"), QStringLiteral("Finsternisse des Jahres am Ort")},
      {QStringLiteral("Strg+C"), QStringLiteral("Bericht oder gewählte Zeilen kopieren")},
      {QStringLiteral("Tab / Umschalt+Tab"), QStringLiteral("zum nächsten / vorigen Bedienelement")},
      {QStringLiteral("F1"), QStringLiteral("diese Liste")},
      {QStringLiteral("Strg+Q"), QStringLiteral("Beenden")},
  };
}

void MainWindow::AddSidePanel(QWidget* panel) {
  // Above the stretch that keeps the panels together at the top.
  panel->setParent(sideColumn_->parentWidget());
  sideColumn_->insertWidget(sideColumn_->count() - 1, panel);
}

void MainWindow::AddShortcutLine(const QString& keys, const QString& action) {
  // Before the last line (Strg+Q), so that quitting stays at the end.
  const auto at = shortcutLines_.empty() ? shortcutLines_.end() : shortcutLines_.end() - 1;
  shortcutLines_.insert(at, {keys, action});
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
  connect(fieldNoticeTimer_, &QTimer::timeout, fieldNotice_, [this] {
    fieldNotice_->clear();
    fieldNotice_->hide();
  });
  connect(monthGrid_, &MonthGrid::neighbourDayChosen, this, [this](int side, int day) {
    const auto date = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                       {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
    if (!date) {
      return;
    }
    const int index = date->year * kMonthsPerYear + (date->month - 1) + side;
    goTo(index / kMonthsPerYear, index % kMonthsPerYear + 1, day);
  });
  connect(yearSpin_, &SpinEdit::OutOfRange, this, [this](double typed) {
    refuseField(QStringLiteral("Jahr"), typed, yearSpin_->minimum(), yearSpin_->maximum());
  });
  connect(monthSpin_, &SpinEdit::OutOfRange, this, [this](double typed) {
    refuseField(QStringLiteral("Monat"), typed, monthSpin_->minimum(), monthSpin_->maximum());
  });
  for (QListView* list : {holidayList_, reportList_}) {
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& position) { showListMenu(list, position); });
  }
  // The lists and the grid would copy their current cell alone.
  for (QWidget* view : {static_cast<QWidget*>(holidayList_), static_cast<QWidget*>(reportList_),
                        static_cast<QWidget*>(monthGrid_)}) {
    view->installEventFilter(this);
  }
  // The lists wrap their values to their width: a new width lays them out anew.
  holidayList_->viewport()->installEventFilter(this);
  reportList_->viewport()->installEventFilter(this);
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &MainWindow::copyReport);
  connect(goToButton_, &QPushButton::clicked, this, &MainWindow::OpenGoToDialog);
  connect(feastsButton_, &QPushButton::clicked, this, &MainWindow::OpenFeastsDialog);
  connect(planetsPanel_, &PlanetsPanel::reportLinesChanged, this, &MainWindow::refresh);
  connect(planetsPanel_, &PlanetsPanel::dayChosen, this, [this](CivilDate day) { ShowDate(day); });
  auto* goToKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
  connect(goToKey, &QShortcut::activated, this, &MainWindow::OpenGoToDialog);
  auto* eclipsesKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  connect(eclipsesKey, &QShortcut::activated, this, &MainWindow::OpenEclipsesDialog);
  auto* feastsKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this);
  connect(feastsKey, &QShortcut::activated, this, &MainWindow::OpenFeastsDialog);
  auto* todayKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
  connect(todayKey, &QShortcut::activated, this, &MainWindow::goToToday);
  // A field being typed into keeps its "."; elsewhere it means today.
  auto* todayDot = new QShortcut(QKeySequence(Qt::Key_Period), this);
  connect(todayDot, &QShortcut::activated, this, &MainWindow::goToToday);
  auto* findKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
  connect(findKey, &QShortcut::activated, this, &MainWindow::OpenFeastSearch);
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(helpKey, &QShortcut::activated, this, &MainWindow::OpenShortcuts);
  connect(anniversariesButton_, &QPushButton::clicked, this, &MainWindow::OpenAnniversariesDialog);
  auto* anniversariesKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J), this);
  connect(anniversariesKey, &QShortcut::activated, this, &MainWindow::OpenAnniversariesDialog);
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  quit->setContext(Qt::ApplicationShortcut);
  connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::loadSettings() {
  // Whatever the file holds, only known values are taken: an unreadable or
  // foreign file leaves the defaults.
  const std::string code = store_->Value(kRegionKey).toString().toStdString();
  region_ = RegionFromCode(code).value_or(Region::kAll);
  const QVariant weekNumbers = store_->Value(kWeekNumbersKey);
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
  bool dayOk = false;
  const int firstDay = store_->Value(kFirstDayKey).toInt(&dayOk);
  const Qt::DayOfWeek day = dayOk && (firstDay == Qt::Saturday || firstDay == Qt::Sunday)
                                ? static_cast<Qt::DayOfWeek>(firstDay)
                                : Qt::Monday;
  monthGrid_->SetFirstDayOfWeek(day);
  for (QAction* action : firstDayGroup_->actions()) {
    action->setChecked(action->data().toInt() == day);
  }
  lastGoToCalendar_ = store_->Value(kGoToCalendarKey).toString();
  entries_ = EntryChoiceFromSetting(store_->Value(kReportEntriesKey).toString());
  const PlaceSetting placeSetting = LoadPlaceSetting(store_->ForReading());
  placeNotice_ = placeSetting.notice;
  if (!placeNotice_.isEmpty() && store_->WasUnreadable()) {
    placeNotice_ += QStringLiteral(
        " Bevor etwas gespeichert wird, bleibt die Datei daneben mit der Endung „.unlesbar“ erhalten.");
  }
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
  const QString notice = SavePlaceSetting(*store_, place);
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
  std::string why;
  if (dialog.Chosen() && !ReportPlace::For(*dialog.Chosen(), why)) {
    errorReporter_(QStringLiteral("Ort"), Q(why));
    return;
  }
  // A failed save has been reported by the settings.
  SetPlace(dialog.Chosen());
}

void MainWindow::SetFirstDayOfWeek(Qt::DayOfWeek day) {
  if (day != Qt::Saturday && day != Qt::Sunday) {
    day = Qt::Monday;
  }
  for (QAction* action : firstDayGroup_->actions()) {
    action->setChecked(action->data().toInt() == day);
  }
  if (day == monthGrid_->firstDayOfWeek()) {
    return;
  }
  monthGrid_->SetFirstDayOfWeek(day);
  store_->Set(kFirstDayKey, static_cast<int>(day));
}

QAction* MainWindow::FirstDayAction(Qt::DayOfWeek day) const {
  for (QAction* action : firstDayGroup_->actions()) {
    if (action->data().toInt() == day) {
      return action;
    }
  }
  return nullptr;
}

void MainWindow::refuseField(const QString& what, double typed, double low, double high) {
  const QString text =
      what == QStringLiteral("Jahr")
          ? QStringLiteral("Das Jahr %1 zeigt der Almanach nicht; er reicht von %2 bis %3.")
          : QStringLiteral("Einen Monat %1 gibt es nicht; erlaubt sind %2 bis %3.");
  fieldNotice_->setText(text.arg(QString::number(typed, 'f', 0), QString::number(low, 'f', 0),
                                 QString::number(high, 'f', 0)));
  fieldNotice_->show();
  fieldNoticeTimer_->start();
  AnnounceMessage(fieldNotice_);
}

QString MainWindow::FieldNotice() const { return fieldNotice_->isVisible() ? fieldNotice_->text() : QString(); }

void MainWindow::SaveGeometry() { store_->Set(kGeometryKey, saveGeometry()); }

void MainWindow::closeEvent(QCloseEvent* event) {
  closing_ = true;
  SaveGeometry();
  closing_ = false;
  QWidget::closeEvent(event);
}

void MainWindow::firstShow() {
  holidays_ = HolidayTable::Standard();
  const QByteArray geometry = store_->Value(kGeometryKey).toByteArray();
  // A remembered geometry is moved onto the screens there are now.
  if (geometry.isEmpty() || !restoreGeometry(geometry)) {
    placeOnScreen();
  }
  goToToday();
  refresh();
  // The keyboard works in the grid from the start.
  monthGrid_->setFocus(Qt::OtherFocusReason);
  showAnniversaryBanner();
}

void MainWindow::showAnniversaryBanner() {
  const CivilDate today = clock_.Today();
  QStringList parts;
  if (anniversaries_->ReadOnly()) {
    parts.append(anniversaries_->Problem());
  }
  if (today.year >= kMinimumYear && today.year <= kMaximumYear) {
    const auto month = anniversaries_->MonthTexts(today.year, today.month);
    if (const auto found = month.find(today.day); found != month.end()) {
      parts.append(QStringLiteral("Heute: ") + QStringList(found->second.begin(), found->second.end()).join(QStringLiteral("; ")));
    }
  }
  anniversaryBanner_->setText(parts.join(QLatin1Char('\n')));
  anniversaryBanner_->setVisible(!parts.isEmpty());
}

void MainWindow::OpenAnniversariesDialog() {
  if (anniversariesDialog_ == nullptr) {
    anniversariesDialog_ = new AnniversariesDialog(*anniversaries_, this);
  }
  const auto selected = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                         {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  if (selected) {
    anniversariesDialog_->SetSuggestedDate(*selected);
  }
  anniversariesDialog_->show();
  anniversariesDialog_->raise();
  anniversariesDialog_->activateWindow();
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
  if (event->type() == QEvent::Resize) {
    const auto* resize = static_cast<QResizeEvent*>(event);
    if (resize->size().width() != resize->oldSize().width()) {
      for (QListView* list : {holidayList_, reportList_}) {
        if (watched == list->viewport()) {
          list->doItemsLayout();
        }
      }
    }
    return QWidget::eventFilter(watched, event);
  }
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
  const Rgb base = ToRgb(palette.color(QPalette::Base));
  holidayColour_ = FromRgb(ReadableOn(kPreferredRed, base));
  monthGrid_->SetHolidayColour(holidayColour_);
  // Dimmed days and week numbers: halfway to the base, as far back toward
  // the text as reading needs.
  const QColor text = palette.color(QPalette::Text);
  const QColor halfway((text.red() + base.red) / 2, (text.green() + base.green) / 2, (text.blue() + base.blue) / 2);
  monthGrid_->SetMutedColour(FromRgb(ReadableOn(ToRgb(halfway), base)));
  // The selection's fill darkened or lightened until its text reads on it.
  const QColor fill = FromRgb(
      ReadableOn(ToRgb(palette.color(QPalette::Highlight)), ToRgb(palette.color(QPalette::HighlightedText))));
  for (QWidget* view : {static_cast<QWidget*>(monthGrid_), static_cast<QWidget*>(holidayList_),
                        static_cast<QWidget*>(reportList_)}) {
    QPalette own = view->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      own.setColor(group, QPalette::Highlight, fill);
      own.setColor(group, QPalette::HighlightedText, palette.color(QPalette::HighlightedText));
    }
    view->setPalette(own);
  }
  holidayModel_->SetEmphasis(holidayColour_, holidayList_->font());
  copyButton_->setIcon(CopyGlyph(palette));
  moonPicture_->update();
}

void MainWindow::showGridMonth(int year, int month, int day) {
  const int gridYear = GridYearFor(month, year);
  const int length = CivilMonthLength(year, month);
  const int previous = month == 1 ? CivilMonthLength(year - 1, kMonthsPerYear) : CivilMonthLength(year, month - 1);
  // The month's own length first; then what the Gregorian grid month can show.
  const int shown = ClampGridDay({gridYear, month, std::clamp(day, 1, length)});
  const QSignalBlocker blocker(monthGrid_);
  monthGrid_->ShowMonth(QDate(gridYear, month, shown), length, previous);
}

void MainWindow::onMonthOrDayChanged() {
  const int month = RoundedValue(monthSpin_->Value());
  const double yearValue = yearSpin_->Value();
  if (month >= 1 && month <= kMonthsPerYear && IsShowableYear(yearValue)) {
    showGridMonth(RoundedValue(yearValue), month, monthGrid_->selectedDate().day());
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
  showGridMonth(RoundedValue(yearValue), month, monthGrid_->selectedDate().day());
  refresh();
}

void MainWindow::onRegionChosen(int index) {
  region_ = RegionFromCode(regionBox_->itemData(index).toString().toStdString()).value_or(Region::kAll);
  refresh();
  store_->Set(kRegionKey, Q(RegionInfoOf(region_).code));
}

void MainWindow::OpenCalendarChooser() {
  if (calendarChooser_ == nullptr) {
    calendarChooser_ = new CalendarChooser(entries_, this);
    connect(calendarChooser_, &QDialog::accepted, this, [this] {
      entries_ = calendarChooser_->Choice();
      refresh();
      store_->Set(kReportEntriesKey, EntryChoiceSetting(entries_));
    });
  }
  calendarChooser_->Show(entries_);
  calendarChooser_->show();
  calendarChooser_->raise();
  calendarChooser_->activateWindow();
}

void MainWindow::onWeekNumbersToggled(bool shown) {
  refresh();
  store_->Set(kWeekNumbersKey, shown);
}

void MainWindow::goToToday() {
  const CivilDate today = clock_.Today();
  const QDate before = monthGrid_->selectedDate();
  const double monthBefore = monthSpin_->Value();
  const double yearBefore = yearSpin_->Value();
  monthSpin_->SetValueSilently(today.month);
  yearSpin_->SetValueSilently(today.year);
  showGridMonth(today.year, today.month, today.day);
  if (monthGrid_->selectedDate() != before || monthBefore != monthSpin_->Value() ||
      yearBefore != yearSpin_->Value()) {
    refresh();
  }
}

void MainWindow::ShowDate(const CivilDate& date) {
  monthSpin_->SetValueSilently(date.month);
  yearSpin_->SetValueSilently(date.year);
  showGridMonth(date.year, date.month, date.day);
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
  // It opens on the calendar used last.
  if (!lastGoToCalendar_.isEmpty()) {
    goToDialog_->SelectCalendar(lastGoToCalendar_.toStdString());
  }
  connect(goToDialog_->CalendarBox(), &QComboBox::currentIndexChanged, this, [this] {
    const QString id = goToDialog_->CalendarBox()->currentData().toString();
    if (id != lastGoToCalendar_) {
      lastGoToCalendar_ = id;
      store_->Set(kGoToCalendarKey, id);
    }
  });
  goToDialog_->open();
}

void MainWindow::OpenFeastSearch() {
  const auto selected = ReadSelectedDate(monthGrid_->selectedDate().day(),
                                         {.month = monthSpin_->Value(), .year = yearSpin_->Value()});
  if (feastSearch_ == nullptr) {
    feastSearch_ = new FeastSearchDialog(selected ? selected->year : clock_.Today().year, this);
    connect(feastSearch_, &FeastSearchDialog::dayChosen, this, [this](CivilDate day) {
      if (GridCanShow(day)) {
        ShowDate(day);
      } else {
        errorReporter_(QStringLiteral("Fest suchen"),
                       QStringLiteral("Den %1.%2 %3 kann die Monatsübersicht nicht zeigen (tempulo-report --date "
                                      "zeigt ihn).")
                           .arg(day.day)
                           .arg(Q(GermanMonthName(day.month)))
                           .arg(day.year));
      }
    });
  }
  feastSearch_->show();
  feastSearch_->raise();
  feastSearch_->activateWindow();
  feastSearch_->NameField()->setFocus();
  feastSearch_->NameField()->selectAll();
}

void MainWindow::OpenShortcuts() {
  delete shortcutsDialog_;
  shortcutsDialog_ = new ShortcutsDialog(shortcutLines_, this);
  shortcutsDialog_->open();
}

void MainWindow::OpenAbout() {
  if (aboutBox_ == nullptr) {
    aboutBox_ = new QMessageBox(QMessageBox::Information, QStringLiteral("Über Tempulo"), AboutText(),
                                QMessageBox::Close, this);
    aboutBox_->setObjectName(QStringLiteral("aboutBox"));
    aboutBox_->setTextFormat(Qt::RichText);
    aboutBox_->button(QMessageBox::Close)->setText(QStringLiteral("Schließen"));
    if (!QApplication::windowIcon().isNull()) {
      aboutBox_->setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    }
  }
  aboutBox_->open();
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
  showGridMonth(year, month, day);
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
  const RefreshResult result = Refresh(*date, holidays_, clock_,
                                       {.keepValues = true,
                                        .everyCrossing = false,
                                        .place = place_ ? &*place_ : nullptr,
                                        .entries = &entries_,
                                        .anniversaries = &anniversaries_->Book(),
                                        .extra = planetsPanel_->ReportLines()});
  planetsPanel_->ShowDay(*date, place_ ? &*place_ : nullptr);
  setWindowTitle(Q(result.caption));
  if (!result.heading.empty()) {
    headingLabel_->setText(Q(result.heading));
  }
  QVector<ListLine> reportLines;
  reportLines.reserve(static_cast<qsizetype>(result.reportLines.size()));
  QStringList reportTexts;
  QString lastLabel;
  for (std::size_t i = 0; i < result.reportLines.size(); ++i) {
    ListLine line;
    line.text = Q(result.reportLines[i]);
    const QString label = line.text.section(QLatin1Char('\t'), 0, 0);
    if (line.text.trimmed().isEmpty()) {
      line.blank = true;
    } else if (label.isEmpty() && line.text.startsWith(QLatin1Char('\t'))) {
      // A line continuing an entry: the screen reader names the calendar.
      QString name = lastLabel;
      const std::string_view entry = i < result.lineEntries.size() ? result.lineEntries[i] : std::string_view();
      for (const ContinuationName& known : kContinuationNames) {
        if (known.entry == entry) {
          name = QString::fromUtf8(known.name);
        }
      }
      const QString value = Q(SpokenLine(line.text.mid(1).toStdString()));
      line.spoken = name.isEmpty() ? value : name + QStringLiteral(": ") + value;
    } else if (!label.trimmed().isEmpty()) {
      lastLabel = label;
    }
    reportLines.append(line);
    reportTexts.append(reportLines.back().text);
  }
  sunMoonPanel_->ShowReport(*date, result.reportLines, result.lineEntries, result.fields);
  reportDelegate_->SetTabStop(TabStopAfterLongestLabel(
      reportTexts, reportList_->font(), DialogUnitsToPixels(kReportTabDialogUnits, reportList_->font())));
  reportModel_->SetLines(std::move(reportLines));
  updateMonthView(date->year, date->month, date->day);
  // An open feasts list follows the selected year.
  if (feastsDialog_ != nullptr && feastsDialog_->isVisible() && feastsDialog_->Year() != date->year) {
    feastsDialog_->ShowYear(date->year);
  }
  if (result.error) {
    // The report stops where the error arose; the message says why.
    errorReporter_(QStringLiteral("Tempulo"),
                   Q(ErrorMessageText(*result.error)) +
                       QStringLiteral(" Der Bericht für den %1.%2 %3 bricht an dieser Stelle ab: einer der "
                                      "Kalender kann diesen Tag nicht umrechnen. Die Zeilen davor stimmen.")
                           .arg(date->day)
                           .arg(Q(GermanMonthName(date->month)))
                           .arg(date->year));
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
  const std::map<int, std::vector<QString>> anniversaries = anniversaries_->MonthTexts(year, month);
  for (const DayOverview& entry : overview->days) {
    const bool isToday = today.year == year && today.month == month && today.day == entry.day;
    days.push_back({entry.IsPublicHoliday(region_), isToday, entry.HasSmallMark(),
                    Q(DayToolTipText(*overview, entry)),
                    Q(DayAccessibleText(*overview, entry, region_, isToday))});
    days.back().eclipse = !entry.eclipses.empty();
    if (const auto found = anniversaries.find(entry.day); found != anniversaries.end()) {
      days.back().anniversary = true;
      for (const QString& text : found->second) {
        days.back().toolTip += QStringLiteral("\nJahrestag: ") + text;
        days.back().spokenText += QStringLiteral(", Jahrestag: ") + text;
      }
    }
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
    ListLine line;
    line.text = Q(entry.text);
    line.toolTip = toolTip;
    line.emphasised = entry.isPublic;
    line.day = entry.day;
    lines.append(line);
  }
  // The month's anniversaries after the holidays of their day.
  for (const auto& [day, list] : anniversaries) {
    auto at = std::find_if(lines.begin(), lines.end(), [day = day](const ListLine& l) { return l.day > day; });
    for (const QString& text : list) {
      ListLine line;
      line.text = QStringLiteral("%1\tJahrestag: %2").arg(day, 2, 10, QLatin1Char('0')).arg(text);
      line.toolTip = QStringLiteral("Jahrestag: ") + text;
      line.day = day;
      at = lines.insert(at, line) + 1;
    }
  }
  for (const ListLine& line : lines) {
    texts.append(line.text);
  }
  holidayDelegate_->SetTabStop(TabStopAfterLongestLabel(
      texts, holidayList_->font(), DialogUnitsToPixels(kHolidayTabDialogUnits, holidayList_->font())));
  // The empty list paints "keine Feiertage"; a screen reader hears it too.
  holidayList_->setAccessibleDescription(lines.isEmpty() ? QStringLiteral("keine Feiertage") : QString());
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
