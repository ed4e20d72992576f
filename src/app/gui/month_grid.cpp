// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/month_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <array>
#include <cstdlib>

namespace tempulo {
namespace {

constexpr int kWeekRows = 6;
constexpr int kDaysPerWeek = 7;
// One notch of a common mouse wheel.
constexpr int kWheelNotch = 120;
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
    painter->setPen((!selected || !day) && foreground.isValid() ? foreground.value<QBrush>().color() : text);
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
    if (index.data(MonthGrid::kEclipseRole).toBool()) {
      // At the lower right, a disc with a dark one over most of it: the
      // eclipse's own shape, apart from the festivals' dot and the
      // anniversaries' diamond.
      const QFontMetrics metrics(opt.font);
      const int size = qMax(7, metrics.height() * 2 / 5);
      const QRect disc(cell.right() - size - 3, cell.bottom() - size - 3, size, size);
      painter->setRenderHint(QPainter::Antialiasing, true);
      painter->setPen(QPen(text, 1));
      painter->setBrush(Qt::NoBrush);
      painter->drawEllipse(disc);
      painter->setPen(Qt::NoPen);
      painter->setBrush(text);
      painter->drawEllipse(disc.translated(-size / 3, 0).adjusted(1, 1, -1, -1));
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
  return (first.dayOfWeek() - firstDay_ + kDaysPerWeek) % kDaysPerWeek;
}

int MonthGrid::MonthLength() const {
  return length_ > 0 && length_ < selected_.daysInMonth() ? length_ : selected_.daysInMonth();
}

QTableWidgetItem* MonthGrid::ItemForDay(int day) const {
  if (!selected_.isValid() || day < 1 || day > MonthLength()) {
    return nullptr;
  }
  const int cell = DayOffset() + day - 1;
  return item(cell / kDaysPerWeek, FirstDayColumn() + cell % kDaysPerWeek);
}

QTableWidgetItem* MonthGrid::ItemForNeighbourDay(int side, int day) const {
  for (int row = 0; row < rowCount(); ++row) {
    for (int column = FirstDayColumn(); column < columnCount(); ++column) {
      QTableWidgetItem* cell = item(row, column);
      if (cell != nullptr && cell->data(kNeighbourRole).toInt() == side &&
          cell->data(kNeighbourDayRole).toInt() == day) {
        return cell;
      }
    }
  }
  return nullptr;
}

void MonthGrid::SetFirstDayOfWeek(Qt::DayOfWeek day) {
  if (day != Qt::Monday && day != Qt::Saturday && day != Qt::Sunday) {
    day = Qt::Monday;
  }
  if (day == firstDay_) {
    return;
  }
  firstDay_ = day;
  Rebuild();
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
  const int firstWeekday = static_cast<int>(firstDay_) - 1;  // 0 = Monday
  for (int i = 0; i < kDaysPerWeek; ++i) {
    headers << QString::fromUtf8(kWeekdayShortNames[(firstWeekday + i) % kDaysPerWeek]);
  }
  setHorizontalHeaderLabels(headers);
  for (int column = 0; column < columns; ++column) {
    if (QTableWidgetItem* header = horizontalHeaderItem(column)) {
      const int weekday = column - FirstDayColumn();
      header->setData(Qt::AccessibleTextRole,
                      weekday >= 0 ? QString::fromUtf8(kWeekdayNames[(firstWeekday + weekday) % kDaysPerWeek])
                                   : QStringLiteral("Kalenderwoche"));
      if (weekday < 0) {
        header->setToolTip(weekNumbersValid_ ? QStringLiteral("Kalenderwoche nach ISO 8601") : weekNumbersAbsent_);
      }
    }
  }
  if (weekNumbers_) {
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  }
  const int offset = DayOffset();
  const int length = MonthLength();
  const int previousLength =
      previousLength_ > 0 ? previousLength_ : QDate(selected_.year(), selected_.month(), 1).addMonths(-1).daysInMonth();
  const QDate first(selected_.year(), selected_.month(), 1);
  // The column of Thursday, whose ISO week is the row's.
  const int thursday = (Qt::Thursday - firstDay_ + kDaysPerWeek) % kDaysPerWeek;
  for (int row = 0; row < kWeekRows; ++row) {
    for (int column = 0; column < columns; ++column) {
      auto* cell = new QTableWidgetItem();
      cell->setTextAlignment(Qt::AlignCenter);
      const int dayColumn = column - FirstDayColumn();
      const int day = row * kDaysPerWeek + dayColumn - offset + 1;
      if (dayColumn < 0) {
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setData(kWeekNumberRole, true);
        if (mutedColour_.isValid()) {
          cell->setForeground(mutedColour_);
        }
        const int firstDay = row * kDaysPerWeek - offset + 1;
        if (!weekNumbersValid_) {
          cell->setToolTip(weekNumbersAbsent_);
        } else if (firstDay <= length) {
          const int week = first.addDays(row * kDaysPerWeek + thursday - offset).weekNumber();
          cell->setText(QString::number(week));
          cell->setData(Qt::AccessibleTextRole, QStringLiteral("Kalenderwoche %1").arg(week));
        }
      } else if (day >= 1 && day <= length) {
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setText(QString::number(day));
        cell->setData(kDayRole, day);
      } else if (row * kDaysPerWeek - offset + 1 <= length) {
        // A day of the month before or after, in a row that holds days of
        // the shown month.
        const int side = day < 1 ? -1 : 1;
        const int shownDay = day < 1 ? previousLength + day : day - length;
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setText(QString::number(shownDay));
        cell->setData(kNeighbourRole, side);
        cell->setData(kNeighbourDayRole, shownDay);
        if (mutedColour_.isValid()) {
          cell->setForeground(mutedColour_);
        }
        cell->setData(Qt::AccessibleTextRole, QStringLiteral("%1. %2").arg(shownDay).arg(
                                                  side < 0 ? QStringLiteral("des Vormonats")
                                                           : QStringLiteral("des Folgemonats")));
        cell->setToolTip(side < 0 ? QStringLiteral("Vormonat") : QStringLiteral("Folgemonat"));
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
  const int length = MonthLength();
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
    cell->setData(kEclipseRole, info.eclipse);
    cell->setToolTip(info.toolTip);
    cell->setData(Qt::AccessibleTextRole, info.spokenText.isEmpty() ? QString::number(day) : info.spokenText);
  }
}

void MonthGrid::ShowMonth(const QDate& date, int length, int previousLength) {
  if (!date.isValid()) {
    return;
  }
  const bool sameMonth = selected_.isValid() && date.year() == selected_.year() &&
                         date.month() == selected_.month() && length == length_ &&
                         previousLength == previousLength_;
  length_ = length;
  previousLength_ = previousLength;
  selected_ = date;
  if (date.day() > MonthLength()) {
    selected_ = QDate(date.year(), date.month(), MonthLength());
  }
  if (!sameMonth) {
    days_.clear();
    Rebuild();
    return;
  }
  const QSignalBlocker blocker(this);
  if (QTableWidgetItem* current = ItemForDay(selected_.day())) {
    setCurrentItem(current);
    current->setSelected(true);
  }
}

void MonthGrid::setSelectedDate(const QDate& date) {
  if (!date.isValid() || date == selected_) {
    return;
  }
  const bool sameMonth = date.year() == selected_.year() && date.month() == selected_.month();
  if (sameMonth && date.day() > MonthLength()) {
    return;  // a day the shown month does not have
  }
  if (sameMonth) {
    ShowMonth(date, length_, previousLength_);
  } else {
    ShowMonth(date);
  }
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

void MonthGrid::SetMutedColour(const QColor& colour) {
  if (colour == mutedColour_) {
    return;
  }
  mutedColour_ = colour;
  Rebuild();
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
      setSelectedDate(QDate(selected_.year(), selected_.month(), MonthLength()));
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
  if (day >= 1 && day <= MonthLength()) {
    setSelectedDate(QDate(selected_.year(), selected_.month(), day));
  } else {
    emit dayStepRequested(days);
  }
}

void MonthGrid::mousePressEvent(QMouseEvent* event) {
  const QTableWidgetItem* cell = itemAt(event->position().toPoint());
  if (cell != nullptr && event->button() == Qt::LeftButton) {
    const int side = cell->data(kNeighbourRole).toInt();
    if (side != 0) {
      // The window shows the other month; this cell is gone afterwards.
      const int day = cell->data(kNeighbourDayRole).toInt();
      event->accept();
      emit neighbourDayChosen(side, day);
      return;
    }
    if (cell->data(kDayRole).toInt() < 1) {
      event->accept();
      return;  // week numbers and empty cells are not days
    }
  }
  QTableWidget::mousePressEvent(event);
}

void MonthGrid::wheelEvent(QWheelEvent* event) {
  // Turning the wheel away from oneself goes back a month, as scrolling up
  // goes back in a list; small steps of fine wheels add up to a notch.
  wheelRest_ += event->angleDelta().y();
  event->accept();
  int notches = 0;
  constexpr int kMaxNotches = 12;
  while (std::abs(wheelRest_) >= kWheelNotch && notches < kMaxNotches) {
    const int step = wheelRest_ > 0 ? -1 : 1;
    wheelRest_ += step * kWheelNotch;
    ++notches;
    emit monthStepRequested(step);
  }
  if (notches == kMaxNotches) {
    wheelRest_ = 0;
  }
}

}  // namespace tempulo
