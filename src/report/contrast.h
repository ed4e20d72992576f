// SPDX-License-Identifier: GPL-3.0-or-later
// Colour contrast after the usual accessibility rule: relative luminance of
// sRGB colours and their ratio (1 to 21). The window picks its own colours
// (holiday red, marks) with it against whatever palette the desktop has.
#pragma once

namespace tempulo {

struct Rgb {
  int red = 0;  // 0..255 each
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr double kMinimumTextContrast = 4.5;

double RelativeLuminance(Rgb colour);
double ContrastRatio(Rgb first, Rgb second);

// `preferred` when it keeps `minimum` against `background`; otherwise the
// nearest colour on the way from it to black or white (whichever contrasts
// more with the background) that does.
Rgb ReadableOn(Rgb preferred, Rgb background, double minimum = kMinimumTextContrast);

}  // namespace tempulo
