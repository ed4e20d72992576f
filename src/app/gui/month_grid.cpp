// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/month_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <array>

namespace tempulo {
namespace {

constexpr int kWeekRows = 6;
constexpr int kDaysPerWeek = 7;
const std::array<const char*, 7> kWeekdayShortNames = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
const std::array<const char*, 7> kWeekdayNames = {"Montag",  "Dienstag",  "Mittwoch", "Donnerstag",
                                                  "Freitag", "Sonnabend", "Sonntag"};

// Paints a day: selection, text in its colour and weight, the ring of today,
// the dot of a festival or moon phase, and the focus frame.
class DayDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const bool selected = (opt.state & QStyle::State_Selected) != 0;
    const bool day = index.data(MonthGrid::kDayRole).toInt() > 0;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRect cell = opt.rect.adjusted(1, 1, -1, -1);
    if (selected && day) {
      painter->fillRect(cell, opt.palette.color(QPalette::Highlight));
    }
    const QColor text =
        selected && day ? opt.palette.color(QPalette::HighlightedText) : opt.palette.color(QPalette::Text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(!selected && foreground.isValid() ? foreground.value<QBrush>().color() : text);
    painter->setFont(opt.font);
    painter->drawText(cell, Qt::AlignCenter, opt.text);

    if (index.data(MonthGrid::kTodayRole).toBool()) {
      const int side = qMin(cell.width(), cell.height()) - 2;
      QRect ring(0, 0, side, side);
      ring.moveCenter(cell.center());
      painter->setPen(QPen(text, 2));
      painter->setBrush(Qt::NoBrush);
      painter->drawEllipse(ring);
    }
    if (index.data(MonthGrid::kSmallMarkRole).toBool()) {
      // A dot at the upper right of the day's number.
      const QFontMetrics metrics(opt.font);
      const int size = qMax(4, metrics.height() / 4);
      const QPoint centre = cell.center();
      const int x = centre.x() + metrics.horizontalAdvance(opt.text) / 2 + 1;
      const int y = centre.y() - metrics.ascent() / 2 - size;
      painter->setPen(Qt::NoPen);
      painter->setBrush(text);
      painter->drawEllipse(QRect(x, y, size, size));
    }
    if (index.data(MonthGrid::kAnniversaryRole).toBool()) {
      // A small diamond at the lower left: a shape of its own, apart from
      // the holidays' colour and the festivals' dot.
      const QFontMetrics metrics(opt.font);
      const int half = qMax(3, metrics.height() / 6);
      const QPoint centre(cell.left() + half + 3, cell.bottom() - half - 3);
      const QPolygon diamond({centre + QPoint(0, -half), centre + QPoint(half, 0), centre + QPoint(0, half),
                              centre + QPoint(-half, 0)});
      painter->setPen(Qt::NoPen);
      painter->setBrush(text);
      painter->drawPolygon(diamond);
    }
    const auto* view = qobject_cast<const QAbstractItemView*>(opt.widget);
    if (day && view != nullptr && view->hasFocus() && view->currentIndex() == index) {
      QPen focus(text, 1, Qt::DashLine);
      painter->setPen(focus);
      painter->setBrush(Qt::NoBrush);
      painter->setRenderHint(QPainter::Antialiasing, false);
      painter->drawRect(cell.adjusted(1, 1, -2, -2));
    }
    painter->restore();
  }
};

}  // namespace

MonthGrid::MonthGrid(QWidget* parent) : QTableWidget(kWeekRows, kDaysPerWeek, parent) {
  setItemDelegate(new DayDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setShowGrid(false);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  const int rowHeight = fontMetrics().height() + 6;
  verticalHeader()->setMinimumSectionSize(rowHeight);
  setMinimumHeight(horizontalHeader()->sizeHint().height() + kWeekRows * rowHeight + 2 * frameWidth());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  holidayColour_ = QColor(0xB0, 0, 0);
  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int row, int column, int, int) { OnCurrentCellChanged(row, column); });
  selected_ = QDate::currentDate();
  Rebuild();
}

int MonthGrid::DayOffset() const {
  const QDate first(selected_.year(), selected_.month(), 1);
  return first.dayOfWeek() - 1;  // Monday first
}

QTableWidgetItem* MonthGrid::ItemForDay(int day) const {
  if (!selected_.isValid() || day < 1 || day > selected_.daysInMonth()) {
    return nullptr;
  }
  const int cell = DayOffset() + day - 1;
  return item(cell / kDaysPerWeek, FirstDayColumn() + cell % kDaysPerWeek);
}

