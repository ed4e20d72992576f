// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "report/contrast.h"
#include "time/utf8.h"

namespace tempulo {
namespace {

TEST(Contrast, RatiosOfKnownPairs) {
  const struct {
    Rgb a;
    Rgb b;
    double ratio;
  } cases[] = {
      {{0, 0, 0}, {255, 255, 255}, 21.0},
      {{255, 255, 255}, {255, 255, 255}, 1.0},
      {{0x76, 0x76, 0x76}, {255, 255, 255}, 4.54},  // the lightest grey that passes on white
      {{255, 0, 0}, {255, 255, 255}, 4.0},
      // The dark desktop's complaint: red text on a dark grey header.
      {{255, 0, 0}, {0x35, 0x35, 0x35}, 3.07},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.05) << c.a.red << "," << c.a.green << "," << c.a.blue;
    EXPECT_DOUBLE_EQ(ContrastRatio(c.a, c.b), ContrastRatio(c.b, c.a));
  }
}

TEST(Contrast, ReadableOnEveryBackgroundKeepsTheMinimum) {
  const Rgb red{0xC0, 0, 0};
  // A readable colour stays as it is.
  EXPECT_EQ(ReadableOn(red, {255, 255, 255}), red);
  for (int grey = 0; grey <= 255; grey += 5) {
    for (const Rgb preferred : {red, Rgb{255, 0, 0}, Rgb{128, 128, 128}, Rgb{grey, grey, grey}}) {
      const Rgb background{grey, grey, grey};
      const Rgb chosen = ReadableOn(preferred, background);
      // Mid greys cannot reach 4.5:1 with anything but black or white.
      EXPECT_GE(ContrastRatio(chosen, background),
                std::min(4.5, std::max(ContrastRatio({0, 0, 0}, background),
                                       ContrastRatio({255, 255, 255}, background))))
          << grey;
    }
  }
  // On dark backgrounds red turns lighter and keeps its hue.
  const Rgb onDark = ReadableOn(red, {0x2a, 0x2a, 0x2a});
  EXPECT_GT(onDark.red, onDark.green);
  EXPECT_GE(ContrastRatio(onDark, {0x2a, 0x2a, 0x2a}), 4.5);
}

TEST(SpokenLine, ReadsLabelAndValueWithoutTabs) {
  const struct {
    const char* line;
    const char* spoken;
  } cases[] = {
      {"Wochentag\tDienstag", "Wochentag: Dienstag"},
      {"\tSonnabend", "Sonnabend"},
      {"01\tNeujahr", "01: Neujahr"},
      {"\tStaatsfeiertag Österreich", "Staatsfeiertag Österreich"},
      {" ", ""},
      {"", ""},
      {"Datum\t8.Dezember 2026", "Datum: 8.Dezember 2026"},
      {"a\tb\tc", "a: b, c"},
      {"Nur Text", "Nur Text"},
      {"Label\t", "Label"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpokenLine(c.line), c.spoken) << c.line;
  }
}

}  // namespace
}  // namespace tempulo
