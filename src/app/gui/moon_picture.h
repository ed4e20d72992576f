// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of the moon for the selected day: the lit part drawn from the
// illuminated fraction, on the right while the moon waxes, on the left while
// it wanes (as seen from the northern hemisphere).
#pragma once

#include <QWidget>
#include <optional>

#include "report/month_overview.h"

namespace tempulo {

class MoonPicture : public QWidget {
  Q_OBJECT

 public:
  explicit MoonPicture(QWidget* parent = nullptr);

  // Empty: no picture (years before 1900).
  void SetDisc(std::optional<MoonDisc> disc);
  const std::optional<MoonDisc>& Disc() const { return disc_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<MoonDisc> disc_;
};

}  // namespace tempulo