void MonthGrid::Rebuild() {
  rebuilding_ = true;
  const QSignalBlocker blocker(this);
  const int columns = FirstDayColumn() + kDaysPerWeek;
  setColumnCount(columns);
  QStringList headers;
  if (weekNumbers_) {
    headers << QStringLiteral("KW");
  }
  for (const char* name : kWeekdayShortNames) {
    headers << QString::fromUtf8(name);
  }
  setHorizontalHeaderLabels(headers);
  for (int column = 0; column < columns; ++column) {
    if (QTableWidgetItem* header = horizontalHeaderItem(column)) {
      const int weekday = column - FirstDayColumn();
      header->setData(Qt::AccessibleTextRole, weekday >= 0 ? QString::fromUtf8(kWeekdayNames[weekday])
                                                           : QStringLiteral("Kalenderwoche"));
    }
  }
  if (weekNumbers_) {
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  }
  const int offset = DayOffset();
  const int length = selected_.daysInMonth();
  for (int row = 0; row < kWeekRows; ++row) {
    for (int column = 0; column < columns; ++column) {
      auto* cell = new QTableWidgetItem();
      cell->setTextAlignment(Qt::AlignCenter);
      const int dayColumn = column - FirstDayColumn();
      const int day = row * kDaysPerWeek + dayColumn - offset + 1;
      if (dayColumn < 0) {
        // The ISO week of the row's days, where the row has any.
        const int firstDay = row * kDaysPerWeek - offset + 1;
        const int lastDay = firstDay + kDaysPerWeek - 1;
        cell->setFlags(Qt::NoItemFlags);
        if (weekNumbersValid_ && lastDay >= 1 && firstDay <= length) {
          const QDate inRow(selected_.year(), selected_.month(), qBound(1, firstDay, length));
          cell->setText(QString::number(inRow.weekNumber()));
          cell->setData(Qt::AccessibleTextRole, QStringLiteral("Kalenderwoche %1").arg(inRow.weekNumber()));
        }
      } else if (day >= 1 && day <= length) {
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setText(QString::number(day));
        cell->setData(kDayRole, day);
      } else {
        cell->setFlags(Qt::NoItemFlags);
      }
      setItem(row, column, cell);
    }
  }
  ApplyDayFormats();
  if (QTableWidgetItem* current = ItemForDay(selected_.day())) {
    setCurrentItem(current);
    current->setSelected(true);
  }
  rebuilding_ = false;
}

void MonthGrid::ApplyDayFormats() {
  const int length = selected_.daysInMonth();
  for (int day = 1; day <= length; ++day) {
    QTableWidgetItem* cell = ItemForDay(day);
    if (cell == nullptr) {
      continue;
    }
    const GridDay info =
        static_cast<std::size_t>(day) <= days_.size() ? days_[static_cast<std::size_t>(day - 1)] : GridDay{};
    const QDate date(selected_.year(), selected_.month(), day);
    const bool weekend = date.dayOfWeek() >= Qt::Saturday;
    QFont font = this->font();
    font.setBold(info.publicHoliday);
    cell->setFont(font);
    if (info.publicHoliday || weekend) {
      cell->setForeground(holidayColour_);
    } else {
      cell->setData(Qt::ForegroundRole, QVariant());
    }
    cell->setData(kTodayRole, info.today);
    cell->setData(kSmallMarkRole, info.smallMark);
    cell->setData(kPublicHolidayRole, info.publicHoliday);
    cell->setData(kAnniversaryRole, info.anniversary);
    cell->setToolTip(info.toolTip);
    cell->setData(Qt::AccessibleTextRole, info.spokenText.isEmpty() ? QString::number(day) : info.spokenText);
  }
}

void MonthGrid::ShowMonth(const QDate& date) {
  if (!date.isValid()) {
    return;
  }
  const bool sameMonth =
      selected_.isValid() && date.year() == selected_.year() && date.month() == selected_.month();
  selected_ = date;
  if (!sameMonth) {
    days_.clear();
    Rebuild();
    return;
  }
  const QSignalBlocker blocker(this);
  if (QTableWidgetItem* current = ItemForDay(date.day())) {
    setCurrentItem(current);
    current->setSelected(true);
  }
}

void MonthGrid::setSelectedDate(const QDate& date) {
  if (!date.isValid() || date == selected_) {
    return;
  }
  ShowMonth(date);
  emit selectionChanged();
}

void MonthGrid::SetDays(const std::vector<GridDay>& days) {
  days_ = days;
  ApplyDayFormats();
}

void MonthGrid::SetWeekNumbers(bool shown, bool valid) {
  if (shown == weekNumbers_ && valid == weekNumbersValid_) {
    return;
  }
  weekNumbers_ = shown;
  weekNumbersValid_ = valid;
  Rebuild();
}

void MonthGrid::SetHolidayColour(const QColor& colour) {
  holidayColour_ = colour;
  ApplyDayFormats();
}

void MonthGrid::OnCurrentCellChanged(int row, int column) {
  if (rebuilding_) {
    return;
  }
  const QTableWidgetItem* cell = item(row, column);
  const int day = cell != nullptr ? cell->data(kDayRole).toInt() : 0;
  if (day < 1) {
    // Only days can be chosen: back to the selected one.
    const QSignalBlocker blocker(this);
    if (QTableWidgetItem* current = ItemForDay(selected_.day())) {
      setCurrentItem(current);
      current->setSelected(true);
    }
    return;
  }
  const QDate date(selected_.year(), selected_.month(), day);
  if (date != selected_) {
    selected_ = date;
    emit selectionChanged();
  }
}

void MonthGrid::keyPressEvent(QKeyEvent* event) {
  const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
  int days = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      days = -1;
      break;
    case Qt::Key_Right:
      days = 1;
      break;
    case Qt::Key_Up:
      days = -kDaysPerWeek;
      break;
    case Qt::Key_Down:
      days = kDaysPerWeek;
      break;
    case Qt::Key_Home:
      setSelectedDate(QDate(selected_.year(), selected_.month(), 1));
      return;
    case Qt::Key_End:
      setSelectedDate(QDate(selected_.year(), selected_.month(), selected_.daysInMonth()));
      return;
    case Qt::Key_PageUp:
      control ? emit yearStepRequested(-1) : emit monthStepRequested(-1);
      return;
    case Qt::Key_PageDown:
      control ? emit yearStepRequested(1) : emit monthStepRequested(1);
      return;
    default:
      QTableWidget::keyPressEvent(event);
      return;
  }
  const int day = selected_.day() + days;
  if (day >= 1 && day <= selected_.daysInMonth()) {
    setSelectedDate(QDate(selected_.year(), selected_.month(), day));
  } else {
    emit dayStepRequested(days);
  }
}

}  // namespace tempulo
