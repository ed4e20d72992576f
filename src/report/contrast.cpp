// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/contrast.h"

#include <algorithm>
#include <cmath>

namespace tempulo {
namespace {

constexpr double kMaxChannel = 255.0;
// Steps of the blend toward black or white; the last step is the end colour.
constexpr int kBlendSteps = 64;

double Linear(int channel) {
  const double c = std::clamp(channel, 0, 255) / kMaxChannel;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Blend(int from, int to, double t) { return static_cast<int>(std::lround(from + (to - from) * t)); }

}  // namespace

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb ReadableOn(Rgb preferred, Rgb background, double minimum) {
  if (ContrastRatio(preferred, background) >= minimum) {
    return preferred;
  }
  const Rgb black{0, 0, 0};
  const Rgb white{255, 255, 255};
  const Rgb end = ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
  for (int step = 1; step <= kBlendSteps; ++step) {
    const double t = static_cast<double>(step) / kBlendSteps;
    const Rgb candidate{Blend(preferred.red, end.red, t), Blend(preferred.green, end.green, t),
                        Blend(preferred.blue, end.blue, t)};
    if (ContrastRatio(candidate, background) >= minimum) {
      return candidate;
    }
  }
  return end;
}

}  // namespace tempulo
