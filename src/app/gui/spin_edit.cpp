// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/spin_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <cmath>
#include <limits>

namespace tempulo {

SpinEdit::SpinEdit(QWidget* parent) : QDoubleSpinBox(parent) {
  setDecimals(0);
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setKeyboardTracking(true);
  lastReported_ = value();
  connect(this, &QDoubleSpinBox::valueChanged, this, [this] { ReportIfChanged(); });
  // Text set by the control itself (a correction, a step) counts as well.
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { ReportIfChanged(); });
  // A correction when editing ends rewrites the text without a signal of its own.
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] { ReportIfChanged(); });
}

double SpinEdit::Value() const {
  const QString text = lineEdit()->text().trimmed();
  bool ok = false;
  const double typed = locale().toDouble(text, &ok);
  // A field emptied while typing holds no number: nothing to show yet.
  return ok ? typed : std::numeric_limits<double>::quiet_NaN();
}

void SpinEdit::stepBy(int steps) {
  // A step from a half-typed value rewrites the text silently even where the
  // value stays the same.
  QDoubleSpinBox::stepBy(steps);
  ReportIfChanged();
}

QValidator::State SpinEdit::validate(QString& input, int& position) const {
  // Any whole number of a few digits may be typed; one outside the range
  // is refused when editing ends, with a word, rather than key by key.
  static const QRegularExpression kNumber(QStringLiteral("^\\s*-?\\d{1,6}\\s*$"));
  if (kNumber.match(input).hasMatch()) {
    const double typed = locale().toDouble(input.trimmed());
    return typed >= minimum() && typed <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
  }
  return QDoubleSpinBox::validate(input, position);
}

void SpinEdit::RefuseIfOutOfRange() {
  const double typed = Value();
  if (!std::isnan(typed) && (typed < minimum() || typed > maximum())) {
    emit OutOfRange(typed);
  }
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    RefuseIfOutOfRange();
  }
  QDoubleSpinBox::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
  RefuseIfOutOfRange();
  QDoubleSpinBox::focusOutEvent(event);
}

void SpinEdit::SetValueSilently(double newValue) {
  const QSignalBlocker blocker(this);
  silent_ = true;
  setValue(newValue);
  // A value outside the range stays in the field as though it were being
  // typed; the range applies once editing ends.
  lineEdit()->setText(textFromValue(newValue));
  silent_ = false;
  lastReported_ = Value();
}

void SpinEdit::ReportIfChanged() {
  if (silent_) {
    return;
  }
  const double current = Value();
  if (current == lastReported_ || (std::isnan(current) && std::isnan(lastReported_))) {
    return;
  }
  lastReported_ = current;
  emit Changed();
}

}  // namespace tempulo
