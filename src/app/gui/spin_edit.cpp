#include "app/gui/spin_edit.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace tempulo {

SpinEdit::SpinEdit(QWidget* parent) : QDoubleSpinBox(parent) {
  setDecimals(0);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  setKeyboardTracking(true);
  lastReported_ = value();
  connect(this, &QDoubleSpinBox::valueChanged, this, [this] { ReportIfChanged(); });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { ReportIfChanged(); });
}

double SpinEdit::Value() const {
  QString text = lineEdit()->text().trimmed();
  bool ok = false;
  const double typed = locale().toDouble(text, &ok);
  return ok ? typed : value();
}

void SpinEdit::SetValueSilently(double newValue) {
  const QSignalBlocker blocker(this);
  setValue(newValue);
  lineEdit()->setText(textFromValue(value()));
  lastReported_ = Value();
}

void SpinEdit::ReportIfChanged() {
  const double current = Value();
  if (current == lastReported_) {
    return;
  }
  lastReported_ = current;
  emit Changed();
}

}  // namespace tempulo
