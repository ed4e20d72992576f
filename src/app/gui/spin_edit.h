// SPDX-License-Identifier: GPL-3.0-or-later
// A numeric spin edit whose change handler also sees the values typed on the
// way to a number: typing "2013" passes through 2, 20 and 201, and the window
// refreshes for every value the almanac can show. The arrows and the value
// after editing stay within the control's range: a number typed outside it
// is refused when editing ends (Enter, or the focus leaving), the field
// returns to the last value in range, and the refusal is signalled so that
// the window can say so.
#pragma once

#include <QDoubleSpinBox>

namespace tempulo {

class SpinEdit : public QDoubleSpinBox {
  Q_OBJECT

 public:
  explicit SpinEdit(QWidget* parent = nullptr);

  // The value as typed, also outside the range while typing; NaN while the
  // field holds no number.
  double Value() const;
  // Sets the value without raising the change handler. A value outside the
  // range is shown as typed, like a year on its way to a number.
  void SetValueSilently(double value);

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& position) const override;

 signals:
  // A new value was chosen or typed.
  void Changed();
  // A typed number outside the range was refused.
  void OutOfRange(double typed);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  double lastReported_ = 0;
  bool silent_ = false;
  void ReportIfChanged();
  void RefuseIfOutOfRange();
};

}  // namespace tempulo
