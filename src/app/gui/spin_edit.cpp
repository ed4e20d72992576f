// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/spin_edit.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>
#include <limits>

namespace tempulo {

SpinEdit::SpinEdit(QWidget* parent) : QDoubleSpinBox(parent) {
  setDecimals(0);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
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
