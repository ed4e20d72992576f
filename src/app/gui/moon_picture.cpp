// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/moon_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tempulo {
namespace {

constexpr int kSide = 72;
const QColor kLitColour(0xF2, 0xE8, 0xB6);
const QColor kDarkColour(0x2B, 0x2B, 0x33);

}  // namespace

MoonPicture::MoonPicture(QWidget* parent) : QWidget(parent) {
  setMinimumSize(kSide, kSide);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAccessibleName(QStringLiteral("Mondphase"));
}

QSize MoonPicture::sizeHint() const { return {kSide, kSide}; }

void MoonPicture::SetDisc(std::optional<MoonDisc> disc) {
  disc_ = disc;
  const QString text = disc_ ? QString::fromStdString(MoonDiscText(*disc_)) : QString();
  setToolTip(text);
  setAccessibleDescription(text);
  update();
}

void MoonPicture::paintEvent(QPaintEvent* /*event*/) {
  if (!disc_) {
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const qreal side = std::min(width(), height()) - 4;
  const QRectF disc((width() - side) / 2, (height() - side) / 2, side, side);
  const qreal radius = side / 2;
  const QPointF centre = disc.center();

  painter.setPen(Qt::NoPen);
  painter.setBrush(kDarkColour);
  painter.drawEllipse(disc);

  // The lit half on the side of the sun, and the terminator, an ellipse whose
  // half width is |2k - 1| of the radius: added to the half when more than
  // half is lit, cut out of it when less.
  const double k = std::clamp(disc_->illuminated, 0.0, 1.0);
  QPainterPath half;
  half.moveTo(centre.x(), disc.top());
  half.arcTo(disc, 90, disc_->waxing ? -180 : 180);
  half.closeSubpath();
  const qreal terminator = radius * std::abs(2 * k - 1);
  QPainterPath ellipse;
  ellipse.addEllipse(centre, terminator, radius);
  const QPainterPath lit = k >= 0.5 ? half.united(ellipse) : half.subtracted(ellipse);
  painter.setBrush(kLitColour);
  painter.drawPath(lit);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawEllipse(disc);
}

}  // namespace tempulo
